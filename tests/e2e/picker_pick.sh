#!/usr/bin/env bash
# Picks a colour from another program's window with the screen picker of the real program under
# a private Xvfb: Tool menu through the keyboard, one click on the other window, and checks that
# the colour was appended to the preselected palette, became the current colour, and that the
# main window came back. Run once at scale 1 and once at scale 2, where the frozen picture holds
# two device pixels per window pixel.
set -euo pipefail
bin=$1
here=$(cd "$(dirname "$0")" && pwd)
source "$here/lib.sh.inc"

setup_program

# Another program's window of a known colour, well clear of the centred main window.
convert -size 200x200 xc:'#3366CC' "$WORK/solid.png"
show_picture solid-colour +1600+820 "$WORK/solid.png"

pick_once() {
  local scale=$1
  # A run that was killed leaves its recent colours behind; each run starts without them.
  rm -f "$app/recent.rgb"
  start_program QT_SCALE_FACTOR="$scale"

  # The first palette is selected at start; it is the preselected Save To entry.
  local target before
  target=$(first_palette)
  [ -n "$target" ] || fail "no first palette in the index"
  before=$(stat -c %s "$app/$target" 2>/dev/null || echo 0)
  open_picker
  xdotool search --onlyvisible --name '^Prismara 4\.6$' >/dev/null &&
    fail "scale $scale: the main window stayed on screen while picking"

  # Point at the other window's area (it lies under the frozen picture now) and click once.
  xdotool mousemove 1700 920
  sleep 0.2
  xdotool mousemove 1701 921
  sleep 0.2
  xdotool click 1

  wait_window shown '^Prismara 4\.6$' || fail "scale $scale: the main window did not come back"
  xdotool search --onlyvisible --name '^Pick&Save Color$' >/dev/null && fail "scale $scale: the picker window stayed open"

  local after last recent
  after=$(stat -c %s "$app/$target")
  [ "$after" -eq $((before + 6)) ] || fail "scale $scale: expected one record appended to $target ($before -> $after bytes)"
  last=$(tail -c 6 "$app/$target")
  [ "$last" = "3366CC" ] || fail "scale $scale: the picked colour was not saved (last record of $target '$last')"
  recent=$(tail -c 6 "$app/recent.rgb")
  [ "$recent" = "3366CC" ] || fail "scale $scale: the picked colour did not become the current colour (recent '$recent')"
  kill -0 "$pid" 2>/dev/null || fail "scale $scale: the program ended"
  kill "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
  echo "scale $scale: $target ends with $last"
}

pick_once 1
pick_once 2
echo "e2e picker_pick: ok"
