#!/usr/bin/env bash
# The desktop entry, the AppStream metadata and the icons as committed: valid, agreeing
# with each other and with the project's version, and the PNGs rendered from the current
# drawing in the sizes their directories promise.
# shellcheck source=tests/packaging/common.sh
. "$(dirname "$0")/common.sh"

pkg="$SOURCE_DIR/packaging"
desktop="$pkg/quillop.desktop"
metainfo="$pkg/quillop.metainfo.xml"

desktop-file-validate "$desktop" || fail "desktop-file-validate rejects quillop.desktop"
validate_metainfo "$metainfo" || fail "appstreamcli rejects quillop.metainfo.xml"

# Keys the menu and the launcher rely on.
while IFS='=' read -r key value; do
    actual=$(sed -n "s/^$key=//p" "$desktop")
    [ "$actual" = "$value" ] || fail "desktop entry: $key is '$actual', expected '$value'"
done <<'KEYS'
Name=Quillop
Exec=quillop
Icon=quillop
Terminal=false
Type=Application
Categories=Network;FileTransfer;Graphics;
KEYS
grep -q '^Comment=.' "$desktop" || fail "desktop entry has no Comment"

# Software centres pair the metadata with the menu entry through the launchable.
grep -q '<id>quillop</id>' "$metainfo" || fail "metainfo id is not quillop"
grep -q '<launchable type="desktop-id">quillop.desktop</launchable>' "$metainfo" ||
    fail "metainfo does not launch quillop.desktop"
version=$(project_version)
newest=$(grep -o '<release version="[^"]*"' "$metainfo" | head -n1 | cut -d'"' -f2)
[ "$newest" = "$version" ] || fail "newest metainfo release is '$newest', project is '$version'"

# Committed PNGs must come from the drawing as it is now (packaging/render-icons.sh).
(cd "$SOURCE_DIR" && sha256sum --quiet -c packaging/icons/quillop.svg.sha256) ||
    fail "assets/quillop.svg changed since the PNG icons were rendered: run packaging/render-icons.sh"
for n in 16 22 24 32 48 64 128 256; do
    png="$pkg/icons/hicolor/${n}x${n}/apps/quillop.png"
    if [ ! -f "$png" ]; then
        fail "missing icon $png"
        continue
    fi
    file -b "$png" | grep -q "^PNG image data, $n x $n," || fail "$png is not a $n x $n PNG"
done

finish
