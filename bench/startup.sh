#!/usr/bin/env bash
# Measures Prismara's start-up under a private Xvfb (1920x1080): time from exec to the main
# window exposed, and peak memory. Usage: bench/startup.sh [program-folder] [runs]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
bin=${1:-$here/../build/bin}
runs=${2:-20}
source "$here/../tests/e2e/lib.sh.inc"
start_xvfb 1920x1080x24
program=$(copy_program "$bin")
python3 - "$program" "$runs" <<'PY'
import os, resource, statistics, subprocess, sys, time
program, runs = sys.argv[1], int(sys.argv[2])
times, peaks, cpu = [], [], []
prev = 0.0
for _ in range(runs):
    t0 = time.monotonic_ns()
    env = dict(os.environ, PRISMARA_STARTUP_T0=str(t0))
    p = subprocess.Popen([program], env=env, stdout=subprocess.PIPE, text=True)
    out, _ = p.communicate(timeout=30)
    ru = resource.getrusage(resource.RUSAGE_CHILDREN)
    total = ru.ru_utime + ru.ru_stime
    cpu.append((total - prev) * 1000.0)
    prev = total
    for line in out.splitlines():
        if line.startswith("startup_ms"):
            times.append(float(line.split()[1]))
    peaks.append(ru.ru_maxrss / 1024.0)
times.sort()
print(f"start-up to window exposed: median {statistics.median(times):.1f} ms, min {times[0]:.1f} ms, max {times[-1]:.1f} ms over {len(times)} runs")
print(f"CPU time per start (to the window and out): median {statistics.median(cpu):.1f} ms")
print(f"peak memory (max RSS): {max(peaks):.1f} MiB")
PY
