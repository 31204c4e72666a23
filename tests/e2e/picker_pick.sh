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

start_xvfb 1920x1080x24
program=$(copy_program "$bin")
app="$WORK/app"

# Another program's window of a known colour, well clear of the centred main window.
convert -size 200x200 xc:'#3366CC' "$WORK/solid.png"
display -title solid-colour -geometry +1600+820 "$WORK/solid.png" &
other=$!
E2E_PIDS+=($other)
timeout 20 xdotool search --sync --onlyvisible --name '^solid-colour' >/dev/null || fail "no solid-colour window"

pick_once() {
  local scale=$1
  # A run that was killed leaves its recent colours behind; each run starts without them.
  rm -f "$app/recent.rgb"
  QT_SCALE_FACTOR=$scale "$program" &
  local pid=$!
  E2E_PIDS+=($pid)
  local wid
  wid=$(timeout 20 xdotool search --sync --onlyvisible --name '^Prismara 4\.6$' | head -n 1) ||
    fail "scale $scale: no main window"

  # The first palette is selected at start; it is the preselected Save To entry.
  local target before
  target=$(head -n 1 "$app/colorchart.cci" | tr -d '\r')
  [ -n "$target" ] || fail "no first palette in the index"
  before=$(stat -c %s "$app/$target" 2>/dev/null || echo 0)

  # Tool menu, then "Screen Color &Picker".
  xdotool windowfocus --sync "$wid"
  xdotool key --delay 100 alt+t
  sleep 0.3
  xdotool key p
  timeout 20 xdotool search --sync --onlyvisible --name '^Pick&Save Color$' >/dev/null ||
    fail "scale $scale: the picker did not open"
  xdotool search --onlyvisible --name '^Prismara 4\.6$' >/dev/null &&
    fail "scale $scale: the main window stayed on screen while picking"

  # Point at the other window's area (it lies under the frozen picture now) and click once.
  xdotool mousemove 1700 920
  sleep 0.2
  xdotool mousemove 1701 921
  sleep 0.2
  xdotool click 1

  for _ in $(seq 1 50); do
    xdotool search --onlyvisible --name '^Prismara 4\.6$' >/dev/null 2>&1 && break
    sleep 0.1
  done
  xdotool search --onlyvisible --name '^Prismara 4\.6$' >/dev/null || fail "scale $scale: the main window did not come back"
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

# Leave before the X server goes.
kill "$other" 2>/dev/null || true
wait "$other" 2>/dev/null || true
echo "e2e picker_pick: ok"
