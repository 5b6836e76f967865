#!/usr/bin/env bash
# The history end to end: the real pelorin program in a private X server,
# driven with xdotool. Opens pictures, ticks one, closes one, kills the
# program with SIGKILL, starts it again and resumes the run: every open
# picture is back with its number, pixels and tick, the closed one reopens
# with Ctrl+Shift+T, and the history file passes PRAGMA integrity_check.
#
#   pelorin_history_e2e.sh PELORIN_EXECUTABLE
#
# Exit 0: passed; 77: a tool is missing (skipped); anything else: failed.
# On failure (or with PELORIN_E2E_KEEP set) the working folder with its
# screenshots is kept and named.
set -euo pipefail

E2E_NAME=pelorin-history-e2e E2E_EXTRA_TOOLS=sqlite3
source "$(dirname "$0")/e2e_common.sh"

HISTORY="$XDG_DATA_HOME/pelorin/history.sqlite"

# ===========================================================================
cd "$RUN"

# Sends KEY to the main window, with the keyboard given to it first.
main_key() {
  main_geometry
  click_at $((MX + 40)) $((MCY + 12))
  sleep 0.2
  xdotool key --clearmodifiers "$1"
}
integrity() { sqlite3 "$HISTORY" 'PRAGMA integrity_check'; }
parent_box() { shot "$1" "$2-window" && crop "$SHOTS/$2-window.png" "$SHOTS/$2.png" "73x25+16+80"; }
same_box() {
  local d
  d="$(pixel_difference "$SHOTS/$1.png" "$SHOTS/$2.png")"
  [ "$d" = 0 ] || fail "Parent boxes $1 and $2 differ in $d pixels"
}

step "start the program: the history file is made"
start_program pelorin-1.log
poll 10 test -s "$HISTORY" || fail "no history file at $HISTORY"

step "open pictures 0 to 3, tick 1, close 2"
write_seed_file seed.gcf
set_rate "0"
set_name "seed.gcf"
press_open
P0="$(picture_window 0)"
capture_picture "$P0" before0
parent_box "$P0" box0-clear
tick_parent "$P0"
sleep 0.3
set_name ""
set_rate "0.2"
press_open
P1="$(picture_window 1)"
capture_settled "$P1" before1
press_open
P2="$(picture_window 2)"
capture_settled "$P2" before2
tick_parent "$P0"   # cleared again
sleep 0.3
parent_box "$P0" box0-before
same_box box0-clear box0-before
tick_parent "$P1"
sleep 0.3
parent_box "$P1" box1-before
set_rate "1"
press_open
P3="$(picture_window 3)"
capture_settled "$P3" before3
press_done "$P2"
wait_gone 2
# Each window has come to rest (its place is recorded a moment later).
sleep 1

step "kill the program with SIGKILL"
kill -KILL "$APP"
wait "$APP" 2>/dev/null || true
APP=""
[ "$(integrity)" = ok ] || fail "integrity_check after the kill: $(integrity)"
[ "$(sqlite3 "$HISTORY" 'SELECT count(*) FROM run WHERE ended_ms IS NULL')" = 1 ] ||
  fail "the killed run is not left without an end"

step "start again and resume: pictures 0, 1 and 3 come back as they were"
start_program pelorin-2.log
sleep 1
has_window 0 && fail "a picture came back before Resume"
main_key ctrl+shift+r
for n in 0 1 3; do
  id="$(wait_window "$n")"
  at_position "$id" "$(slot_x "$n")" "$(slot_y "$n")" || fail "picture $n did not come back to its place"
  if [ "$n" = 0 ]; then capture_picture "$id" after0; else capture_settled "$id" "after$n"; fi
  same_picture "before$n" "after$n"
  eval "R$n=$id"
done
has_window 2 && fail "the closed picture 2 came back with the run"
parent_box "$R0" box0-after
parent_box "$R1" box1-after
same_box box0-before box0-after
same_box box1-before box1-after

step "Ctrl+Shift+T reopens picture 2 where it was"
main_key ctrl+shift+t
R2="$(wait_window 2)"
at_position "$R2" "$(slot_x 2)" "$(slot_y 2)" || fail "picture 2 did not come back to its place"
capture_settled "$R2" after2
same_picture before2 after2

step "numbering goes on: Open makes picture 4, bred from the ticked picture 1"
set_rate "0"
press_open
P4="$(picture_window 4)"
capture_settled "$P4" after4
same_picture before1 after4

step "exit: the run ends cleanly and the history is sound"
exit_program
[ "$(integrity)" = ok ] || fail "integrity_check after Exit: $(integrity)"
[ "$(sqlite3 "$HISTORY" 'SELECT count(*) FROM run WHERE ended_ms IS NOT NULL')" = 1 ] ||
  fail "the resumed run did not end cleanly"
[ "$(sqlite3 "$HISTORY" 'SELECT count(*) FROM picture')" = 5 ] || fail "the history does not hold pictures 0 to 4 once each"

step "done"
echo "PASS"
