"""The end-to-end tests under weston, run by pelorin_wayland_e2e.sh inside
its D-Bus session and compositor:

  pelorin_wayland_e2e.py wayland|xwayland WORK PELORIN PELORIN_RENDER FIND_IN_IMAGE

wayland: native, on QT_QPA_PLATFORM=wayland every feature a pointerless client can
reach works, and the history records no window place. xwayland: with no
platform chosen Pelorin runs on xcb, where a recorded place comes back.
"""

import glob
import os
import re
import subprocess
import sys
import time

from atspi_driver import Failed, Pelorin, act, checked, find, run_steps, wait_for

MODE, WORK, PELORIN, RENDER, FIND = sys.argv[1:6]
RUN = os.path.join(WORK, "run")
SHOTS = os.path.join(WORK, "shots")
HISTORY = os.path.join(os.environ["XDG_DATA_HOME"], "pelorin", "history.sqlite")
LOG = open(os.path.join(WORK, "pelorin.log"), "a")
MOVED = 3  # the history's event kind for a moved window

program = None


def start(env):
    global program
    program = Pelorin(PELORIN, RUN, LOG, env)


def sql(query):
    return subprocess.run(["sqlite3", HISTORY, query], capture_output=True, text=True, check=True).stdout.strip()


def screenshot(name):
    """The whole screen into SHOTS/name.png, by weston's screenshooter."""
    for old in glob.glob(os.path.join(SHOTS, "wayland-screenshot-*.png")):
        os.remove(old)
    subprocess.run(["weston-screenshooter"], cwd=SHOTS, check=True, timeout=30)
    taken = wait_for("the screenshot is written", lambda: glob.glob(os.path.join(SHOTS, "wayland-screenshot-*.png")))
    time.sleep(0.2)  # written whole
    os.replace(taken[0], os.path.join(SHOTS, name + ".png"))


def picture_on_screen(code_file, shot):
    """Fails unless the picture of code_file, drawn afresh at the screen's
    scale of 2 as its window draws it, stands pixel for pixel in a fresh
    screenshot: crisp, not a 1x drawing scaled up."""
    drawn = os.path.join(SHOTS, os.path.basename(code_file) + ".png")
    subprocess.run([RENDER, "--scale", "2", code_file, drawn], check=True)
    for attempt in range(10):  # a window still being painted
        screenshot(shot)
        x, y, _ = subprocess.run([FIND, os.path.join(SHOTS, shot + ".png"), drawn, "1", "exact"], check=True,
                                 capture_output=True, text=True).stdout.split()
        if x != "-1":
            return
        time.sleep(0.5)
    raise Failed(f"the picture of {code_file} is not on the screen pixel for pixel")


def parent_box(title):
    return program.control(title, "check box", "Parent")


# --- native Wayland --------------------------------------------------------
def native_open_two():
    start({"QT_QPA_PLATFORM": "wayland"})
    program.type_into("Main", "Mutation Rate", "0.5")
    for title in ("0", "1"):
        program.press("Main", "Open")
        program.wait_window(title)


def native_breed():
    for title in ("0", "1"):
        act(parent_box(title), "Toggle")
        wait_for(f"picture {title}'s Parent box is ticked", lambda: checked(parent_box(title)))
    program.press("Main", "Open")
    program.wait_window("2")
    parents = wait_for("the history records picture 2's parents", lambda: sql(
        "SELECT group_concat(p.number) FROM parent p JOIN picture c ON p.child = c.id WHERE c.number = 2"))
    if sorted(parents.split(",")) != ["0", "1"]:
        raise Failed(f"picture 2 was bred from {parents}, not from 0 and 1")


def native_save():
    program.type_into("2", "Name", "child.gcf")
    program.press("2", "Save")
    saved = os.path.join(RUN, "child.gcf")
    wait_for("child.gcf is written", lambda: os.path.getsize(saved) > 0)
    act(program.control("2", "image", "Picture 2"), "Export Image")
    exported = os.path.join(RUN, "child.png")
    program.type_into("Export Image", "File name:", exported)
    program.press("Export Image", "Save")
    wait_for("child.png is written", lambda: os.path.getsize(exported) > 0)
    picture_on_screen(exported, "child")  # drawn from the code it carries


