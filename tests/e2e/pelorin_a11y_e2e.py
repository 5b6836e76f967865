"""The board, the History window and the family tree as a screen reader
walks them, run by pelorin_a11y_e2e.sh inside its X server and D-Bus session:

  pelorin_a11y_e2e.py WORK PELORIN [--walk N]
"""

import os
import re
import sys
import time

import pyatspi

from atspi_driver import Failed, Pelorin, act, checked, nodes, run_steps, wait_for

WORK, PELORIN = sys.argv[1:3]
RUN = os.path.join(WORK, "run")
LOG = open(os.path.join(WORK, "pelorin.log"), "a")

program = None


def children(node):
    return [node.getChildAtIndex(i) for i in range(node.childCount)]


def cells(window, name, count):
    """The cells of the list named name in window, once there are count."""
    view = program.control(window, "list", name)
    return wait_for(f"{count} cells in {window}'s {name!r}", lambda: view.childCount == count and children(view))


def check_cells(found, names):
    """Each cell a list item with its name and its origin line as description."""
    for cell, name in zip(found, names):
        number = name.split()[1]
        if cell.getRoleName() != "list item" or cell.name != name:
            raise Failed(f"a {cell.getRoleName()} {cell.name!r} where list item {name!r} was expected")
        if not re.match(f"Picture {number}: ", cell.description):
            raise Failed(f"{name} is described {cell.description!r}, not by its origin line")


def open_three():
    global program
    program = Pelorin(PELORIN, RUN, LOG)
    program.type_into("Main", "Mutation Rate", "0.5")
    for title in ("0", "1", "2"):
        program.press("Main", "Open")
        program.wait_window(title)


def board():
    program.menu("Board")
    program.wait_window("Board")
    found = cells("Board", "Open pictures", 3)
    check_cells(found, ["Picture 0", "Picture 1", "Picture 2"])
    if found[0].description != "Picture 0: random":
        raise Failed(f"picture 0 is described {found[0].description!r}")
    act(found[1], "Toggle")
    wait_for("picture 1's Parent box is ticked", lambda: checked(program.control("1", "check box", "Parent")))
    wait_for("its cell is checked", lambda: checked(cells("Board", "Open pictures", 3)[1]))


def history():
    program.menu("History")
    program.wait_window("History")
    check_cells(cells("History", "Pictures of the chosen run", 3), ["Picture 0", "Picture 1", "Picture 2"])
    named = {node.name for node in nodes(program.window("History"))}
    for name in ("Runs", "Keep history", "Resume", "Forget Run"):
        if name not in named:
            raise Failed(f"the History window has nothing named {name!r}")


def family_tree():
    program.press("Main", "Open")  # bred from picture 1, the one ticked
    program.wait_window("3")
    act(program.control("3", "image", "Picture 3"), "Family Tree")
    program.wait_window("Family tree of picture 3")
    tree = cells("Family tree of picture 3", "Family tree", 2)
    child = next(c for c in tree if c.name == "Picture 3")
    if not child.description.startswith("Picture 3: bred from 1"):
        raise Failed(f"picture 3 is described {child.description!r}")
    link = next((l for l in children(child) if l.name == "Parent: Picture 1"), None)
    if link is None:
        raise Failed(f"picture 3 leads to {[l.name for l in children(child)]}, not to its parent 1")
    act(link, "Press")
    parent = next(c for c in tree if c.name == "Picture 1")
    wait_for("the parent's cell is current", lambda: parent.getState().contains(pyatspi.STATE_SELECTED))
    if "Child: Picture 3" not in [l.name for l in children(parent)]:
        raise Failed("picture 1 does not lead back to its child 3")


def close():
    program.close()


def walk(count):
    """Opens count pictures, then times a walk of the board's cells."""
    global program
    program = Pelorin(PELORIN, RUN, LOG)
    program.type_into("Main", "Mutation Rate", "0.5")
    button = program.control("Main", "push button", "Open")
    began = time.monotonic()
    for n in range(count):
        act(button, "Press")
        # Each Open waited for: a press that comes while one runs is lost.
        wait_for(f"picture {n} opens", lambda: program.app.childCount > n + 1, 30)
    print(f"{count} opened in {time.monotonic() - began:.1f} s", flush=True)
    program.menu("Board")
    program.wait_window("Board", 60)
    view = program.control("Board", "list", "Open pictures")
    print("cells now", view.childCount, flush=True)
    wait_for(f"{count} cells", lambda: view.childCount == count, 30)
    start = time.monotonic()
    said = [(c.name, c.description, c.getState().contains(pyatspi.STATE_CHECKED)) for c in children(view)]
    took = time.monotonic() - start
    print(f"walked {len(said)} cells (name, description, state) in {took:.3f} s", flush=True)
    program.kill()


if len(sys.argv) > 4 and sys.argv[3] == "--walk":
    walk(int(sys.argv[4]))
else:
    run_steps([
        ("open three pictures", open_three),
        ("the board's cells, one ticked by its action", board),
        ("the History window's cells and controls", history),
        ("a family tree, a parent found from its child", family_tree),
        ("File > Exit", close),
    ])
