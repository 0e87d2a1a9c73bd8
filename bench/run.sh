#!/usr/bin/env bash
# Benchmarks Quillop against curl on this machine and prints the five figures with their
# targets, then "N passed, M failed".
#
#   bench/run.sh BUILD_DIR           the full run (several minutes, about 3 GB in /tmp)
#   bench/run.sh --quick BUILD_DIR   few and small files: shows that the harness works;
#                                    figures are printed but do not decide the exit status
#
# nginx serves generated JPEG files from a temporary directory on a free loopback port;
# curl and our headless runner fetch the same files in turns, and the medians are compared.
# Exit status: 0 all figures reached (or quick mode), 1 a figure missed, 2 the harness failed.
set -euo pipefail
export LC_ALL=C

quick=0
if [ "${1:-}" = "--quick" ]; then
    quick=1
    shift
fi
if [ $# -ne 1 ] || [ ! -d "$1" ]; then
    echo "usage: $0 [--quick] BUILD_DIR" >&2
    exit 2
fi
build="$(cd "$1" && pwd)"
bench="$build/bench"

if [ $quick -eq 1 ]; then
    series=20 rounds=2 huge_mib=16 big_count=3 big_w=1500 big_h=1000 pauses=2 starts=2
else
    series=300 rounds=5 huge_mib=1024 big_count=20 big_w=6000 big_h=4000 pauses=10 starts=5
fi

die() {
    echo "bench: $*" >&2
    exit 2
}

for tool in curl sha256sum; do
    command -v "$tool" >/dev/null || die "$tool is missing (scripts/setup.sh installs it)"
done
nginx_bin="$(command -v nginx || echo /usr/sbin/nginx)"
[ -x "$nginx_bin" ] || die "nginx is missing (scripts/setup.sh installs it)"
for f in quillop_bench_runner quillop_bench_window quillop_bench_images \
    libquillop_bench_startprobe.so; do
    [ -e "$bench/$f" ] || die "$bench/$f is missing: build the target quillop_bench first"
done
[ -x "$build/quillop" ] || die "$build/quillop is missing: build the program first"

# Nothing of the user's proxy setup may come between the peers and the local server.
unset http_proxy https_proxy HTTP_PROXY HTTPS_PROXY all_proxy ALL_PROXY no_proxy NO_PROXY
export QT_QPA_PLATFORM=offscreen

work="$(mktemp -d "${TMPDIR:-/tmp}/quillop-bench-XXXXXX")"
# nginx's workers drop root to nobody, and must still read the pictures.
chmod 755 "$work"
nginx_pid=""
cleanup() {
    if [ -n "$nginx_pid" ]; then
        kill "$nginx_pid" 2>/dev/null || true
        wait "$nginx_pid" 2>/dev/null || true
    fi
    rm -rf "$work"
}
trap cleanup EXIT

now_us() {
    local t=$EPOCHREALTIME
    echo "${t/./}"
}

median() {
    printf '%s\n' "$@" | sort -g | awk '{ v[NR] = $1 }
        END { if (NR % 2) print v[(NR + 1) / 2]; else print (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

# The value of key in "key=value" lines.
value_of() {
    sed -n "s/^$1=//p" "$2" | tail -n 1
}

count_jpegs() {
    find "$1" -maxdepth 1 -name '*.jpg' -type f | wc -l
}

# --- the pictures -------------------------------------------------------------------------
www="$work/www"
mkdir -p "$www"
chmod 755 "$www"
echo "bench: making the pictures" >&2
"$bench/quillop_bench_images" --out "$www" --prefix pic --digits 3 --count "$series" \
    --width 800 --height 600 --target-kib 100 >/dev/null || die "could not make the pictures"
cp "$www/pic001.jpg" "$www/one1.jpg"
"$bench/quillop_bench_images" --out "$www" --prefix big --digits 3 --count "$big_count" \
    --width "$big_w" --height "$big_h" >/dev/null || die "could not make the large pictures"
# A real JPEG at its head, then random bytes up to the size: decodable, and any byte out of
# place shows in the checksum.
{
    cat "$www/pic001.jpg"
    head -c $((huge_mib * 1024 * 1024 - $(stat -c %s "$www/pic001.jpg"))) /dev/urandom
} >"$www/huge1.jpg"
chmod -R a+rX "$www"

# --- the server ---------------------------------------------------------------------------
conf_dir="$work/nginx"
mkdir -p "$conf_dir/tmp"
start_nginx() {
    local try port
    for try in $(seq 1 20); do
        port=$((20000 + RANDOM % 40000))
        if (: <"/dev/tcp/127.0.0.1/$port") 2>/dev/null; then
            continue # taken
        fi
        cat >"$conf_dir/nginx.conf" <<EOF
daemon off;
worker_processes auto;
pid $conf_dir/nginx.pid;
error_log $conf_dir/error.log warn;
events { worker_connections 512; }
http {
    types { image/jpeg jpg; }
    default_type application/octet-stream;
    access_log off;
    sendfile on;
    tcp_nopush on;
    client_body_temp_path $conf_dir/tmp/body;
    proxy_temp_path $conf_dir/tmp/proxy;
    fastcgi_temp_path $conf_dir/tmp/fastcgi;
    uwsgi_temp_path $conf_dir/tmp/uwsgi;
    scgi_temp_path $conf_dir/tmp/scgi;
    server {
        listen 127.0.0.1:$port;
        root $www;
    }
}
EOF
        "$nginx_bin" -p "$conf_dir" -c "$conf_dir/nginx.conf" -e "$conf_dir/error.log" \
            2>>"$conf_dir/error.log" &
        nginx_pid=$!
        local wait_step
        for wait_step in $(seq 1 100); do
            if curl -s -o /dev/null --max-time 2 "http://127.0.0.1:$port/one1.jpg"; then
                server_port=$port
                return 0
            fi
            kill -0 "$nginx_pid" 2>/dev/null || break
            sleep 0.05
        done
        kill "$nginx_pid" 2>/dev/null || true
        wait "$nginx_pid" 2>/dev/null || true
        nginx_pid=""
    done
    cat "$conf_dir/error.log" >&2 || true
    die "nginx did not start"
}
server_port=""
start_nginx
base="http://127.0.0.1:$server_port"
echo "bench: nginx serves $www on port $server_port" >&2

# --- figure 1: a series of pictures, ours against curl ---------------------------------------
last=$(printf '%03d' "$series")
run_curl() {
    local out="$work/out-curl" t0 t1
    rm -rf "$out" && mkdir -p "$out"
    t0=$(now_us)
    curl -s -o "$out/#1.jpg" "$base/pic[001-$last].jpg" || die "curl failed"
    t1=$(now_us)
    [ "$(count_jpegs "$out")" -eq "$series" ] || die "curl saved $(count_jpegs "$out") files"
    echo $(((t1 - t0) / 1000))
}
run_ours() { # $1: extra runner options
    local out="$work/out-ours" t0 t1
    rm -rf "$out" "$work/log" && mkdir -p "$out" "$work/log"
    t0=$(now_us)
    # shellcheck disable=SC2086
    "$bench/quillop_bench_runner" fetch --url1 "$base/pic" --url2 001 --url3 .jpg \
        --count "$series" --save-dir "$out" --log-dir "$work/log" $1 >"$work/runner.out" ||
        die "the runner failed"
    t1=$(now_us)
    [ "$(count_jpegs "$out")" -eq "$series" ] || die "the runner saved $(count_jpegs "$out") files"
    [ "$(value_of status "$work/runner.out")" = "downloading completed ($series saved)" ] ||
        die "the runner ended with: $(value_of status "$work/runner.out")"
    echo $(((t1 - t0) / 1000))
}
echo "bench: figure 1, $rounds rounds of $series pictures" >&2
curl_ms=() ours_ms=() preview_ms=()
for round in $(seq 1 "$rounds"); do
    # The order turns every round, so that no peer always follows the same one.
    case $((round % 3)) in
    1) order="curl ours preview" ;;
    2) order="ours preview curl" ;;
    0) order="preview curl ours" ;;
    esac
    for who in $order; do
        case $who in
        curl) curl_ms+=("$(run_curl)") ;;
        ours) ours_ms+=("$(run_ours "")") ;;
        preview) preview_ms+=("$(run_ours "--preview 1000x700")") ;;
        esac
    done
