#!/usr/bin/env bash
# Start-up time and resident memory of Pelorin against a bare Qt window, of
# Pelorin in German against Pelorin in English, and what one more open
# picture costs. Runs both programs under a private Xvfb
# server and times from the process start until xdotool sees the window
# mapped ("Main" / "Bare"); then reads VmRSS and VmHWM from /proc.
#
#   bench/measure_startup.sh [BUILD_DIR] [RUNS]
#
# PELORIN=path measures another build of Pelorin against the same yardsticks;
# SKIP_PER_OPEN=1 leaves out the memory of one more open picture.
#
# Needs a Release build with the benchmarks (scripts/test makes one) and the
# packages xvfb and xdotool.
set -euo pipefail

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BUILD="${1:-$ROOT/build}"
RUNS="${2:-15}"
PELORIN="${PELORIN:-$BUILD/src/pelorin}"
BARE="$BUILD/bench/bare_qt_window"
BENCH="$BUILD/bench/pelorin_bench"
for program in "$PELORIN" "$BARE" "$BENCH"; do
  [ -x "$program" ] || { echo "missing $program: build first (scripts/test)" >&2; exit 2; }
done

# A private X server on a display it picks itself (-noreset: no restart, and
# no refused connections, whenever its last client leaves); it writes the number once
# it accepts connections.
DISPLAY_FILE="$(mktemp)"
Xvfb -displayfd 3 -noreset -screen 0 1280x1024x24 -nolisten tcp 3>"$DISPLAY_FILE" >"${TMPDIR:-/tmp}/measure_startup.xvfb" 2>&1 &
XVFB_PID=$!
USER_FOLDERS=""
trap 'kill "$XVFB_PID" 2>/dev/null || true; rm -f "$DISPLAY_FILE"; [ -n "$USER_FOLDERS" ] && rm -rf "$USER_FOLDERS"' EXIT
for _ in $(seq 200); do [ -s "$DISPLAY_FILE" ] && break; sleep 0.05; done
[ -s "$DISPLAY_FILE" ] || { echo "Xvfb did not start" >&2; exit 1; }
export DISPLAY=":$(head -n1 "$DISPLAY_FILE")"
until xdotool getdisplaygeometry >/dev/null 2>&1; do
  kill -0 "$XVFB_PID" 2>/dev/null || { echo "Xvfb ended" >&2; exit 1; }
  sleep 0.05
done
unset QT_QPA_PLATFORM WAYLAND_DISPLAY
# Pelorin's history and settings go to a folder of their own, not the user's.
USER_FOLDERS="$(mktemp -d)"
export XDG_DATA_HOME="$USER_FOLDERS/data" XDG_CONFIG_HOME="$USER_FOLDERS/config"

median() { sort -n | awk '{ v[NR] = $1 } END { if (NR % 2) print v[(NR + 1) / 2]; else print (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

status_kib() { awk -v key="$2:" '$1 == key { print $2 }' "/proc/$1/status"; }

# once PROGRAM TITLE [ARGUMENTS...]: prints "start_us rss_kib hwm_kib" for one run.
once() {
  local program="$1" title="$2" t0 t1 pid
  shift 2
  t0=$(date +%s%N)
  "$program" "$@" >/dev/null 2>"${TMPDIR:-/tmp}/measure_startup.err" &
  pid=$!
  until xdotool search --onlyvisible --name "^$title\$" >/dev/null 2>&1; do
    if ! kill -0 "$pid" 2>/dev/null; then echo "$program ended before its window showed:" >&2; cat "${TMPDIR:-/tmp}/measure_startup.err" >&2; exit 1; fi
    if [ $(( $(date +%s%N) - t0 )) -gt 20000000000 ]; then echo "no window \"$title\" after 20 s" >&2; exit 1; fi
  done
  t1=$(date +%s%N)
  sleep 0.5  # let the first paint finish before reading memory
  echo "$(( (t1 - t0) / 1000 )) $(status_kib "$pid" VmRSS) $(status_kib "$pid" VmHWM)"
  kill "$pid"
  wait "$pid" 2>/dev/null || true
}

# Warm the file cache so the first run is not the odd one out.
once "$BARE" Bare >/dev/null
once "$BARE" "Bare controls" --controls >/dev/null
once env Main LANGUAGE=en "$PELORIN" >/dev/null
once env Hauptfenster LANGUAGE=de "$PELORIN" >/dev/null

# Interleaved, so that a machine whose speed drifts slows all three alike:
# each round runs the four once, the one going first taking turns.
bare="" controls="" pelorin="" german=""
for i in $(seq "$RUNS"); do
  for turn in 0 1 2 3; do
    case $(( (i + turn) % 4 )) in
      0) bare+="$(once "$BARE" Bare)"$'\n' ;;
      1) controls+="$(once "$BARE" "Bare controls" --controls)"$'\n' ;;
      2) pelorin+="$(once env Main LANGUAGE=en "$PELORIN")"$'\n' ;;
      3) german+="$(once env Hauptfenster LANGUAGE=de "$PELORIN")"$'\n' ;;
    esac
  done
