# The desktop the desktop tests run on, sourced by them: a session bus of
# their own, Xvfb with openbox, the accessibility bus, a home and working
# directory in a scratch folder, and the helpers that drive and read the
# program. Sets program, cli, standin, shots, scratch, dec, and the locale
# ZB_SMOKE_LOCALE names (C.UTF-8 unless given).
# Exits 77 (skipped) when no X server or no accessibility bus can be started.
#
# Arguments of the test: PROGRAM CLI STANDIN [SHOTS_DIR]
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
standin=$(realpath "$3")
shots=${4:+$(realpath -m "$4")}
here=$(dirname "$(realpath "$0")")
# Debian's Python, where the accessibility client is installed (a python3
# earlier on the PATH may be another one).
python=/usr/bin/python3
atspi() { "$python" "$here/atspi_check.py" "$@"; }
bus_launcher=/usr/libexec/at-spi-bus-launcher
fail() {
  say "FAILED: $*"
  pgrep -x openbox >/dev/null || say "the window manager is gone: $(tail -n 3 "$scratch/openbox.log" | tr '\n' ' ')"
  [ -n "$shots" ] && [ -n "${DISPLAY:-}" ] && mkdir -p "$shots" && import -window root "$shots/failed.png"
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
locale_name=${ZB_SMOKE_LOCALE:-C.UTF-8}
locale -a 2>/dev/null | grep -qix "$(echo "$locale_name" | sed 's/UTF-8/utf8/I')" ||
  { say "FAILED: the locale $locale_name is not installed (tools/packages.sh generates it)"; exit 1; }
export LC_ALL=$locale_name LANG=$locale_name
# The decimal separator the program shows in this locale.
dec=$("$python" -c 'import locale; locale.setlocale(locale.LC_ALL, ""); print(locale.localeconv()["decimal_point"])')
say "locale $locale_name, decimal separator \"$dec\""
unset QT_QPA_PLATFORM SESSION_MANAGER

# Xvfb picks a free display itself and names it; a number chosen by looking
# for free ones could be taken by another X server at the same moment.
started=
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$scratch/display" >"$scratch/xvfb.log" 2>&1 &
pids+=($!)
for _ in $(seq 100); do
  [ -s "$scratch/display" ] && xdpyinfo -display ":$(head -n 1 "$scratch/display")" >/dev/null 2>&1 &&
    { started=":$(head -n 1 "$scratch/display")"; break; }
  kill -0 "${pids[-1]}" 2>/dev/null || break
  sleep 0.1
done
if [ -z "$started" ]; then
  say "skipped: no X server could be started ($(tail -n 2 "$scratch/xvfb.log" 2>/dev/null | tr '\n' ' '))"
  exit $skip
fi
export DISPLAY=$started

# The window manager now and then fails to open a display that has just
# come up; it is started again then.
wm_up() { xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; }
for _ in 1 2 3; do
  openbox --sm-disable >>"$scratch/openbox.log" 2>&1 &
  pids+=($!)
  for _ in $(seq 50); do
    wm_up && break
    kill -0 "${pids[-1]}" 2>/dev/null || break
    sleep 0.1
  done
  wm_up && break
done
wm_up || { say "FAILED: openbox did not start: $(tail -n 2 "$scratch/openbox.log" | tr '\n' ' ')"; exit 1; }

shot() { [ -n "$shots" ] && mkdir -p "$shots" && import -window root "$shots/$1.png"; }
key() { xdotool key --clearmodifiers --delay 40 "$@"; sleep 0.1; }
type_text() { xdotool type --delay 40 "$1"; sleep 0.1; }
running() { kill -0 "$app" 2>/dev/null; }
# Polls a condition for up to ten seconds: a loaded machine (or a sanitizer
# build) may take a while to answer a key.
wait_for() { for _ in $(seq 100); do "$@" && return 0; sleep 0.1; done; return 1; }
window_shown() { xdotool search --name "^$1\$" >/dev/null 2>&1; }
report_written() { [ -f "$scratch/work/Zelvar-Beam.txt" ]; }

# The accessibility bus; the program joins it whatever the desktop's settings.
"$bus_launcher" --launch-immediately >"$scratch/atspi.log" 2>&1 &
pids+=($!)
bus_up() { "$python" -c "import pyatspi; pyatspi.Registry.getDesktop(0).childCount" >/dev/null 2>&1; }
if ! wait_for bus_up; then
  say "skipped: no accessibility bus could be started ($(tail -n 2 "$scratch/atspi.log" | tr '\n' ' '))"
  exit $skip
fi
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
