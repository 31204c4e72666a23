#!/usr/bin/env bash
# Measures Prismara's start-up under a private Xvfb (1920x1080) beside its floor, a bare Qt Widgets
# window of the same size (bench/barewindow.cpp, compiled here) timed the same way: time from exec
# to the window exposed, to its first frame drawn and to the work put off after that frame done,
# CPU time and peak memory (maximum resident size) per start, to that point. The two programs run in turn, so both see the same load; figures are medians.
# Usage: bench/startup.sh [program-folder] [runs] [--no-bus]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
bin=${1:-$here/../build/bin}
runs=${2:-20}
source "$here/../tests/e2e/lib.sh.inc"
bare="$WORK/barewindow"
# shellcheck disable=SC2046
c++ -std=c++20 -O2 -fPIC "$here/barewindow.cpp" -o "$bare" $(pkg-config --cflags --libs Qt6Widgets)
start_xvfb 1920x1080x24
# A desktop session has a session bus, which both programs use; without one, each start of either
# would launch a bus of its own through dbus-launch. With --no-bus the run has none.
if [[ "${3:-}" != --no-bus ]] && command -v dbus-daemon >/dev/null; then
  { read -r DBUS_SESSION_BUS_ADDRESS; read -r bus_pid; } < <(dbus-daemon --session --fork --print-address=1 --print-pid=1)
  export DBUS_SESSION_BUS_ADDRESS
  E2E_PIDS+=("$bus_pid")
  echo "session bus: private ($DBUS_SESSION_BUS_ADDRESS)"
else
  unset DBUS_SESSION_BUS_ADDRESS
  echo "session bus: none"
fi
program=$(copy_program "$bin")
python3 - "$program" "$bare" "$runs" <<'PY'
import os, statistics, subprocess, sys, time
program, bare, runs = sys.argv[1], sys.argv[2], int(sys.argv[3])
figures = {name: {"startup_ms": [], "painted_ms": [], "ready_ms": [], "cpu_ms": [], "rss_mib": []} for name in ("prismara", "bare")}

def run(name, path):
    t0 = time.monotonic_ns()
    env = dict(os.environ, PRISMARA_STARTUP_T0=str(t0))
    p = subprocess.Popen([path], env=env, stdout=subprocess.PIPE, text=True)
    out = p.stdout.read()
    _, status, ru = os.wait4(p.pid, 0)
    p.returncode = status
    f = figures[name]
    for line in out.splitlines():
        key, _, value = line.partition(" ")
        if key in f:
            f[key].append(float(value))
    f["cpu_ms"].append((ru.ru_utime + ru.ru_stime) * 1000.0)
    f["rss_mib"].append(ru.ru_maxrss / 1024.0)

for _ in range(2):  # warm the file cache
    run("prismara", program); run("bare", bare)
for f in figures.values():
    for v in f.values():
        v.clear()
for i in range(runs):
    order = [("prismara", program), ("bare", bare)]
    for name, path in (order if i % 2 == 0 else reversed(order)):
        run(name, path)

load = os.getloadavg()[0]
print(f"{runs} interleaved runs each, load average {load:.2f} on {os.cpu_count()} CPUs")
print(f"{'median':<28}{'prismara':>10}{'bare':>10}{'ratio':>8}")
labels = {"startup_ms": "exec to window exposed, ms", "painted_ms": "exec to first frame, ms",
          "ready_ms": "exec to start-up done, ms",
          "cpu_ms": "CPU time per start, ms", "rss_mib": "peak memory (max RSS), MiB"}
for key, label in labels.items():
    a, b = statistics.median(figures["prismara"][key]), statistics.median(figures["bare"][key])
    print(f"{label:<28}{a:>10.1f}{b:>10.1f}{a / b:>8.2f}")
PY
