#!/usr/bin/env bash
# Fuzzes the counter with its ranges, the save name and the address split, and then our side
# of the transfer (Retry-After, cookies.txt lines, header values, shown addresses), for a few
# seconds each with libFuzzer. Needs clang++-14 with its fuzzer runtime; without them it says so and passes.
set -euo pipefail
build="$1"
source_dir="$2"
seconds="${QUILLOP_FUZZ_SECONDS:-5}"

if ! command -v clang++-14 >/dev/null || ! pkg-config --exists Qt6Core; then
    echo "skipped: clang++-14 or Qt6Core for pkg-config is missing"
    exit 0
fi
work="$build/fuzz"
mkdir -p "$work/corpus"
engine="$source_dir/engine"
# shellcheck disable=SC2046
if ! clang++-14 -std=c++20 -g -O1 -fPIC -fsanitize=fuzzer,address,undefined \
    -fno-sanitize-recover=undefined -DQT_NO_CAST_FROM_ASCII -I"$engine" \
    $(pkg-config --cflags Qt6Core) \
    "$source_dir/fuzz/fuzz_engine.cpp" "$engine/SequenceCounter.cpp" "$engine/SaveNaming.cpp" \
    "$engine/FileOps.cpp" "$engine/AddressSplit.cpp" "$engine/MainWindowElements.cpp" \
    $(pkg-config --libs Qt6Core) -o "$work/fuzz_engine" 2>"$work/build.log"; then
    if grep -q "fuzzer" "$work/build.log" && ! grep -q "error:" "$work/build.log"; then
        echo "skipped: no libFuzzer runtime for clang++-14"
        exit 0
    fi
    cat "$work/build.log"
    exit 1
fi
# shellcheck disable=SC2046
clang++-14 -std=c++20 -g -O1 -fPIC -fsanitize=fuzzer,address,undefined \
    -fno-sanitize-recover=undefined -DQT_NO_CAST_FROM_ASCII -I"$engine" \
    $(pkg-config --cflags Qt6Core) \
    "$source_dir/fuzz/fuzz_transfer.cpp" "$engine/RetryPolicy.cpp" "$engine/TransferRules.cpp" \
    $(pkg-config --libs Qt6Core) -o "$work/fuzz_transfer" 2>>"$work/build.log" ||
    { cat "$work/build.log"; exit 1; }
# A few seeds so that every function is reached from the first run.
printf '\x00\x01\x0001-20' >"$work/corpus/range"
printf '\x80\x01\x00A-F' >"$work/corpus/letters"
printf '\x01\x00\x00http://h/pic07.jpg\n_big' >"$work/corpus/name"
printf '\x02\x00\x00 http://h/pic[001-120].jpg ' >"$work/corpus/split"
"$work/fuzz_engine" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -artifact_prefix="$work/" \
    "$work/corpus" >"$work/run.log" 2>&1 || { tail -n 40 "$work/run.log"; exit 1; }
tail -n 3 "$work/run.log"
mkdir -p "$work/corpus-transfer"
printf '\x00Sun, 06 Dec 2026 12:00:09 GMT' >"$work/corpus-transfer/date"
printf '\x01x.org\n.x.org\tTRUE\t/\tFALSE\t0\tid\t1\n#HttpOnly_x.org\tFALSE\t/\tTRUE\t0\ts\t2\n' \
    >"$work/corpus-transfer/cookies"
printf '\x02Mozilla/5.0\r\nX-Injected: 1' >"$work/corpus-transfer/header"
printf '\x03http://bob:pw@x.org/pic@2x.jpg' >"$work/corpus-transfer/address"
"$work/fuzz_transfer" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
    -artifact_prefix="$work/transfer-" "$work/corpus-transfer" >"$work/run-transfer.log" 2>&1 ||
    { tail -n 40 "$work/run-transfer.log"; exit 1; }
tail -n 3 "$work/run-transfer.log"
