#!/usr/bin/env bash
# Checks the desktop integration files of the build: the desktop entry with desktop-file-validate,
# the AppStream metainfo with appstreamcli, and that they agree with each other and with the
# program (desktop id, icon name, window class, binary, version, home page). A missing validator
# skips its check.
set -euo pipefail
bin=$1
src=${2:-}
share=$(cd "$bin/.." && pwd)/share
desktop="$share/applications/prismara.desktop"
metainfo=$(ls "$share"/metainfo/*.metainfo.xml 2>/dev/null | head -n 1 || true)

fail() { echo "FAIL: $*" >&2; exit 1; }
[ -f "$desktop" ] || fail "no desktop entry at $desktop"
[ -n "$metainfo" ] || fail "no metainfo in $share/metainfo"

if command -v desktop-file-validate >/dev/null; then
  # Hints are advice (two main categories, Graphics and Utility, are meant); errors and warnings fail.
  report=$(desktop-file-validate "$desktop" 2>&1) || fail "desktop-file-validate: $report"
  if grep -Eq ': (error|warning):' <<<"$report"; then fail "desktop-file-validate: $report"; fi
else
  echo "SKIP: desktop-file-validate is missing (package desktop-file-utils)"
fi

if command -v appstreamcli >/dev/null; then
  appstreamcli validate --no-net --pedantic "$metainfo" || fail "appstreamcli rejected $metainfo"
else
  echo "SKIP: appstreamcli is missing (package appstream)"
fi

value() { sed -n "s/^$1=//p" "$desktop"; }
[ "$(value Name)" = "Prismara" ] || fail "Name"
[ "$(value Exec)" = "prismara" ] || fail "Exec"
[ "$(value Icon)" = "prismara" ] || fail "Icon"
[ "$(value StartupWMClass)" = "prismara" ] || fail "StartupWMClass"
[ -x "$bin/prismara" ] || fail "no program prismara in $bin"

grep -q '<launchable type="desktop-id">prismara.desktop</launchable>' "$metainfo" || fail "launchable"
id=$(sed -n 's:.*<id>\(.*\)</id>.*:\1:p' "$metainfo")
[ "$(basename "$metainfo")" = "$id.metainfo.xml" ] || fail "metainfo file name does not match its id $id"
grep -q '<release version="4.6"' "$metainfo" || fail "release 4.6"
grep -q '<binary>prismara</binary>' "$metainfo" || fail "provided binary"
if [ -n "$src" ]; then
  home=$(sed -n 's/.*kHomePage = "\([^"]*\)".*/\1/p' "$src/../src/core/app/appinfo.h")
  grep -q "<url type=\"homepage\">$home</url>" "$metainfo" || fail "home page differs from the program's ($home)"
fi

for size in 16 32 48 64 128 256; do
  png="$share/icons/hicolor/${size}x${size}/apps/prismara.png"
  [ -f "$png" ] || fail "no ${size}x${size} icon"
  # A PNG's width and height are the big-endian words at bytes 16 and 20.
  dims=$(od -An -tu1 -j16 -N8 "$png" | awk '{print $3*256+$4 "x" $7*256+$8}')
  [ "$dims" = "${size}x${size}" ] || fail "icon ${size}x${size} is $dims"
done
[ -f "$share/icons/hicolor/scalable/apps/prismara.svg" ] || fail "no scalable icon"
echo "e2e desktop_validate: ok"
