#!/usr/bin/env bash
# Checks that the manual page names every option that `prismara --help` lists, and that man reads
# it without a warning.
set -euo pipefail
bin=$1
tests=$2
page="$tests/../data/man/prismara.1"
fail() { echo "FAIL: $*" >&2; exit 1; }

options=$(env -u DISPLAY -u WAYLAND_DISPLAY "$bin/prismara" --help | grep -oE '(^|[ ,])--[a-z][a-z-]*' | sed 's/^[ ,]//' | sort -u)
[ -n "$options" ] || fail "--help lists no options"
for option in $options; do
  grep -qF "${option//-/\\-}" "$page" || fail "the manual page lacks $option"
done
if command -v man >/dev/null; then
  warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$page" 2>&1 >/dev/null || true)
  [ -z "$warnings" ] || fail "man: $warnings"
fi
echo "e2e man_page: ok ($(wc -w <<<"$options") options)"
