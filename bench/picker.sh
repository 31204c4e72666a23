#!/usr/bin/env bash
# Measures the screen picker under a private Xvfb (1920x1080): the time from the command to both
# picker windows on screen (the deliberate 100 ms wait included) with a real capture, and the
# cost of one pointer move. Usage: bench/picker.sh [build-folder]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=${1:-$here/../build}
source "$here/../tests/e2e/lib.sh.inc"
start_xvfb 1920x1080x24
"$build/bench/prismara_ui_bench" --benchmark_filter='Picker' --benchmark_repetitions=1
