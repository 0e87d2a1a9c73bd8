#!/bin/bash
# The options dialog's layout checks on a real X server (Xvfb) with the system fonts, where
# captions are measured as on a desktop, at scale 1 and 2; pictures land in
# BUILD_DIR/screenshots/xvfb.
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
for scale in 1 2; do
    xvfb-run -a -n 160 -s "-screen 0 2560x2048x24 -dpi 96" \
        env QT_QPA_PLATFORM=xcb QT_SCALE_FACTOR=$scale "$test_bin"
done
ls "$QUILLOP_SCREENSHOT_DIR"/options-*.png
