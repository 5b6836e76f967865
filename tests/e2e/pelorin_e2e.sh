#!/usr/bin/env bash
# Drives the real pelorin program in a private X server as a person would:
# typing, clicking and the File menu, through xdotool. Checks the files it
# writes and the pixels it shows (ImageMagick).
#
#   pelorin_e2e.sh PELORIN_EXECUTABLE
#
# Exit 0: passed; 77: a tool is missing (skipped); anything else: failed.
# On failure (or with PELORIN_E2E_KEEP set) the working folder with its
# screenshots is kept and named.
set -euo pipefail

source "$(dirname "$0")/e2e_common.sh"

# ===========================================================================
cd "$RUN"
step "start the program"
start_program pelorin.log
shot "$MAIN" main-start

# ---------------------------------------------------------------------------
step "a rate that is not a number shows ErrorMR and makes no picture"
set_rate "abc"
press_open
ERR="$(wait_window ErrorMR)"
move_to "$ERR" 560 140
sleep 0.3
shot "$ERR" errormr
# The text row (lblText 120,120 2775x375) carries dark text on the light face.
crop "$SHOTS/errormr.png" "$SHOTS/errormr-text.png" "185x25+8+8"
dark="$(convert "$SHOTS/errormr-text.png" -colorspace gray -threshold 50% -format '%[fx:int(w*h*(1-mean)+0.5)]' info:)"
[ "$dark" -ge 40 ] || fail "ErrorMR shows no text ($dark dark pixels)"
expect_text errormr "The Mutation Rate must be a number."
sleep 0.5
has_window 0 && fail "a picture window opened for a rate that is not a number"
# OK (960,720 1095x375) hides it.
geometry_err() { local X Y WIDTH HEIGHT; geometry "$ERR"; EX=$X; EY=$Y; }
geometry_err
click_at $((EX + 100)) $((EY + 60))
wait_gone ErrorMR

# ---------------------------------------------------------------------------
step "open a hand-made genetic code at rate 0: picture 0 shows it"
write_seed_file seed.gcf
check_code_file seed.gcf
set_rate "0"
set_name "seed.gcf"
press_open
P0="$(picture_window 0)"
capture_picture "$P0" pic0
save_as "$P0" "pic0.gcf"
check_code_file pic0.gcf
has_window Pelorin && fail "saving showed a message"
cmp -s seed.gcf pic0.gcf || fail "picture 0 read at rate 0 saved a different genetic code"

# ---------------------------------------------------------------------------
step "tick Parent on picture 0; picture 1, bred from it at rate 0, looks the same"
shot "$P0" pic0-before-tick
tick_parent "$P0"
sleep 0.3
shot "$P0" pic0-ticked
crop "$SHOTS/pic0-before-tick.png" "$SHOTS/box-before.png" "73x25+16+80"
crop "$SHOTS/pic0-ticked.png" "$SHOTS/box-after.png" "73x25+16+80"
[ "$(pixel_difference "$SHOTS/box-before.png" "$SHOTS/box-after.png")" != 0 ] || fail "the Parent box did not change"
set_name ""
press_open
P1="$(picture_window 1)"
capture_picture "$P1" pic1
same_picture pic0 pic1

# ---------------------------------------------------------------------------
step "a random picture at rate 1, saved and reopened by name at rate 0, looks the same"
set_rate "1"
press_open
P2="$(picture_window 2)"
# A random path may well leave the drawing area: blank is allowed here.
capture_settled "$P2" pic2
save_as "$P2" "rand.gcf"
check_code_file rand.gcf
cmp -s seed.gcf rand.gcf && fail "at rate 1 the parent was copied"
set_rate "0"
set_name "rand.gcf"
press_open
P3="$(picture_window 3)"
capture_settled "$P3" pic3
same_picture pic2 pic3
save_as "$P3" "rand3.gcf"
cmp -s rand.gcf rand3.gcf || fail "picture 3 reopened at rate 0 saved a different genetic code"

