#!/usr/bin/env bash
# Runs the real program's printing modes with no display at all: --info and --contrast print one
# JSON object on stdout and end with status 0; a colour that is not understood gives one line on
# stderr and status 2.
set -euo pipefail
bin=$1
program="$bin/prismara"
unset DISPLAY WAYLAND_DISPLAY
export QT_QPA_PLATFORM=xcb # would need a display: the printing modes must not open one
work=$(mktemp -d /tmp/prismara-cli-XXXXXX)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

# One JSON object on one line, checked by Python's JSON reader.
check_json() { # FILE PYTHON-EXPRESSION-ON-d
  [ "$(wc -l <"$1")" -eq 1 ] || fail "$1: not one line"
  python3 -c "import json,sys; d=json.load(open(sys.argv[1])); assert $2, d" "$1" || fail "$1: $2"
}

timeout 20 "$program" --info '#3366cc' >"$work/info.json" 2>"$work/info.err" || fail "--info ended with $?"
[ ! -s "$work/info.err" ] || fail "--info wrote to stderr: $(cat "$work/info.err")"
check_json "$work/info.json" "d['hex'] == '#3366CC' and d['rgb'] == [51, 102, 204]"
check_json "$work/info.json" "list(d)[:4] == ['hex', 'rgb', 'hsl', 'css_hsl'] and [round(x, 9) for x in d['css_hsl']] == [220, 60, 50]"
check_json "$work/info.json" "abs(d['oklch'][0] - 0.5324825621443728) < 1e-12 and isinstance(d['name_exact'], bool)"
check_json "$work/info.json" "set(d['simulated']) == {'protanopia', 'deuteranopia', 'tritanopia', 'achromatopsia'}"

timeout 20 "$program" --info 'rgb(255, 0, 0)' >"$work/red.json" || fail "--info rgb() ended with $?"
check_json "$work/red.json" "d['hex'] == '#FF0000' and d['hsl'] == [60, 100, 50] and d['name'] == 'red'"

timeout 20 "$program" --contrast '#777777' white >"$work/contrast.json" || fail "--contrast ended with $?"
check_json "$work/contrast.json" "round(d['wcag'], 2) == 4.48 and d['aa_normal'] is False and d['aa_large'] is True"

status=0
timeout 20 "$program" --info 'blurple' >"$work/bad.out" 2>"$work/bad.err" || status=$?
[ "$status" -eq 2 ] || fail "bad colour: status $status, not 2"
[ ! -s "$work/bad.out" ] || fail "bad colour: something on stdout"
[ "$(wc -l <"$work/bad.err")" -eq 1 ] || fail "bad colour: not one line on stderr"
grep -q 'blurple' "$work/bad.err" || fail "bad colour: the message does not name it: $(cat "$work/bad.err")"

status=0
timeout 20 "$program" --contrast '#000' >/dev/null 2>"$work/nobg.err" || status=$?
[ "$status" -eq 2 ] || fail "--contrast without a background: status $status, not 2"
echo "e2e cli_color: ok"
