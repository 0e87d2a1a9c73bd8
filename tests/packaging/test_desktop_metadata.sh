#!/usr/bin/env bash
# The desktop entry, the AppStream metadata and the icons as committed: valid, agreeing
# with each other, with the installed names and with the project's version, and the PNGs
# rendered from the current drawing in the sizes their directories promise.
# shellcheck source=tests/packaging/common.sh
. "$(dirname "$0")/common.sh"

pkg="$SOURCE_DIR/packaging"
id=io.github.quillop.quillop
desktop="$pkg/$id.desktop"
metainfo="$pkg/$id.metainfo.xml"
desktop-file-validate "$desktop" || fail "desktop-file-validate rejects $id.desktop"
# Not a warning, not even a pedantic hint: software centres take the metadata as it is.
report=$(appstreamcli validate --no-net --pedantic "$metainfo" 2>&1) ||
    fail "appstreamcli rejects $id.metainfo.xml: $report"
if grep -Eq '^[EWIP]: ' <<<"$report"; then
    fail "appstreamcli remarks on $id.metainfo.xml: $report"
fi
grep -q "<id>$id</id>" "$metainfo" || fail "the AppStream id is not $id"

# The launcher starts the installed program with the installed icon; software centres
# pair the metadata with the menu entry through the launchable.
[ "$(grep -cx -e 'Exec=quillop' -e "Icon=$id" "$desktop")" = 2 ] ||
    fail "the desktop entry does not start quillop with its icon"
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" ||
    fail "metainfo does not launch $id.desktop"
grep -q "setDesktopFileName(QStringLiteral(\"$id\"))" "$SOURCE_DIR/app/window_main.cpp" ||
    fail "the program does not announce itself as $id"
newest=$(grep -o '<release version="[^"]*"' "$metainfo" | head -n1 | cut -d'"' -f2)
[ "$newest" = "$VERSION" ] || fail "newest metainfo release is '$newest', project is '$VERSION'"

# Committed PNGs must come from the drawing as it is now (packaging/render-icons.sh).
(cd "$SOURCE_DIR" && sha256sum --quiet -c packaging/icons/quillop.svg.sha256) ||
    fail "assets/quillop.svg changed since the PNG icons were rendered: run packaging/render-icons.sh"
for n in 16 22 24 32 48 64 128 256; do
    png="$pkg/icons/hicolor/${n}x${n}/apps/$id.png"
    [[ $(file -b "$png") == "PNG image data, $n x $n,"* ]] || fail "$png is not a $n x $n PNG"
done
