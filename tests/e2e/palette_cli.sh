#!/usr/bin/env bash
# The command line of palettes that travel, on a private copy of the program folder: --import of
# each kind of palette file makes one new palette, --export writes a palette in every format to
# standard output byte for byte (binary formats too), and a damaged file is refused with one
# message, leaving the palette index as it was. No display is needed.
set -euo pipefail
bin=$1
tests=$2
here=$(cd "$(dirname "$0")" && pwd)
source "$here/lib.sh.inc"
unset DISPLAY
data="$tests/data/formats"
program=$(copy_program "$bin")
app="$WORK/app"

out=$("$program" --import "$data/brand.gpl") || fail "--import brand.gpl failed"
[ "$out" = 'Imported "Brand Colours" (6 colours, GIMP palette) from brand.gpl as c8.rgb' ] || fail "import said: $out"
[ -f "$app/c8.rgb" ] && [ -f "$app/c8.names" ] || fail "c8.rgb and its names were not written"
cmp <(tail -c 26 "$app/colorchart.cci") <(printf 'c8.rgb\r\nBrand Colours\r\n1\r\n') || fail "the index record is missing"

# Every export of the imported palette, by its name and by its file name, byte for byte.
for format in gpl ase aco pal txt soc css scss json hex; do
  "$program" --export "Brand Colours" --format "$format" >"$WORK/out.$format" || fail "--export --format $format failed"
  cmp "$WORK/out.$format" "$data/brand.expected.$format" || fail "the $format export differs"
done
"$program" --export c8.rgb --format ase | cmp - "$data/brand.expected.ase" || fail "export by file name differs"

# Other kinds, named from the file or by --name; notes go to standard output.
out=$("$program" --import "$data/swatches.ase") || fail "--import swatches.ase failed"
grep -q '^swatches.ase: 1 CMYK, 2 Lab and 1 grey swatches were converted to sRGB$' <<<"$out" || fail "no conversion note: $out"
"$program" --import "$data/style.css" --name "Site colours" | grep -q '"Site colours" (6 colours' || fail "--name was not used"

# Refusals: a damaged file, an unknown palette, an unknown format. The index stays as it was.
index=$(md5sum <"$app/colorchart.cci")
printf 'GIMP Palette\n1 2 300 Red\n' >"$WORK/bad.gpl"
if err=$("$program" --import "$WORK/bad.gpl" 2>&1); then fail "a damaged file was imported"; fi
[ "$err" = 'prismara: bad.gpl (GIMP palette): line 2 holds "300" where a value from 0 to 255 belongs' ] || fail "said: $err"
if "$program" --export "No such palette" --format gpl 2>/dev/null; then fail "an unknown palette was exported"; fi
status=0
"$program" --export c8.rgb --format doc 2>/dev/null || status=$?
[ "$status" -eq 2 ] || fail "an unknown format gave status $status"
[ "$(md5sum <"$app/colorchart.cci")" = "$index" ] || fail "a refusal changed the index"
[ ! -e "$app/c11.rgb" ] || fail "a refusal made a palette file"
echo "palette command line: ok"
