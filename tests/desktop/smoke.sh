#!/usr/bin/env bash
# The real program on a real X11 desktop (Xvfb with openbox), driven with
# xdotool and xclip as a user drives it and read back through the
# accessibility bus as a screen reader reads it (atspi_check.py): open the
# beam form with Ctrl+A and correct a number in the middle of every box,
# paste a number beyond range, calculate; open the quick view; open the
# velocity-factor window with Ctrl+V and the pruning window with Ctrl+O, edit
# their boxes and calculate once in each; every focusable control has a name;
# close with Ctrl+X. Runs in the locale ZB_SMOKE_LOCALE names (C.UTF-8 unless
# given): a German desktop writes numbers with a comma wherever the C library
# formats them, and the program must look the same there.
# Exits 77 (skipped) when no X server or no accessibility bus can be started.
#
# smoke.sh PROGRAM CLI STANDIN [SHOTS_DIR]   (STANDIN: the stand-in analyser program)
source "$(dirname "$(realpath "$0")")/desktop_env.sh"

# The values a window shows beside their captions equal the command line's
# for the same entries: check_values WINDOW "CLI ARGS" CAPTION=JSON_KEY...
check_values() {
  local window=$1 json
  json=$("$cli" $2 --json) || fail "the command line failed: $2"
  shift 2
  wait_for atspi compare "$window" "$json" "$@" 2>/dev/null || fail "$(atspi compare "$window" "$json" "$@" 2>&1)"
}

beam_form="Berechnung eines Zelvar-Beam nach Kalvex"
vk_window=" VF berechnen "
pruning_window=" Antennen-Pruning/Optimieren "

cd "$scratch/work" || exit 1
"$program" >"$scratch/program.log" 2>&1 &
app=$!
pids+=($app)
frame=$(timeout 10 xdotool search --sync --name '^Kalvex Zelvar-Beam-Berechnung$' | head -n 1)
[ -n "$frame" ] || fail "the frame did not appear"
xdotool windowactivate --sync "$frame" 2>/dev/null || xdotool windowfocus --sync "$frame"
sleep 1.5

