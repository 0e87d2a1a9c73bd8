#!/usr/bin/env bash
# Brings translations/quillop_<lang>.ts up to date with the sources: new texts appear as
# unfinished entries for a translator (Qt Linguist, or any editor), texts no longer in the
# sources are dropped. Run it after adding or changing a text a person reads; the test
# test_translations fails until every entry is translated again.
#   scripts/update-translations.sh            every language
#   scripts/update-translations.sh it         adds translations/quillop_it.ts as well
set -euo pipefail
cd "$(dirname "$0")/.."

lupdate=$(command -v lupdate || true)
[ -n "$lupdate" ] || lupdate=/usr/lib/qt6/bin/lupdate
[ -x "$lupdate" ] || { echo "lupdate not found: install qt6-l10n-tools (scripts/setup.sh)" >&2; exit 1; }

shopt -s nullglob
ts=(translations/quillop_*.ts)
for lang in "$@"; do
    ts+=("translations/quillop_$lang.ts")
done
"$lupdate" -locations none -no-obsolete -source-language en engine options ui cli app -ts "${ts[@]}"
