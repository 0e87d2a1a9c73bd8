#!/usr/bin/env bash
# An installation into a fresh prefix: exactly the expected files with their modes, a
# manual page of this version, and an installed program that answers --help and --version
# without a display and starts cleanly from any directory.
# shellcheck source=tests/packaging/common.sh
. "$(dirname "$0")/common.sh"

prefix="$SCRATCH/prefix"
cmake --install "$BUILD_DIR" --prefix "$prefix" >"$SCRATCH/install.log" ||
    { cat "$SCRATCH/install.log" >&2; fail "cmake --install failed"; }
(cd "$prefix" && find . -type f -printf '%m %P\n' | sort -k2) >"$SCRATCH/actual"
expected_files >"$SCRATCH/expected"
diff -u "$SCRATCH/expected" "$SCRATCH/actual" ||
    fail "installed files or modes differ from tests/packaging/installed-files.txt"

man --warnings -l "$prefix/share/man/man1/quillop.1.gz" >"$SCRATCH/man" 2>"$SCRATCH/man.err" ||
    fail "the manual page does not render"
[ ! -s "$SCRATCH/man.err" ] || { cat "$SCRATCH/man.err" >&2; fail "the manual page renders with warnings"; }
grep -q "Quillop $VERSION" "$SCRATCH/man" || fail "the manual page names another version"

# From here on the program sees no display and no real home.
home="$SCRATCH/home"
mkdir -p "$home"/{config,data,cache,runtime}
chmod 700 "$home/runtime"
run() {
    (cd / && env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM -u SESSION_MANAGER \
        HOME="$home" XDG_CONFIG_HOME="$home/config" XDG_DATA_HOME="$home/data" \
        XDG_CACHE_HOME="$home/cache" XDG_RUNTIME_DIR="$home/runtime" "$@")
}
quillop="$prefix/bin/quillop"

run "$quillop" --version >"$SCRATCH/version" || fail "--version exits with $?"
[ "$(cat "$SCRATCH/version")" = "Quillop $VERSION" ] || fail "--version prints '$(cat "$SCRATCH/version")'"
run "$quillop" --help >"$SCRATCH/help" || fail "--help exits with $?"
grep -q -- '--version' "$SCRATCH/help" || fail "--help does not list --version"
# The window takes only the two information options: any other option line before the part
# about `quillop get` is one too many.
others=$(sed '/^Without a window/,$d' "$SCRATCH/help" | grep -E '^ +-' |
    grep -v -E -- '--(help|help-all|version)\b' || true)
[ -z "$others" ] || fail "--help lists unexpected options: $others"
grep -q -- '--save-dir' "$SCRATCH/help" || fail "--help does not describe quillop get"
run "$quillop" get --help >"$SCRATCH/get-help" || fail "get --help exits with $?"
grep -q -- '--dry-run' "$SCRATCH/get-help" || fail "get --help does not list --dry-run"

# bash-completion finds the completion by the command's name and offers get's options.
completion="$prefix/share/bash-completion/completions/quillop"
words=$(bash -c '. "$1"; COMP_WORDS=(quillop get --save); COMP_CWORD=2; _quillop; printf "%s\n" "${COMPREPLY[@]}"' \
    _ "$completion") || fail "the bash completion does not load"
[ "$words" = "--save-dir" ] || fail "the completion of 'quillop get --save' is '$words'"

# An unknown option is refused once the GUI is up (Qt's own GUI options must pass first).
rc=0
run env QT_QPA_PLATFORM=offscreen "$quillop" --no-such-option >/dev/null 2>&1 || rc=$?
[ "$rc" -eq 1 ] || fail "an unknown option exits with $rc, expected 1"

# Started for real (offscreen), the program must still be running when timeout sends
# SIGTERM (status 124); an earlier exit or a crash means it did not start properly.
rc=0
run env QT_QPA_PLATFORM=offscreen timeout -s TERM 5 "$quillop" >/dev/null 2>"$SCRATCH/start.err" || rc=$?
[ "$rc" -eq 124 ] || { cat "$SCRATCH/start.err" >&2; fail "the program ended with status $rc before it was stopped"; }
if grep -E -i 'could not|cannot|fatal|abort' "$SCRATCH/start.err" >&2; then
    fail "the installed program complained while starting"
fi
