#!/usr/bin/env bash
# Checks that includes point down the layers: core <- platform <- widgets <- ui <- shell.
# A component (ui/<name>/) includes no other component; core includes no Qt header.
# Usage: layers.sh SRC_DIR   (exit 1 and one line per broken include when the rule is broken)
#        layers.sh --self-test   (plants broken includes in a scratch tree and expects each found)
set -uo pipefail

rank() {
  case $1 in
    core/*) echo 0 ;; platform/*) echo 1 ;; widgets/*) echo 2 ;; ui/*) echo 3 ;; shell/*) echo 4 ;;
    *) echo -1 ;;
  esac
}

check() {
  local src=$1 bad=0 file rel line inc from to
  while IFS= read -r file; do
    rel=${file#"$src"/}
    from=$(rank "$rel")
    if [ "$from" -lt 0 ]; then
      echo "$rel: outside every layer"; bad=1; continue
    fi
    while IFS= read -r line; do
      inc=$(sed -n 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*"\([^"]*\)".*/\1/p' <<<"$line")
      if [ -z "$inc" ]; then
        # An angle-bracket include: core must stay free of Qt.
        if [ "$from" -eq 0 ] && grep -Eq '^[[:space:]]*#[[:space:]]*include[[:space:]]*<Q' <<<"$line"; then
          echo "$rel: core includes a Qt header: $line"; bad=1
        fi
        continue
      fi
      case $inc in *.moc|moc_*) continue ;; esac
      to=$(rank "$inc")
      if [ "$to" -lt 0 ]; then
        echo "$rel: include \"$inc\" names no layer"; bad=1
      elif [ "$to" -gt "$from" ]; then
        echo "$rel: include \"$inc\" points up"; bad=1
      elif [ "$from" -eq 3 ] && [ "$to" -eq 3 ] && [ "$(cut -d/ -f2 <<<"$rel")" != "$(cut -d/ -f2 <<<"$inc")" ]; then
        echo "$rel: include \"$inc\" reaches into another component"; bad=1
      fi
    done < <(grep -E '^[[:space:]]*#[[:space:]]*include' "$file")
  done < <(find "$src" -type f \( -name '*.h' -o -name '*.cpp' \) | LC_ALL=C sort)
  return $bad
}

if [ "${1:-}" = "--self-test" ]; then
  scratch=$(mktemp -d) || exit 2
  trap 'rm -rf "$scratch"' EXIT
  mkdir -p "$scratch"/{core/a,platform,widgets,ui/one,ui/two,shell}
  printf '#include "core/a/x.h"\n#include <vector>\n' > "$scratch/core/a/x.h"
  printf '#include "core/a/x.h"\n#include <QString>\n' > "$scratch/platform/p.h"
  printf '#include "platform/p.h"\n' > "$scratch/widgets/w.h"
  printf '#include "widgets/w.h"\n#include "ui/one/c.h"\n' > "$scratch/ui/one/c.cpp"
  printf '#include "ui/one/c.h"\n#include "ui/two/d.h"\n' > "$scratch/shell/s.cpp"
  check "$scratch" >/dev/null || { echo "self-test: a sound tree was refused"; exit 1; }
  planted=(
    'core/a/x.h|#include <QString>'
    'core/a/x.h|#include "platform/p.h"'
    'platform/p.h|#include "widgets/w.h"'
    'widgets/w.h|#include "ui/one/c.h"'
    'ui/one/c.cpp|#include "ui/two/d.h"'
    'ui/one/c.cpp|#include "shell/s.h"'
    'shell/s.cpp|#include "colorhub.h"'
  )
  for p in "${planted[@]}"; do
    f=${p%%|*}
    cp "$scratch/$f" "$scratch/$f.orig"
    echo "${p#*|}" >> "$scratch/$f"
    if check "$scratch" >/dev/null; then echo "self-test: missed ${p#*|} in $f"; exit 1; fi
    mv "$scratch/$f.orig" "$scratch/$f"
  done
  echo "self-test: ${#planted[@]} broken includes found"
  exit 0
fi

check "${1:?usage: layers.sh SRC_DIR | --self-test}"
