#!/usr/bin/env bash
# Benchmarks the program as it is installed, `quillop get`, against curl's URL globbing on
# this machine, and prints the figures with their targets, then "N passed, M failed".
#
#   bench/run.sh BUILD_DIR           the full run (several minutes, about 3 GB in /tmp and
#                                    1 GB in /dev/shm)
#   bench/run.sh --quick BUILD_DIR   few and small files: shows that the harness works;
#                                    figures are printed but do not decide the exit status
#
# nginx serves generated JPEG files from a temporary directory on free loopback ports, plain
# and over TLS with a certificate made here; bench/relay.py puts 20 ms each way in front of
# the TLS port. Every process runs on CPU 0 (taskset -c 0), so that CPU times compare; the
# peers run in turns, the order alternating by round, and the figure is the median of the
# per-round ratios. bench/measure.py takes wall time, user+system CPU time and peak memory.
# Start-up (a run of one picture) is reported apart from the cost per further picture.
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
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
tag=bench
# shellcheck source=bench/common.sh
. "$here/common.sh"

if [ $quick -eq 1 ]; then
    series=20 tls_series=10 rounds=2 cpu_rounds=2 tls_rounds=2 huge_mib=16 big_count=3 big_w=1500 big_h=1000 pauses=2
    starts=2 par_series=16
else
    # CPU figures take more rounds: on a shared machine a round's CPU time varies by a
    # fifth, and the median of many per-round ratios is what stays put.
    series=300 tls_series=100 rounds=5 cpu_rounds=41 tls_rounds=15 huge_mib=1024 big_count=20 big_w=6000 big_h=4000
    pauses=10 starts=5 par_series=100
fi

for tool in curl sha256sum taskset python3 openssl; do
    command -v "$tool" >/dev/null || die "$tool is missing (scripts/setup.sh installs it)"
done
nginx_bin="$(command -v nginx || echo /usr/sbin/nginx)"
[ -x "$nginx_bin" ] || die "nginx is missing (scripts/setup.sh installs it)"
for f in quillop_bench_window quillop_bench_images libquillop_bench_startprobe.so; do
    [ -e "$bench/$f" ] || die "$bench/$f is missing: build the target quillop_bench first"
done
[ -x "$build/quillop" ] || die "$build/quillop is missing: build the program first"

# Nothing of the user's proxy setup may come between the peers and the local server.
unset http_proxy https_proxy HTTP_PROXY HTTPS_PROXY all_proxy ALL_PROXY no_proxy NO_PROXY
export QT_QPA_PLATFORM=offscreen

work="$(mktemp -d "${TMPDIR:-/tmp}/quillop-bench-XXXXXX")"
# nginx's workers drop root to nobody, and must still read the pictures.
chmod 755 "$work"
nginx_pid="" relay_pids="" relay_port="" outs="" watch_pid=""
cleanup() {
    local pid
    for pid in $watch_pid $relay_pids $nginx_pid; do
        kill "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
    done
    rm -rf "$work" "$outs"
}
trap cleanup EXIT
# The peers save into memory (tmpfs) where the machine has it: on a disk file system the
# kernel spends more on creating each file than either peer spends on fetching it, the same
# for both, and that would hide what each program itself costs.
outs=$(mktemp -d /dev/shm/quillop-bench-XXXXXX 2>/dev/null) || outs="$work"

now_us() {
    local t=$EPOCHREALTIME
    echo "${t/./}"
}

# Runs a command on CPU 0 and prints "wall_ms cpu_ms maxrss_kib exit_status".
measured() {
    taskset -c 0 python3 "$here/measure.py" -- "$@"
}

