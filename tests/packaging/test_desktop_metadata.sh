#!/usr/bin/env bash
# The desktop entry, the AppStream metadata and the icons as committed: valid, agreeing
# with each other, with the installed names and with the project's version, and the PNGs
# rendered from the current drawing in the sizes their directories promise.
# shellcheck source=tests/packaging/common.sh
. "$(dirname "$0")/common.sh"

pkg="$SOURCE_DIR/packaging"
desktop="$pkg/quillop.desktop"
metainfo="$pkg/quillop.metainfo.xml"
desktop-file-validate "$desktop" || fail "desktop-file-validate rejects quillop.desktop"
# The AppStream id follows the desktop file's name, which the program announces to the
# desktop as "quillop"; so it is not a reverse domain name, and everything else counts.
appstreamcli validate --no-net --override=cid-desktopapp-is-not-rdns=info "$metainfo" ||
    fail "appstreamcli rejects quillop.metainfo.xml"

# The launcher starts the installed program with the installed icon; software centres
# pair the metadata with the menu entry through the launchable.
[ "$(grep -cx -e 'Exec=quillop' -e 'Icon=quillop' "$desktop")" = 2 ] ||
    fail "the desktop entry does not start quillop with its icon"
grep -q '<launchable type="desktop-id">quillop.desktop</launchable>' "$metainfo" ||
    fail "metainfo does not launch quillop.desktop"
newest=$(grep -o '<release version="[^"]*"' "$metainfo" | head -n1 | cut -d'"' -f2)
[ "$newest" = "$VERSION" ] || fail "newest metainfo release is '$newest', project is '$VERSION'"

# Committed PNGs must come from the drawing as it is now (packaging/render-icons.sh).
(cd "$SOURCE_DIR" && sha256sum --quiet -c packaging/icons/quillop.svg.sha256) ||
    fail "assets/quillop.svg changed since the PNG icons were rendered: run packaging/render-icons.sh"
for n in 16 22 24 32 48 64 128 256; do
    png="$pkg/icons/hicolor/${n}x${n}/apps/quillop.png"
    [[ $(file -b "$png") == "PNG image data, $n x $n,"* ]] || fail "$png is not a $n x $n PNG"
done
