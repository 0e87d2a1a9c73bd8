#!/usr/bin/env bash
# Builds the Debian package as a packager does: a build of its own with Debian's hardening
# flags from dpkg-buildflags (stack protector, _FORTIFY_SOURCE, full RELRO with immediate
# binding), warnings not turned into errors, then cpack. Checks the program for the
# hardening before it hands the package over.
#   scripts/package.sh [BUILD_DIR]     default: build-package; the .deb lands in BUILD_DIR
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${1:-$here/build-package}"

export DEB_BUILD_MAINT_OPTIONS="hardening=+all"
eval "$(dpkg-buildflags --export=sh)"
# CMake reads CXXFLAGS and LDFLAGS from the environment but not CPPFLAGS, which holds
# _FORTIFY_SOURCE.
export CXXFLAGS="$CPPFLAGS $CXXFLAGS"

# Build type None: the flags are exactly Debian's, as debhelper builds CMake projects.
cmake -S "$here" -B "$build" -DCMAKE_BUILD_TYPE=None -DQUILLOP_WERROR=OFF \
    -DQUILLOP_BUILD_TESTS=OFF -DQUILLOP_BUILD_BENCH=OFF
cmake --build "$build" -j"$(nproc)"

program="$build/quillop"
fail() {
    echo "package: $program $*" >&2
    exit 1
}
readelf -d "$program" | grep -Eq 'BIND_NOW|FLAGS.*NOW' || fail "is not linked with -z now"
readelf -lW "$program" | grep -q GNU_RELRO || fail "has no RELRO segment"
symbols=$(readelf --dyn-syms -W "$program")
grep -q '__stack_chk_fail' <<<"$symbols" || fail "has no stack protector"
grep -Eq '__[a-z_]+_chk@' <<<"$symbols" || fail "calls no fortified function"

(cd "$build" && cpack -G DEB)
