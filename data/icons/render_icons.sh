#!/usr/bin/env bash
# Renders the application icon prismara.svg into the PNG sizes that the desktop and the program use:
# <size>x<size>/prismara.png beside this script. Run it after changing the SVG and commit the PNGs.
# Needs rsvg-convert (Debian package librsvg2-bin).
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
command -v rsvg-convert >/dev/null || { echo "render_icons: rsvg-convert is missing (apt-get install librsvg2-bin)" >&2; exit 1; }
for size in 16 32 48 64 128 256; do
  mkdir -p "$here/${size}x${size}"
  rsvg-convert --width "$size" --height "$size" --format png \
    --output "$here/${size}x${size}/prismara.png" "$here/prismara.svg"
done
echo "render_icons: wrote $(ls "$here"/*x*/prismara.png | wc -l) PNG files"
