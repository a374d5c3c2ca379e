#!/usr/bin/env bash
# Every text the program marks for translation has a finished English entry:
# lupdate over the sources, into a copy of the catalogue, adds each new text
# as unfinished. Arguments: lupdate, the source tree, the catalogue.
set -euo pipefail
lupdate=$1 src=$2 catalogue=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$catalogue" "$work/en.ts"
(cd "$src" && "$lupdate" -silent -I . core report cli ui -extensions cpp,h -no-obsolete -locations none \
  -tr-function-alias translate+=Tr,QT_TRANSLATE_NOOP+=TrMark -ts "$work/en.ts")
if grep -q 'type="unfinished"' "$work/en.ts"; then
  echo "Texts without an English translation; run 'cmake --build build --target update_translations'"
  echo "and translate them in $catalogue:"
  grep -B1 'type="unfinished"' "$work/en.ts" | grep '<source>'
  exit 1
fi
echo "Every marked text has its English translation."
