#!/usr/bin/env bash
# The real program on a real X11 desktop (Xvfb with openbox), driven with
# xdotool and xclip as a user drives it and read back through the
# accessibility bus as a screen reader reads it (atspi_check.py): open the
# beam form with Ctrl+A and correct a number in the middle of every box,
# paste a number beyond range, calculate; open the quick view; open the
# velocity-factor window with Ctrl+V and the pruning window with Ctrl+O, edit
# their boxes and calculate once in each; every focusable control has a name;
# close with Ctrl+X.
# Exits 77 (skipped) when no X server or no accessibility bus can be started.
#
# smoke.sh PROGRAM CLI [SHOTS_DIR]
set -uo pipefail

skip=77
say() { echo "smoke: $*"; }

# The accessibility bus hangs off a session bus of the test's own.
if [ -z "${ZB_SMOKE_SESSION_BUS:-}" ]; then
  command -v dbus-run-session >/dev/null || { say "skipped: dbus-run-session is not installed"; exit $skip; }
  ZB_SMOKE_SESSION_BUS=1 exec dbus-run-session -- bash "$0" "$@"
fi

program=$(realpath "$1")
cli=$(realpath "$2")
shots=${3:+$(realpath -m "$3")}
here=$(dirname "$(realpath "$0")")
# Debian's Python, where the accessibility client is installed (a python3
# earlier on the PATH may be another one).
python=/usr/bin/python3
atspi() { "$python" "$here/atspi_check.py" "$@"; }
bus_launcher=/usr/libexec/at-spi-bus-launcher
fail() {
  say "FAILED: $*"
  [ -s "$scratch/program.log" ] && sed "s/^/program: /" "$scratch/program.log" | tail -n 20
  exit 1
}

for tool in Xvfb openbox xdotool xclip xdpyinfo "$python"; do
  command -v "$tool" >/dev/null || { say "skipped: $tool is not installed"; exit $skip; }
done
"$python" -c "import pyatspi" 2>/dev/null || { say "skipped: python3-pyatspi is not installed"; exit $skip; }
[ -x "$bus_launcher" ] || { say "skipped: at-spi2-core is not installed"; exit $skip; }

scratch=$(mktemp -d)
pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null; done
  for pid in "${pids[@]}"; do wait "$pid" 2>/dev/null; done
  rm -rf "$scratch"
}
trap cleanup EXIT

# A desktop of its own: display, home, settings and working directory.
export HOME=$scratch/home XDG_CONFIG_HOME=$scratch/home/.config XDG_RUNTIME_DIR=$scratch/runtime
mkdir -p "$HOME" "$XDG_CONFIG_HOME" "$XDG_RUNTIME_DIR" "$scratch/work" "$scratch/cli"
chmod 700 "$XDG_RUNTIME_DIR"
export LC_ALL=C.UTF-8 LANG=C.UTF-8
unset QT_QPA_PLATFORM SESSION_MANAGER

started=
for n in $(seq 90 130); do
  [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ] && continue
  Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >"$scratch/xvfb.log" 2>&1 &
  pids+=($!)
  for _ in $(seq 50); do
    if xdpyinfo -display ":$n" >/dev/null 2>&1; then started=":$n"; break; fi
    kill -0 "${pids[-1]}" 2>/dev/null || break
    sleep 0.1
  done
  [ -n "$started" ] && break
done
if [ -z "$started" ]; then
  say "skipped: no X server could be started ($(tail -n 2 "$scratch/xvfb.log" 2>/dev/null | tr '\n' ' '))"
  exit $skip
fi
export DISPLAY=$started

openbox --sm-disable >"$scratch/openbox.log" 2>&1 &
pids+=($!)
for _ in $(seq 50); do
  xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
  sleep 0.1
done

