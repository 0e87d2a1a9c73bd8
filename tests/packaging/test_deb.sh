#!/usr/bin/env bash
# The Debian package: its name, its fields, the Qt packages it depends on, and exactly
# the expected files under /usr with root ownership and the right modes.
# shellcheck source=tests/packaging/common.sh
. "$(dirname "$0")/common.sh"

version=$(project_version)
arch=$(dpkg --print-architecture)
# Plain cpack would first build every target of the tree ("preinstall"), which is slow and
# could relink programs that other tests are running. So the same install rules fill a
# staging tree, stripped as CPACK_STRIP_FILES asks, and CPack packs that with the
# project's package settings; -B keeps everything out of the build directory.
if ! cmake --install "$BUILD_DIR" --prefix "$SCRATCH/stage/usr" --strip >"$SCRATCH/cpack.log" 2>&1 ||
    ! cpack -G DEB -B "$SCRATCH/out" --config "$BUILD_DIR/CPackConfig.cmake" \
        -D CPACK_INSTALL_CMAKE_PROJECTS= -D "CPACK_INSTALLED_DIRECTORIES=$SCRATCH/stage;." \
        >>"$SCRATCH/cpack.log" 2>&1; then
    cat "$SCRATCH/cpack.log" >&2
    fail "cpack failed"
    finish
fi
deb="$SCRATCH/out/quillop_${version}_${arch}.deb"
if [ ! -f "$deb" ]; then
    ls "$SCRATCH/out" >&2
    fail "no quillop_${version}_${arch}.deb"
    finish
fi

field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = quillop ] || fail "Package is '$(field Package)'"
[ "$(field Version)" = "$version" ] || fail "Version is '$(field Version)', expected $version"
[ "$(field Architecture)" = "$arch" ] || fail "Architecture is '$(field Architecture)'"
case "$(field Section)" in graphics | net) ;; *) fail "Section is '$(field Section)'" ;; esac
field Maintainer | grep -q '<.*@.*>' || fail "Maintainer '$(field Maintainer)' has no address"
field Description | sed -n 2p | grep -q . || fail "Description has no long text"

# The libraries come from dpkg-shlibdeps, the plugins from our own list; each name must
# appear as a dependency of its own, not as part of another name.
dpkg-deb -I "$deb" >"$SCRATCH/info"
depends=$(field Depends | tr ',' '\n' | sed 's/^ *//; s/ .*//')
for p in libqt6core6 libqt6gui6 libqt6widgets6 libqt6network6 libqt6svg6 \
    qt6-image-formats-plugins libc6 libstdc++6; do
    grep -qx "$p" <<<"$depends" || fail "Depends lacks $p: $(field Depends)"
done

# Files only (dpkg-deb lists the directories too), every one owned by root.
dpkg-deb -c "$deb" | awk '$1 !~ /^d/ {print $1, $2, $6}' | sort -k3 >"$SCRATCH/contents"
expected_files | awk '{print "./usr/" $2}' >"$SCRATCH/expected-names"
awk '{print $3}' "$SCRATCH/contents" >"$SCRATCH/actual-names"
diff -u "$SCRATCH/expected-names" "$SCRATCH/actual-names" ||
    fail "package files differ from tests/packaging/installed-files.txt"
while read -r perms owner path; do
    [ "$owner" = root/root ] || fail "$path is owned by $owner"
    want=-rw-r--r--
    [ "$(expected_files | awk -v p="${path#./usr/}" '$2 == p {print $1}')" = x ] && want=-rwxr-xr-x
    [ "$perms" = "$want" ] || fail "$path has $perms, expected $want"
done <"$SCRATCH/contents"

finish
