#!/usr/bin/env bash
# The help document's pages look the same when it is made under a German
# locale as under C: its drawings go through the metafile player, which once
# wrote their numbers with a decimal comma there and drew black slabs.
#
# HelpLocaleTest.sh HELPGEN HELP.html DRAWINGS_DIR
set -euo pipefail
helpgen=$1 html=$2 drawings=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
for name in C.UTF-8 de_DE.UTF-8; do
  LC_ALL=$name LANG=$name QT_QPA_PLATFORM=offscreen "$helpgen" "$html" "$work/$name.pdf" \
    zelvar3="$drawings/Zelvar3_klein.wmf" zelvar2="$drawings/Zelvar2_klein.wmf" 2>/dev/null
  pdftoppm -r 40 -gray "$work/$name.pdf" "$work/$name"
done
pages=0
for plain in "$work"/C.UTF-8-*.pgm; do
  german=${plain/C.UTF-8/de_DE.UTF-8}
  cmp -s "$plain" "$german" || { echo "page $(basename "$plain") differs under de_DE.UTF-8"; exit 1; }
  pages=$((pages + 1))
done
[ "$pages" -gt 0 ] || { echo "the help document has no pages"; exit 1; }
echo "$pages pages alike under C.UTF-8 and de_DE.UTF-8"