# The sketch in the frame's background is paper with lines on it, in every
# locale: its numbers once went to the drawing's player with a decimal comma,
# and the picture came out a black slab.
dark_permille() {  # X Y W H: dark pixels of that part of the screen, per mille
  import -window root "$scratch/screen.png" &&
    LC_ALL=C convert "$scratch/screen.png" -crop "$3x$4+$1+$2" +repage -colorspace Gray -threshold 50% \
      -format '%[fx:round(1000*(1-mean))]' info:
}
read -r fx fy fw fh < <(xwininfo -id "$frame" |
  awk '/Absolute upper-left X/ {x = $NF} /Absolute upper-left Y/ {y = $NF} /Width:/ {w = $2} /Height:/ {h = $2}
       END {print x, y, w, h}')
dark=$(dark_permille $((fx + 10)) $((fy + 60)) $((fw / 2)) $((fh - 120)))
shot frame-drawing
[ "${dark:-1000}" -lt 150 ] 2>/dev/null || fail "the frame's drawing is dark: $dark per mille of it black"

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

# A run that stops at the question about the permittivity keeps the frequency
# as it was typed, although it selected the band, whose button writes the
# band's design frequency.
atspi type "$beam_form" "relative Dielektrizitätszahl :=25" "Gesamt Beam :=14,1" || fail "typing into the beam form"
key Return                               # "&Rechnen"
wait_for window_shown " Schlechtes Isoliermaterial \\?" || fail "no question about a permittivity of 25"
key Escape                               # "Nein"
wait_for eval '! window_shown " Schlechtes Isoliermaterial \\?"' || fail "the question stayed open"
typed=$(atspi text "$beam_form" "Gesamt Beam :")
[ "$typed" = "14,1" ] || fail "answering \"Nein\" changed the frequency from 14,1 to $typed"
atspi type "$beam_form" "relative Dielektrizitätszahl :=3" "Gesamt Beam :=14,2" || fail "typing into the beam form"

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

# Closed with its close box and opened again at once, the form hears of its
# activation: the status line says so.
read -r x y w h < <(atspi window-extents "$beam_form") || fail "no beam form"
xdotool mousemove $((x + w - 15)) $((y + 9)) click 1   # the close box at the title bar's right end
wait_for atspi has "Kalvex Zelvar-Beam-Berechnung" label "Status: Bereit für Antennen-Berechnungen" 2>/dev/null ||
  fail "the close box did not close the beam form"
key ctrl+a
wait_for atspi has "Kalvex Zelvar-Beam-Berechnung" label "Status: Berechnung eines Zelvar-Beam" 2>/dev/null ||
  fail "the beam form, opened again at once, did not hear of its activation"

# Printing the inputs without a printer: "Abbrechen" in the error box, and
# the buttons the printout hid for the paper come back.
if ! lpstat -d 2>/dev/null | grep -q "system default destination:"; then
  key alt+d Down Right e                 # Datei > Drucken > Eingaben
  wait_for window_shown " Druck-Fehler " || fail "no \" Druck-Fehler \" box without a printer"
  key Escape                             # "Abbrechen"
  wait_for eval '! window_shown " Druck-Fehler "' || fail "the \" Druck-Fehler \" box stayed open"
  for button in Rechnen Anzeigen; do
    wait_for atspi has "$beam_form" "push button" "$button" 2>/dev/null || fail "\"$button\" stayed hidden after the printout"
  done
fi

# A number beyond range pasted into the insulation combo: one box, and the
# Enter that closes it opens no other.
atspi focus "$beam_form" "relative Dielektrizitätszahl :" || fail "no insulation combo"
key End shift+Home
echo -n 1E39 | xclip -loops 1 -selection clipboard 2>/dev/null
key shift+Insert
wait_for window_shown " Fehler " || fail "no \" Fehler \" box after pasting 1E39 into the combo"
key Return
sleep 1
window_shown " Fehler " && fail "closing the \" Fehler \" box with Enter opened another"
# Every key released in the combo reads it again, so the mouse selects the
# number (a triple click) and typing replaces it.
read -r x y w h < <(atspi extents "$beam_form" text "relative Dielektrizitätszahl :") || fail "no insulation combo"
xdotool mousemove $((x + w / 2)) $((y + h / 2)) click --repeat 3 --delay 80 1
type_text "3"
window_shown " Fehler " && fail "a \" Fehler \" box after replacing the overflow in the combo"

key ctrl+v                               # "1. &Verkürzungsfaktor", also from a box
wait_for atspi has-window "$vk_window" 2>/dev/null || fail "the velocity-factor window did not open"
atspi edit "$vk_window" "Frequenz [MHz]:" "Antennenhöhe [m]:" "Drahtdurchmesser [mm]:" ||
  fail "editing the velocity-factor window's boxes"
atspi type "$vk_window" "Frequenz [MHz]:=50,2" "Antennenhöhe [m]:=3" "Drahtdurchmesser [mm]:=2" ||
  fail "typing into the velocity-factor window"
key alt+r                                # "&Rechnen"
check_values "$vk_window" "vk --frequenz 50,2 --hoehe 3 --durchmesser 2" \
  "Drahtdurchmesser [mm]:=diameterText" "Schlangheitsgrad:=slendernessPercentText" \
  "Antennenhöhe:=heightPercentText" "voraussichtlicher Verkürzungsfaktor:=vfText"

key ctrl+o                               # "3. Pruning / Optimieren": empty boxes
wait_for atspi has-window "$pruning_window" 2>/dev/null || fail "the pruning window did not open"
pruning_boxes=("ist Antennenlänge lS[m]:" "ist Resonanzfrequenz [MHz]:" "soll Resonanzfrequenz [MHz]:")
atspi edit "$pruning_window" "${pruning_boxes[@]}" || fail "editing the pruning window's boxes"
# A negative length counts as missing: the focus goes back to its box.
atspi type "$pruning_window" "${pruning_boxes[0]}=-10,8" "${pruning_boxes[1]}=14,05" "${pruning_boxes[2]}=14,2" ||
  fail "typing into the pruning window"
key alt+r
wait_for atspi focused "$pruning_window" "${pruning_boxes[0]}" || fail "a negative length was not refused"
atspi type "$pruning_window" "${pruning_boxes[0]}=3,20" "${pruning_boxes[1]}=49,8" "${pruning_boxes[2]}=50,2" ||
  fail "typing into the pruning window"
key alt+r
check_values "$pruning_window" "pruning --laenge 3,20 --ist 49,8 --soll 50,2" \
  "Antennenlänge lS:=lengthNew" "VF gesamt:=vfGesamt" "Länge lS ändern um [mm]:=changeS" \
  "Länge lR ändern um [mm]:=changeR" "Länge lD ändern um [mm]:=changeD"
shot vk-and-pruning
running || fail "the program ended in the velocity-factor windows: $(tail -n 3 "$scratch/program.log")"

# A measured sweep (a series R-L-C circuit resonant near 14,2 MHz, written as
# an analyser saves it) opened with Ctrl+M: the window shows what the command
# line says of the same file, and hands the resonance to the pruning window.
sweep=$scratch/dipol.s1p
"$python" - "$sweep" <<'PY'
import math, sys
r, l, c = 60.0, 10e-6, 1 / ((2 * math.pi * 14.2e6) ** 2 * 10e-6)
with open(sys.argv[1], "w") as out:
    out.write("! Zelvar-Beam test sweep\n# MHz Z RI R 50\n")
    for i in range(301):
        f = 13.5 + i * 0.005
        w = 2 * math.pi * f * 1e6
        out.write(f"{f:.3f} {r / 50:.6f} {(w * l - 1 / (w * c)) / 50:.6f}\n")
PY
messung_window="Messung auswerten"
key ctrl+m                               # "4. &Messung auswerten…"
wait_for window_shown "Messung öffnen" || fail "Ctrl+M offered no file to open"
type_text "$sweep"
key Return
wait_for atspi has-window "$messung_window" 2>/dev/null || fail "the sweep's window did not open"
"$cli" messung "$sweep" | grep -v "^Datei" | atspi compare-rows "$messung_window" ||
  fail "the sweep's window differs from the command line"
atspi click "$messung_window" "push button" "An Pruning übergeben" || fail "no handover button"
resonance=$("$cli" messung "$sweep" --json | "$python" -c '
import json, sys
text = "%.3f" % json.load(sys.stdin)["resonanceMHz"]
print(text.rstrip("0") + ("0" if text.rstrip("0").endswith(".") else ""))' | tr . "$dec")
wait_for eval '[ "$(atspi text "$pruning_window" "${pruning_boxes[1]}")" = "$resonance" ]' ||
  fail "the pruning window's measured frequency is not the resonance $resonance"
# The sweep window's access keys are its own, not the frame's menus': with
# the window active (a click on its title bar), Alt+G hands the resonance
# over again and Alt+P asks where to save the picture.
activate_child() {
  local x y w h
  read -r x y w h < <(atspi window-extents "$1") || return 1
  xdotool mousemove $((x + w / 2)) $((y + 9)) click 1
  sleep 0.3
}
# The pruning window's advice follows the handed-over resonance at once: no
# advice of the measurement before stays on show to be cut twice.
atspi type "$pruning_window" "${pruning_boxes[0]}=10,8" "${pruning_boxes[1]}=1" "${pruning_boxes[2]}=14,0" ||
  fail "typing into the pruning window"
activate_child "$messung_window" || fail "no sweep window"
key alt+g                                # "An Pruning über&geben"
wait_for eval '[ "$(atspi text "$pruning_window" "${pruning_boxes[1]}")" = "$resonance" ]' ||
  fail "Alt+G did not hand the resonance over"
check_values "$pruning_window" "pruning --laenge 10,8 --ist $resonance --soll 14,0" \
  "Antennenlänge lS:=lengthNew" "VF gesamt:=vfGesamt" "Länge lS ändern um [mm]:=changeS" \
  "Länge lR ändern um [mm]:=changeR" "Länge lD ändern um [mm]:=changeD"
activate_child "$messung_window" || fail "no sweep window"
key alt+p                                # "Bild s&peichern…"
wait_for window_shown "Bild speichern" || fail "Alt+P did not offer to save the picture"
key Escape
wait_for eval '! window_shown "Bild speichern"' || fail "the save dialog stayed open"

# Measured at the analyser (the stand-in on a pseudo terminal, resonant at
# 14,15 MHz): Ctrl+Shift+M asks for the port and the range, Alt+M measures,
# and the sweep window shows what the command line measures at the same port.
coproc STANDIN { exec "$standin" --resonanz 14.15; }
pids+=($STANDIN_PID)
read -r -t 10 port <&"${STANDIN[0]}" || fail "the stand-in analyser named no port"
[ -e "$port" ] || fail "the stand-in analyser's port $port does not exist"
analyser_window="Messung am Analysator"
analyser_args=(--von "13${dec}9" --bis "14${dec}4" --punkte 151)
"$cli" messung --geraet "$port" "${analyser_args[@]}" >"$scratch/analyser-rows.txt" ||
  fail "the command line did not measure at the stand-in"
grep -q "^Messpunkte: 151 " "$scratch/analyser-rows.txt" || fail "the command line measured $(head -n 1 "$scratch/analyser-rows.txt")"
key ctrl+shift+m                         # "5. Am &Analysator messen…"
wait_for atspi has-window "$analyser_window" 2>/dev/null || fail "Ctrl+Shift+M opened no analyser dialog"
type_text "$port"                        # the port box has the focus
atspi type "$analyser_window" "Von [MHz]:=13${dec}9" "Bis [MHz]:=14${dec}4" "Punkte:=151" ||
  fail "typing the range into the analyser dialog"
shot analyser-dialog
key alt+m                                # "&Messen"
wait_for eval '! atspi has-window "$analyser_window" 2>/dev/null' || fail "the analyser dialog stayed open after measuring"
wait_for eval 'atspi compare-rows "$messung_window" <"$scratch/analyser-rows.txt" 2>/dev/null' ||
  { atspi compare-rows "$messung_window" <"$scratch/analyser-rows.txt"; fail "the measured sweep differs from the command line's"; }
atspi has "$messung_window" "check box" "Fortlaufend" || fail "the sweep window offers no continuous sweep"
source=$(atspi value "$messung_window" "Datei:")
case $source in "$port, "*) ;; *) fail "the sweep window names \"$source\", not the port $port and the time" ;; esac
# Alt+W sweeps again with the same settings, a second later by the row's
# clock; the sweep before stays grey.
sleep 1.1
activate_child "$messung_window" || fail "no sweep window"
key alt+w                                # "&Wiederholen"
wait_for eval '[ "$(atspi value "$messung_window" "Datei:" 2>/dev/null)" != "$source" ]' ||
  fail "Alt+W swept nothing again"