shot() { [ -n "$shots" ] && mkdir -p "$shots" && import -window root "$shots/$1.png"; }
key() { xdotool key --clearmodifiers --delay 40 "$@"; sleep 0.2; }
type_text() { xdotool type --delay 40 "$1"; sleep 0.2; }
running() { kill -0 "$app" 2>/dev/null; }
# Polls a condition for up to ten seconds: a loaded machine (or a sanitizer
# build) may take a while to answer a key.
wait_for() { for _ in $(seq 100); do "$@" && return 0; sleep 0.1; done; return 1; }
window_shown() { xdotool search --name "^$1\$" >/dev/null 2>&1; }
report_written() { [ -f "$scratch/work/Zelvar-Beam.txt" ]; }
# Every row the command line prints for the same entries is shown in the
# window, caption and value as a screen reader pairs them.
rows_shown() {
  local window=$1 row shown
  shift
  shown=$(atspi shown "$window") || return 1
  while IFS= read -r row; do
    grep -qxF -- "$row" <<<"$shown" || { echo "not shown: \"$row\"; shown: $(tr '\n' '|' <<<"$shown")"; return 1; }
  done < <("$cli" "$@")
}
check_rows() {
  local window=$1
  shift
  wait_for rows_shown "$window" "$@" >/dev/null || fail "$(rows_shown "$window" "$@")"
}

# The accessibility bus; the program joins it whatever the desktop's settings.
"$bus_launcher" --launch-immediately >"$scratch/atspi.log" 2>&1 &
pids+=($!)
bus_up() { "$python" -c "import pyatspi; pyatspi.Registry.getDesktop(0).childCount" >/dev/null 2>&1; }
if ! wait_for bus_up; then
  say "skipped: no accessibility bus could be started ($(tail -n 2 "$scratch/atspi.log" | tr '\n' ' '))"
  exit $skip
fi
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1

beam_form="Berechnung eines Zelvar-Beam nach Kalvex"
vk_window="Zelvar-Beam Vf errechnen"
pruning_window="Zelvar-Beam Pruning/Optimieren"

cd "$scratch/work" || exit 1
"$program" >"$scratch/program.log" 2>&1 &
app=$!
pids+=($app)
frame=$(timeout 10 xdotool search --sync --name '^Kalvex Zelvar-Beam-Berechnung$' | head -n 1)
[ -n "$frame" ] || fail "the frame did not appear"
xdotool windowactivate --sync "$frame" 2>/dev/null || xdotool windowfocus --sync "$frame"
sleep 1.5

key ctrl+a                               # "2. &Zelvar-Beam": the beam form
wait_for atspi has-window "$beam_form" 2>/dev/null || fail "$(atspi has-window "$beam_form" 2>&1)"
# Corrections in the middle of every number box, read back after each key;
# the boxes are left holding 14,2 / 0,95 / 3 / 2 and the permittivity 3.
atspi edit-beamform || fail "editing the beam form's boxes"
shot beam-form-edited

atspi focus "$beam_form" "Verkürzungsfaktor:" || fail "no velocity-factor box"
key End shift+Home
echo -n 1E39 | xclip -loops 1 -selection clipboard 2>/dev/null  # serves one paste, then ends
key shift+Insert
wait_for window_shown " Fehler "
shot error-box-after-paste
running || fail "the program ended after pasting 1E39: $(tail -n 3 "$scratch/program.log")"
window_shown " Fehler " || fail "no \" Fehler \" box after pasting 1E39"
key Return                               # dismisses the box
wait_for eval '! window_shown " Fehler "' || fail "the \" Fehler \" box stayed open"
running || fail "the program ended after the error box"

key End shift+Home
type_text "0,95"
key Return                               # "&Rechnen", the default button
wait_for report_written || fail "Zelvar-Beam.txt was not written"
sleep 0.5                                # the run ends after the file is in place
running || fail "the program ended while calculating: $(tail -n 3 "$scratch/program.log")"

