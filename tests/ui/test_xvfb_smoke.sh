#!/bin/bash
# Starts the real program on a virtual X display, waits for its window, takes screenshots
# at the normal size and at the minimum size, and closes it again.
# Usage: test_xvfb_smoke.sh BUILD_DIR SOURCE_DIR
set -u
build_dir=$(cd "$1" && pwd)
program="$build_dir/quillop"
shots="$build_dir/screenshots"
mkdir -p "$shots"

for tool in Xvfb xwininfo xdotool; do
    if ! command -v "$tool" >/dev/null; then
        echo "SKIP: $tool is not installed"
        exit 0
    fi
done
[ -x "$program" ] || { echo "FAIL: $program is missing"; exit 1; }

work=$(mktemp -d "${TMPDIR:-/tmp}/quillop-smoke-XXXXXX")
xvfb_pid=""
app_pid=""
cleanup() {
    [ -n "$app_pid" ] && kill "$app_pid" 2>/dev/null
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
    wait 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT

# A display number nobody uses: no lock file and no socket.
display=""
for n in $(seq 91 140); do
    if [ ! -e "/tmp/.X$n-lock" ] && [ ! -e "/tmp/.X11-unix/X$n" ]; then
        display=$n
        break
    fi
done
[ -n "$display" ] || { echo "FAIL: no free display"; exit 1; }

Xvfb ":$display" -screen 0 1280x1024x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
for _ in $(seq 1 100); do
    [ -e "/tmp/.X11-unix/X$display" ] && break
    sleep 0.1
done
export DISPLAY=":$display"

# Nothing of the user's: a fresh home, settings and data directory.
export HOME="$work/home" XDG_CONFIG_HOME="$work/home/config" XDG_DATA_HOME="$work/home/data"
export XDG_CACHE_HOME="$work/home/cache" XDG_RUNTIME_DIR="$work/runtime"
mkdir -p "$HOME" "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
unset QT_QPA_PLATFORM

"$program" >"$work/program.log" 2>&1 &
app_pid=$!

window=""
for _ in $(seq 1 150); do
    window=$(xdotool search --onlyvisible --name '^Quillop$' 2>/dev/null | head -n 1)
    [ -n "$window" ] && break
    kill -0 "$app_pid" 2>/dev/null || break
    sleep 0.1
done
if [ -z "$window" ]; then
    echo "FAIL: the window \"Quillop\" never appeared"
    cat "$work/program.log"
    exit 1
fi
echo "window $window on :$display"

# The layout follows a resize after half a second.
shoot() {
    sleep 1.2
    if command -v import >/dev/null; then
        import -display ":$display" -window root "$shots/$1.png"
    else
        xwd -root -display ":$display" | convert xwd:- "$shots/$1.png"
    fi
    echo "screenshot $shots/$1.png"
}
shoot normal
xdotool windowsize "$window" 227 127
shoot minimum
xdotool windowsize "$window" 900 650
shoot large

# File > Close, the way a user ends the program: open the menu, go up to its last item.
xdotool mousemove --window "$window" 16 8 click 1
sleep 0.5
xdotool key Up Return
for _ in $(seq 1 50); do
    kill -0 "$app_pid" 2>/dev/null || break
    sleep 0.1
done
if kill -0 "$app_pid" 2>/dev/null; then
    echo "FAIL: the program did not end after its window was closed"
    exit 1
fi
wait "$app_pid"
status=$?
app_pid=""
echo "program ended with status $status"
exit 0
