#!/usr/bin/env bash
# Start-to-exit time of the command-line programs: one pelorin-render of a
# genetic code file at scale 1 and one pelorin-breed of two parents, each
# RUNS times (after a warm-up run) under /usr/bin/time, with no display and
# no Qt platform named. Prints the medians: wall time from before the start
# to after the exit (read from the nanosecond clock around /usr/bin/time, so
# it includes starting time itself; time's own figures are in steps of
# 10 ms) and maximum resident memory. /bin/true, timed the same way, shows what any process
# costs on this machine.
#
#   bench/measure_cli.sh [BUILD_DIR] [RUNS]
#
# Needs a Release build (scripts/test makes one) and GNU time (/usr/bin/time).
set -euo pipefail

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BUILD="$(cd "${1:-$ROOT/build}" && pwd)"
RUNS="${2:-50}"
RENDER="$BUILD/src/cli/pelorin-render"
BREED="$BUILD/src/cli/pelorin-breed"
for program in "$RENDER" "$BREED"; do
  [ -x "$program" ] || { echo "missing $program: build first (scripts/test)" >&2; exit 2; }
done
[ -x /usr/bin/time ] || { echo "missing /usr/bin/time (Debian package time)" >&2; exit 2; }
unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM

WORK="$(mktemp -d)"
trap 'rm -rf "$WORK"' EXIT
cd "$WORK"
"$BREED" --seed 1 -o mother.txt
"$BREED" --seed 2 -o father.txt
"$BREED" --seed 3 -o picture.txt mother.txt father.txt

median() { sort -n | awk '{ v[NR] = $1 } END { if (NR % 2) print v[(NR + 1) / 2]; else print (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

# measure COMMAND...: prints "wall_us rss_kib" once per run.
measure() {
  local i t0 t1
  "$@" >/dev/null  # warm the file cache
  for i in $(seq "$RUNS"); do
    t0=$(date +%s%N)
    /usr/bin/time -o time.out -f '%M' "$@" >/dev/null
    t1=$(date +%s%N)
    echo "$(( (t1 - t0) / 1000 )) $(cat time.out)"
  done
}

col() { awk -v c="$2" '{ print $c }' <<<"$1" | median; }
ms() { awk -v us="$1" 'BEGIN { printf "%.1f", us / 1000 }'; }

render=$(measure "$RENDER" picture.txt picture.png)
breed=$(measure "$BREED" --rate 0.05 -o child.txt mother.txt father.txt)
true_=$(measure /bin/true)

echo "Medians of $RUNS runs each, no display:"
echo
echo "| Run | Start to exit (ms) | Max RSS (KiB) |"
echo "|---|---|---|"
echo "| \`pelorin-render\` of one file at scale 1 | $(ms "$(col "$render" 1)") | $(col "$render" 2) |"
echo "| \`pelorin-breed\` of two parents | $(ms "$(col "$breed" 1)") | $(col "$breed" 2) |"
echo "| \`/bin/true\` | $(ms "$(col "$true_" 1)") | $(col "$true_" 2) |"
