#!/usr/bin/env bash
# Starts the real program under a private Xvfb, types a colour into the hex editor with xdotool,
# leaves with "E&xit" through the keyboard, and checks what shutdown left behind.
set -euo pipefail
bin=$1
here=$(cd "$(dirname "$0")" && pwd)
source "$here/lib.sh.inc"

setup_program
rm -f "$app/recent.rgb"
start_program
[ -f "$app/recent.rgb" ] || fail "recent.rgb was not created at start"

# The hex editor: click at its right end, erase the text, type a colour in lower case.
eval "$(xdotool getwindowgeometry --shell "$wid")"
win_x=$X
win_y=$Y
# The editor sits at 158..229 x 108..128 of the area below the menu bar.
xdotool windowfocus --sync "$wid"
xdotool mousemove --window "$wid" 224 135 click 1
sleep 0.3
xdotool key --delay 30 BackSpace BackSpace BackSpace BackSpace BackSpace BackSpace BackSpace BackSpace
xdotool type --delay 40 '#3366cc'
sleep 0.5
last=$(tail -c 6 "$app/recent.rgb")
[ "$last" = "3366CC" ] || fail "the typed colour was not recorded (last record '$last')"

# Leave through the keyboard: File menu, then E&xit.
xdotool key --delay 100 alt+f
sleep 0.3
xdotool key x
for _ in $(seq 1 50); do
  kill -0 "$pid" 2>/dev/null || break
  sleep 0.1
done
kill -0 "$pid" 2>/dev/null && fail "the program did not exit"
wait "$pid" || true

ini="$XDG_CONFIG_HOME/prismara.ini"
[ -f "$ini" ] || fail "no position settings were written"
grep -q '^\[Position\]' "$ini" || fail "no Position section"
grep -Eq '^X=-?[0-9]+$' "$ini" || fail "no X"
grep -Eq '^Y=-?[0-9]+$' "$ini" || fail "no Y"
[ ! -e "$app/recent.rgb" ] || fail "recent.rgb was not deleted at shutdown"
echo "e2e shell_exit: ok (window at $win_x,$win_y)"
