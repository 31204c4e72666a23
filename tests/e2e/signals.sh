#!/usr/bin/env bash
# SIGTERM and SIGINT end the real program within a second whatever is open: the main window, the
# screen picker, a modal dialog, the colour page, the wait for a desktop portal that does not
# answer (its "Waiting for the desktop…" window is on screen then). Each time the window position
# is saved and recent.rgb is gone, as after Exit.
set -euo pipefail
bin=$1
here=$(cd "$(dirname "$0")" && pwd)
source "$here/lib.sh.inc"

# A black screen: with no other window on it, the direct grab is blank and the portal is asked.
start_xvfb 1920x1080x24 -br
program=$(copy_program "$bin")
app="$WORK/app"

# A private session bus whose "portal" is activated on request but never comes: every request
# waits (the program's own limit is 10 s).
mkdir -p "$WORK/services"
cat >"$WORK/silent-portal" <<EOF
#!/bin/sh
echo \$\$ > "$WORK/portal.pid"
exec sleep 30
EOF
chmod +x "$WORK/silent-portal"
printf '[D-BUS Service]\nName=org.example.SilentPortal\nExec=%s\n' "$WORK/silent-portal" \
  >"$WORK/services/org.example.SilentPortal.service"
cat >"$WORK/bus.conf" <<EOF
<!DOCTYPE busconfig PUBLIC "-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN"
 "http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd">
<busconfig>
  <type>session</type>
  <listen>unix:dir=$WORK</listen>
  <auth>EXTERNAL</auth>
  <servicedir>$WORK/services</servicedir>
  <policy context="default"><allow send_destination="*" eavesdrop="true"/><allow eavesdrop="true"/><allow own="*"/></policy>
</busconfig>
EOF
dbus-daemon --config-file="$WORK/bus.conf" --fork --print-address=3 --print-pid=4 3>"$WORK/bus.addr" 4>"$WORK/bus.pid"
E2E_PIDS+=("$(cat "$WORK/bus.pid")")
export DBUS_SESSION_BUS_ADDRESS=$(head -n 1 "$WORK/bus.addr")
export PRISMARA_PORTAL_SERVICE=org.example.SilentPortal
stop_portal() {
  if [ -f "$WORK/portal.pid" ]; then kill "$(cat "$WORK/portal.pid")" 2>/dev/null || true; fi
  rm -f "$WORK/portal.pid"
}
trap 'stop_portal; e2e_cleanup' EXIT

# A window of colour on the screen, for the picker's direct grab.
convert -size 200x200 xc:'#3366CC' "$WORK/solid.png"

visible() { xdotool search --onlyvisible --name "$1" >/dev/null 2>&1; }

# state name | what brings it about (run with the main window's id in $wid) | title then on view
states=(
  "main window||^Prismara 4\\.6\$"
  "screen picker|xdotool key --delay 100 alt+t; sleep 0.3; xdotool key p|^Pick&Save Color\$"
  "modal dialog|xdotool key --delay 100 alt+f; sleep 0.3; xdotool key n|^Add a new color palette\$"
  "colour page|xdotool mousemove --window \$wid 243 60 click --repeat 2 --delay 80 1|^Color Preview\$"
  "portal wait|xdotool key --delay 100 alt+t; sleep 0.3; xdotool key p|^Screen Color Picker\$"
)
signal=TERM
for row in "${states[@]}"; do
  IFS='|' read -r state action title <<<"$row"
  rm -rf "$XDG_CONFIG_HOME"/* "$app/recent.rgb"
  other=
  if [ "$state" != "portal wait" ]; then
    display -title solid-colour -geometry +1600+820 "$WORK/solid.png" &
    other=$!
    E2E_PIDS+=($other)
    timeout 20 xdotool search --sync --onlyvisible --name '^solid-colour' >/dev/null || fail "$state: no other window"
  fi
  "$program" 2>"$WORK/stderr" &
  pid=$!
  E2E_PIDS+=($pid)
  wid=$(timeout 20 xdotool search --sync --onlyvisible --name '^Prismara 4\.6$' | head -n 1) || fail "$state: no main window: $(cat "$WORK/stderr")"
  xdotool windowfocus --sync "$wid"
  eval "$action"
  for _ in $(seq 1 100); do visible "$title" && break; sleep 0.1; done
  visible "$title" || fail "$state: '$title' is not on screen"
  if [ "$state" = "portal wait" ]; then
    import -window root "$WORK/portal-wait.png"
    if [ -n "${PRISMARA_E2E_SHOTS:-}" ]; then cp "$WORK/portal-wait.png" "$PRISMARA_E2E_SHOTS/"; fi
    visible '^Prismara 4\.6$' && fail "$state: the main window is back before the portal answered"
    # Esc ends the wait at once: the main window is back, with no message.
    xdotool search --onlyvisible --name "$title" windowfocus --sync
    xdotool key Escape
    for _ in $(seq 1 20); do visible '^Prismara 4\.6$' && break; sleep 0.05; done
    visible '^Prismara 4\.6$' || fail "$state: Esc did not bring the main window back"
    sleep 0.3
    visible "$title" && fail "$state: a window is left after Esc"
    xdotool windowfocus --sync "$wid"
    eval "$action"
    for _ in $(seq 1 100); do visible "$title" && break; sleep 0.1; done
    visible "$title" || fail "$state: '$title' is not on screen the second time"
  fi
  sleep 0.2
  start=$(date +%s%N)
  kill -s "$signal" "$pid"
  for _ in $(seq 1 100); do kill -0 "$pid" 2>/dev/null || break; sleep 0.02; done
  ms=$((($(date +%s%N) - start) / 1000000))
  if kill -0 "$pid" 2>/dev/null; then
    kill -KILL "$pid"
    fail "$state: SIG$signal left the process running"
  fi
  [ "$ms" -le 1000 ] || fail "$state: the process took $ms ms to end"
  status=0
  wait "$pid" || status=$?
  [ "$status" -eq 0 ] || fail "$state: exit status $status"
  grep -Eq '^X=-?[0-9]+$' "$XDG_CONFIG_HOME/prismara.ini" 2>/dev/null || fail "$state: the position was not saved"
  [ ! -e "$app/recent.rgb" ] || fail "$state: recent.rgb is left"
  if [ -n "$other" ]; then kill "$other"; wait "$other" 2>/dev/null || true; fi
  stop_portal
  echo "$state: SIG$signal ended it in $ms ms"
  [ "$signal" = TERM ] && signal=INT || signal=TERM
done
echo "e2e signals: ok"