def native_windows():
    program.menu("Board")
    program.wait_window("Board")
    picture = program.control("2", "image", "Picture 2")
    act(picture, "Genetic Code")
    wait_for("picture 2's genetic code is shown", lambda: find(program.app, "table", "Genetic code of picture 2"))
    program.menu("History")
    program.wait_window("History")
    act(picture, "Family Tree")
    program.wait_window("Family tree of picture 2")
    program.menu("About Pelorin")
    program.press("About Pelorin", "Ok")
    program.wait_gone("About Pelorin")


def native_close_and_reopen():
    program.press("1", "Done")
    program.wait_gone("1")
    program.menu("Reopen Closed Picture")
    program.wait_window("1")


def native_resume():
    ticked = sql("SELECT group_concat(number) FROM picture WHERE ticked ORDER BY number")
    if ticked != "0":  # 0 stays a parent; 1 lost its tick when it closed
        raise Failed(f"the history holds pictures {ticked!r} ticked, not 0")
    program.kill()
    # A place the run would have recorded on X11: Wayland cannot honour it.
    sql("UPDATE picture SET x = 300, y = 400 WHERE number = 0")
    start({"QT_QPA_PLATFORM": "wayland"})
    program.menu("Resume Last Run")
    for title in ("0", "1", "2"):
        program.wait_window(title)
    back = ",".join(t for t in ("0", "1", "2") if checked(parent_box(t)))
    if back != ticked:
        raise Failed(f"ticked before the kill: {ticked}; after Resume: {back}")
    picture_on_screen(os.path.join(RUN, "child.png"), "resumed")


def native_no_places():
    program.close()
    if sql("PRAGMA integrity_check") != "ok":
        raise Failed("the history fails its integrity check")
    moved = sql(f"SELECT count(*) FROM event WHERE kind = {MOVED}")
    placed = sql("SELECT group_concat(number) FROM picture WHERE x IS NOT NULL AND number <> 0")
    if moved != "0" or placed:
        raise Failed(f"the history claims places on Wayland: {moved} moves, places of pictures {placed}")


# --- XWayland --------------------------------------------------------------
def client_position(title):
    """Where the X window with this title stands on XWayland's screen."""
    shown = subprocess.run(["xwininfo", "-name", title], capture_output=True, text=True).stdout
    x = re.search(r"Absolute upper-left X:\s*(-?\d+)", shown)
    y = re.search(r"Absolute upper-left Y:\s*(-?\d+)", shown)
    return (int(x.group(1)), int(y.group(1))) if x and y else None


def xwayland_runs_on_xcb():
    start({})  # WAYLAND_DISPLAY and DISPLAY set, no platform chosen
    for title in ("0", "1"):
        program.press("Main", "Open")
        program.wait_window(title)
        wait_for(f"picture {title} is an X window on XWayland", lambda: client_position(title))


def xwayland_places_come_back():
    program.kill()
    sql("UPDATE picture SET x = 300, y = 400 WHERE number = 0")
    sql("UPDATE picture SET x = 500, y = 200 WHERE number = 1")
    start({})
    program.menu("Resume Last Run")
    # The compositor's frame may lie around a window: the places' difference is exact.
    def apart():
        first, second = client_position("0"), client_position("1")
        return first and second and (second[0] - first[0], second[1] - first[1]) == (200, -200)
    try:
        wait_for("pictures 0 and 1 stand at their recorded places", apart)
    except Failed:
        raise Failed(f"recorded at (300,400) and (500,200), they stand at {client_position('0')} and "
                     f"{client_position('1')}")
    program.close()


STEPS = {
    "wayland": [
        ("natively on Wayland at a scale of 2: open pictures 0 and 1", native_open_two),
        ("tick 0 and 1 as parents: Open breeds 2 from them", native_breed),
        ("save 2 by its name box, export it through the file dialog; it stands on the screen", native_save),
        ("the board, the genetic code, the History window, a family tree, a dialog", native_windows),
        ("Done closes picture 1; Reopen Closed Picture brings it back", native_close_and_reopen),
        ("killed and started again, Resume Last Run brings back 0, 1 and 2 with 0's tick", native_resume),
        ("File > Exit; the history is sound and claims no window place", native_no_places),
    ],
    "xwayland": [
        ("under XWayland with no platform chosen, pictures are X windows", xwayland_runs_on_xcb),
        ("killed, places recorded, Resume Last Run puts the windows there", xwayland_places_come_back),
    ],
}

if __name__ == "__main__":
    try:
        run_steps(STEPS[MODE])
    finally:
        if program is not None and program.process.poll() is None:
            program.kill()
