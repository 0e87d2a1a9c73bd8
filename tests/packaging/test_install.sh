#!/usr/bin/env bash
# An installation into a fresh prefix: exactly the expected files, valid desktop files,
# and an installed program that answers --help and --version without a display and
# starts from any directory.
# shellcheck source=tests/packaging/common.sh
. "$(dirname "$0")/common.sh"

prefix="$SCRATCH/prefix"
cmake --install "$BUILD_DIR" --prefix "$prefix" >"$SCRATCH/install.log" ||
    { cat "$SCRATCH/install.log" >&2; fail "cmake --install failed"; finish; }

(cd "$prefix" && find . -type f -printf '%m %P\n' | sort -k2) >"$SCRATCH/actual"
# Compare names first, then modes, so that a failure says which one is off.
expected_files | awk '{print $2}' >"$SCRATCH/expected-names"
awk '{print $2}' "$SCRATCH/actual" >"$SCRATCH/actual-names"
diff -u "$SCRATCH/expected-names" "$SCRATCH/actual-names" ||
    fail "installed files differ from tests/packaging/installed-files.txt"
while read -r mode path; do
    want=644
    [ "$(expected_files | awk -v p="$path" '$2 == p {print $1}')" = x ] && want=755
    [ "$mode" = "$want" ] || fail "$path has mode $mode, expected $want"
done <"$SCRATCH/actual"

desktop-file-validate "$prefix/share/applications/quillop.desktop" ||
    fail "installed desktop entry is invalid"
validate_metainfo "$prefix/share/metainfo/quillop.metainfo.xml" ||
    fail "installed metainfo is invalid"
man --warnings -l "$prefix/share/man/man1/quillop.1.gz" >"$SCRATCH/man.txt" 2>"$SCRATCH/man.err" ||
    fail "the manual page does not render"
[ ! -s "$SCRATCH/man.err" ] || { cat "$SCRATCH/man.err" >&2; fail "the manual page renders with warnings"; }
grep -q "Quillop $(project_version)" "$SCRATCH/man.txt" || fail "the manual page names another version"

# The placeholder sits where the installed program looks for it, beside bin/.
cmp -s "$SOURCE_DIR/assets/nai2.jpg" "$prefix/bin/../share/quillop/images/nai2.jpg" ||
    fail "placeholder picture missing from share/quillop/images"

# From here on the program sees no display and no real home.
home="$SCRATCH/home"
mkdir -p "$home/config" "$home/data" "$home/cache" "$home/runtime"
chmod 700 "$home/runtime"
run() {
    (cd / && env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM -u SESSION_MANAGER \
        HOME="$home" XDG_CONFIG_HOME="$home/config" XDG_DATA_HOME="$home/data" \
        XDG_CACHE_HOME="$home/cache" XDG_RUNTIME_DIR="$home/runtime" "$@")
}
quillop="$prefix/bin/quillop"

version_rc=0
run "$quillop" --version >"$SCRATCH/version.out" 2>"$SCRATCH/version.err" || version_rc=$?
[ "$version_rc" -eq 0 ] || { cat "$SCRATCH/version.err" >&2; fail "--version exits with $version_rc"; }
[ "$(cat "$SCRATCH/version.out")" = "Quillop $(project_version)" ] ||
    fail "--version prints '$(cat "$SCRATCH/version.out")'"

help_rc=0
run "$quillop" --help >"$SCRATCH/help.out" 2>"$SCRATCH/help.err" || help_rc=$?
[ "$help_rc" -eq 0 ] || { cat "$SCRATCH/help.err" >&2; fail "--help exits with $help_rc"; }
grep -q -- '--help' "$SCRATCH/help.out" || fail "--help does not list --help"
grep -q -- '--version' "$SCRATCH/help.out" || fail "--help does not list --version"
# Only the two information options: any other option line is one too many.
others=$(grep -E '^ +-' "$SCRATCH/help.out" | grep -v -E -- '--(help|help-all|version)\b' || true)
[ -z "$others" ] || fail "--help lists unexpected options: $others"

# An unknown option is refused once the GUI is up (Qt's own GUI options must pass first).
bogus_rc=0
run env QT_QPA_PLATFORM=offscreen "$quillop" --no-such-option >/dev/null 2>&1 || bogus_rc=$?
[ "$bogus_rc" -eq 1 ] || fail "an unknown option exits with $bogus_rc, expected 1"

# Started for real (offscreen), the program must still be running when timeout sends
# SIGTERM (status 124); an earlier exit or a crash means it did not start properly.
start_rc=0
run env QT_QPA_PLATFORM=offscreen timeout -s TERM 5 "$quillop" \
    >"$SCRATCH/start.out" 2>"$SCRATCH/start.err" || start_rc=$?
if [ "$start_rc" -ne 124 ]; then
    cat "$SCRATCH/start.err" >&2
    fail "the installed program ended with status $start_rc before it was stopped"
fi
if grep -E -i 'could not|cannot|fatal|abort' "$SCRATCH/start.err" >&2; then
    fail "the installed program complained while starting"
fi

finish
