#!/bin/bash
# The options dialog's layout checks on a real X server (Xvfb) with the system fonts, where
# captions are measured as on a desktop; pictures land in BUILD_DIR/screenshots/xvfb.
set -eu
build_dir=${1:?build directory}
test_bin="$build_dir/tests/tst_optionslayout"
if [ ! -x "$test_bin" ] || ! command -v xvfb-run >/dev/null 2>&1; then
    echo "tst_optionslayout or xvfb-run is missing; skipping the check on a real X server"
    exit 0
fi
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
chmod 700 "$home"
export QUILLOP_SCREENSHOT_DIR="$build_dir/screenshots/xvfb" HOME="$home" XDG_RUNTIME_DIR="$home"
xvfb-run -a -s "-screen 0 1280x1024x24 -dpi 96" env QT_QPA_PLATFORM=xcb "$test_bin"
ls "$QUILLOP_SCREENSHOT_DIR"/options-*.png