atspi compare-rows "$messung_window" <"$scratch/analyser-rows.txt" || fail "the repeated sweep differs"
shot analyser-repeated
running || fail "the program ended measuring at the analyser: $(tail -n 3 "$scratch/program.log")"

# Back in the beam form: one click on the spinner's down arrow is one step,
# also when its press and release arrive together and the focus comes from
# "Gesamt Beam".
key ctrl+a
atspi type "$beam_form" "Verkürzungsfaktor:=0,9" "Gesamt Beam :=14,2" || fail "typing into the beam form"
read -r x y w h < <(atspi extents "$beam_form" "scroll bar" "Verkürzungsfaktor:") || fail "no spinner"
xdotool mousemove $((x + w / 2)) $((y + h - 3)) click 1
sleep 1.5                                # an arrow left pressed would have repeated by now
vf=$(atspi text "$beam_form" "Verkürzungsfaktor:")
[ "$vf" = "0${dec}899" ] || fail "one click on the spinner gave $vf, not 0${dec}899"

key alt+a                                # "&Anzeigen": the report in the quick view
wait_for atspi has-window "Schnellansicht/Drucken" 2>/dev/null || fail "the quick view did not open"
atspi unnamed "$beam_form" "$vk_window" "$pruning_window" "$messung_window" "Schnellansicht/Drucken" ||
  fail "a control a screen reader cannot name"

