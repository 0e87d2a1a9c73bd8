#!/usr/bin/env bash
# The benchmark harness in its quick mode: few and small files. It must run to its end and
# print the table and the closing count; the figures themselves are not judged here (the
# full run on a quiet machine is what they are for).
set -euo pipefail
build="$1"
source_dir="$2"

out="$(mktemp)"
trap 'rm -f "$out"' EXIT
if ! bash "$source_dir/bench/run.sh" --quick "$build" >"$out" 2>&1; then
    cat "$out"
    echo "the quick benchmark did not complete" >&2
    exit 1
fi
cat "$out"

fail=0
for row in "^# +Figure +Measured +Target +Result" "^1 " "^2 " "^3 " "^4 " "^5 " "^6 " "^7 " "^8 " "^9 " "^13 " \
    "start-up, one picture" "each further picture"; do
    if ! grep -Eq "$row" "$out"; then
        echo "the table lacks a row matching: $row" >&2
        fail=1
    fi
done
if ! tail -n 1 "$out" | grep -Eq '^[0-9]+ passed, [0-9]+ failed$'; then
    echo "the closing count is missing" >&2
    fail=1
fi
# The window's cost harness, likewise only run to its end.
if ! bash "$source_dir/bench/window_cost.sh" --quick "$build" >"$out" 2>&1; then
    cat "$out"
    echo "the quick window benchmark did not complete" >&2
    fail=1
fi
exit $fail
