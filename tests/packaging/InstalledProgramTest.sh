#!/bin/bash
# InstalledProgramTest.sh BUILD_DIR FULL_BINDIR DATA_DIR_FROM_PROGRAM GOLDEN_DIR
# Installs the build into a temporary DESTDIR and checks the installed files:
# the command line's reports, the data the program looks up beside itself,
# the desktop entry, the AppStream metadata, the icons and the manual pages.
set -euo pipefail
build=$1 bindir=$2 data_from_program=$3 golden=$4

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
root=$work/root
failures=0
fail() { echo "FEHLER: $*"; failures=$((failures + 1)); }

DESTDIR=$root cmake --install "$build" > "$work/install.log"
bin=$root$bindir
share=$(cd "$bin/.." && pwd)/share

# The command line from an empty folder writes the stored reports; only the
# date and time of the calculation differ.
mkdir "$work/empty"
without_date() { grep -av '^Berechnung am ' "$1"; }
cases=0
while IFS= read -r line; do
  [[ -z $line || $line == \#* ]] && continue
  name=${line%%:*}
  eval "set -- ${line#*:}"
  rm -f "$work/empty/Zelvar-Beam.txt"
  if ! (cd "$work/empty" && env -u LANGUAGE LC_ALL=de_DE.UTF-8 "$bin/zelvar-beam-cli" "$@" > /dev/null); then
    fail "$name: zelvar-beam-cli $*"
    continue
  fi
  cmp -s <(without_date "$work/empty/Zelvar-Beam.txt") <(without_date "$golden/$name.txt") ||
    fail "$name: Bericht weicht ab"
  grep -aq '^Berechnung am ' "$work/empty/Zelvar-Beam.txt" || fail "$name: keine Zeile mit Datum"
  cases=$((cases + 1))
done < "$golden/cases.txt"
[[ $cases -ge 40 ]] || fail "nur $cases Fälle gelesen"

# The drawings and the help where the installed program looks for them.
for file in Zelvar2_klein.wmf Zelvar3_klein.wmf Zelvar2_Quer_klein.wmf Zelvar3_Quer_klein.wmf Zelvar2_klein_en.wmf Zelvar3_klein_en.wmf Zelvar2_Quer_klein_en.wmf Zelvar3_Quer_klein_en.wmf Zelvar-Beam_Hilfe.pdf Zelvar-Beam_Help.pdf; do
  [[ -s $bin/$data_from_program/$file ]] || fail "$file fehlt in $bin/$data_from_program"
done

desktop-file-validate "$share/applications/zelvar-beam.desktop" || fail "Desktop-Datei ungültig"
appstreamcli validate --no-net "$share"/metainfo/*.metainfo.xml || fail "AppStream-Daten ungültig"

for size in 16 32 48 64 128 256; do
  icon=$share/icons/hicolor/${size}x${size}/apps/zelvar-beam.png
  [[ $(identify -format '%wx%h' "$icon" 2>&1) == "${size}x${size}" ]] || fail "Symbol $icon"
done
[[ -s $share/icons/hicolor/scalable/apps/zelvar-beam.svg ]] || fail "SVG-Symbol fehlt"

# The manual pages read without roff warnings, and the command line's page
# names every option that --help prints, a subcommand's in its own section.
for page in zelvar-beam-cli zelvar-beam en/zelvar-beam en/zelvar-beam-cli; do
  file=$share/man/${page%/*}/man1/${page#*/}.1.gz
  [[ $page == */* ]] || file=$share/man/man1/$page.1.gz
  warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l "$file" 2>&1 > "$work/${page//\//-}.txt") ||
    fail "man $page"
  [[ -z $warnings ]] || fail "man $page: $warnings"
  lexgrog "$file" > /dev/null || fail "lexgrog $page"
done
# The program's page tells of every window the menu "Berechnen" opens (read
# as running text: the page is justified and hyphenated).
page_text=$(tr '\n' ' ' < "$work/zelvar-beam.txt" | sed 's/\xe2\x80\x90 *//g; s/  */ /g')
for window in "1. Verkürzungsfaktor" "2. Zelvar-Beam" "3. Pruning / Optimieren" "4. Messung auswerten"; do
  grep -q -- "$window" <<< "$page_text" || fail "\"$window\" fehlt in der Handbuchseite zelvar-beam"
done
for option in $("$bin/zelvar-beam-cli" --help | grep -o -- '--[a-z-]*' | sort -u); do
  grep -q -- "$option" "$work/zelvar-beam-cli.txt" || fail "$option fehlt in der Handbuchseite"
done
# The English page has the same sections under English headings.
for heading in BEFEHL:zelvar-beam-cli COMMAND:en-zelvar-beam-cli; do
  for command in vk pruning zusatzdipol messung; do
    section=$(awk -v heading="${heading%%:*} $command" '$0 == heading { on = 1; next } on && /^[^ ]/ { exit } on' \
      "$work/${heading#*:}.txt")
    [[ -n $section ]] || fail "Abschnitt ${heading%%:*} $command fehlt in ${heading#*:}"
    for option in $("$bin/zelvar-beam-cli" "$command" --help | grep -o -- '--[a-z-]*' | sort -u); do
      grep -q -- "$option" <<< "$section" || fail "$command $option fehlt in ${heading#*:}"
    done
  done
done

[[ $failures -eq 0 ]] && echo "$cases Berichte, Daten, Desktop-Datei, AppStream, Symbole und Handbuchseiten in Ordnung"
exit $((failures > 0))
