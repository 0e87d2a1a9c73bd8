#!/bin/bash
# Reads the main window through the accessibility bus (AT-SPI) on a virtual X display, as a
# screen reader would: the status line's name is the text it shows, and a new status is
# announced. Skips when Xvfb, D-Bus, the accessibility bus or its Python bindings are missing.
# Usage: test_atspi.sh BUILD_DIR SOURCE_DIR
set -u
build_dir=$(cd "$1" && pwd)
source_dir=$(cd "$2" && pwd)
launcher=/usr/libexec/at-spi-bus-launcher
skip() { echo "SKIP: $*"; exit 0; }
for tool in Xvfb dbus-run-session dbus-send; do
    command -v "$tool" >/dev/null || skip "$tool is not installed"
done
[ -x "$launcher" ] || skip "at-spi2-core is not installed"
/usr/bin/python3 -c 'import gi; gi.require_version("Atspi", "2.0")' 2>/dev/null ||
    skip "python3-gi with the Atspi bindings is not installed"

work=$(mktemp -d "${TMPDIR:-/tmp}/quillop-atspi-XXXXXX")
pids=()
trap 'kill "${pids[@]}" 2>/dev/null; wait; rm -rf "$work"' EXIT
for n in $(seq 141 190); do
    [ ! -e "/tmp/.X$n-lock" ] && [ ! -e "/tmp/.X11-unix/X$n" ] && break
done
Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
pids+=("$!")
for _ in $(seq 1 100); do [ -e "/tmp/.X11-unix/X$n" ] && break; sleep 0.1; done
[ -e "/tmp/.X11-unix/X$n" ] || skip "Xvfb did not start"
export DISPLAY=":$n"

# Nothing of the user's. A single attempt at a closed loopback port: the status changes at
# once and nothing leaves the machine.
export HOME="$work/home" XDG_CONFIG_HOME="$work/home/config" XDG_DATA_HOME="$work/home/data"
export XDG_CACHE_HOME="$work/home/cache" XDG_RUNTIME_DIR="$work/runtime"
mkdir -p "$XDG_CONFIG_HOME/Quillop" "$XDG_RUNTIME_DIR" "$work/saved" && chmod 700 "$XDG_RUNTIME_DIR"
cat >"$XDG_CONFIG_HOME/Quillop/Quillop.conf" <<CONF
[Options]
isMultiple=False
is_log=False
save_dir=$work/saved
log_dir=$work/saved
url1_0=http://127.0.0.1:9/pic
CONF
unset QT_QPA_PLATFORM http_proxy https_proxy HTTP_PROXY HTTPS_PROXY all_proxy ALL_PROXY

# Inside a private session bus: the accessibility bus, the program, then the reader.
dbus-run-session -- bash -c '
    launcher=$1 build_dir=$2 script=$3 work=$4
    "$launcher" --launch-immediately >"$work/bus.log" 2>&1 &
    bus=$!
    for _ in $(seq 1 50); do
        dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus \
            org.a11y.Bus.GetAddress >/dev/null 2>&1 && break
        sleep 0.1
    done
    if ! dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus \
        org.a11y.Bus.GetAddress >/dev/null 2>&1; then
        kill $bus 2>/dev/null
        exit 77
    fi
    QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_ACCESSIBILITY=1 "$build_dir/quillop" \
        >"$work/program.log" 2>&1 &
    app=$!
    timeout 90 /usr/bin/python3 "$script"
    rc=$?
    kill $app $bus 2>/dev/null
    wait $app 2>/dev/null
    exit $rc
' atspi "$launcher" "$build_dir" "$source_dir/tests/ui/atspi_status.py" "$work"
rc=$?
case $rc in
0) echo "PASS: the status line reads and announces its text on the accessibility bus" ;;
77) skip "the accessibility bus could not be started" ;;
*)
    echo "FAIL: status $rc"
    cat "$work/program.log" "$work/bus.log" 2>/dev/null
    exit 1
    ;;
esac