done
curl_med=$(median "${curl_ms[@]}")
ours_med=$(median "${ours_ms[@]}")
preview_med=$(median "${preview_ms[@]}")
ratio1=$(awk -v a="$ours_med" -v b="$curl_med" 'BEGIN { printf "%.2f", a / b }')
ratio1p=$(awk -v a="$preview_med" -v b="$curl_med" 'BEGIN { printf "%.2f", a / b }')
echo "bench:   curl ms: ${curl_ms[*]}; ours: ${ours_ms[*]}; with preview: ${preview_ms[*]}" >&2

# --- figure 2: memory for one huge response -----------------------------------------------
echo "bench: figure 2, one response of $huge_mib MiB" >&2
fetch_one() { # $1 name prefix; prints the peak RSS in KiB
    local out="$work/out-one"
    rm -rf "$out" && mkdir -p "$out" "$work/log"
    "$bench/quillop_bench_runner" fetch --url1 "$base/$1" --url2 1 --url3 .jpg --count 1 \
        --save-dir "$out" --log-dir "$work/log" --preview 1000x700 >"$work/one.out" ||
        die "the runner failed on $1"
    value_of peak_rss_kib "$work/one.out"
}
small_kib=$(fetch_one one)
huge_kib=$(fetch_one huge)
same="differ"
if [ -f "$work/out-one/huge1.jpg" ] &&
    [ "$(sha256sum <"$www/huge1.jpg")" = "$(sha256sum <"$work/out-one/huge1.jpg")" ]; then
    same="equal"
