"""Drives the real pelorin program through AT-SPI, the interface screen
readers use: it finds windows and controls by role and name and uses their
actions (Press, Toggle, a menu item's Press) and editable texts. It needs no
pointer and no keyboard, so it works where neither can be faked (a headless
Wayland compositor). Runs under /usr/bin/python3 with python3-pyatspi, inside
a D-Bus session whose accessibility bus is running, with
QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 in the program's environment.
"""

import os
import signal
import subprocess
import sys
import time

import pyatspi
from gi.repository import Atspi, GLib

# A call that opens a modal window is answered only when that window closes:
# wait 3 s for any answer (the program may be busy), then go on.
Atspi.set_timeout(3000, 15000)


class Failed(Exception):
    """A check of the end-to-end test failed; its text says which."""


def wait_for(what, found, seconds=10.0):
    """found() polled every 0.1 s until it gives something true, which is
    returned; Failed naming what after seconds."""
    deadline = time.monotonic() + seconds
    while True:
        try:
            value = found()
        except Exception:  # a node that went away while it was read
            value = None
        if value:
            return value
        if time.monotonic() > deadline:
            raise Failed(f"{what} (waited {seconds:g} s)")
        time.sleep(0.1)


def nodes(root):
    """root and everything below it, depth first."""
    stack = [root]
    while stack:
        node = stack.pop()
        if node is None:
            continue
        yield node
        stack.extend(node.getChildAtIndex(i) for i in reversed(range(node.childCount)))


def find(root, role, name):
    """The first node below root with this role name ("push button") and
    accessible name, or None."""
    return next((n for n in nodes(root) if n.getRoleName() == role and n.name == name), None)


def act(node, action):
    """Does node's action named action ("Press", "Toggle", "Family Tree")."""
    actions = node.queryAction()
    names = [actions.getName(i) for i in range(actions.nActions)]
    if action not in names:
        raise Failed(f"{node.getRoleName()} {node.name!r} has no action {action!r}, only {names}")
    try:
        actions.doAction(names.index(action))
    except GLib.GError as error:
        if "Did not receive a reply" not in str(error):
            raise


def checked(node):
    return node.getState().contains(pyatspi.STATE_CHECKED)


class Pelorin:
    """One run of the program: started with env added to this process's
    environment, its output going to log."""

    def __init__(self, executable, cwd, log, env=None):
        self.process = subprocess.Popen([executable], cwd=cwd, stdout=log, stderr=subprocess.STDOUT,
                                        env=dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", **(env or {})))
        self.app = wait_for("pelorin appears on the accessibility bus", self._find_app, 30)
        wait_for("the main window appears", lambda: self.window("Main"), 30)

    def _find_app(self):
        for app in pyatspi.Registry.getDesktop(0):
            if app is not None and app.get_process_id() == self.process.pid:
                return app
        return None

    def window(self, title):
        """The program's shown top-level window with this title, or None."""
        return next((w for w in (self.app.getChildAtIndex(i) for i in range(self.app.childCount))
                     if w is not None and w.name == title and w.getState().contains(pyatspi.STATE_SHOWING)),
                    None)

    def wait_window(self, title, seconds=15):
        return wait_for(f"window {title!r} appears", lambda: self.window(title), seconds)

    def wait_gone(self, title, seconds=15):
        wait_for(f"window {title!r} goes", lambda: self.window(title) is None, seconds)

    def control(self, window_title, role, name):
        control = find(self.wait_window(window_title), role, name)
        if control is None:
            raise Failed(f"window {window_title!r} has no {role} {name!r}")
        return control

    def press(self, window_title, name):
        act(self.control(window_title, "push button", name), "Press")

    def type_into(self, window_title, name, text):
        """Replaces the text of the text box named name."""
        self.control(window_title, "text", name).queryEditableText().setTextContents(text)

    def menu(self, name):
        """Presses the main window's menu item named name."""
        act(self.control("Main", "menu item", name), "Press")

    def kill(self):
        self.process.send_signal(signal.SIGKILL)
        self.process.wait()

    def close(self):
        """Ends the program with its File menu's Exit; Failed unless it ends
        with status 0 within 15 s."""
        self.menu("Exit")
        try:
            status = self.process.wait(15)
        except subprocess.TimeoutExpired:
            self.kill()
            raise Failed("the program did not end after File > Exit")
        if status != 0:
            raise Failed(f"the program ended with exit status {status}")


def run_steps(steps):
    """Runs each (title, function) in turn, printing the title; on Failed or
    any other error prints "FAIL [title]: why" and exits 1."""
    title = "start"
    try:
        for title, step in steps:
            print(f"--- {title}", flush=True)
            step()
    except Exception as failure:  # anything that stops a step fails the test
        print(f"FAIL [{title}]: {failure}", file=sys.stderr, flush=True)
        sys.exit(1)
    print("PASS")
