#!/usr/bin/env bash
# Picking from the command line under a private Xvfb, with real pointer moves, clicks and keys:
# --pick --print prints the colour of a known pixel and ends with 0, Esc ends it with 1 and prints
# nothing; with a copy already running, --pick --print and --pick are handed to it; a format that
# is not one ends with 2 before any display is needed.
set -euo pipefail
bin=$1
here=$(cd "$(dirname "$0")" && pwd)
source "$here/lib.sh.inc"

start_xvfb 1280x800x24
program=$(copy_program "$bin")

convert -size 200x200 xc:'#3366CC' "$WORK/solid.png"
display -title solid-colour -geometry +1000+500 "$WORK/solid.png" &
E2E_PIDS+=($!)
timeout 20 xdotool search --sync --onlyvisible --name '^solid-colour' >/dev/null || fail "no solid-colour window"

picker_open() { timeout 40 xdotool search --sync --onlyvisible --name '^Pick&Save Color$' >/dev/null; }
# Without a window manager the keys go to the window given the focus.
press_esc() {
  xdotool windowfocus --sync "$(xdotool search --onlyvisible --name '^Pick&Save Color$' | head -n 1)"
  xdotool key Escape
}
click_solid() {
  xdotool mousemove 1090 590; sleep 0.2; xdotool mousemove 1091 591; sleep 0.2; xdotool click 1
}
# Runs the program in the background with its output in $WORK/out; sets $pid.
run_bg() { "$program" "$@" >"$WORK/out" 2>"$WORK/err" & pid=$!; E2E_PIDS+=($pid); }
# Waits for $pid to end; sets $status.
wait_end() { timeout 40 tail --pid="$pid" -f /dev/null || fail "$1: did not end"; status=0; wait "$pid" || status=$?; }

# 1. Nothing else runs: the program picks by itself, without its main window.
run_bg --pick --print
picker_open || fail "--pick --print: the picker did not open"
xdotool search --onlyvisible --name '^Prismara 4\.6$' >/dev/null && fail "--pick --print: the main window is shown"
click_solid
wait_end "--pick --print"
[ "$status" = 0 ] || fail "--pick --print: status $status ($(cat "$WORK/err"))"
[ "$(cat "$WORK/out")" = "#3366CC" ] || fail "--pick --print printed '$(cat "$WORK/out")'"

run_bg --pick --print --format css-hsl
picker_open || fail "Esc: the picker did not open"
press_esc
wait_end Esc
[ "$status" = 1 ] || fail "Esc: status $status, not 1"
[ ! -s "$WORK/out" ] || fail "Esc: printed '$(cat "$WORK/out")'"

# 2. A copy runs: it picks for the later ones, and its window comes back.
"$program" &
main=$!
E2E_PIDS+=($main)
timeout 20 xdotool search --sync --onlyvisible --name '^Prismara 4\.6$' >/dev/null || fail "no main window"
run_bg --pick --print --format rgb
picker_open || fail "handed --pick --print: the running copy did not pick"
click_solid
wait_end "handed --pick --print"
[ "$status" = 0 ] || fail "handed --pick --print: status $status ($(cat "$WORK/err"))"
[ "$(cat "$WORK/out")" = "51,102,204" ] || fail "handed --pick --print printed '$(cat "$WORK/out")'"
timeout 20 xdotool search --sync --onlyvisible --name '^Prismara 4\.6$' >/dev/null || fail "the main window did not come back"

run_bg --pick
wait_end "handed --pick"
[ "$status" = 0 ] || fail "handed --pick: status $status ($(cat "$WORK/err"))"
picker_open || fail "handed --pick: the running copy did not pick"
press_esc
kill -0 "$main" || fail "the running copy ended"

# 3. A format that is not one: told at once, no display needed.
s=0
DISPLAY= "$program" --pick --print --format cmyk >"$WORK/out" 2>"$WORK/err" || s=$?
[ "$s" = 2 ] && grep -q "cmyk" "$WORK/err" || fail "unknown format: status $s, '$(cat "$WORK/err")'"

kill "$main" 2>/dev/null || true
wait "$main" 2>/dev/null || true
echo "e2e pick_cli: ok"