fi
rm -rf "$work/out-one"
delta_mib=$(awk -v a="$huge_kib" -v b="$small_kib" 'BEGIN { printf "%.1f", (a - b) / 1024 }')

# --- figure 3: the real window stays responsive -------------------------------------------
echo "bench: figure 3, $big_count pictures of ${big_w}x$big_h in the real window" >&2
rm -rf "$work/out-big" && mkdir -p "$work/out-big" "$work/log"
"$bench/quillop_bench_window" --url1 "$base/big" --url2 001 --url3 .jpg --count "$big_count" \
    --save-dir "$work/out-big" --log-dir "$work/log" >"$work/window.out" ||
    die "the window benchmark failed: $(cat "$work/window.out")"
gap_ms=$(value_of max_gap_ms "$work/window.out")
[ "$(value_of saved "$work/window.out")" -eq "$big_count" ] ||
    die "the window saved $(value_of saved "$work/window.out") of $big_count pictures"
echo "bench:   $(tr '\n' ' ' <"$work/window.out")" >&2
rm -rf "$work/out-big"

# --- figure 4: pause precision ------------------------------------------------------------
echo "bench: figure 4, $pauses pauses of 1 second" >&2
"$bench/quillop_bench_runner" pauses --count "$pauses" >"$work/pauses.out" ||
    die "the pause benchmark failed"