(cd "$scratch/cli" && "$cli" --frequenz 14,2 --vk 0,95 --isolierung 3 --aussen 3 --leiter 2 >/dev/null) ||
  fail "the command line failed"
if ! diff <(sed '$d' "$scratch/work/Zelvar-Beam.txt") <(sed '$d' "$scratch/cli/Zelvar-Beam.txt") >"$scratch/diff"; then
  cat "$scratch/diff"
  fail "the program's report differs from the command line's"
fi

key alt+a                                # "&Anzeigen": the report in the quick view
wait_for atspi has-window "Schnellansicht/Drucken" 2>/dev/null || fail "the quick view did not open"

key ctrl+v                               # "1. &Verkürzungsfaktor", also from a box
wait_for atspi has-window "$vk_window" 2>/dev/null || fail "the velocity-factor window did not open"
atspi edit "$vk_window" "Frequenz [MHz]:" "Antennenhöhe [m]:" "Drahtdurchmesser [mm]:" ||
  fail "editing the velocity-factor window's boxes"
atspi type "$vk_window" "Frequenz [MHz]:=50,2" "Antennenhöhe [m]:=3" "Drahtdurchmesser [mm]:=2" ||
  fail "typing into the velocity-factor window"
key alt+r                                # "&Rechnen"
check_rows "$vk_window" vk --frequenz 50,2 --hoehe 3 --durchmesser 2

key ctrl+o                               # "3. Pruning / Optimieren": empty boxes
wait_for atspi has-window "$pruning_window" 2>/dev/null || fail "the pruning window did not open"
pruning_boxes=("ist Antennenlänge lS[m]:" "ist Resonanzfrequenz [MHz]:" "soll Resonanzfrequenz [MHz]:")
atspi edit "$pruning_window" "${pruning_boxes[@]}" || fail "editing the pruning window's boxes"
atspi type "$pruning_window" "${pruning_boxes[0]}=3,20" "${pruning_boxes[1]}=49,8" "${pruning_boxes[2]}=50,2" ||
  fail "typing into the pruning window"
key alt+r
check_rows "$pruning_window" pruning --laenge 3,20 --ist 49,8 --soll 50,2
shot vk-and-pruning
running || fail "the program ended in the velocity-factor windows: $(tail -n 3 "$scratch/program.log")"

atspi unnamed "$beam_form" "$vk_window" "$pruning_window" "Schnellansicht/Drucken" ||
  fail "a control a screen reader cannot name"

# The default placement, 11820 x 9345 twips, is the frame's outer size, border
# and title bar included (788 x 623 pixels at 96 dpi).
inner=$(xwininfo -id "$frame" | awk '/Width:/ {w = $2} /Height:/ {h = $2} END {print w, h}')
extents=$(xprop -id "$frame" _NET_FRAME_EXTENTS | sed 's/.*= //; s/,//g')  # left right top bottom
outer=$(echo "$inner $extents" | awk '{print $1 + $3 + $4 "x" $2 + $5 + $6}')
[ "$outer" = 788x623 ] || fail "the frame's outer size is $outer, not 788x623"

key ctrl+x                               # "&Beenden"; the quick view asks first
wait_for window_shown " Beenden" || fail "the quick view did not ask before closing"
key Return                               # "Ja"
wait_for eval '! running'
running && { shot ctrl-x-failed; fail "Ctrl+X did not end the program"; }
conf=$XDG_CONFIG_HOME/Zelvar-Beam/Zelvar-Beam.conf
for setting in WindowState MainLeft MainTop MainWidth MainHeight; do
  grep -q "^$setting=" "$conf" 2>/dev/null || fail "closing stored no $setting in $conf"
done
# Started without a placement and left alone: the default outer size comes back.
grep -q "^MainWidth=11820$" "$conf" && grep -q "^MainHeight=9345$" "$conf" ||
  fail "the frame's outer size was not stored as placed: $(grep '^Main' "$conf" | tr '\n' ' ')"
say "passed"
