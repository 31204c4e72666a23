#!/usr/bin/env bash
# The screen picker's colour square lets the pointer through: the real pointer (XTest) is moved
# from a #838383 area straight onto a #336699 area that lies under the square, and a click there
# saves #336699, not the colour the square showed before.
set -euo pipefail
bin=$1
here=$(cd "$(dirname "$0")" && pwd)
source "$here/lib.sh.inc"
setup_program

# Grey over the top left of the screen, a blue patch on it: the square, drawn up and to the
# right of the pointer, covers the blue patch while the pointer is on grey.
convert -size 700x700 xc:'#838383' "$WORK/grey.png"
convert -size 100x100 xc:'#336699' "$WORK/blue.png"
show_picture grey-area +0+0 "$WORK/grey.png"
show_picture blue-patch +330+300 "$WORK/blue.png"

start_program
target=$(first_palette)
open_picker

# On grey: the square now covers (315..415, 335..435), the blue patch among it.
xdotool mousemove 300 450
sleep 0.3
xdotool mousemove 301 450
sleep 0.3
# Straight into the square, onto blue, and click.
xdotool mousemove 360 360
sleep 0.3
xdotool click 1
wait_window gone '^Pick&Save Color$' || true
last=$(tail -c 6 "$app/$target")
[ "$last" = "336699" ] || fail "the click inside the square saved '$last', not the colour under the pointer"
kill "$pid"
wait "$pid" || true
echo "e2e picker_square: ok"
