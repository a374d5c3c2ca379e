#!/usr/bin/env bash
# Installs what is missing, builds, and starts the program. Without a display
# it computes the beam with the designed defaults on the command line instead.
set -euo pipefail
cd "$(dirname "$0")"
source tools/packages.sh
zb_ensure_packages

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build

if [ -x build/ui/zelvar-beam ] && [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
  exec build/ui/zelvar-beam "$@"
fi
[ -x build/ui/zelvar-beam ] && echo "Keine Anzeige gefunden (DISPLAY ist leer): Berechnung mit den Vorgabewerten auf der Kommandozeile."
build/cli/zelvar-beam-cli "$@"
echo
iconv -f WINDOWS-1252 -t UTF-8 Zelvar-Beam.txt
