#!/usr/bin/env bash
# Start-up time and resident memory of Pelorin against a bare Qt window, and
# what one more open picture costs. Runs both programs under a private Xvfb
# server and times from the process start until xdotool sees the window
# mapped ("Main" / "Bare"); then reads VmRSS and VmHWM from /proc.
#
#   bench/measure_startup.sh [BUILD_DIR] [RUNS]
#
# Needs a Release build with the benchmarks (scripts/test makes one) and the
# packages xvfb and xdotool.
set -euo pipefail

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BUILD="${1:-$ROOT/build}"
RUNS="${2:-15}"
PELORIN="$BUILD/src/pelorin"
BARE="$BUILD/bench/bare_qt_window"
BENCH="$BUILD/bench/pelorin_bench"
for program in "$PELORIN" "$BARE" "$BENCH"; do
  [ -x "$program" ] || { echo "missing $program: build first (scripts/test)" >&2; exit 2; }
done

# A display number nobody uses.
DISPLAY_NO=$((90 + RANDOM % 100))
while [ -e "/tmp/.X11-unix/X$DISPLAY_NO" ] || [ -e "/tmp/.X$DISPLAY_NO-lock" ]; do DISPLAY_NO=$((DISPLAY_NO + 1)); done
Xvfb ":$DISPLAY_NO" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
XVFB_PID=$!
trap 'kill "$XVFB_PID" 2>/dev/null || true' EXIT
export DISPLAY=":$DISPLAY_NO"
unset QT_QPA_PLATFORM WAYLAND_DISPLAY
for _ in $(seq 100); do xdotool getdisplaygeometry >/dev/null 2>&1 && break; sleep 0.05; done

median() { sort -n | awk '{ v[NR] = $1 } END { if (NR % 2) print v[(NR + 1) / 2]; else print (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

status_kib() { awk -v key="$2:" '$1 == key { print $2 }' "/proc/$1/status"; }

# measure PROGRAM TITLE: prints "start_ms rss_kib hwm_kib" once per run.
measure() {
  local program="$1" title="$2" i t0 t1 pid
  for i in $(seq "$RUNS"); do
    t0=$(date +%s%N)
    "$program" >/dev/null 2>&1 &
    pid=$!
    until xdotool search --onlyvisible --name "^$title\$" >/dev/null 2>&1; do :; done
    t1=$(date +%s%N)
    sleep 0.5  # let the first paint finish before reading memory
    echo "$(( (t1 - t0) / 1000 )) $(status_kib "$pid" VmRSS) $(status_kib "$pid" VmHWM)"
    kill "$pid"
    wait "$pid" 2>/dev/null || true
  done
}

# Warm the file cache so the first run is not the odd one out.
measure "$BARE" Bare >/dev/null
measure "$PELORIN" Main >/dev/null

bare=$(measure "$BARE" Bare)
pelorin=$(measure "$PELORIN" Main)

col() { awk -v c="$2" '{ print $c }' <<<"$1" | median; }
b_start=$(col "$bare" 1); p_start=$(col "$pelorin" 1)
b_rss=$(col "$bare" 2); p_rss=$(col "$pelorin" 2)
b_hwm=$(col "$bare" 3); p_hwm=$(col "$pelorin" 3)

ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'; }
ms() { awk -v us="$1" 'BEGIN { printf "%.1f", us / 1000 }'; }

echo "Medians of $RUNS runs each, Xvfb display, xcb platform:"
echo
echo "| Measure | bare_qt_window | pelorin | ratio |"
echo "|---|---|---|---|"
echo "| Start to window mapped (ms) | $(ms "$b_start") | $(ms "$p_start") | $(ratio "$p_start" "$b_start") |"
echo "| VmRSS after show (KiB) | $b_rss | $p_rss | $(ratio "$p_rss" "$b_rss") |"
echo "| VmHWM after show (KiB) | $b_hwm | $p_hwm | $(ratio "$p_hwm" "$b_hwm") |"

# One more open picture, with real X windows: RSS after 100 more Opens minus
# before, divided by 100.
per_open=$(QT_QPA_PLATFORM=xcb "$BENCH" --benchmark_filter='BM_MemoryPerOpen' --benchmark_format=json 2>/dev/null |
  awk -F': ' '/"KiB_per_open"/ { gsub(/[ ,]/, "", $2); print $2 }')
echo "| Resident memory per open picture (KiB, xcb) | | $per_open | |"