# The median over rounds of what each further picture costs ours over what it costs curl:
# per round (ours' run of many less its run of one) over (the same of curl's); the count of
# pictures cancels out. $1..$4: the lists of ours-many, ours-one, curl-many and curl-one.
further_ratio() {
    local -a om ox cm cx r=()
    read -r -a om <<<"$1"
    read -r -a ox <<<"$2"
    read -r -a cm <<<"$3"
    read -r -a cx <<<"$4"
    local i
    for i in "${!om[@]}"; do
        r+=("$(awk -v a="${om[$i]}" -v b="${ox[$i]}" -v c="${cm[$i]}" -v d="${cx[$i]}" \
            'BEGIN { printf "%.3f", (c - d > 0 ? (a - b) / (c - d) : 0) }')")
    done
    median "${r[@]}"
}

# The cost of each further picture in a run of n, from the medians of the runs of n and of
# one. $1: n, $2 the list of runs of n, $3 the list of runs of one.
per_further() {
    # shellcheck disable=SC2086 # the lists are meant to split
    awk -v a="$(median $2)" -v b="$(median $3)" -v n="$1" 'BEGIN { printf "%.3f", (a - b) / (n - 1) }'
}

# The median of "a / b" over paired lists given as "a1 a2 ... -- b1 b2 ...".
median_ratio() {
    local -a a=() b=() r=()
    while [ "$1" != "--" ]; do a+=("$1"); shift; done
    shift
    b=("$@")
    local i
    for i in "${!a[@]}"; do
        r+=("$(awk -v x="${a[$i]}" -v y="${b[$i]}" 'BEGIN { printf "%.3f", (y > 0 ? x / y : 0) }')")
    done
    median "${r[@]}"
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
# The certificate of the TLS server, made now; both peers trust it through a CA file.
openssl req -x509 -newkey rsa:2048 -nodes -days 1 -subj /CN=127.0.0.1 \
    -addext subjectAltName=IP:127.0.0.1 -keyout "$work/key.pem" -out "$work/cert.pem" \
    2>/dev/null || die "openssl could not make a certificate"
server_port=""
start_nginx one1.jpg
base="http://127.0.0.1:$server_port"
echo "bench: nginx serves $www on port $server_port" >&2

# --- the peers ----------------------------------------------------------------------------
# Ours runs as installed, with a settings store of its own that it must not need to write.
ours_home="$work/home-ours"
mkdir -p "$ours_home/config" "$ours_home/runtime"
chmod 700 "$ours_home/runtime"
ours=(env -u DISPLAY -u WAYLAND_DISPLAY HOME="$ours_home" XDG_CONFIG_HOME="$ours_home/config"
    XDG_DATA_HOME="$ours_home/data" XDG_CACHE_HOME="$ours_home/cache"
    XDG_RUNTIME_DIR="$ours_home/runtime" "$build/quillop" get)
# One run of a peer over a series; prints "wall_ms cpu_ms maxrss_kib". $1 peer, $2 address
# with a curl range, $3 expected files, further words go to the peer.
run_peer() {
    local who=$1 address=$2 expect=$3 out="$outs/out-$1" result w c r code
    shift 3
    rm -rf "$out" && mkdir -p "$out"
    case $who in
    curl) result=$(measured curl -s -S -f "$@" -o "$out/#1.jpg" "$address" 2>>"$work/peer.err") ;;
    ours) result=$(measured "${ours[@]}" "$address" --save-dir "$out" --no-log --pause 0 \
        --quiet --max 32767 --if-exists overwrite "$@" 2>>"$work/peer.err") ;;
    esac
    read -r w c r code <<<"$result"
    if [ "$code" -ne 0 ] && [ "$who" = ours ]; then
        # Quiet while measured; the first attempt once more, with its outcome, tells why.
        die "ours ended with status $code: $("${ours[@]}" "$address" --save-dir "$out" --no-log \
            --single --json "$@" 2>&1 | head -n 1)"
    fi
    [ "$code" -eq 0 ] || die "$who ended with status $code: $(tail -n 3 "$work/peer.err")"
    [ "$(count_jpegs "$out")" -eq "$expect" ] || die "$who saved $(count_jpegs "$out") of $expect files"
    echo "$w $c $r"
}

