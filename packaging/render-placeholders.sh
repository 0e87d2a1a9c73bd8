#!/usr/bin/env bash
# Renders the placeholder picture with its caption in each language of translations/:
# assets/nai2_<lang>.jpg from assets/nai2.jpg, the caption's band painted over and written
# anew. Run it after changing nai2.jpg or a caption below; the results are committed.
# Needs ImageMagick, fonts-dejavu-core and fonts-ipafont-gothic (scripts/setup.sh).
set -euo pipefail
cd "$(dirname "$0")/../assets"

latin=/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf
latin_bold=/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf
japanese=/usr/share/fonts/opentype/ipafont-gothic/ipag.ttf

render() { # LANG TITLE SUBTITLE TITLE_FONT SUBTITLE_FONT [STROKE]
    # The Japanese font has no bold face: a stroke of the text's own colour stands in.
    convert nai2.jpg -fill '#EBEFF2' -draw 'rectangle 0 205 399 299' \
        -gravity north -fill '#4B5563' -stroke "${6:-none}" -strokewidth 0.8 \
        -font "$4" -pointsize 26 -annotate +0+210 "$2" -stroke none \
        -fill '#6B7280' -font "$5" -pointsize 15 -annotate +0+249 "$3" \
        -strip -quality 90 "nai2_$1.jpg"
}
render de 'Kein Bild' 'die Adresse hat kein Bild geliefert' "$latin_bold" "$latin"
render fr 'Pas d’image' 'l’adresse n’a pas renvoyé d’image' "$latin_bold" "$latin"
render es 'Sin imagen' 'la dirección no devolvió una imagen' "$latin_bold" "$latin"
render ja '画像なし' 'このアドレスからは画像が返りませんでした' "$japanese" "$japanese" '#4B5563'
