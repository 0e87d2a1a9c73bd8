#!/usr/bin/env bash
# What the main window adds to a run: the real window (offscreen) against the same run
# without a window (`quillop get`), on the same series of pictures at pause 0, in alternating
# rounds, everything on CPU 0. `quillop get` is timed from outside, less its start-up (a run
# of one picture); the window reports its run from Get to the end. Prints the
# milliseconds per picture the window adds (target: at most 0.5) and whether the preview
# shows the last picture of the run once it has ended.
#
#   bench/window_cost.sh BUILD_DIR            300 pictures of 800 x 600, 5 rounds
#   bench/window_cost.sh --quick BUILD_DIR    20 pictures, 2 rounds: the harness works
#
# Exit status: 0 target reached (or quick mode), 1 missed, 2 the harness failed.
set -euo pipefail
export LC_ALL=C

quick=0
if [ "${1:-}" = "--quick" ]; then
    quick=1
    shift
fi
[ $# -eq 1 ] && [ -d "$1" ] || {
    echo "usage: $0 [--quick] BUILD_DIR" >&2
    exit 2
}
build="$(cd "$1" && pwd)"
bench="$build/bench"
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
if [ $quick -eq 1 ]; then series=20 rounds=2; else series=300 rounds=5; fi
tag=window_cost
# shellcheck source=bench/common.sh
. "$here/common.sh"
for f in quillop_bench_window quillop_bench_images; do
    [ -x "$bench/$f" ] || die "$bench/$f is missing: build the target quillop_bench first"
done
[ -x "$build/quillop" ] || die "$build/quillop is missing: build the program first"
nginx_bin="$(command -v nginx || echo /usr/sbin/nginx)"
[ -x "$nginx_bin" ] || die "nginx is missing (scripts/setup.sh installs it)"
unset http_proxy https_proxy HTTP_PROXY HTTPS_PROXY all_proxy ALL_PROXY no_proxy NO_PROXY
export QT_QPA_PLATFORM=offscreen

work="$(mktemp -d "${TMPDIR:-/tmp}/quillop-window-cost-XXXXXX")"
chmod 755 "$work"
nginx_pid=""
cleanup() {
    [ -n "$nginx_pid" ] && kill "$nginx_pid" 2>/dev/null && wait "$nginx_pid" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT

www="$work/www"
mkdir -p "$www" "$work/nginx/tmp"
"$bench/quillop_bench_images" --out "$www" --prefix pic --digits 3 --count "$series" \
    --width 800 --height 600 --target-kib 100 >/dev/null || die "could not make the pictures"
chmod -R a+rX "$www"

conf_dir="$work/nginx"
start_nginx pic001.jpg
base="http://127.0.0.1:$server_port"
last=$(printf 'pic%03d.jpg' "$series")

home="$work/home"
mkdir -p "$home/config" "$home/runtime" && chmod 700 "$home/runtime"
get() { # $1: pictures, $2: output directory; prints the wall milliseconds
    env -u DISPLAY HOME="$home" XDG_CONFIG_HOME="$home/config" XDG_DATA_HOME="$home/data" \
        XDG_RUNTIME_DIR="$home/runtime" taskset -c 0 python3 "$here/measure.py" -- \
        "$build/quillop" get "$base/pic" 001 .jpg --max "$1" --save-dir "$2" \
        --log-dir "$work/log" --pause 0 --quiet | awk '$4 == 0 { print $1 }'
}
one_run() { # $1: runner or window; prints the milliseconds of the run itself
    local out="$work/out-$1" ms start
    rm -rf "$out" "$work/log" && mkdir -p "$out" "$work/log"
    if [ "$1" = runner ]; then
        ms=$(get "$series" "$out")
        rm -rf "$work/out-one" && mkdir -p "$work/out-one"
        start=$(get 1 "$work/out-one")
        [ -n "$ms" ] && [ -n "$start" ] || die "quillop get failed"
        # Its start-up is the one-picture run less one picture's share of the series.
        awk -v m="$ms" -v s="$start" -v n="$series" 'BEGIN { printf "%.1f\n", (m - s) * n / (n - 1) }'
    else
        taskset -c 0 "$bench/quillop_bench_window" --url1 "$base/pic" --url2 001 --url3 .jpg \
            --count "$series" --save-dir "$out" --log-dir "$work/log" >"$work/$1.out" ||
            die "the window failed: $(cat "$work/$1.out")"
        value_of run_ms "$work/$1.out"
    fi
    local saved
    saved=$(find "$out" -maxdepth 1 -name '*.jpg' | wc -l)
    [ "$saved" -eq "$series" ] || die "the $1 saved $saved of $series pictures"
}

runner_ms=() window_ms=() shows_last=yes
for round in $(seq 1 "$rounds"); do
    for who in $([ $((round % 2)) -eq 1 ] && echo "runner window" || echo "window runner"); do
        ms=$(one_run "$who")
        if [ "$who" = runner ]; then
            runner_ms+=("$ms")
        else
            window_ms+=("$ms")
            path=$(value_of preview_path "$work/window.out")
            [ "${path##*/}" = "$last" ] && [ "$(value_of preview_decoded "$work/window.out")" != 0x0 ] ||
                shows_last="no (${path##*/}, $(value_of preview_decoded "$work/window.out"))"
        fi
    done
done
runner_med=$(median "${runner_ms[@]}")
window_med=$(median "${window_ms[@]}")
per=$(awk -v w="$window_med" -v r="$runner_med" -v n="$series" 'BEGIN { printf "%.3f", (w - r) / n }')
echo "window_cost: runner ms: ${runner_ms[*]}; window ms: ${window_ms[*]}" >&2
echo "window_cost: $(tr '\n' ' ' <"$work/window.out")" >&2
ok=$(awk -v p="$per" -v s="$shows_last" 'BEGIN { print (p <= 0.5 && s == "yes") }')
printf '%s pictures of 800x600 at pause 0, %d cores\n' "$series" "$(nproc)"
printf '  quillop get      %s ms (median of %d)\n' "$runner_med" "$rounds"
printf '  real window      %s ms\n' "$window_med"
printf '  added by window  %s ms per picture (target <= 0.5)\n' "$per"
printf '  preview shows the last picture at the end: %s\n' "$shows_last"
[ $quick -eq 1 ] || [ "$ok" -eq 1 ] || exit 1
exit 0