# ---------------------------------------------------------------------------
step "saving into a missing folder shows a message and creates nothing"
before="$(listing)"
set_pic_name "$P3" "nofolder/lost.gcf"
press_save "$P3"
expect_message message-save "File access error in nofolder/lost.gcf"
[ -e nofolder ] && fail "saving into a missing folder created it"
[ "$(listing)" = "$before" ] || fail "saving into a missing folder changed the working folder"
# The message is modal: Enter presses its OK button.
xdotool key Return
wait_gone Pelorin
# The program goes on: Save to a good name works.
save_as "$P3" "again.gcf"
cmp -s rand.gcf again.gcf || fail "again.gcf differs from rand.gcf"

# ---------------------------------------------------------------------------
step "a truncated genetic code file fails with a message, and the next Open works"
# 100 lines: the file ends after half of record 12.
head -n 100 pic0.gcf > trunc.gcf
set_name "trunc.gcf"
press_open
expect_message message-trunc "Input past end of file in line 101 of trunc.gcf: Draw of gene 12"
xdotool key Return
wait_gone Pelorin
# The failed picture kept its number and window; the next one takes 5.
picture_window 4 >/dev/null
set_name "seed.gcf"
press_open
P5="$(picture_window 5)"
capture_picture "$P5" pic5
same_picture pic0 pic5

# ---------------------------------------------------------------------------
step "the board: tick parents there, open a child from it and see its cell"
# The Parent box of window $1 into $2.png.
parent_box() { shot "$1" "$2-window" && crop "$SHOTS/$2-window.png" "$SHOTS/$2.png" "73x25+16+80"; }
parent_box "$P0" board-box0-before
parent_box "$P1" board-box1-before
parent_box "$P5" board-box5-before
set_name ""
main_geometry
click_at $((MX + 40)) $((MCY + 12))
sleep 0.2
xdotool key --clearmodifiers ctrl+b
BOARD="$(wait_window Board)"
move_to "$BOARD" 10 560
xdotool windowsize --sync "$BOARD" 800 440 2>/dev/null || xdotool windowsize "$BOARD" 800 440
sleep 0.3
# Cells 0 1 2 3 5 (picture 4 failed, so it has none) in one row; the keys
# act on the cells: clear 0, tick 1 and the last one, 5.
pic_origin "$BOARD"
click_at $((PX + 780)) $((PY + 420))
sleep 0.2
xdotool key --clearmodifiers space Right space End space
sleep 0.3
parent_box "$P0" board-box0-after
parent_box "$P1" board-box1-after
parent_box "$P5" board-box5-after
[ "$(pixel_difference "$SHOTS/board-box0-after.png" "$SHOTS/box-before.png")" = 0 ] ||
  fail "clearing cell 0 on the board left picture 0's Parent box ticked"
for n in 1 5; do
  [ "$(pixel_difference "$SHOTS/board-box$n-before.png" "$SHOTS/board-box$n-after.png")" != 0 ] ||
    fail "ticking cell $n on the board did not tick picture $n's Parent box"
done
shot "$BOARD" board-before
# Both parents carry the spiral: at rate 0 the child is the spiral too.
xdotool key --clearmodifiers ctrl+o
P6="$(picture_window 6)"
capture_picture "$P6" pic6
same_picture pic0 pic6
sleep 0.3
shot "$BOARD" board-after
# Only the new cell changed; inside its frame it shows the child's picture.
box="$(convert "$SHOTS/board-before.png" "$SHOTS/board-after.png" -compose difference -composite -format '%@' info:)"
bx="$(echo "$box" | sed 's/^[0-9]*x[0-9]*+\([0-9]*\)+[0-9]*$/\1/')"
by="$(echo "$box" | sed 's/^[0-9]*x[0-9]*+[0-9]*+\([0-9]*\)$/\1/')"
bw="${box%%x*}"
[ "$bw" -ge 113 ] && [ "$bw" -le 125 ] || fail "the board changed in $box, not in one new cell"
crop "$SHOTS/board-after.png" "$SHOTS/board-cell6-draw.png" "113x105+$((bx + 1))+$((by + 1))"
same_picture board-cell6 pic6

