#!/usr/bin/env bash
# Every shipped translation is complete and current: lupdate over today's sources into a
# copy of each .ts leaves no unfinished, obsolete or vanished entry. A text added to the
# sources without a translation fails here; scripts/update-translations.sh adds it to the
# .ts files for a translator.
set -euo pipefail
source_dir=${2:?usage: test_translations.sh BUILD_DIR SOURCE_DIR}
lupdate=$(command -v lupdate || echo /usr/lib/qt6/bin/lupdate)
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
status=0
for ts in "$source_dir"/translations/quillop_*.ts; do
    copy="$scratch/$(basename "$ts")"
    cp "$ts" "$copy"
    (cd "$source_dir" && "$lupdate" -silent -locations none engine options ui cli app -ts "$copy")
    bad=$(grep -c -E 'type="(unfinished|obsolete|vanished)"' "$copy" || true)
    if [ "$bad" != 0 ]; then
        echo "FAIL: $(basename "$ts"): $bad entries unfinished or out of date:" >&2
        grep -B3 -E 'type="(unfinished|obsolete|vanished)"' "$copy" | grep '<source>' | head -20 >&2
        status=1
    fi
done
exit $status