# Fifty pastes into the quick view, each from a clipboard owner that serves
# one request and exits: the owner may be gone in the middle of a paste.
atspi focus "Schnellansicht/Drucken" "Schnellansicht/Drucken" || fail "no text in the quick view"
for i in $(seq 50); do
  printf 'Notiz %d ' "$i" | xclip -loops 1 -selection clipboard 2>/dev/null
  xdotool key --clearmodifiers shift+Insert
done
sleep 1
running || fail "the program ended while pasting from clipboard owners that exit: $(tail -n 3 "$scratch/program.log")"
atspi text "Schnellansicht/Drucken" "Schnellansicht/Drucken" >/dev/null || fail "the quick view stopped answering"

# The default placement, 11820 x 9345 twips, is the frame's outer size, border
# and title bar included (788 x 623 pixels at 96 dpi).
inner=$(xwininfo -id "$frame" | awk '/Width:/ {w = $2} /Height:/ {h = $2} END {print w, h}')
extents=$(xprop -id "$frame" _NET_FRAME_EXTENTS | sed 's/.*= //; s/,//g')  # left right top bottom
outer=$(echo "$inner $extents" | awk '{print $1 + $3 + $4 "x" $2 + $5 + $6}')
[ "$outer" = 788x623 ] || fail "the frame's outer size is $outer, not 788x623"

# A note typed into the quick view is not lost: "Nein" to its question
# keeps the program running; "Ja", then the offer to save it.
type_text "Notiz "
xdotool windowactivate --sync "$frame" 2>/dev/null
key ctrl+x                               # "&Beenden"; the quick view asks first
wait_for window_shown " Beenden" || fail "the quick view did not ask before closing"
key Tab space                            # "Nein"
wait_for eval '! window_shown " Beenden"' || fail "the question stayed open"
sleep 0.5
running || fail "the program ended although the quick view was not to be closed"
for window in "Schnellansicht/Drucken" "$vk_window" "$pruning_window"; do
  atspi has-window "$window" || fail "\"$window\" closed although the user said no to closing the quick view"
