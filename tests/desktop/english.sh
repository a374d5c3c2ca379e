#!/usr/bin/env bash
# The program on an English desktop (LANG=en_US.UTF-8 LANGUAGE=en), read as
# a screen reader reads it: every window opened as a user opens it (the beam
# form, calculated; the quick view with the report; the velocity-factor and
# pruning windows; a sweep; the analyser dialog), each menu of the frame
# opened, and no name, description or text on the accessibility bus holds a
# German word. Exits 77 (skipped) when no X server or accessibility bus can be
# started.
#
# english.sh PROGRAM CLI STANDIN [SHOTS_DIR]
source "$(dirname "$(realpath "$0")")/desktop_env.sh"

no_german() {  # WHAT: the whole program on the bus, with a picture on failure
  atspi german >"$scratch/german.txt" 2>&1 || { shot "german-$1"; cat "$scratch/german.txt"; fail "German words in $1"; }
}

cd "$scratch/work" || exit 1
"$program" >"$scratch/program.log" 2>&1 &
app=$!
pids+=($app)
frame=$(timeout 10 xdotool search --sync --name '^Kalvex Zelvar-Beam calculation$' | head -n 1)
[ -n "$frame" ] || fail "the frame did not come up with its English title"
xdotool windowactivate --sync "$frame" 2>/dev/null || xdotool windowfocus --sync "$frame"
sleep 1.5
shot english-frame

# Each of the frame's menus, opened with its access key and read while open.
for menu in f d c; do
  key "alt+$menu"
  sleep 0.3
  no_german "the menu opened with Alt+${menu^^}"
  key Escape
done

beam_form="Calculating a Zelvar-Beam nach Kalvex"
key ctrl+a
wait_for atspi has-window "$beam_form" 2>/dev/null || fail "Ctrl+A opened no English beam form"
key Return                               # "Ca&lculate", the default button
wait_for report_written || fail "Zelvar-Beam.txt was not written"
sleep 0.5
shot english-beam-form
no_german "the calculated beam form"

key alt+f s                              # "&File" -> "&Show/Print": the quick view
wait_for window_shown "Quick view/print" || fail "File -> Show/Print opened no quick view"
sleep 0.5
no_german "the quick view"
xdotool windowactivate --sync "$frame" 2>/dev/null

key ctrl+v                               # "1. &Velocity factor"
wait_for atspi has-window " Calculate the VF " 2>/dev/null || fail "Ctrl+V opened no velocity-factor window"
key ctrl+o                               # "3. Pruning / trimming"
wait_for atspi has-window " Antenna pruning/trimming " 2>/dev/null || fail "Ctrl+O opened no pruning window"
no_german "the velocity-factor and pruning windows"

sweep=$scratch/dipole.s1p
printf '# MHz S RI R 50\n13.9 0.3 0.2\n14.0 0.1 0.05\n14.1 0.02 0\n14.2 0.1 -0.05\n14.3 0.3 -0.2\n' >"$sweep"
key ctrl+m                               # "4. Evaluate a &sweep…"
wait_for window_shown "Open a sweep" || fail "Ctrl+M offered no sweep to open"
type_text "$sweep"
key Return
wait_for atspi has-window "Evaluate a sweep" 2>/dev/null || fail "the sweep's window did not open"
shot english-sweep
no_german "the sweep window"

key ctrl+shift+m                         # "5. Measure at the &analyser…"
wait_for atspi has-window "Measuring at the analyser" 2>/dev/null || fail "Ctrl+Shift+M opened no analyser dialog"
shot english-analyser
no_german "the analyser dialog"
key Escape

running || fail "the program ended: $(tail -n 3 "$scratch/program.log")"
say "passed"
