#!/usr/bin/env bash
# The screen picker's colour square lets the pointer through: the real pointer (XTest) is moved
# from a #838383 area straight onto a #336699 area that lies under the square, and a click there
# saves #336699, not the colour the square showed before.
set -euo pipefail
bin=$1
here=$(cd "$(dirname "$0")" && pwd)
source "$here/lib.sh.inc"

start_xvfb 1920x1080x24
program=$(copy_program "$bin")
app="$WORK/app"

# Grey over the top left of the screen, a blue patch on it: the square, drawn up and to the
# right of the pointer, covers the blue patch while the pointer is on grey.
convert -size 700x700 xc:'#838383' "$WORK/grey.png"
convert -size 100x100 xc:'#336699' "$WORK/blue.png"
display -title grey-area -geometry +0+0 "$WORK/grey.png" &
E2E_PIDS+=($!)
timeout 20 xdotool search --sync --onlyvisible --name '^grey-area' >/dev/null || fail "no grey window"
display -title blue-patch -geometry +330+300 "$WORK/blue.png" &
E2E_PIDS+=($!)
timeout 20 xdotool search --sync --onlyvisible --name '^blue-patch' >/dev/null || fail "no blue window"

"$program" &
pid=$!
E2E_PIDS+=($pid)
wid=$(timeout 20 xdotool search --sync --onlyvisible --name '^Prismara 4\.6$' | head -n 1) || fail "no main window"
target=$(head -n 1 "$app/colorchart.cci" | tr -d '\r')

xdotool windowfocus --sync "$wid"
xdotool key --delay 100 alt+t
sleep 0.3
xdotool key p
timeout 20 xdotool search --sync --onlyvisible --name '^Pick&Save Color$' >/dev/null || fail "the picker did not open"

# On grey: the square now covers (315..415, 335..435), the blue patch among it.
xdotool mousemove 300 450
sleep 0.3
xdotool mousemove 301 450
sleep 0.3
# Straight into the square, onto blue, and click.
xdotool mousemove 360 360
sleep 0.3
xdotool click 1
for _ in $(seq 1 50); do
  xdotool search --onlyvisible --name '^Pick&Save Color$' >/dev/null 2>&1 || break
  sleep 0.1
done
last=$(tail -c 6 "$app/$target")
[ "$last" = "336699" ] || fail "the click inside the square saved '$last', not the colour under the pointer"
kill "$pid"
wait "$pid" || true
echo "e2e picker_square: ok"