# --- figure 1: a series over plain http, with start-up apart ------------------------------
last=$(printf '%03d' "$series")
echo "bench: figure 1, $cpu_rounds rounds of $series pictures and of one, over http" >&2
declare -A wall cpu
for who in curl ours; do
    for n in one many; do wall[$who-$n]="" cpu[$who-$n]=""; done
done
for round in $(seq 1 "$cpu_rounds"); do
    if [ $((round % 2)) -eq 1 ]; then order="curl ours"; else order="ours curl"; fi
    for who in $order; do
        read -r w c _ <<<"$(run_peer "$who" "$base/pic[001-$last].jpg" "$series")"
        wall[$who-many]+="$w " cpu[$who-many]+="$c "
        read -r w c _ <<<"$(run_peer "$who" "$base/pic[001-001].jpg" 1)"
        wall[$who-one]+="$w " cpu[$who-one]+="$c "
    done
done
# Start-up (a run of one picture) apart: the figures are what each further picture costs.
# shellcheck disable=SC2086 # the lists are meant to split
{
    cpu_ratio=$(further_ratio "${cpu[ours-many]}" "${cpu[ours-one]}" "${cpu[curl-many]}" "${cpu[curl-one]}")
    wall_ratio=$(further_ratio "${wall[ours-many]}" "${wall[ours-one]}" "${wall[curl-many]}" "${wall[curl-one]}")
    start_ours=$(median ${wall[ours-one]})
    start_curl=$(median ${wall[curl-one]})
    start_cpu_ours=$(median ${cpu[ours-one]})
    start_cpu_curl=$(median ${cpu[curl-one]})
    per_ours=$(per_further "$series" "${wall[ours-many]}" "${wall[ours-one]}")
    per_curl=$(per_further "$series" "${wall[curl-many]}" "${wall[curl-one]}")
    per_cpu_ours=$(per_further "$series" "${cpu[ours-many]}" "${cpu[ours-one]}")
    per_cpu_curl=$(per_further "$series" "${cpu[curl-many]}" "${cpu[curl-one]}")
}
echo "bench:   wall ms curl: ${wall[curl-many]}; ours: ${wall[ours-many]}" >&2
echo "bench:   cpu ms  curl: ${cpu[curl-many]}; ours: ${cpu[ours-many]}" >&2

# --- figure 2: https through a relay of 20 ms each way -------------------------------------
echo "bench: figure 2, $tls_rounds rounds of $tls_series pictures and of one over https, 20 ms each way" >&2
start_relay "$((server_port + 1))" 20
tls_base="https://127.0.0.1:$relay_port"
tls_last=$(printf '%03d' "$tls_series")
# Connections nginx saw on its TLS port since line $1 of its log.
tls_connections() {
    tail -n +"$(($1 + 1))" "$conf_dir/access.log" |
        awk -v p="$((server_port + 1))" '$1 == p { print $2 }' | sort -u | wc -l
}
log_lines() { wc -l <"$conf_dir/access.log"; }
tls_wall_curl="" tls_wall_ours="" tls_conn_ours=0 tls_conn_curl=0 tls_failed=""
# CPU of the run of many and of one picture, per peer, for the cost of each further picture.
declare -A tls_cpu=([ours-many]="" [ours-one]="" [curl-many]="" [curl-one]="")
for round in $(seq 1 "$tls_rounds"); do
    if [ $((round % 2)) -eq 1 ]; then order="curl ours"; else order="ours curl"; fi
    for who in $order; do
        mark=$(log_lines)
        if [ "$who" = curl ]; then
            read -r w c _ <<<"$(run_peer curl "$tls_base/pic[001-$tls_last].jpg" "$tls_series" \
                --cacert "$work/cert.pem")"
            tls_wall_curl+="$w " tls_conn_curl=$(tls_connections "$mark") tls_cpu[curl-many]+="$c "
            read -r _ c _ <<<"$(run_peer curl "$tls_base/pic[001-001].jpg" 1 --cacert "$work/cert.pem")"
            tls_cpu[curl-one]+="$c "
        else
            # Until the transfer verifies against a CA file, ours may fail here; the figure
            # then says so instead of stopping the harness.
            if result=$( (run_peer ours "$tls_base/pic[001-$tls_last].jpg" "$tls_series" \
                --ca-file "$work/cert.pem") 2>&1); then
                read -r w c _ <<<"$result"
                tls_wall_ours+="$w " tls_conn_ours=$(tls_connections "$mark") tls_cpu[ours-many]+="$c "
                read -r _ c _ <<<"$(run_peer ours "$tls_base/pic[001-001].jpg" 1 --ca-file "$work/cert.pem")"
                tls_cpu[ours-one]+="$c "
            else
                tls_failed=$result
            fi
        fi
    done
