#!/bin/bash
# Starts the real program on a virtual X display, takes screenshots at the normal, the
# minimum and a large size (BUILD_DIR/screenshots), and ends it through File > Close.
# Usage: test_xvfb_smoke.sh BUILD_DIR SOURCE_DIR
set -u
build_dir=$(cd "$1" && pwd)
shots="$build_dir/screenshots"
mkdir -p "$shots"
for tool in Xvfb xdotool import; do
    command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 0; }
done
fail() { echo "FAIL: $*"; cat "$work/program.log" 2>/dev/null; exit 1; }

work=$(mktemp -d "${TMPDIR:-/tmp}/quillop-smoke-XXXXXX")
pids=()
trap 'kill "${pids[@]}" 2>/dev/null; wait; rm -rf "$work"' EXIT
# A display nobody uses: no lock file and no socket.
for n in $(seq 91 140); do
    [ ! -e "/tmp/.X$n-lock" ] && [ ! -e "/tmp/.X11-unix/X$n" ] && break
done
Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
pids+=("$!")
for _ in $(seq 1 100); do [ -e "/tmp/.X11-unix/X$n" ] && break; sleep 0.1; done
export DISPLAY=":$n"
# Nothing of the user's: a fresh home, settings and data directory.
export HOME="$work/home" XDG_CONFIG_HOME="$work/home/config" XDG_DATA_HOME="$work/home/data"
export XDG_CACHE_HOME="$work/home/cache" XDG_RUNTIME_DIR="$work/runtime"
mkdir -p "$HOME" "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
unset QT_QPA_PLATFORM

"$build_dir/quillop" >"$work/program.log" 2>&1 &
app=$!
pids+=("$app")
window=""
for _ in $(seq 1 150); do
    window=$(xdotool search --onlyvisible --name '^Quillop$' 2>/dev/null | head -n 1)
    [ -n "$window" ] && break
    kill -0 "$app" 2>/dev/null || break
    sleep 0.1
done
[ -n "$window" ] || fail "the window \"Quillop\" never appeared"

# The layout follows a resize after half a second.
for shot in normal:0x0 minimum:227x127 large:900x650; do
    name=${shot%%:*} size=${shot#*:}
    [ "$size" = 0x0 ] || xdotool windowsize "$window" "${size%x*}" "${size#*x}"
    sleep 1.2
    import -display ":$n" -window root "$shots/$name.png" && echo "screenshot $shots/$name.png"
done

# File > Close, the way a user ends the program: open the menu, go up to its last item.
xdotool mousemove --window "$window" 16 8 click 1
sleep 0.5
xdotool key Up Return
for _ in $(seq 1 50); do kill -0 "$app" 2>/dev/null || break; sleep 0.1; done
kill -0 "$app" 2>/dev/null && fail "the program did not end after its window was closed"
wait "$app"
echo "program ended with status $?"
