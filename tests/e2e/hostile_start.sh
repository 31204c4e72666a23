#!/usr/bin/env bash
# Starting the real program in hostile surroundings: no display or a dead one (one line, status
# 1); a FIFO or a link to /dev/zero in place of a data or settings file (one message naming it,
# the file left as it is, the program runs); a lock that cannot be used, or a stale one of
# another user in a shared temporary folder (the program runs, a message names the lock file).
set -euo pipefail
bin=$1
here=$(cd "$(dirname "$0")" && pwd)
source "$here/lib.sh.inc"
program=$(copy_program "$bin")
app="$WORK/app"

# Runs the program with `env` settings for at most 5 s; sets status, lines (of stderr), err.
run_briefly() {
  status=0
  env "$@" timeout 5 "$program" >"$WORK/out" 2>"$WORK/err" || status=$?
  err=$(cat "$WORK/err")
  lines=$(grep -c . "$WORK/err" || true)
}

# 1. No display: one line, status 1, no abort.
unused=":$((900 + RANDOM % 90))"
nodisplay=(
  "nothing set|-u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM"
  "a dead X display|-u WAYLAND_DISPLAY -u QT_QPA_PLATFORM DISPLAY=$unused"
  "a dead X display, xcb asked for|-u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb DISPLAY=$unused"
  "a dead Wayland display|-u DISPLAY -u QT_QPA_PLATFORM WAYLAND_DISPLAY=wayland-dead-$$"
)
for row in "${nodisplay[@]}"; do
  IFS='|' read -r name settings <<<"$row"
  # shellcheck disable=SC2086
  run_briefly $settings
  [ "$status" -eq 1 ] || fail "$name: status $status, not 1 ($err)"
  [ "$lines" -eq 1 ] || fail "$name: $lines lines, not one: $err"
  grep -qi display <<<"$err" || fail "$name: the line does not say what is missing: $err"
done
run_briefly -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM --version
[ "$status" -eq 0 ] && grep -q . "$WORK/out" || fail "--version needs no display"
echo "no display: one line and status 1"

# Runs the program on the offscreen platform until it has started, then ends it with SIGTERM.
start_and_end() {
  local pid
  QT_QPA_PLATFORM=offscreen "$@" "$program" 2>"$WORK/err" &
  pid=$!
  E2E_PIDS+=($pid)
  for _ in $(seq 1 50); do [ -f "$app/recent.rgb" ] || [ -p "$app/recent.rgb" ] || [ -L "$app/recent.rgb" ] && break; sleep 0.1; done
  sleep 1
  kill -0 "$pid" 2>/dev/null || fail "$name: the program did not start: $(cat "$WORK/err")"
  kill -TERM "$pid"
  status=0
  timeout 2 tail --pid="$pid" -f /dev/null || fail "$name: the program did not end"
  wait "$pid" || status=$?
  err=$(cat "$WORK/err")
}

# 2. Special files in place of data and settings files.
pristine="$WORK/pristine"
cp -r "$app" "$pristine"
specials=(
  "$app/colorchart.cci|fifo" "$app/c1.rgb|zero" "$app/recent.rgb|fifo" "$app/weblinks.hcs|zero"
  "$app/weblinks.dat|fifo" "$XDG_CONFIG_HOME/quorvel software.ini|fifo" "$XDG_CONFIG_HOME/prismara.ini|zero"
)
for row in "${specials[@]}"; do
  IFS='|' read -r file kind <<<"$row"
  name="$(basename "$file") as $kind"
  rm -rf "$app" "$XDG_CONFIG_HOME"
  cp -r "$pristine" "$app"
  mkdir -p "$XDG_CONFIG_HOME"
  rm -f "$file"
  if [ "$kind" = fifo ]; then mkfifo "$file"; else ln -s /dev/zero "$file"; fi
  start_and_end
  [ "$status" -eq 0 ] || fail "$name: exit status $status"
  grep -q "$(basename "$file")" <<<"$err" || fail "$name: no message names it: $err"
  if [ "$kind" = fifo ]; then [ -p "$file" ]; else [ "$(readlink "$file")" = /dev/zero ]; fi ||
    fail "$name: it was not left as it is"
done
rm -rf "$app" "$XDG_CONFIG_HOME"
cp -r "$pristine" "$app"
mkdir -p "$XDG_CONFIG_HOME"
echo "special files: each told, left alone, the program runs"

# 3. A lock that cannot be used is told, and the program runs.
name="lock file is a folder"
rm -f "$XDG_RUNTIME_DIR/prismara.lock"
mkdir "$XDG_RUNTIME_DIR/prismara.lock"
start_and_end
grep -q "prismara.lock" <<<"$err" || fail "$name: no message names the lock file: $err"
rmdir "$XDG_RUNTIME_DIR/prismara.lock"

# Another user's stale lock in a shared temporary folder, and a lock file this user may not
# open: both as an ordinary user.
if [ "$(id -u)" -eq 0 ] && command -v setpriv >/dev/null; then
  user=65534
  shared="$WORK/shared-tmp"
  mkdir -m 1777 "$shared"
  printf '999999\nprismara\n%s\n' "$(hostname)" >"$shared/prismara.lock"
  mkdir -p "$WORK/home" "$WORK/userruntime"
  chmod 700 "$WORK/userruntime"
  chown -R "$user:$user" "$app" "$XDG_CONFIG_HOME" "$XDG_DATA_HOME" "$WORK/home" "$WORK/userruntime"
  chmod 755 "$WORK"
  as_user=(setpriv --reuid="$user" --regid="$user" --clear-groups env)
  home=(HOME="$WORK/home" TMPDIR="$shared")
  name="a stale lock of another user in a shared temporary folder"
  start_and_end "${as_user[@]}" -u XDG_RUNTIME_DIR "${home[@]}"
  [ -f "$WORK/home/.cache/prismara/prismara.lock" ] || fail "$name: the lock is not in the user's cache folder"
  name="a lock file the user may not open"
  touch "$WORK/userruntime/prismara.lock"
  start_and_end "${as_user[@]}" "${home[@]}" XDG_RUNTIME_DIR="$WORK/userruntime"
  grep -q "prismara.lock could not be used: Permission denied" <<<"$err" || fail "$name: $err"
  chown -R 0:0 "$app" "$XDG_CONFIG_HOME" "$XDG_DATA_HOME"
  echo "locks of another user: the program runs"
fi
echo "e2e hostile_start: ok"