done
echo "bench:   cpu ms  curl: ${tls_cpu[curl-many]}; ours: ${tls_cpu[ours-many]}" >&2
if [ -z "$tls_failed" ]; then
    # shellcheck disable=SC2086
    tls_ratio=$(median_ratio $tls_wall_ours -- $tls_wall_curl)
    tls_cpu_ratio=$(further_ratio "${tls_cpu[ours-many]}" "${tls_cpu[ours-one]}" \
        "${tls_cpu[curl-many]}" "${tls_cpu[curl-one]}")
    tls_per_ours=$(per_further "$tls_series" "${tls_cpu[ours-many]}" "${tls_cpu[ours-one]}")
    tls_per_curl=$(per_further "$tls_series" "${tls_cpu[curl-many]}" "${tls_cpu[curl-one]}")
    # shellcheck disable=SC2086 # the lists are meant to split
    tls_start_ours=$(median ${tls_cpu[ours-one]})
    # shellcheck disable=SC2086
    tls_start_curl=$(median ${tls_cpu[curl-one]})
else
    tls_ratio=0 tls_conn_ours=0 tls_cpu_ratio=0 tls_per_ours=0 tls_per_curl=0
    tls_start_ours=0 tls_start_curl=0
    echo "bench:   ours over https: $tls_failed" >&2
fi

# --- figure 9: several pictures in flight, through relays of 20 ms each way --------------
# Each run's wall time over curl's sequential run of the same round and scheme; curl -Z
# with 8 in flight beside ours. nginx offers http2 on its TLS port, plain HTTP/1.1 on the
# other, so --parallel 8 is 8 streams of one connection over https and up to 8 kept
# connections over http.
echo "bench: figure 9, $par_series pictures in flight over http and https, 20 ms each way" >&2
start_relay "$server_port" 20
http_relay="http://127.0.0.1:$relay_port"
par_last=$(printf '%03d' "$par_series")
par_runs=(curl-seq-tls curl-z8-tls ours-p8-tls curl-seq-http curl-z8-http ours-p8-http
    ours-p4-http ours-p1-http)
