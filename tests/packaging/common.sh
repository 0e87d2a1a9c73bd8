# shellcheck shell=bash
# Shared by the packaging checks: argument handling, a scratch directory removed on exit,
# and failures that say what went wrong.
set -euo pipefail

BUILD_DIR=$(cd "${1:?usage: $0 BUILD_DIR SOURCE_DIR}" && pwd)
SOURCE_DIR=$(cd "${2:?usage: $0 BUILD_DIR SOURCE_DIR}" && pwd)
HERE="$SOURCE_DIR/tests/packaging"
SCRATCH=$(mktemp -d "${TMPDIR:-/tmp}/quillop-packaging.XXXXXX")
trap 'rm -rf "$SCRATCH"' EXIT

failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}
finish() {
    if [ "$failures" -ne 0 ]; then
        echo "$failures check(s) failed" >&2
        exit 1
    fi
    echo "all checks passed"
}

# The version the build was configured with (project(... VERSION ...)).
project_version() {
    sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$BUILD_DIR/CMakeCache.txt"
}

# "MODE PATH" lines of the expected file list, comments dropped, sorted.
expected_files() {
    grep -v '^#' "$HERE/installed-files.txt" | grep -v '^$' | sort -k2
}

# The AppStream id is not a reverse domain name because it follows the desktop file's
# name, which the program announces to the desktop as "quillop"; everything else counts.
validate_metainfo() {
    appstreamcli validate --no-net --override=cid-desktopapp-is-not-rdns=info "$1"
}
