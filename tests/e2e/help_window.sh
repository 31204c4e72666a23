#!/usr/bin/env bash
# On a desktop with no application for any file type (no CHM viewer), F1 opens the program's own
# help window; Help Topics never hands help.chm to a desktop that cannot open it.
set -euo pipefail
bin=$1
here=$(cd "$(dirname "$0")" && pwd)
source "$here/lib.sh.inc"
command -v xdotool >/dev/null || { echo "SKIP: xdotool is missing"; exit 0; }

# The desktop's data: the MIME types and no applications; no mimeapps.list anywhere.
mkdir -p "$WORK/share" "$WORK/etc"
[ -d /usr/share/mime ] && ln -s /usr/share/mime "$WORK/share/mime"
export XDG_DATA_DIRS="$WORK/share" XDG_CONFIG_DIRS="$WORK/etc"
if command -v xdg-mime >/dev/null; then
  [ -z "$(xdg-mime query default application/vnd.ms-htmlhelp 2>/dev/null)" ] || fail "a CHM viewer is still named"
fi

start_xvfb 1280x1024x24
program=$(copy_program "$bin")
"$program" 2>"$WORK/stderr" &
E2E_PIDS+=($!)
wid=$(timeout 20 xdotool search --sync --onlyvisible --name '^Prismara 4\.6$' | head -n 1) || fail "no main window"
xdotool windowfocus --sync "$wid"
sleep 0.3
xdotool key F1
help=$(timeout 20 xdotool search --sync --onlyvisible --name '^Prismara Help$' | head -n 1) ||
  fail "F1 opened no help window"
[ -n "$help" ] && [ "$help" != "$wid" ] || fail "the help window is the main window"
if [ -n "${PRISMARA_E2E_SHOT:-}" ]; then
  sleep 0.5
  import -window root "$PRISMARA_E2E_SHOT"
fi
grep -q "Unable to detect a launcher" "$WORK/stderr" && fail "help.chm was handed to the desktop"
echo "e2e help_window: ok"
