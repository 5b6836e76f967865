#!/usr/bin/env bash
# The family tree end to end: the real pelorin program in a private X server,
# driven with xdotool. Breeds three generations, opens the family tree from
# the youngest picture's window with Ctrl+T, finds each ancestor's picture in
# the tree window's pixels (and not a stranger's), then closes an ancestor
# and reopens it from the tree with Enter.
#
#   pelorin_family_tree_e2e.sh PELORIN_EXECUTABLE
#
# FIND_IN_IMAGE names the helper that finds a picture inside a screenshot.
# Exit 0: passed; 77: a tool is missing (skipped); anything else: failed.
# On failure (or with PELORIN_E2E_KEEP set) the working folder with its
# screenshots is kept and named.
set -euo pipefail

E2E_NAME=pelorin-family-tree-e2e
source "$(dirname "$0")/e2e_common.sh"

FIND="${FIND_IN_IMAGE:?FIND_IN_IMAGE names the find_in_image helper}"
TREE_X=10; TREE_Y=560  # below the two rows of picture windows
# A cell's picture is its window's at half size: where it stands the mean
# difference is about 0 (the same smoothing), a stranger leaves 3 and more
# even on blank paper.
FOUND_BELOW=1

# ===========================================================================
cd "$RUN"

# find_picture SHOT N: sets FX FY (in SHOT) and FD, where picture N stands best.
find_picture() {
  read -r FX FY FD < <("$FIND" "$SHOTS/$1.png" "$SHOTS/pic$2-draw.png" 0.5)
}
found() { awk -v d="$1" -v limit="$FOUND_BELOW" 'BEGIN { exit !(d < limit) }'; }
# tree_shows_family: pictures 0 to 4 stand in the tree, shot anew and the same
# as the shot before (a scroll bar that comes after the first paint moves every
# cell); sets CELL_X and CELL_Y, or n to the first picture missing.
tree_shows_family() {
  [ -f "$SHOTS/tree.png" ] && mv "$SHOTS/tree.png" "$SHOTS/tree-before.png"
  shot "$TREE" tree
  n=settled
  [ -f "$SHOTS/tree-before.png" ] || return 1
  [ "$(pixel_difference "$SHOTS/tree-before.png" "$SHOTS/tree.png")" = 0 ] || return 1
  for n in 0 1 2 3 4; do
    find_picture tree "$n"
    found "$FD" || return 1
    CELL_X[$n]=$FX CELL_Y[$n]=$FY
  done
}
# cell_dimmed N: picture N's cell with its number, shot anew, differs from the
# first tree shot in more than a few pixels.
cell_dimmed() {
  local area="70x80+$((CELL_X[$1] - 6))+$((CELL_Y[$1] - 2))"
  shot "$TREE" tree-closed
  crop "$SHOTS/tree.png" "$SHOTS/cell$1-open.png" "$area"
  crop "$SHOTS/tree-closed.png" "$SHOTS/cell$1-closed.png" "$area"
  [ "$(pixel_difference "$SHOTS/cell$1-open.png" "$SHOTS/cell$1-closed.png")" -gt 50 ]
}
# shown_in_place N: picture N stands undimmed in its first place, shot anew.
shown_in_place() {
  shot "$TREE" tree-reopened
  find_picture tree-reopened "$1"
  found "$FD" && [ "$FX,$FY" = "${CELL_X[$1]},${CELL_Y[$1]}" ]
}

start_program family.log

step "breed three generations: 0 and 1 read from a file, 2 and 3 bred from them, 4 from 2 and 3; 5 read again"
# At a low rate every picture stays near the seed's spiral, so none is blank,
# yet each differs from the seed and from the others.
write_seed_file seed.gcf
set_rate "0.1"
set_name "seed.gcf"
for n in 0 1; do
  press_open
  P[$n]="$(picture_window "$n")"
done
set_name ""
tick_parent "${P[0]}"
tick_parent "${P[1]}"
for n in 2 3; do
  press_open
  P[$n]="$(picture_window "$n")"
done
tick_parent "${P[0]}"
tick_parent "${P[1]}"
tick_parent "${P[2]}"
tick_parent "${P[3]}"
press_open
P[4]="$(picture_window 4)"
tick_parent "${P[2]}"
tick_parent "${P[3]}"
# A stranger, no relative: the seed itself, read at rate 0.
set_rate "0"
set_name "seed.gcf"
press_open
P[5]="$(picture_window 5)"
for n in 0 1 2 3 4 5; do capture_picture "${P[$n]}" "pic$n"; done

step "Ctrl+T in picture 4's window opens its family tree"
pic_origin "${P[4]}"
click_at $((PX + 150)) $((PY + 140))  # the window's blank corner: the keyboard goes to it
sleep 0.2
xdotool key --clearmodifiers ctrl+t
TREE="$(wait_window "Family tree of picture 4")"
move_to "$TREE" "$TREE_X" "$TREE_Y"
xdotool windowsize --sync "$TREE" 1000 440 2>/dev/null || xdotool windowsize "$TREE" 1000 440

step "each ancestor's picture stands in the tree window's pixels; the stranger's does not"
# Laid out off the interface thread, then painted: a busy machine takes longer.
poll 10 tree_shows_family ||
  if [ "$n" = settled ]; then fail "the family tree keeps changing"; else
    fail "picture $n is not in the family tree (best place $FX,$FY differs by $FD)"; fi
find_picture tree 5
! found "$FD" || fail "picture 5, no relative, stands in the tree at $FX,$FY (difference $FD)"
# Parents stand above their children.
for parent in 0 1; do
  for child in 2 3; do
    [ "${CELL_Y[$parent]}" -lt "${CELL_Y[$child]}" ] || fail "picture $parent does not stand above $child"
  done
done
[ "${CELL_Y[2]}" -lt "${CELL_Y[4]}" ] || fail "picture 2 does not stand above 4"

step "close picture 0: the tree dims it; Enter on its cell reopens it"
press_done "${P[0]}"
wait_gone 0
# The tree reads the family again off the interface thread. A nearly blank
# picture dimmed still matches itself closely, so look for the change in its
# cell (paper, lines and number) instead.
poll 10 cell_dimmed 0 || fail "closed picture 0 is not dimmed in the tree"
sleep 1  # a later reading of the family may still come and set the current cell
click_at $((TREE_X + CELL_X[0] + 28)) $((TREE_Y + CELL_Y[0] + 26))
sleep 0.2
xdotool key --clearmodifiers Return
P[0]="$(picture_window 0)"
capture_picture "${P[0]}" reopened0
same_picture pic0 reopened0
poll 10 shown_in_place 0 ||
  fail "reopened picture 0 is not shown in its place in the tree (best place $FX,$FY differs by $FD)"

exit_program
echo "PASS"
