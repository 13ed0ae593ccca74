#!/usr/bin/env bash
# Every text of the program has its English translation: lupdate reads the
# sources again into a copy of the translation file, which must come out
# the same as the one in the tree (no new text, none gone) and hold no
# unfinished or empty translation.
set -euo pipefail
lupdate=$1 sources=$2 ts=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$ts" "$work/copy.ts"
"$lupdate" -silent -source-language tr_TR -no-obsolete -locations none \
    -I "$sources" "$sources" -ts "$work/copy.ts"
status=0
if ! diff -u "$ts" "$work/copy.ts" >"$work/diff"; then
    echo "The translation file is out of step with the sources (run the update_translations target):"
    head -n 60 "$work/diff"
    status=1
fi
if grep -n -B3 'type="unfinished"\|<translation></translation>\|<numerusform></numerusform>' "$work/copy.ts"; then
    echo "Texts without an English translation (above)."
    status=1
fi
messages=$(grep -c '<message' "$work/copy.ts" || true)
echo "$messages texts, all translated: $([ $status = 0 ] && echo yes || echo no)"
exit $status
