#!/usr/bin/env bash
# Installs the build into a private prefix, makes the installed data read-only, starts the installed
# program under a private Xvfb and checks that it keeps its data in the per-user folder
# ($XDG_DATA_HOME/prismara), filled from the installation, never in the installation itself; then
# leaves with "E&xit" through the keyboard.
set -euo pipefail
bin=$1
here=$(cd "$(dirname "$0")" && pwd)
source "$here/lib.sh.inc"
build=$(cd "$bin/.." && pwd)
prefix="$WORK/prefix"

cmake --install "$build" --prefix "$prefix" >"$WORK/install.log" 2>&1 || { cat "$WORK/install.log" >&2; fail "cmake --install"; }

# The layout of the installation.
share="$prefix/share/prismara"
for f in bin/prismara share/applications/prismara.desktop share/icons/hicolor/scalable/apps/prismara.svg \
         share/doc/prismara/html/index.html share/prismara/colorchart.cci; do
  [ -e "$prefix/$f" ] || fail "not installed: $f"
done
for size in 16 32 48 64 128 256; do
  [ -f "$prefix/share/icons/hicolor/${size}x${size}/apps/prismara.png" ] || fail "no ${size}x${size} icon"
done
ls "$prefix"/share/metainfo/*.metainfo.xml >/dev/null 2>&1 || fail "no metainfo"
data=()
for f in "$bin"/*.cci "$bin"/*.rgb "$bin"/*.hcs "$bin"/*.dat "$bin"/help.chm; do
  [ -e "$f" ] || continue
  name=$(basename "$f")
  [ "$name" = recent.rgb ] && continue
  cmp -s "$f" "$share/$name" || fail "share/prismara/$name differs from the build's"
  data+=("$name")
done
[ -e "$prefix/bin/colorchart.cci" ] && fail "data files must not be installed beside the program"

# A system installation: the data cannot be written. (Under root the permission bits do not stop
# writes, so the checks below look at where the program writes, not at whether it could.)
chmod -R a-w "$share"
before=$(cd "$share" && ls -l --time-style=+%s.%N)

user="$XDG_DATA_HOME/prismara"
[ ! -e "$user" ] || fail "the per-user folder exists before the first start"

start_xvfb 1280x1024x24
"$prefix/bin/prismara" &
pid=$!
E2E_PIDS+=($pid)
wid=$(timeout 20 xdotool search --sync --onlyvisible --name '^Prismara 4\.6$' | head -n 1) || fail "no main window"

for name in "${data[@]}"; do
  cmp -s "$share/$name" "$user/$name" || fail "the per-user folder lacks a copy of $name"
  [ -w "$user/$name" ] || [ "$(id -u)" = 0 ] || fail "the copy of $name is not writable"
done
[ -f "$user/recent.rgb" ] || fail "recent.rgb was not created in the per-user folder"
[ ! -e "$share/recent.rgb" ] || fail "the program wrote into its installation"
after=$(cd "$share" && ls -l --time-style=+%s.%N)
[ "$before" = "$after" ] || fail "the installed data changed"

# The window carries the application's icon and the class that the desktop entry names.
wm_class=$(xprop -id "$wid" WM_CLASS)
grep -q '"prismara", "prismara"' <<<"$wm_class" || fail "WM_CLASS is not prismara: $wm_class"
# The drawn fallback icon has no 256-pixel size; the installed one has. (xprop cuts long values short
# unless told how much to read.)
icons=$(xprop -len 1000000 -id "$wid" _NET_WM_ICON | grep -o 'Icon ([0-9]* x [0-9]*)' || true)
grep -q 'Icon (256 x 256)' <<<"$icons" || fail "the window has not got the installed icon: $icons"

xdotool windowfocus --sync "$wid"
xdotool key --delay 100 alt+f
sleep 0.3
xdotool key x
for _ in $(seq 1 50); do
  kill -0 "$pid" 2>/dev/null || break
  sleep 0.1
done
kill -0 "$pid" 2>/dev/null && fail "the program did not exit"
wait "$pid" || true
[ ! -e "$user/recent.rgb" ] || fail "recent.rgb was not deleted at shutdown"
chmod -R u+w "$share"
echo "e2e install_run: ok (data in $user)"
