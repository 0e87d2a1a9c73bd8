#!/usr/bin/env bash
# The Debian package: its name and version, the Qt packages it depends on, and exactly
# the expected files under /usr.
# shellcheck source=tests/packaging/common.sh
. "$(dirname "$0")/common.sh"

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
fi
deb="$SCRATCH/out/quillop_${VERSION}_${arch}.deb"
[ -f "$deb" ] || fail "no quillop_${VERSION}_${arch}.deb among: $(ls "$SCRATCH/out")"
fields=$(dpkg-deb -f "$deb" Package Version)
[ "$fields" = $'Package: quillop\nVersion: '"$VERSION" ] || fail "package fields: $fields"

# The libraries come from dpkg-shlibdeps, the plugins from our own list; each name must
# appear as a dependency of its own, not as part of another name.
depends=$(dpkg-deb -f "$deb" Depends)
names=$(tr ',' '\n' <<<"$depends" | sed 's/^ *//; s/ .*//')
for p in libqt6core6 libqt6gui6 libqt6widgets6 libcurl4 libqt6svg6 \
    qt6-image-formats-plugins libc6 libstdc++6; do
    grep -qx "$p" <<<"$names" || fail "Depends lacks $p: $depends"
done

# Files only: dpkg-deb lists the directories too.
dpkg-deb -c "$deb" | awk '$1 !~ /^d/ {print $6}' | sort >"$SCRATCH/actual"
expected_files | awk '{print "./usr/" $2}' | sort >"$SCRATCH/expected"
diff -u "$SCRATCH/expected" "$SCRATCH/actual" ||
    fail "package files differ from tests/packaging/installed-files.txt"
