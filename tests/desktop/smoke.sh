#!/usr/bin/env bash
# The real program on a real X11 desktop (Xvfb with openbox), driven with
# xdotool and xclip as a user drives it: open the beam form with Ctrl+A, type
# into every number box and the combo box, press Delete, paste a number
# beyond range, calculate, close with Ctrl+X. Exits 77 (skipped) when no X
# server can be started.
#
# smoke.sh PROGRAM CLI [SHOTS_DIR]
set -uo pipefail

program=$(realpath "$1")
cli=$(realpath "$2")
shots=${3:+$(realpath -m "$3")}
skip=77

say() { echo "smoke: $*"; }
fail() {
  say "FAILED: $*"
  [ -s "$scratch/program.log" ] && sed "s/^/program: /" "$scratch/program.log" | tail -n 20
  exit 1
}

for tool in Xvfb openbox xdotool xclip xdpyinfo; do
  command -v "$tool" >/dev/null || { say "skipped: $tool is not installed"; exit $skip; }
done

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
error_box_shown() { xdotool search --name '^ Fehler $' >/dev/null 2>&1; }
report_written() { [ -f "$scratch/work/Zelvar-Beam.txt" ]; }

cd "$scratch/work" || exit 1
"$program" >"$scratch/program.log" 2>&1 &
app=$!
pids+=($app)
frame=$(timeout 10 xdotool search --sync --name '^Kalvex Zelvar-Beam-Berechnung$' | head -n 1)
[ -n "$frame" ] || fail "the frame did not appear"
xdotool windowactivate --sync "$frame" 2>/dev/null || xdotool windowfocus --sync "$frame"
sleep 1.5

key ctrl+a                               # "2. &Zelvar-Beam": the beam form, focus in the frequency box
sleep 1
key End shift+Home
type_text "14,29"
key Left Delete                          # 14,29 -> 14,2
key Tab Tab Tab                          # band, segment, velocity factor
key End shift+Home
type_text "0,95"
key Tab Tab                              # spinner, insulation
key End shift+Home
type_text "3"                            # a typed permittivity enables the diameters
shot combo-after-typing-3
key Tab
type_text "3"                            # outer diameter
key Tab
type_text "2"                            # conductor diameter

key shift+Tab shift+Tab shift+Tab shift+Tab   # back to the velocity factor
key End shift+Home
echo -n 1E39 | xclip -loops 1 -selection clipboard 2>/dev/null  # serves one paste, then ends
key shift+Insert
wait_for error_box_shown
shot error-box-after-paste
running || fail "the program ended after pasting 1E39: $(tail -n 3 "$scratch/program.log")"
error_box_shown || fail "no \" Fehler \" box after pasting 1E39"
key Return                               # dismisses the box
wait_for eval '! error_box_shown' || fail "the \" Fehler \" box stayed open"
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

# The default placement, 11820 x 9345 twips, is the frame's outer size, border
# and title bar included (788 x 623 pixels at 96 dpi).
inner=$(xwininfo -id "$frame" | awk '/Width:/ {w = $2} /Height:/ {h = $2} END {print w, h}')
extents=$(xprop -id "$frame" _NET_FRAME_EXTENTS | sed 's/.*= //; s/,//g')  # left right top bottom
outer=$(echo "$inner $extents" | awk '{print $1 + $3 + $4 "x" $2 + $5 + $6}')
[ "$outer" = 788x623 ] || fail "the frame's outer size is $outer, not 788x623"

key ctrl+x                               # "&Beenden"
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
