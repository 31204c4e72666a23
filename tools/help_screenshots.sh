#!/usr/bin/env bash
# Takes the screenshots of the help pages (help/images/*.png) from the built program, run from a
# private copy of its program folder under a private Xvfb with private settings.
#
#   tools/help_screenshots.sh [program-folder] [output-folder]
#
# The program folder defaults to build/bin, the output folder to help/images. Needs Xvfb, xdotool
# and ImageMagick (import, display). The shots are taken by driving the program with the mouse
# and the keyboard at the window's designed positions.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
bin=$(cd "${1:-$root/build/bin}" && pwd)
out=${2:-$root/help/images}
mkdir -p "$out"
out=$(cd "$out" && pwd)
for tool in Xvfb xdotool import display; do
  command -v "$tool" >/dev/null || { echo "help_screenshots: $tool is missing" >&2; exit 1; }
done
[ -x "$bin/prismara" ] || { echo "help_screenshots: no program in $bin" >&2; exit 1; }

work=$(mktemp -d /tmp/prismara-shots-XXXXXX)
pids=()
cleanup() {
  for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done
  for p in "${pids[@]}"; do wait "$p" 2>/dev/null || true; done
  rm -rf "$work"
}
trap cleanup EXIT

export XDG_RUNTIME_DIR="$work/runtime" XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data"
mkdir -p "$XDG_RUNTIME_DIR" "$XDG_CONFIG_HOME" "$XDG_DATA_HOME" "$work/app"
chmod 700 "$XDG_RUNTIME_DIR"
export QT_QPA_PLATFORM=xcb QT_SCALE_FACTOR=1 LC_ALL=C
unset WAYLAND_DISPLAY
cp -r "$bin"/. "$work/app/"
rm -f "$work/app/recent.rgb"

# A private X server; it picks a free display number itself.
mkfifo "$work/displayfd"
Xvfb -displayfd 5 -screen 0 1024x768x24 -nolisten tcp 5>"$work/displayfd" 2>"$work/xvfb.log" &
pids+=($!)
read -r display <"$work/displayfd"
export DISPLAY=":$display"

# The screen behind the windows: a colourful cloud (always the same one), so that the picker has
# something to pick from.
display -window root -seed 11 -size 1024x768 plasma:'#F4D03F'-'#2E86C1' 2>/dev/null &
pids+=($!)
sleep 0.5

"$work/app/prismara" >"$work/program.log" 2>&1 &
program=$!
pids+=($program)
main=$(timeout 20 xdotool search --sync --onlyvisible --name '^Prismara 4\.6$' | head -n 1)
sleep 1

# The window's place on the screen and the height of its menu bar (the content below it is
# designed 440 pixels high).
geometry() { eval "$(xdotool getwindowgeometry --shell "$main")"; WX=$X; WY=$Y; WW=$WIDTH; WH=$HEIGHT; }
geometry
MENU=$((WH - 440))

shot() { # name x y width height, in screen pixels
  import -window root -crop "${4}x${5}+${2}+${3}" +repage -strip "$out/$1.png"
  echo "help_screenshots: $1.png (${4}x${5})"
}
region() { # name x y width height, relative to the main window's content below the menu bar
  shot "$1" $((WX + $2)) $((WY + MENU + $3)) "$4" "$5"
}
missing=()
window_shot() { # name title-pattern [max-width max-height]; a window that does not open is reported
  local wid
  wid=$(timeout 5 xdotool search --sync --onlyvisible --name "$2" 2>/dev/null | head -n 1) || true
  if [ -z "$wid" ]; then
    echo "help_screenshots: $1.png NOT TAKEN: no window '$2'" >&2
    missing+=("$1")
    return 1
  fi
  sleep 0.6
  eval "$(xdotool getwindowgeometry --shell "$wid")"
  shot "$1" "$X" "$Y" "$(( ${3:-$WIDTH} < WIDTH ? ${3:-$WIDTH} : WIDTH ))" "$(( ${4:-$HEIGHT} < HEIGHT ? ${4:-$HEIGHT} : HEIGHT ))"
}
click() { # x y [button], relative to the content below the menu bar
  xdotool mousemove --sync $((WX + $1)) $((WY + MENU + $2)) click "${3:-1}"
  sleep 0.4
}
keys() { xdotool key --delay 120 "$@"; sleep 0.5; }

