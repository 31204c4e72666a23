#!/usr/bin/env bash
# Picking on a real Wayland desktop: a headless sway (wlroots) with xdg-desktop-portal and
# xdg-desktop-portal-wlr on a private session bus shows a window of a known colour; Prismara runs
# as a Wayland client (QT_QPA_PLATFORM=wayland), takes its frozen picture through the portal's
# Screenshot, and `--pick --print` prints the colour a click on that window takes. The click comes
# from a virtual pointer (PRISMARA_TEST_POINTER), the only pointer a headless compositor has;
# PRISMARA_TEST_SWATCH shows the window.
#
# sway refuses to run as root, so under root the desktop and every client run as "nobody".
# Ends with 77 (skipped), naming what is missing, when a part of the desktop is not installed.
set -euo pipefail
bin=$1
swatch=${PRISMARA_TEST_SWATCH:-}
pointer=${PRISMARA_TEST_POINTER:-}
skip() { echo "SKIP: $*"; exit 77; }
fail() { echo "FAIL: $*" >&2; exit 1; }

portal=/usr/libexec/xdg-desktop-portal
portal_wlr=/usr/libexec/xdg-desktop-portal-wlr
for need in sway swaymsg pipewire grim dbus-daemon setpriv "$portal" "$portal_wlr"; do
  command -v "$need" >/dev/null || skip "$need is not installed (sway, pipewire, grim, xdg-desktop-portal-wlr)"
done
[ -e /usr/share/xdg-desktop-portal/portals/gtk.portal ] ||
  skip "xdg-desktop-portal-gtk is not installed: xdg-desktop-portal offers Screenshot only with an Access portal beside xdg-desktop-portal-wlr"
ls /usr/lib/*/qt6/plugins/platforms/libqwayland-generic.so >/dev/null 2>&1 || skip "qt6-wayland is not installed"
[ -x "$swatch" ] || fail "PRISMARA_TEST_SWATCH does not name the swatch window program"
[ -n "$pointer" ] || skip "the virtual pointer was not built (libwayland-dev is not installed)"
[ -x "$pointer" ] || fail "PRISMARA_TEST_POINTER does not name the virtual pointer program"

WORK=$(mktemp -d /tmp/prismara-wayland-XXXXXX)
PIDS=()
cleanup() {
  for p in "${PIDS[@]}"; do kill "$p" 2>/dev/null || true; done
  for p in "${PIDS[@]}"; do wait "$p" 2>/dev/null || true; done
  rm -rf "$WORK"
}
trap cleanup EXIT
mkdir -p "$WORK/rt" "$WORK/home" "$WORK/app"
cp -r "$bin"/. "$WORK/app/"
cp "$swatch" "$WORK/swatch"
cp "$pointer" "$WORK/pointer"
printf 'output HEADLESS-1 resolution 800x600\ndefault_border none\n' >"$WORK/sway.conf"
as_user=()
if [ "$(id -u)" = 0 ]; then
  chown -R nobody:nogroup "$WORK"
  chmod 755 "$WORK"
  as_user=(setpriv --reuid=nobody --regid=nogroup --clear-groups)
fi
chmod 700 "$WORK/rt"

cat >"$WORK/session.sh" <<'INNER'
#!/usr/bin/env bash
# Runs inside the private desktop's environment; prints the pick's output and status.
set -u
cd "$WORK"
export XDG_RUNTIME_DIR=$WORK/rt HOME=$WORK/home XDG_CONFIG_HOME=$WORK/home/.config XDG_DATA_HOME=$WORK/home/.local/share
export WLR_BACKENDS=headless WLR_LIBINPUT_NO_DEVICES=1 WLR_RENDERER=pixman XDG_CURRENT_DESKTOP=sway
pids=()
trap 'kill "${pids[@]}" 2>/dev/null' EXIT
sway -c "$WORK/sway.conf" >"$WORK/sway.log" 2>&1 & pids+=($!)
for _ in $(seq 100); do ls "$XDG_RUNTIME_DIR"/wayland-* >/dev/null 2>&1 && break; sleep 0.1; done
export WAYLAND_DISPLAY=$(basename "$(ls "$XDG_RUNTIME_DIR"/wayland-* | grep -v lock | head -n 1)")
export SWAYSOCK=$(ls "$XDG_RUNTIME_DIR"/sway-ipc.*.sock 2>/dev/null | head -n 1)
[ -n "$SWAYSOCK" ] || { echo "sway did not start: $(tail -n 3 "$WORK/sway.log")"; exit 3; }
dbus-daemon --session --nofork --print-address=3 3>"$WORK/bus" >/dev/null 2>&1 & pids+=($!)
for _ in $(seq 50); do [ -s "$WORK/bus" ] && break; sleep 0.1; done
export DBUS_SESSION_BUS_ADDRESS=$(head -n 1 "$WORK/bus")
pipewire >"$WORK/pipewire.log" 2>&1 & pids+=($!)
sleep 0.5
"$PORTAL_WLR" >"$WORK/xdpw.log" 2>&1 & pids+=($!)
"$PORTAL" >"$WORK/xdp.log" 2>&1 & pids+=($!)
QT_QPA_PLATFORM=wayland "$WORK/swatch" '#3366CC' swatch >/dev/null 2>&1 & pids+=($!)
seen() { swaymsg -t get_tree 2>/dev/null | grep -q "\"name\": \"$1\""; }
for _ in $(seq 100); do seen swatch && break; sleep 0.1; done
seen swatch || { echo "the swatch window did not appear"; exit 3; }

QT_QPA_PLATFORM=wayland "$WORK/app/prismara" --pick --print >"$WORK/out" 2>"$WORK/err" & pick=$!
pids+=($pick)
for _ in $(seq 300); do seen 'Pick&Save Color' && break; kill -0 $pick 2>/dev/null || break; sleep 0.1; done
seen 'Pick&Save Color' || { echo "no picker: $(cat "$WORK/err")"; exit 3; }
coproc POINTER_IO { "$WORK/pointer" 2>"$WORK/pointer.log"; }
pids+=($POINTER_IO_PID)
point() { echo "$*" >&"${POINTER_IO[1]}"; read -r -t 10 answer <&"${POINTER_IO[0]}" && [ "$answer" = ok ]; }
sleep 0.5
point move 100 500 800 600 && sleep 0.3 && point move 101 501 800 600 && sleep 0.3 && point click ||
  { echo "the virtual pointer failed: $(cat "$WORK/pointer.log")"; exit 3; }
for _ in $(seq 200); do kill -0 $pick 2>/dev/null || break; sleep 0.1; done
if kill -0 $pick 2>/dev/null; then echo "the pick did not end: $(cat "$WORK/err")"; exit 3; fi
wait $pick; echo "status $?"
cat "$WORK/out"
INNER
chmod 755 "$WORK/session.sh"

# The session starts with an empty environment. A sanitizer build keeps its error checks, but not
# the leak check at exit: the Wayland client libraries keep allocations for the life of the
# process, and every other test checks the program's own leaks.
result=$(timeout 100 "${as_user[@]}" env -i PATH=/usr/bin:/bin WORK="$WORK" PORTAL="$portal" PORTAL_WLR="$portal_wlr" \
  ASAN_OPTIONS="detect_leaks=0" UBSAN_OPTIONS="${UBSAN_OPTIONS:-}" bash "$WORK/session.sh" 2>&1) || fail "the desktop session failed: $result"
[ "$result" = $'status 0\n#3366CC' ] || fail "expected status 0 and #3366CC, got: $result"
echo "e2e wayland_pick: ok"