read -r -a lengths <<<"$(value_of pause_seconds "$work/pauses.out")"
[ ${#lengths[@]} -eq "$pauses" ] || die "expected $pauses pause lengths"
pause_min=$(printf '%s\n' "${lengths[@]}" | sort -g | head -n 1)
pause_max=$(printf '%s\n' "${lengths[@]}" | sort -g | tail -n 1)

# --- figure 5: cold start -----------------------------------------------------------------
echo "bench: figure 5, $starts starts of build/quillop and of curl --version" >&2
start_ms=() curl_version_ms=()
for i in $(seq 1 "$starts"); do
    home="$work/home-$i"
    mkdir -p "$home/config" "$home/runtime"
    chmod 700 "$home/runtime"
    t0=$(now_us)
    HOME="$home" XDG_CONFIG_HOME="$home/config" XDG_DATA_HOME="$home/data" \
        XDG_CACHE_HOME="$home/cache" XDG_RUNTIME_DIR="$home/runtime" \
        LD_PRELOAD="$bench/libquillop_bench_startprobe.so" \
        "$build/quillop" >"$work/start.out" 2>"$work/start.err" ||
        die "build/quillop did not show its window: $(cat "$work/start.err")"
    shown=$(value_of shown_us "$work/start.out")
    [ -n "$shown" ] || die "the start probe reported nothing"
    start_ms+=("$(awk -v a="$shown" -v b="$t0" 'BEGIN { printf "%.1f", (a - b) / 1000 }')")
    t0=$(now_us)
    curl --version >/dev/null
    t1=$(now_us)
    curl_version_ms+=("$(awk -v a="$t1" -v b="$t0" 'BEGIN { printf "%.1f", (a - b) / 1000 }')")
done
start_med=$(median "${start_ms[@]}")
curl_version_med=$(median "${curl_version_ms[@]}")

# --- the table ----------------------------------------------------------------------------
verdict() { # $1: 1 when the target is reached
    if [ "$1" -eq 1 ]; then echo pass; else echo FAIL; fi
}
ok1=$(awk -v r="$ratio1" 'BEGIN { print (r <= 1.2) }')
ok2=$(awk -v d="$delta_mib" -v s="$same" 'BEGIN { print (d <= 32 && s == "equal") }')
ok3=$(awk -v g="$gap_ms" 'BEGIN { print (g <= 50) }')
ok4=$(awk -v lo="$pause_min" -v hi="$pause_max" 'BEGIN { print (lo >= 1.000 && hi <= 1.020) }')
ok5=$(awk -v s="$start_med" 'BEGIN { print (s <= 500) }')
v1=$(verdict "$ok1")
v2=$(verdict "$ok2")
v3=$(verdict "$ok3")
v4=$(verdict "$ok4")
v5=$(verdict "$ok5")
passed=$((ok1 + ok2 + ok3 + ok4 + ok5))
failed=$((5 - passed))

mode="full run"
[ $quick -eq 1 ] && mode="quick mode: small sizes, figures not comparable with the targets"
row() { printf '%-3s %-44s %-34s %-22s %s\n' "$@"; }
echo
echo "Quillop against curl, $(nproc) cores, $mode"
row "#" "Figure" "Measured" "Target" "Result"
row 1 "$series pictures of 100 KiB, ours / curl" \
    "$ratio1 ($ours_med / $curl_med ms)" "<= 1.20" "$v1"
row "" "  the same with the preview at 1000x700" \
    "$ratio1p ($preview_med / $curl_med ms)" "reported" "-"
row 2 "peak RSS, $huge_mib MiB less 100 KiB response" \
    "+$delta_mib MiB, sha256 $same" "<= +32 MiB, equal" "$v2"
row 3 "longest 5 ms timer gap, $big_count x ${big_w}x$big_h" \
    "$gap_ms ms" "<= 50 ms" "$v3"
row 4 "$pauses pauses of 1 s" "$pause_min .. $pause_max s" "1.000 .. 1.020 s" "$v4"
row 5 "cold start to window shown (median)" \
    "$start_med ms (curl --version $curl_version_med)" "<= 500 ms" "$v5"
echo "$passed passed, $failed failed"

if [ $quick -eq 0 ] && [ "$failed" -gt 0 ]; then
    exit 1
fi
exit 0