declare -A pwall prss
par_conn_ours=0
for key in "${par_runs[@]}"; do pwall[$key]="" prss[$key]=""; done
par_run() { # $1 key; prints "wall_ms"
    local who=${1%%-*} how=${1#*-} scheme=${1##*-} address extra=()
    how=${how%-*}
    if [ "$scheme" = tls ]; then
        address="$tls_base/pic[001-$par_last].jpg"
        if [ "$who" = curl ]; then extra+=(--cacert "$work/cert.pem"); else extra+=(--ca-file "$work/cert.pem"); fi
    else
        address="$http_relay/pic[001-$par_last].jpg"
    fi
    case $how in
    z8) extra+=(-Z --parallel-max 8) ;;
    p*) extra+=(--parallel "${how#p}") ;;
    esac
    read -r w _ r <<<"$(run_peer "$who" "$address" "$par_series" "${extra[@]}")"
    echo "$w $r"
}
for round in $(seq 1 "$rounds"); do
    order=("${par_runs[@]}")
    if [ $((round % 2)) -eq 0 ]; then
        order=()
        for ((i = ${#par_runs[@]} - 1; i >= 0; i--)); do order+=("${par_runs[$i]}"); done
    fi
    for key in "${order[@]}"; do
        mark=$(log_lines)
        read -r w r <<<"$(par_run "$key")"
        pwall[$key]+="$w " prss[$key]+="$r "
        [ "$key" = ours-p8-tls ] && par_conn_ours=$(tls_connections "$mark")
    done
done
# shellcheck disable=SC2086 # the lists are meant to split
{
    par_tls8=$(median_ratio ${pwall[ours-p8-tls]} -- ${pwall[curl-seq-tls]})
    par_tls_curl=$(median_ratio ${pwall[curl-z8-tls]} -- ${pwall[curl-seq-tls]})
    par_http8=$(median_ratio ${pwall[ours-p8-http]} -- ${pwall[curl-seq-http]})
    par_http_curl=$(median_ratio ${pwall[curl-z8-http]} -- ${pwall[curl-seq-http]})
    par_http4=$(median_ratio ${pwall[ours-p4-http]} -- ${pwall[curl-seq-http]})
    par_http1=$(median_ratio ${pwall[ours-p1-http]} -- ${pwall[curl-seq-http]})
    par_rss=$(awk -v a="$(median ${prss[ours-p8-http]})" -v b="$(median ${prss[ours-p1-http]})" \
        'BEGIN { printf "%.2f", (a - b) / 1024 }')
}
for key in "${par_runs[@]}"; do echo "bench:   wall ms $key: ${pwall[$key]}" >&2; done
# Order and completeness, in a run of its own (not timed): JSON and log lines in counter
# order, no half-written file ever under a final name, every file as served.
par_out="$work/out-par"
rm -rf "$par_out" "$work/par-log" "$work/par-stop" && mkdir -p "$par_out" "$work/par-log"
taskset -c 0 python3 "$here/visible.py" "$par_out" "$www" "$work/par-stop" >"$work/par-visible" &
watch_pid=$!
"${ours[@]}" "$tls_base/pic[001-$par_last].jpg" --save-dir "$par_out" --log-dir "$work/par-log" \
    --pause 0 --max 32767 --if-exists overwrite --parallel 8 --json --ca-file "$work/cert.pem" \
    >"$work/par.json" 2>>"$work/peer.err" || die "ours --parallel 8 failed: $(tail -n 3 "$work/peer.err")"
touch "$work/par-stop"
wait "$watch_pid"
watch_pid=""
read -r par_listings par_incomplete <"$work/par-visible"
inversions() { # numbers in the order given on standard input: pairs out of order next to each other
    awk 'NR > 1 && $1 < last { n++ } { last = $1 } END { print n + 0 }'
}
par_json_inv=$(grep -o 'pic[0-9]*\.jpg' "$work/par.json" | sed 's/^pic0*//; s/\.jpg$//' | awk '!seen[$0]++' | inversions)
par_log_inv=$(cat "$work/par-log"/* | grep -o 'pic[0-9]*\.jpg' | sed 's/^pic0*//; s/\.jpg$//' | awk '!seen[$0]++' | inversions)
par_lines=$(wc -l <"$work/par.json")
par_same=0
for f in "$www"/pic[0-9]*.jpg; do
    name=${f##*/}
    [ "${name#pic}" \> "$par_last.jpg" ] && continue
    cmp -s "$f" "$par_out/$name" && par_same=$((par_same + 1))
done
rm -rf "$par_out"

# --- figure 3: memory for one huge response -----------------------------------------------
echo "bench: figure 3, one response of $huge_mib MiB" >&2
fetch_one() { # $1 picture; prints the peak RSS in KiB
    read -r _ _ rss <<<"$(run_peer ours "$base/$1" 1 --single)"
    echo "$rss"
}
small_kib=$(fetch_one one1.jpg)
huge_kib=$(fetch_one huge1.jpg)
same="differ"
if [ "$(sha256sum <"$www/huge1.jpg")" = "$(sha256sum <"$outs/out-ours/huge1.jpg")" ]; then
    same="equal"
fi
rm -rf "$outs/out-ours"
delta_mib=$(awk -v a="$huge_kib" -v b="$small_kib" 'BEGIN { printf "%.2f", (a - b) / 1024 }')

# --- figure 4: the real window stays responsive -------------------------------------------
echo "bench: figure 4, $big_count pictures of ${big_w}x$big_h in the real window" >&2
rm -rf "$work/out-big" && mkdir -p "$work/out-big" "$work/log"
"$bench/quillop_bench_window" --url1 "$base/big" --url2 001 --url3 .jpg --count "$big_count" \
    --save-dir "$work/out-big" --log-dir "$work/log" >"$work/window.out" ||
    die "the window benchmark failed: $(cat "$work/window.out")"
gap_ms=$(value_of max_gap_ms "$work/window.out")
[ "$(value_of saved "$work/window.out")" -eq "$big_count" ] ||
    die "the window saved $(value_of saved "$work/window.out") of $big_count pictures"
echo "bench:   $(tr '\n' ' ' <"$work/window.out")" >&2
rm -rf "$work/out-big"

# --- figure 5: pause precision, from the server's side ------------------------------------
# The gap between the end of one request and the start of the next, as nginx logs them.
echo "bench: figure 5, $pauses pauses of 1 second" >&2
mark=$(log_lines)
run_peer ours "$base/pic[001-$(printf '%03d' $((pauses + 1)))].jpg" $((pauses + 1)) \
    --pause 1 >/dev/null
read -r -a lengths <<<"$(tail -n +"$((mark + 1))" "$conf_dir/access.log" |
    awk -v p="$server_port" '$1 == p { start = $3 - $4; if (n++) printf "%.3f ", start - end; end = $3 }')"
[ ${#lengths[@]} -eq "$pauses" ] || die "expected $pauses pause lengths, got ${#lengths[@]}"
pause_min=$(printf '%s\n' "${lengths[@]}" | sort -g | head -n 1)
pause_max=$(printf '%s\n' "${lengths[@]}" | sort -g | tail -n 1)

# --- figure 6: cold start of the window ---------------------------------------------------
echo "bench: figure 6, $starts starts of build/quillop and of curl --version" >&2
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
judge() { awk "BEGIN { print ($1) }"; }
oks=(
    "$(judge "$cpu_ratio <= 1.05")"
    "$(judge "$wall_ratio <= 1.10")"
    "$(judge "$tls_ratio > 0 && $tls_ratio <= 1.02")"
    "$(judge "$tls_conn_ours == 1")"
    "$(judge "$delta_mib <= 1 && \"$same\" == \"equal\"")"
    "$(judge "$gap_ms <= 50")"
    "$(judge "$pause_min >= 1.000 && $pause_max <= 1.020")"
    "$(judge "$start_med <= 500")"
    "$(judge "$par_tls8 > 0 && $par_tls8 <= 0.155 && $par_conn_ours == 1")"
    "$(judge "$par_http8 > 0 && $par_http8 <= 0.165")"
    "$(judge "$par_http4 > 0 && $par_http4 <= 0.30")"
    "$(judge "$par_http1 > 0 && $par_http1 <= 1.02")"
    "$(judge "$par_json_inv == 0 && $par_log_inv == 0 && $par_incomplete == 0 && $par_same == $par_series && $par_lines == $par_series")"
    "$(judge "$tls_cpu_ratio > 0 && $tls_cpu_ratio <= 1.15")"
)
passed=0
for ok in "${oks[@]}"; do passed=$((passed + ok)); done
failed=$((${#oks[@]} - passed))

mode="full run"
[ $quick -eq 1 ] && mode="quick mode: small sizes, figures not comparable with the targets"
row() { printf '%-3s %-46s %-36s %-20s %s\n' "$@"; }
echo
echo "quillop get against curl, $(nproc) cores, all on CPU 0, $mode"
row "#" "Figure" "Measured" "Target" "Result"
row 1 "each further picture, http: CPU ours / curl" "$cpu_ratio" "<= 1.05" "$(verdict "${oks[0]}")"
row 2 "  wall ours / curl" "$wall_ratio" "<= 1.10" "$(verdict "${oks[1]}")"
row "" "  each further picture: CPU ours, curl" "$per_cpu_ours ms, $per_cpu_curl ms" "reported" "-"
row "" "  each further picture: wall ours, curl" "$per_ours ms, $per_curl ms" "reported" "-"
row "" "  start-up, one picture: CPU ours, curl" "$start_cpu_ours ms, $start_cpu_curl ms" \
    "reported" "-"
row "" "  start-up, one picture: wall ours, curl" "$start_ours ms, $start_curl ms" "reported" "-"
row 3 "$tls_series pictures, https +20 ms: wall ours/curl" "$tls_ratio" "<= 1.02" \
    "$(verdict "${oks[2]}")"
row 4 "  TLS connections in one run: ours (curl)" "$tls_conn_ours ($tls_conn_curl)" "1" \
    "$(verdict "${oks[3]}")"
row 5 "peak RSS, $huge_mib MiB less 100 KiB response" "+$delta_mib MiB, sha256 $same" \
    "<= +1 MiB, equal" "$(verdict "${oks[4]}")"
row 6 "longest 5 ms timer gap, $big_count x ${big_w}x$big_h" "$gap_ms ms" "<= 50 ms" \
    "$(verdict "${oks[5]}")"
row 7 "$pauses pauses of 1 s, seen by the server" "$pause_min .. $pause_max s" \
    "1.000 .. 1.020 s" "$(verdict "${oks[6]}")"
row 8 "cold start to window shown (median)" "$start_med ms (curl --version $curl_version_med)" \
    "<= 500 ms" "$(verdict "${oks[7]}")"
row 9 "$par_series pictures, https +20 ms, --parallel 8 / curl" "$par_tls8 ($par_conn_ours TLS conn.)" \
    "<= 0.155, 1 conn." "$(verdict "${oks[8]}")"
row "" "  curl -Z --parallel-max 8 / curl" "$par_tls_curl" "reported" "-"
row 10 "  http +20 ms, --parallel 8 / curl" "$par_http8" "<= 0.165" "$(verdict "${oks[9]}")"
row "" "  curl -Z --parallel-max 8 / curl" "$par_http_curl" "reported" "-"
row 11 "  http +20 ms, --parallel 4 / curl" "$par_http4" "<= 0.30" "$(verdict "${oks[10]}")"
row 12 "  http +20 ms, --parallel 1 / curl" "$par_http1" "<= 1.02" "$(verdict "${oks[11]}")"
row 13 "  --parallel 8: inversions json/log, half-written" \
    "$par_json_inv/$par_log_inv, $par_incomplete in $par_listings listings" "0/0, 0" \
    "$(verdict "${oks[12]}")"
row "" "  files as served, JSON lines" "$par_same, $par_lines of $par_series" "all" "-"
row "" "  peak RSS, --parallel 8 less --parallel 1" "+$par_rss MiB" "reported" "-"
row 14 "each further picture, https +20 ms: CPU o/c" "$tls_cpu_ratio" "<= 1.15" \
    "$(verdict "${oks[13]}")"
row "" "  each further picture: CPU ours, curl" "$tls_per_ours ms, $tls_per_curl ms" "reported" "-"
row "" "  start-up, one picture: CPU ours, curl" "$tls_start_ours ms, $tls_start_curl ms" \
    "reported" "-"
echo "$passed passed, $failed failed"

if [ $quick -eq 0 ] && [ "$failed" -gt 0 ]; then
    exit 1
fi
exit 0
