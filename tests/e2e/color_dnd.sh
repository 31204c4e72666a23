#!/usr/bin/env bash
# Drags colours between two copies of the real program under a private Xvfb, through the X
# server's drag and drop (XDND) with the pointer driven by xdotool: a palette cell of one copy
# dropped on the other's swatch becomes its current colour, on its scheme sample paints the
# element, on its palette grid is appended; its swatch dropped back on the first copy's grid is
# appended there; a read-only palette takes nothing. Each copy has its own program folder,
# configuration and runtime folder (the runtime folder holds the one-copy lock).
set -euo pipefail
bin=$1
here=$(cd "$(dirname "$0")" && pwd)
source "$here/lib.sh.inc"

start_xvfb 1280x800x24

# Starts copy $1 with its window's left edge at $2 pixels; its pid goes to E2E_PIDS.
start_copy() {
  local name=$1 left=$2 root="$WORK/$1"
  mkdir -p "$root/app" "$root/runtime" "$root/config" "$root/data"
  chmod 700 "$root/runtime"
  cp -r "$bin"/. "$root/app/"
  printf '[Position]\r\nX=%d\r\nY=0\r\n' $((left * 15)) >"$root/config/prismara.ini"
  XDG_RUNTIME_DIR="$root/runtime" XDG_CONFIG_HOME="$root/config" XDG_DATA_HOME="$root/data" \
    "$root/app/prismara" >"$root/log" 2>&1 &
  E2E_PIDS+=($!)
}
start_copy a 0
a=${E2E_PIDS[-1]}
start_copy b 600
b=${E2E_PIDS[-1]}
for pid in "$a" "$b"; do
  timeout 20 xdotool search --all --sync --onlyvisible --pid "$pid" --name '^Prismara 4\.6$' >/dev/null ||
    fail "copy $pid: no main window"
done
origin() { xdotool search --all --onlyvisible --pid "$1" --name '^Prismara 4\.6$' | head -n 1 | xargs xdotool getwindowgeometry --shell | awk -F= '/^[XY]=/ { printf "%s ", $2 } END { print "" }'; }
# The windows take their places once mapped.
for _ in $(seq 1 50); do
  read -r ax ay < <(origin "$a")
  read -r bx by < <(origin "$b")
  [ "$bx" -ge $((ax + 560)) ] && break
  sleep 0.2
done
[ "$bx" -ge $((ax + 560)) ] || fail "the copies overlap (a at $ax, b at $bx)"
sleep 0.5

# Places in a window, from its top-left corner: the swatch, the palette grid, the visited-link sample.
swatch=(179 72)
cell=(300 150)
grid=(350 120)
sample=(100 368)

pixel() { convert "$WORK/screen.png" -crop "1x1+$1+$2" -depth 8 txt:- | grep -o '#[0-9A-F]\{6\}' | head -n 1 | tr -d '#'; }
shot() { import -window root "$WORK/screen.png"; }

# A real drag: press, move in steps past the drag distance and across, release.
drag() {
  local x0=$1 y0=$2 x1=$3 y1=$4
  xdotool mousemove "$x0" "$y0"
  sleep 0.3
  xdotool mousedown 1
  sleep 0.2
  for step in 1 2 3 4 6 8 12 16 20 24 28 30; do
    xdotool mousemove $((x0 + (x1 - x0) * step / 30)) $((y0 + (y1 - y0) * step / 30))
    sleep 0.08
  done
  sleep 0.4
  xdotool mouseup 1
  sleep 0.8
}

shot
colour=$(pixel $((ax + cell[0])) $((ay + cell[1])))
[ -n "$colour" ] || fail "no colour under a's palette cell"

# 1. a's palette cell on b's swatch: b's current colour (recorded among its recent colours).
drag $((ax + cell[0])) $((ay + cell[1])) $((bx + swatch[0])) $((by + swatch[1]))
recent=$(tail -c 6 "$WORK/b/app/recent.rgb" 2>/dev/null || true)
[ "$recent" = "$colour" ] || fail "the dropped colour $colour did not become b's current colour (recent '$recent')"
shot
[ "$(pixel $((bx + swatch[0])) $((by + swatch[1])))" = "$colour" ] || fail "b's swatch does not show $colour"
echo "cell of a -> swatch of b: $colour"

# 2. b's swatch on a's palette grid (Web Safe Colors, which takes colours): appended.
before=$(stat -c %s "$WORK/a/app/c1.rgb")
drag $((bx + swatch[0])) $((by + swatch[1])) $((ax + grid[0])) $((ay + grid[1]))
after=$(stat -c %s "$WORK/a/app/c1.rgb")
[ "$after" -eq $((before + 6)) ] || fail "a's palette did not grow by one record ($before -> $after)"
[ "$(tail -c 6 "$WORK/a/app/c1.rgb")" = "$colour" ] || fail "a's palette does not end with $colour"
echo "swatch of b -> grid of a: appended"

# 3. a's palette cell on b's visited-link sample: the element takes the colour (its underline shows
# it). The cell holds another colour now: the grid shows the newest colour first.
shot
colour=$(pixel $((ax + cell[0])) $((ay + cell[1])))
drag $((ax + cell[0])) $((ay + cell[1])) $((bx + sample[0])) $((by + sample[1]))
shot
painted=$(convert "$WORK/screen.png" -crop "230x16+$((bx + 10))+$((by + sample[1] - 8))" -depth 8 -unique-colors txt:-)
grep -q "#$colour" <<<"$painted" || fail "b's visited-link sample does not show $colour"
echo "cell of a -> scheme sample of b: $colour"

# 4. b on a read-only palette (CSS Named Colors, third in the selector): nothing is added.
xdotool mousemove $((bx + 400)) $((by + 30)) click 1
sleep 0.5
xdotool key Down Down Return
sleep 0.5
sizes=$(stat -c %s "$WORK/b/app/c1.rgb" "$WORK/b/app/c2.rgb")
drag $((ax + cell[0])) $((ay + cell[1])) $((bx + grid[0])) $((by + grid[1]))
[ "$(stat -c %s "$WORK/b/app/c1.rgb" "$WORK/b/app/c2.rgb")" = "$sizes" ] || fail "a palette of b took a colour"
echo "cell of a -> read-only grid of b: refused"

kill -0 "$a" && kill -0 "$b" || fail "a copy ended"
echo "e2e color_dnd: ok"
