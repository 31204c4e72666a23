#!/usr/bin/env bash
# The picker's loupe, keys and averaging with the real pointer and keyboard (XTest) under a private
# Xvfb, over another program's window of known pixels: a gradient whose every pixel differs and a
# one-pixel checkerboard. At scale 1 and 2: the loupe shows the pixel under the pointer and follows
# it, an arrow key moves the pointer one device pixel (Shift: ten) and Enter takes it, key 2 takes
# a 3 x 3 average of the checkerboard, and a dragged rectangle takes its average. On
# the scaled screen the pointer itself reaches even device pixels only; the keys reach the others.
set -euo pipefail
bin=$1
here=$(cd "$(dirname "$0")" && pwd)
source "$here/lib.sh.inc"

setup_program
# Picking goes on after each take, so that one run takes several colours.
printf '[Prismara 4.6]\r\nautostop=1\r\n' >"$XDG_CONFIG_HOME/quorvel software.ini"

# 300 x 200 pixels at (400, 300): left of x 200 red = x, green = y, blue = 0x40; right of it a
# checkerboard, white where x + y is even.
python3 - "$WORK/known.ppm" <<'PY'
import sys
w, h = 300, 200
data = bytearray()
for y in range(h):
    for x in range(w):
        if x < 200:
            data += bytes((x, y, 0x40))
        else:
            data += b'\xff\xff\xff' if (x + y) % 2 == 0 else b'\x00\x00\x00'
open(sys.argv[1], 'wb').write(b'P6 %d %d 255\n' % (w, h) + bytes(data))
PY
show_picture known-pixels +400+300 "$WORK/known.ppm"
# Where its first pixel is: xwininfo gives the corner of the window's border.
info=$(xwininfo -name known-pixels)
border=$(sed -n 's/.*Border width: *//p' <<<"$info")
ox=$(($(sed -n 's/.*Absolute upper-left X: *//p' <<<"$info") + border))
oy=$(($(sed -n 's/.*Absolute upper-left Y: *//p' <<<"$info") + border))

# The hex colour of one screen pixel (device pixels).
screen_pixel() {
  import -window root -crop "1x1+$1+$2" -depth 8 txt:- | grep -o '#[0-9A-F]\{6\}' | head -n 1
}
hex_of() { printf '#%02X%02X%02X' "$1" "$2" "$3"; }
point() { # moves the pointer in two steps, so that the last one is a move over the picture
  xdotool mousemove "$(($1 - 1))" "$2"
  sleep 0.15
  xdotool mousemove "$1" "$2"
  sleep 0.3
}

run_scale() {
  local s=$1
  rm -f "$app/recent.rgb"
  start_program QT_SCALE_FACTOR="$s"
  local target before
  target=$(first_palette)
  before=$(stat -c %s "$app/$target")
  open_picker
  sleep 0.5

  # The loupe: below and right of the pointer, 16 logical pixels off, 15 pixels of 10 device
  # pixels each; its middle cell shows the pixel under the pointer, wherever the pointer goes.
  local x y lx ly shown
  # On a screen scaled by 2 the mouse reaches even device pixels only: the keys reach the others.
  for at in "52 52" "122 102"; do
    read -r x y <<<"$at"
    x=$((ox + x)) y=$((oy + y))
    point "$x" "$y"
    lx=$(((x / s + 16) * s + 75))
    ly=$(((y / s + 16) * s + 75))
    shown=$(screen_pixel "$lx" "$ly")
    [ "$shown" = "$(hex_of $((x - ox)) $((y - oy)) 64)" ] ||
      fail "scale $s: the loupe at ($lx, $ly) shows $shown for the pointer at ($x, $y)"
  done

  # One device pixel right, then ten; Enter and Space take.
  point $((ox + 52)) $((oy + 52))
  xdotool key Right
  sleep 0.3
  local pointer
  pointer=$(xdotool getmouselocation --shell | grep '^X=' | cut -d= -f2)
  [ "$pointer" = $((ox + 53)) ] || fail "scale $s: the pointer is at x $pointer after Right, not $((ox + 53))"
  xdotool key Return
  sleep 0.2
  xdotool key shift+Right
  sleep 0.2
  xdotool key space
  sleep 0.2

  # A 3 x 3 square on a white pixel of the checkerboard (five white, four black), then one pixel
  # again, and a dragged rectangle of 7 x 3 pixels (eleven white).
  point $((ox + 210)) $((oy + 20))
  xdotool key 2
  sleep 0.2
  xdotool key Return
  sleep 0.2
  xdotool key 1
  point $((ox + 212)) $((oy + 22))
  xdotool mousedown 1
  sleep 0.1
  xdotool mousemove $((ox + 214)) $((oy + 24))
  sleep 0.1
  xdotool mousemove $((ox + 218)) $((oy + 24))
  sleep 0.3
  xdotool mouseup 1
  sleep 0.3
  xdotool key Escape
  wait_window shown '^Prismara 4\.6$' || fail "scale $s: the main window did not come back"

  local taken expected
  taken=$(tail -c +$((before + 1)) "$app/$target")
  expected="353440$(hex_of 63 52 64 | tr -d '#')C5C5C5BFBFBF"
  [ "$taken" = "$expected" ] || fail "scale $s: took '$taken', expected '$expected'"
  kill "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
  echo "scale $s: $taken"
}

run_scale 1
run_scale 2
echo "e2e picker_loupe: ok"
