# shellcheck shell=bash
# Shared by the packaging checks: arguments, a scratch directory removed on exit, the
# configured version, the expected file list, and failures that say what went wrong.
set -euo pipefail

BUILD_DIR=$(cd "${1:?usage: $0 BUILD_DIR SOURCE_DIR}" && pwd)
SOURCE_DIR=$(cd "${2:?usage: $0 BUILD_DIR SOURCE_DIR}" && pwd)
SCRATCH=$(mktemp -d "${TMPDIR:-/tmp}/quillop-packaging.XXXXXX")
trap 'rm -rf "$SCRATCH"' EXIT
# shellcheck disable=SC2034 # read by the scripts that source this file
VERSION=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$BUILD_DIR/CMakeCache.txt")

fail() {
    echo "FAIL: $*" >&2
    exit 1
}
# "MODE PATH" lines of installed-files.txt, comments dropped, sorted by path.
expected_files() {
    grep -v -e '^#' -e '^$' "$SOURCE_DIR/tests/packaging/installed-files.txt" | sort -k2
}
