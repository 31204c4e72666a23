#!/usr/bin/env bash
# Makes the Debian package of a finished build (cpack -G DEB) and checks it: its name and control
# fields, its files against those the source tree ships, lintian (errors fail; warnings are shown),
# and the program run from the package unpacked into a private root: the modes without a display,
# which must find the installed data, and a short start of the window and of its help window
# under a private Xvfb.
#   tests/package/deb_check.sh <build-dir>
set -euo pipefail
build=$(cd "$1" && pwd)
here=$(cd "$(dirname "$0")" && pwd)
src=$(cd "$here/../.." && pwd)
source "$src/tests/e2e/lib.sh.inc"

version=$(sed -n 's/.*kVersion = "\([^"]*\)".*/\1/p' "$src/src/core/app/appinfo.h")
arch=$(dpkg --print-architecture)
deb="$build/prismara_${version}_${arch}.deb"
rm -f "$deb"
(cd "$build" && cpack -G DEB >"$WORK/cpack.log" 2>&1) || { cat "$WORK/cpack.log" >&2; fail "cpack"; }
[ -f "$deb" ] || fail "cpack made no $deb: $(ls "$build"/*.deb 2>/dev/null)"

field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = prismara ] || fail "Package: $(field Package)"
[ "$(field Version)" = "$version" ] || fail "Version: $(field Version)"
[ "$(field Architecture)" = "$arch" ] || fail "Architecture: $(field Architecture)"
# dpkg-shlibdeps found the libraries the program links to.
depends=$(field Depends | tr ',|' '\n\n' | awk '{print $1}')
for lib in libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6; do
  grep -qxF "$lib" <<<"$depends" || fail "Depends lacks $lib: $(field Depends)"
done

# The files: exactly those the source tree ships, where the program and the desktop look for them.
expected() {
  echo usr/bin/prismara
  for f in "$src"/data/*.cci "$src"/data/*.rgb "$src"/data/*.hcs "$src"/data/*.dat; do
    echo "usr/share/prismara/$(basename "$f")"
  done
  [ ! -f "$build/bin/help.chm" ] || echo usr/share/prismara/help.chm
  (cd "$src/help" && ls *.html *.css *.hhc images/*.png) | sed 's:^:usr/share/prismara/help/:'
  echo usr/share/doc/prismara/html
  (cd "$src/data/icons" && ls */prismara.png) | sed 's:^\(.*\)/:usr/share/icons/hicolor/\1/apps/:'
  echo usr/share/icons/hicolor/scalable/apps/prismara.svg
  echo usr/share/applications/prismara.desktop
  (cd "$src/data/desktop" && ls *.metainfo.xml.in) | sed 's:^\(.*\)\.in$:usr/share/metainfo/\1:'
  echo usr/share/man/man1/prismara.1.gz
  echo usr/share/doc/prismara/copyright
  echo usr/share/doc/prismara/changelog.gz
}
expected | sort >"$WORK/expected"
dpkg-deb -c "$deb" | awk '$1 !~ /^d/ {sub(/^\.\//, "", $6); print $6}' | sort >"$WORK/packaged"
diff -u "$WORK/expected" "$WORK/packaged" >&2 || fail "the package's files differ from those expected (-expected +packaged)"
bad=$(dpkg-deb -c "$deb" | awk '$2 != "root/root" || ($1 !~ /^[dl]/ && $1 != "-rw-r--r--" && $1 != "-rwxr-xr-x")')
[ -z "$bad" ] || fail "files not owned by root or with odd permissions: $bad"
[ "$(dpkg-deb -c "$deb" | awk '$6 == "./usr/share/doc/prismara/html" {print $8}')" = ../../prismara/help ] ||
  fail "share/doc/prismara/html is not a link to the help pages"

if command -v lintian >/dev/null; then
  lintian --pedantic "$deb" >"$WORK/lintian.log" 2>&1 || true
  grep -v 'running with root privileges' "$WORK/lintian.log" || true
  ! grep -q '^E: ' "$WORK/lintian.log" || fail "lintian reports errors"
else
  echo "SKIP: lintian is missing (package lintian)"
fi

# The program run from the package: it finds its data in <root>/usr/share/prismara and keeps the
# user's copy in $XDG_DATA_HOME/prismara.
root="$WORK/root"
dpkg-deb -x "$deb" "$root"
program="$root/usr/bin/prismara"
[ "$(env -u DISPLAY "$program" --version)" = "prismara $version" ] || fail "--version"
info=$(env -u DISPLAY "$program" --info '#336699') || fail "--info"
grep -q '"hex":"#336699"' <<<"$info" || fail "--info printed: $info"
hex=$(env -u DISPLAY "$program" --export c1.rgb --format hex) || fail "--export of a shipped palette"
[ -n "$hex" ] || fail "--export printed nothing"
cmp -s "$root/usr/share/prismara/colorchart.cci" "$XDG_DATA_HOME/prismara/colorchart.cci" ||
  fail "the per-user folder was not filled from the package's data"

# The window, and the help window (F1) reading the installed pages also where share/doc is left
# out (dpkg's path-exclude), on a desktop that names no application (no CHM viewer).
rm -rf "$root/usr/share/doc"
mkdir -p "$WORK/share" "$WORK/etc"
[ -d /usr/share/mime ] && ln -s /usr/share/mime "$WORK/share/mime"
export XDG_DATA_DIRS="$WORK/share" XDG_CONFIG_DIRS="$WORK/etc"
start_xvfb 1024x768x24
"$program" &
pid=$!
E2E_PIDS+=($pid)
wid=$(timeout 20 xdotool search --sync --onlyvisible --name "^Prismara $version\$" | head -n 1) || fail "no main window"
xdotool windowfocus --sync "$wid"
sleep 0.3
xdotool key F1
timeout 20 xdotool search --sync --onlyvisible --name '^Prismara Help$' >/dev/null || fail "F1 opened no help window"
kill "$pid"
wait "$pid" 2>/dev/null || true
echo "package: ok ($(basename "$deb"), $(stat -c %s "$deb") bytes)"