done
xdotool windowactivate --sync "$frame" 2>/dev/null
key ctrl+x
wait_for window_shown " Beenden" || fail "the quick view did not ask again"
key Return                               # "Ja"
wait_for window_shown " Text speichern \\?" || fail "the changed text was not offered for saving"
key Tab space                            # "Nein"
wait_for eval '! running'
running && { shot ctrl-x-failed; fail "Ctrl+X did not end the program"; }
conf=$XDG_CONFIG_HOME/Zelvar-Beam/Zelvar-Beam.conf
for setting in WindowState MainLeft MainTop MainWidth MainHeight; do
  grep -q "^$setting=" "$conf" 2>/dev/null || fail "closing stored no $setting in $conf"
done
# Started without a placement and left alone: the default outer size comes back.
grep -q "^MainWidth=11820$" "$conf" && grep -q "^MainHeight=9345$" "$conf" ||
  fail "the frame's outer size was not stored as placed: $(grep '^Main' "$conf" | tr '\n' ' ')"

# Once more under the GTK platform theme, dark: Enter in the beam form
# computes, and a red value is drawn red where the accessibility bus places
# it. Where the theme cannot be loaded the program starts as it always does.
red_pixels() {  # WINDOW CAPTION: clearly red pixels in the middle band of the value
  local x y w h
  read -r x y w h < <(atspi value-extents "$1" "$2") || return 1
  import -window root "$scratch/red.png" &&
    convert "$scratch/red.png" -crop "$((w - 6))x$((h / 2))+$((x + 3))+$((y + h / 4))" +repage \
      -fx '(r>0.78 && g<0.24 && b<0.24)?1:0' -format '%[fx:round(mean*w*h)]' info:
}
drawn_red() { [ "$(red_pixels "$@")" -ge 8 ] 2>/dev/null; }
mkdir -p "$scratch/dark"
cd "$scratch/dark" || exit 1
QT_QPA_PLATFORMTHEME=gtk3 GTK_THEME=Adwaita:dark "$program" >"$scratch/program.log" 2>&1 &
app=$!
pids+=($app)
frame=$(timeout 10 xdotool search --sync --name '^Kalvex Zelvar-Beam-Berechnung$' | head -n 1)
[ -n "$frame" ] || fail "the frame did not appear under the dark GTK theme"
xdotool windowactivate --sync "$frame" 2>/dev/null || xdotool windowfocus --sync "$frame"
wait_for atspi has-window "Kalvex Zelvar-Beam-Berechnung" 2>/dev/null || fail "the dark frame is not on the bus"
sleep 1
key ctrl+a
wait_for atspi has-window "$beam_form" 2>/dev/null || fail "no beam form under the dark GTK theme"
key Return                               # Enter in "Gesamt Beam" computes
wait_for eval '[ -f "$scratch/dark/Zelvar-Beam.txt" ]' || fail "Enter computed nothing under the dark GTK theme"
key ctrl+v
wait_for atspi has-window "$vk_window" 2>/dev/null || fail "no velocity-factor window under the dark GTK theme"
atspi type "$vk_window" "Frequenz [MHz]:=50,2" "Antennenhöhe [m]:=0,5" "Drahtdurchmesser [mm]:=60" || fail "typing"
key alt+r                                # the height's share, 2,0 %, is below 2: red
wait_for drawn_red "$vk_window" "Antennenhöhe:" ||
  fail "the height's share is not drawn red ($(red_pixels "$vk_window" "Antennenhöhe:") red pixels)"
key ctrl+o
wait_for atspi has-window "$pruning_window" 2>/dev/null || fail "no pruning window under the dark GTK theme"
atspi type "$pruning_window" "${pruning_boxes[0]}=5" "${pruning_boxes[1]}=60" "${pruning_boxes[2]}=50" || fail "typing"
key alt+r                                # VF gesamt 1,783, above 1: red
wait_for drawn_red "$pruning_window" "VF gesamt:" ||
  fail "VF gesamt is not drawn red ($(red_pixels "$pruning_window" "VF gesamt:") red pixels)"
shot dark-theme
key ctrl+x
wait_for eval '! running' || fail "Ctrl+X did not end the program under the dark GTK theme"
say "passed"
