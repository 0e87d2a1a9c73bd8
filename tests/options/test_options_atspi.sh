#!/bin/bash
# The options dialog's status message as a screen reader hears it: the dialog runs on Xvfb
# with a private session bus, and a reader on the accessibility bus waits for the name of
# its status bar to change to the message of a refused entry.
set -eu
build_dir=${1:?build directory}
source_dir=${2:?source directory}
test_bin="$build_dir/tests/tst_optionsdialog"
for need in xvfb-run dbus-run-session /usr/libexec/at-spi-bus-launcher; do
    if ! command -v "$need" >/dev/null 2>&1; then
        echo "$need is missing; skipping the accessibility bus check"
        exit 0
    fi
done
if ! /usr/bin/python3 -c 'import gi; gi.require_version("Atspi", "2.0")' 2>/dev/null; then
    echo "python3-gi or gir1.2-atspi-2.0 is missing; skipping the accessibility bus check"
    exit 0
fi
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
chmod 700 "$home"
export HOME="$home" XDG_RUNTIME_DIR="$home" QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 \
    QUILLOP_ATSPI_SCRIPT="$source_dir/tests/options/atspi_status.py"
xvfb-run -a -n 170 -s "-screen 0 1280x1024x24 -dpi 96" dbus-run-session -- \
    env QT_QPA_PLATFORM=xcb "$test_bin" statusHeardByScreenReader
