#!/usr/bin/env bash
# The command line on an English terminal: the summary and the report
# "Zelvar-Beam.txt" in English with the same numbers as on a German one, the
# report still in Windows-1252 with CR LF, and the JSON the same in both.
# Argument: the command line program.
set -euo pipefail
cli=$(realpath "$1")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
args=(--frequenz 14,2 --vk 0,95 --isolierung 3 --aussen 3 --leiter 2)
fail() { echo "FAILED: $*"; exit 1; }

run() {  # FOLDER LANG LANGUAGE
  mkdir -p "$work/$1"
  (cd "$work/$1" && LANG=$2 LC_ALL=$2 LANGUAGE=$3 "$cli" "${args[@]}" >summary.txt &&
    LANG=$2 LC_ALL=$2 LANGUAGE=$3 "$cli" "${args[@]}" --json >out.json)
}
run de de_DE.UTF-8 de
run en en_US.UTF-8 en

report=$work/en/Zelvar-Beam.txt
german='[äöüÄÖÜß]|\b(Berechnet|Bauvariante|Querträger|Spannseil|Tabelle|Antenne|Drahtlängen|Abstände|Breitenmaße|Gewinn|Berechnung|hinten|vorne)\b'
iconv -f CP1252 -t UTF-8 "$report" >"$work/en/report.utf8"
for file in "$work/en/summary.txt" "$work/en/report.utf8"; do
  if grep -nE "$german" "$file"; then fail "German words in the English output"; fi
done
grep -q "^Calculated for the resonance frequency = 14.2 MHz" "$work/en/summary.txt" ||
  fail "the summary is not English: $(head -n 1 "$work/en/summary.txt")"
grep -q "^Wire lengths:" "$work/en/report.utf8" || fail "the report is not English"

# Windows-1252 (the degree sign and the rule are single bytes) and CR LF.
[ "$(grep -c $'\xc2' "$report" || true)" = 0 ] || fail "the report holds UTF-8"
[ "$(grep -c $'\r$' "$report")" = "$(wc -l <"$report")" ] || fail "a report line does not end in CR LF"

# The same numbers in the same order; the German report writes a decimal
# comma. The last line is the time of the run.
numbers() { sed '$d' "$1" | grep -oE '[0-9]+([.,][0-9]+)?' | tr , .; }
numbers "$work/de/Zelvar-Beam.txt" >"$work/de/numbers"
numbers "$report" >"$work/en/numbers"
diff "$work/de/numbers" "$work/en/numbers" || fail "the reports differ in their numbers"
cmp -s "$work/de/out.json" "$work/en/out.json" || fail "the JSON differs between the languages"

# Every command's help in English: no German word once the option names
# (which stay as they are) and the design's name are taken out.
for command in "" vk pruning zusatzdipol messung geraete; do
  LANG=en_US.UTF-8 LC_ALL=en_US.UTF-8 LANGUAGE=en "$cli" $command --help >"$work/help.txt"
  sed -E 's/--[a-z-]+//g; s/Zelvar-Beam nach Kalvex//g' "$work/help.txt" |
    grep -nwE '[^ ]*[äöüÄÖÜß][^ ]*|und|oder|der|die|das|mit|nicht|eine?|wird|Feld|Datei' &&
    fail "German words in the English help of '$command'"
  head -n 1 "$work/help.txt" | grep -q '^Usage: zelvar-beam-cli' || fail "no English synopsis for '$command'"
done

# A wrong call and a dropped character are told in English; a material's
# German name still picks the same list entry as its English one.
en() { LANG=en_US.UTF-8 LC_ALL=en_US.UTF-8 LANGUAGE=en "$cli" "$@"; }
refusal=$(en --bogus 2>&1 >/dev/null || true)
[[ ${refusal%%$'\n'*} == 'Unknown option: --bogus' ]] || fail "the refusal is not English: ${refusal%%$'\n'*}"
(cd "$work/en" && en --frequenz 14x,2 2>&1 >/dev/null) | grep -qx -- '--frequenz: “14x,2” typed as “14,2”' ||
  fail "the dropped character is not told in English"
(cd "$work/en" && en --isolierung "Polyethylen PE" --json >pe-de.json && en --isolierung "polyethylene pe" --json >pe-en.json)
cmp -s "$work/en/pe-de.json" "$work/en/pe-en.json" || fail "German and English material names differ"
grep -q '"IsolierVk":0,' "$work/en/pe-en.json" && fail "the material name was not taken"
(cd "$work/en" && en --band other --frequenz 12 --json >other.json && en --band andere --frequenz 12 --json >andere.json)
cmp -s "$work/en/other.json" "$work/en/andere.json" || fail "--band other is not the button andere"
echo "The English command line writes the same numbers in English."