done

col() { awk -v c="$2" 'NF { print $c }' <<<"$1" | median; }
# The median of the round-by-round ratios of column c: pelorin's over the other's.
pair_ratio() { paste -d' ' <(awk -v c="$3" 'NF { print $c }' <<<"$1") <(awk -v c="$3" 'NF { print $c }' <<<"$2") |
  awk '{ print $1 / $2 }' | median | awk '{ printf "%.2f", $1 }'; }
b_start=$(col "$bare" 1); p_start=$(col "$pelorin" 1); c_start=$(col "$controls" 1)
b_rss=$(col "$bare" 2); p_rss=$(col "$pelorin" 2); c_rss=$(col "$controls" 2)
b_hwm=$(col "$bare" 3); p_hwm=$(col "$pelorin" 3); c_hwm=$(col "$controls" 3)

ms() { awk -v us="$1" 'BEGIN { printf "%.1f", us / 1000 }'; }

echo "Medians of $RUNS interleaved rounds, Xvfb display, xcb platform; ratios are medians of each round's ratio:"
echo
echo "| Measure | bare_qt_window | bare_qt_window --controls | pelorin | ratio to bare | ratio to controls |"
echo "|---|---|---|---|---|---|"
echo "| Start to window mapped (ms) | $(ms "$b_start") | $(ms "$c_start") | $(ms "$p_start") | $(pair_ratio "$pelorin" "$bare" 1) | $(pair_ratio "$pelorin" "$controls" 1) |"
echo "| VmRSS after show (KiB) | $b_rss | $c_rss | $p_rss | $(pair_ratio "$pelorin" "$bare" 2) | $(pair_ratio "$pelorin" "$controls" 2) |"
echo "| VmHWM after show (KiB) | $b_hwm | $c_hwm | $p_hwm | $(pair_ratio "$pelorin" "$bare" 3) | $(pair_ratio "$pelorin" "$controls" 3) |"
echo
echo "| Pelorin in German (LANGUAGE=de) against English (LANGUAGE=en) | English | German | ratio |"
echo "|---|---|---|---|"
echo "| Start to window mapped (ms) | $(ms "$p_start") | $(ms "$(col "$german" 1)") | $(pair_ratio "$german" "$pelorin" 1) |"
echo "| VmRSS after show (KiB) | $p_rss | $(col "$german" 2) | $(pair_ratio "$german" "$pelorin" 2) |"
[ -n "${SKIP_PER_OPEN:-}" ] && exit 0

# One more open picture, with real X windows: RSS after 100 more Opens minus
# before, divided by 100.
per_open=$(QT_QPA_PLATFORM=xcb "$BENCH" --benchmark_filter='BM_MemoryPerOpen' --benchmark_format=json 2>/dev/null |
  awk -F': ' '/"KiB_per_open"/ { gsub(/[ ,]/, "", $2); print $2 }')
echo "| Resident memory per open picture (KiB, xcb) | | | $(printf "%.1f" "$per_open") | | |"
