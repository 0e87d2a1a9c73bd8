#!/usr/bin/env bash
# One entry point for people and CI:
#   scripts/dev.sh run    set up, build, start the program
#   scripts/dev.sh test   set up, build, run every test
#   scripts/dev.sh bench  set up, build, run the full benchmarks
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$here"

"$here/scripts/setup.sh"

build="${QUILLOP_BUILD_DIR:-$here/build}"
cmake -S "$here" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUILLOP_WERROR=ON >/dev/null
cmake --build "$build" -j"$(nproc)"

case "${1:-run}" in
run)
    exec "$build/quillop"
    ;;
test)
    cd "$build"
    exec ctest --output-on-failure -j"$(nproc)" --timeout 600
    ;;
bench)
    exec "$here/bench/run.sh" "$build"
    ;;
*)
    echo "usage: $0 run|test|bench" >&2
    exit 2
    ;;
esac
