#!/usr/bin/env bash
# Renders the program's SVG icon into the hicolor PNG sizes that menus and docks ask for.
# The PNGs are committed, so building needs no SVG renderer; run this again whenever
# assets/quillop.svg changes (the packaging test notices when they have drifted apart).
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
svg="$here/../assets/quillop.svg"
out="$here/icons/hicolor"
sizes=(16 22 24 32 48 64 128 256)

command -v rsvg-convert >/dev/null || {
    echo "rsvg-convert is missing (Debian package librsvg2-bin)" >&2
    exit 1
}

for n in "${sizes[@]}"; do
    mkdir -p "$out/${n}x${n}/apps"
    rsvg-convert --width "$n" --height "$n" --keep-aspect-ratio --format png \
        --output "$out/${n}x${n}/apps/io.github.quillop.quillop.png" "$svg"
done
# Remembers which drawing the PNGs come from.
(cd "$here/.." && sha256sum assets/quillop.svg) >"$here/icons/quillop.svg.sha256"