xdotool windowfocus --sync "$main"
# A colour to show: a clear blue, typed into the HEX box.
click 224 117
keys BackSpace BackSpace BackSpace BackSpace BackSpace BackSpace BackSpace BackSpace
xdotool type --delay 40 '#2f80ed'
sleep 0.3
# Leave the box for the harmony list, so the editors show their full forms and no text is selected.
click 60 176
keys Escape
sleep 0.3
xdotool mousemove $((WX + 700)) $((WY + 700))
sleep 0.5

shot main-window "$WX" "$WY" "$WW" "$WH"
region toolbar 0 0 268 26
region wheel 0 25 127 173
region current-colour 127 25 104 170
region schemes 0 200 560 240

# The same window as seen with deuteranopia, then normal vision again.
keys alt+v v Down Down Return
xdotool mousemove $((WX + 700)) $((WY + 700))
sleep 0.4
shot vision "$WX" "$WY" "$WW" "$WH"
keys alt+v v Return

# A palette with many hues: Tints and Shades, seventh in the selector.
click 400 13
keys Home Down Down Down Down Down Down Return
xdotool mousemove $((WX + 700)) $((WY + 700))
sleep 0.4
region palette 231 23 313 175

# The colour square with the triad marked.
keys alt+v d
click 60 179
keys Home Down Down Down Return
xdotool mousemove $((WX + 700)) $((WY + 700))
sleep 0.4
region square 0 25 127 173
keys alt+v d
click 60 179
keys Home Return

# The conversion panel on its OKLCH tab (the last).
keys alt+t c
click 472 148
xdotool mousemove $((WX + 700)) $((WY + 700))
sleep 0.4
region conversion 227 24 275 174
click 453 181   # Cancel
sleep 0.3

# The HTML and CSS code of the link colours, and their preview: right-click the sample page.
click 60 267 3
keys Down Down Return
window_shot code-window '^HTML and CSS$' && keys Escape
sleep 0.5
click 60 267 3
keys Up Return
window_shot preview '^Web Color Scheme Preview$' && keys Escape
sleep 0.5

# The right-click menu of a palette cell, with Copy Palette As open.
click 290 60 3
sleep 0.4
keys Down Down Down Down Down Down Right
region palette-menu 231 23 530 320
keys Escape Escape

# The colour information page of a palette colour.
xdotool mousemove --sync $((WX + 300)) $((WY + MENU + 60)) click --repeat 2 --delay 80 1
window_shot colour-page '^Color Preview$' 420 720 && keys Escape
sleep 0.5

# The compact window.
keys alt+v s
geometry
shot compact "$WX" "$WY" "$WW" "$WH"
keys alt+v s
geometry

# The About box.
keys alt+h a
window_shot about '^About$' && keys Return

# The screen picker: the frozen screen, the colour square and the loupe at the pointer and the
# Pick&Save window.
click 10 13
if window_shot picker-probe '^Pick&Save Color$'; then
  rm -f "$out/picker-probe.png"
  pick=$(xdotool search --onlyvisible --name '^Pick&Save Color$' | head -n 1)
  xdotool mousemove --sync 600 330
  sleep 0.3
  xdotool mousemove --sync 610 340
  sleep 0.6
  eval "$(xdotool getwindowgeometry --shell "$pick")"
  # The Pick&Save window together with the colour square and the loupe beside the pointer.
  # The square is 100 pixels wide, 15 right of the pointer and its lower edge 15 above it; the
  # loupe (150 pixels and its text) 16 right of and below the pointer.
  left=$(( X < 600 ? X : 600 )); top=$(( Y < 210 ? Y : 210 ))
  right=$(( X + WIDTH > 790 ? X + WIDTH : 790 )); bottom=$(( Y + HEIGHT > 540 ? Y + HEIGHT : 540 ))
  shot picker "$left" "$top" $((right - left)) $((bottom - top))
  xdotool click 1
  sleep 0.8
else
  missing=("${missing[@]/picker-probe/picker}")
fi

# Leave through the keyboard, so that the program ends as a user would end it.
xdotool windowfocus --sync "$main" 2>/dev/null || true
keys alt+f x
for _ in $(seq 1 50); do
  kill -0 "$program" 2>/dev/null || break
  sleep 0.1
done
echo "help_screenshots: done, images in $out"
if [ ${#missing[@]} -gt 0 ]; then
  echo "help_screenshots: not taken (the window did not open): ${missing[*]}" >&2
  exit 2
fi
