#!/usr/bin/env bash
# scripts/run without a display, on an already built program: it prints its two lines and
# nothing of Xvfb's, starts no session bus of its own making (no dbus-launch), and after Ctrl+C
# leaves no process, runtime folder or lock behind.
set -euo pipefail
bin=$1
here=$(cd "$(dirname "$0")" && pwd)
source "$here/lib.sh.inc"
root=$(cd "$here/../.." && pwd)

mkdir -p "$WORK/build/bin" "$WORK/tmp"
cp -r "$bin"/. "$WORK/build/bin/"
unset DISPLAY WAYLAND_DISPLAY DBUS_SESSION_BUS_ADDRESS XDG_RUNTIME_DIR QT_QPA_PLATFORM
export TMPDIR="$WORK/tmp" PRISMARA_PROGRAM="$WORK/build/bin/prismara"

# The processes of this run: every one that carries the mark in its environment.
marked() {
  local e
  for e in /proc/[0-9]*/environ; do
    { tr '\0' '\n' <"$e" | grep -qx "PRISMARA_RUN_MARK=$WORK"; } 2>/dev/null && basename "$(dirname "$e")"
  done
  return 0
}

PRISMARA_RUN_MARK="$WORK" setsid bash "$root/scripts/run" >"$WORK/run.out" 2>&1 &
runner=$!
for _ in $(seq 1 300); do grep -q 'Press Ctrl+C' "$WORK/run.out" && break; sleep 0.1; done
grep -q 'Press Ctrl+C' "$WORK/run.out" || fail "scripts/run did not start the program: $(cat "$WORK/run.out")"
[ -s "$WORK/build/prismara-screenshot.png" ] || fail "no screenshot"
for pid in $(marked); do
  comm=$(cat "/proc/$pid/comm" 2>/dev/null || true)
  [ "$comm" != dbus-launch ] || fail "a dbus-launch runs"
  grep -q '^State:.*Z' "/proc/$pid/status" 2>/dev/null && fail "a defunct $comm"
done
ls "$WORK/tmp" | grep -q . || fail "the run's own folder is missing"

# Ctrl+C reaches the whole foreground group.
kill -INT -- "-$runner"
for _ in $(seq 1 100); do kill -0 "$runner" 2>/dev/null || break; sleep 0.1; done
kill -0 "$runner" 2>/dev/null && fail "scripts/run did not end on Ctrl+C"
wait "$runner" || true
sleep 0.3

left=$(marked | tr '\n' ' ')
[ -z "$left" ] || fail "processes left behind: $(for p in $left; do cat "/proc/$p/comm"; done | tr '\n' ' ')"
[ -z "$(ls -A "$WORK/tmp")" ] || fail "left in the temporary folder: $(ls -A "$WORK/tmp")"
unexpected=$(grep -v -e '^Prismara runs on DISPLAY=' -e '^Press Ctrl+C to stop\.$' "$WORK/run.out" || true)
[ -z "$unexpected" ] || fail "scripts/run printed more than its own lines: $unexpected"
echo "e2e run_script: ok"