# ---------------------------------------------------------------------------
step "Done closes picture 1"
press_done "$P1"
wait_gone 1
has_window 0 || fail "Done in picture 1 closed picture 0"

# ---------------------------------------------------------------------------
step "picture 2 exported as PNG carries its genetic code: opened by name at rate 0, a twin"
pic_origin "$P2"
# Into the window's name box, then Tab out of it: a line edit takes Ctrl+E
# for the end of its line.
click_at $((PX + 150)) $((PY + 132))
sleep 0.2
xdotool key --clearmodifiers Tab
sleep 0.2
xdotool key --clearmodifiers ctrl+e
wait_window "Export Image" >/dev/null
sleep 0.3
# The file name box has the keyboard; the first filter is PNG at 1x.
xdotool key --clearmodifiers ctrl+a
xdotool type --delay 20 -- "$RUN/exported.png"
xdotool key --clearmodifiers Return
poll 10 test -s exported.png || fail "exported.png was not written"
wait_gone "Export Image"
set_name "exported.png"
press_open
P7="$(picture_window 7)"
capture_settled "$P7" pic7
same_picture pic2 pic7
has_window Pelorin && fail "opening exported.png showed a message"
save_as "$P7" "twin7.gcf"
cmp -s rand.gcf twin7.gcf || fail "the twin read from exported.png saved a different genetic code"

# ---------------------------------------------------------------------------
step "picture 2 dragged from its window onto the main window: at rate 0, its twin"
pic_origin "$P2"
main_geometry
xdotool mousemove --sync $((PX + 150)) $((PY + 60)) mousedown 1
for step in 1 2 3 4 5 6 7 8; do
  xdotool mousemove --sync $((PX + 150 + (MX + 90 - PX - 150) * step / 8)) $((PY + 60 + (MCY + 40 - PY - 60) * step / 8))
  sleep 0.1
done
xdotool mouseup 1
P8="$(picture_window 8)"
capture_settled "$P8" pic8
same_picture pic2 pic8
has_window Pelorin && fail "the drop showed a message"

# ---------------------------------------------------------------------------
step "File > Exit ends the program with windows open"
has_window 0 && has_window 3 && has_window 5 || fail "picture windows are missing before Exit"
exit_program

# ---------------------------------------------------------------------------
step "under German number settings a file written with '.' opens as the same picture"
# Qt takes the number settings from LANG and LC_ALL, generated or not.
start_program pelorin-de.log LANG=de_DE.UTF-8 LC_ALL=de_DE.UTF-8
set_rate "0,0"
set_name "seed.gcf"
press_open
D0="$(picture_window 0)"
capture_picture "$D0" de0
same_picture pic0 de0
has_window Pelorin && fail "opening seed.gcf under de_DE showed a message"
# Saved again, the same numbers with the German decimal separator.
save_as "$D0" "de0.gcf"
tr . , < seed.gcf | cmp -s - de0.gcf || fail "de0.gcf is not seed.gcf with decimal commas"
exit_program

# ---------------------------------------------------------------------------
step "under LANGUAGE=de the windows and the menus speak German"
MAIN_TITLE=Hauptfenster start_program pelorin-lang.log LANGUAGE=de
shot "$MAIN" main-de
# The menu bar: the window's rows above its client area.
main_geometry
geometry "$MAIN"
crop "$SHOTS/main-de.png" "$SHOTS/main-de-menu.png" "${WIDTH}x$((HEIGHT - MAIN_CLIENT_H))+0+0"
expect_text main-de-menu "Datei"
# Datei > Beenden
EXIT_KEYS="alt+d b" exit_program

step "done"
echo "PASS"
