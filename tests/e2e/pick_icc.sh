#!/usr/bin/env bash
# Colour-managed picking under a private Xvfb whose root window carries a display profile
# (_ICC_PROFILE, here colord's Adobe RGB (1998)): --pick --print takes the pixel converted to
# sRGB, exactly as Little CMS's own transicc converts it (perceptual intent); with
# "colormanagedpick" set to 0 it takes the device colour. PRISMARA_TEST_SET_ROOT_ICC sets it.
set -euo pipefail
bin=$1
here=$(cd "$(dirname "$0")" && pwd)
source "$here/lib.sh.inc"
icc=/usr/share/color/icc/colord/AdobeRGB1998.icc
[ -r "$icc" ] || fail "$icc (colord-data) is not installed"
command -v transicc >/dev/null || fail "transicc (liblcms2-utils) is not installed"

start_xvfb 1280x800x24 -noreset # the root window keeps its profile between clients
program=$(copy_program "$bin")
"${PRISMARA_TEST_SET_ROOT_ICC:?names the program that sets the profile}" "$icc" ||
  fail "the profile could not be set on the root window"

convert -size 200x200 xc:'#3366CC' "$WORK/solid.png"
display -title solid-colour -geometry +1000+500 "$WORK/solid.png" &
E2E_PIDS+=($!)
timeout 20 xdotool search --sync --onlyvisible --name '^solid-colour' >/dev/null || fail "no solid-colour window"

expected=$(echo "51 102 204" | transicc -i"$icc" -t0 -n -s 2>/dev/null |
  awk '{ printf "#%02X%02X%02X\n", sprintf("%.0f", $1), sprintf("%.0f", $2), sprintf("%.0f", $3) }')
[ "$expected" != "#3366CC" ] || fail "the test profile changes nothing"

pick() {
  "$program" --pick --print >"$WORK/out" 2>"$WORK/err" &
  local pid=$!
  E2E_PIDS+=($pid)
  timeout 20 xdotool search --sync --onlyvisible --name '^Pick&Save Color$' >/dev/null || fail "$1: no picker"
  xdotool mousemove 1090 590; sleep 0.2; xdotool mousemove 1091 591; sleep 0.3
  if [ -n "${PRISMARA_E2E_SHOTS:-}" ]; then import -window root "$PRISMARA_E2E_SHOTS/pick-icc-$1.png"; fi
  xdotool click 1
  timeout 20 tail --pid="$pid" -f /dev/null || fail "$1: did not end"
  wait "$pid" || fail "$1: status $? ($(cat "$WORK/err"))"
  cat "$WORK/out"
}

got=$(pick srgb)
[ "$got" = "$expected" ] || fail "sRGB: printed '$got', transicc gives '$expected'"
printf '[Prismara 4.6]\ncolormanagedpick=0\n' >"$XDG_CONFIG_HOME/quorvel software.ini"
got=$(pick device)
[ "$got" = "#3366CC" ] || fail "device colours: printed '$got'"
echo "e2e pick_icc: sRGB $expected from device #3366CC; ok"
