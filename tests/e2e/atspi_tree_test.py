#!/usr/bin/python3
"""The window as a screen reader sees it, over AT-SPI on a private X display and session bus
(atspi_session.sh): the controls' names and roles, the plot menu opened with the Menu key and
an option checked with Enter (keys sent through XTest by xdotool), and the plot's description
after a run started with Enter.

Usage: atspi_tree_test.py PROGRAM [--dump]   (--dump prints the tree and stops)
"""
import os
import re
import subprocess
import sys
import time

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi, GLib  # noqa: E402

BOUND = 30.0  # seconds any awaited condition may take on a busy machine


def wait_for(what, condition):
    end = time.monotonic() + BOUND
    while time.monotonic() < end:
        while GLib.MainContext.default().iteration(False):  # events from the bus
            pass
        value = condition()
        if value:
            return value
        time.sleep(0.05)
    raise AssertionError(f"timed out waiting for {what}")


def application():
    desktop = Atspi.get_desktop(0)
    apps = (desktop.get_child_at_index(i) for i in range(desktop.get_child_count()))
    return next((a for a in apps if a and a.get_name().lower() == "morvanta"), None)


def walk(node, depth=0):
    yield depth, node
    for child in (node.get_child_at_index(i) for i in range(node.get_child_count())):
        if child is not None:
            yield from walk(child, depth + 1)


# Role names as older at-spi2 releases give them, and the newer names of the same roles.
NEWER_ROLE_NAMES = {"push button": {"button"}, "text": {"entry"}}


def has_role(node, role):
    return node.get_role_name() in {role} | NEWER_ROLE_NAMES.get(role, set())


def find(root, role, name, prefix=False):
    root.clear_cache()
    return next((n for _, n in walk(root) if has_role(n, role) and (
        n.get_name().startswith(name) if prefix else n.get_name() == name)), None)


def key(name):
    subprocess.run(["xdotool", "key", name], check=True)


def main():
    env = dict(os.environ, QT_ACCESSIBILITY="1", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
    window = subprocess.Popen([sys.argv[1]], env=env)
    try:
        app = wait_for("the program on the accessibility bus", application)
        wait_for("the window's controls", lambda: find(app, "push button", "End"))
        if "--dump" in sys.argv:
            for depth, node in walk(app):
                description = node.get_description()
                print("  " * depth + f"[{node.get_role_name()}] {node.get_name()!r}"
                      + (f" — {description!r}" if description else ""))
            return 0

        for role, name in [("frame", "Morvanta"), ("image", "Phase plane"), ("image", ""),
                           ("heading", "Competition between 2 species"), ("push button", "Start"),
                           ("text", "Trial"), ("text", "Loop"), ("text", "Log"),
                           ("radio button", "Comp Severe"), ("radio button", "100")]:
            assert find(app, role, name), f"no {role} named {name!r} in the tree"
        plot = find(app, "image", "Phase plane")
        assert plot.get_description().startswith("Empty plot."), plot.get_description()

        # A popup menu is no child of the application: a screen reader knows its items from
        # their focus events.
        focused = []
        listener = Atspi.EventListener.new(lambda e: e.detail1 and focused.append(e.source))
        listener.register("object:state-changed:focused")

        def focused_item():
            item = focused[-1] if focused else None
            return item if item and has_role(item, "menu item") else None

        def open_menu():
            focused.clear()
            key("Menu")
            first = wait_for("the plot menu", focused_item)
            assert first.get_name() == "Copy Plot", f"the menu opened on {first.get_name()!r}"
            return find(first.get_parent(), "menu item", "Outcome Shapes", prefix=True)

        window_id = wait_for("the X window", lambda: subprocess.run(
            ["xdotool", "search", "--pid", str(window.pid), "--name", "^Morvanta$"],
            capture_output=True, text=True).stdout.split())[0]
        subprocess.run(["xdotool", "mousemove", "--window", window_id, "1", "1"], check=True)
        # The options tell that they can be checked wherever the toolkit's bridge tells it
        # of anything (Qt 6.8 does, of radio buttons too; Qt 6.4 tells only the check).
        bridge_tells_checkable = find(app, "radio button", "Start Point").get_state_set() \
            .contains(Atspi.StateType.CHECKABLE)
        shapes = open_menu()
        assert not shapes.get_state_set().contains(Atspi.StateType.CHECKED)
        if bridge_tells_checkable:
            assert shapes.get_state_set().contains(Atspi.StateType.CHECKABLE), \
                "Outcome Shapes does not tell that it can be checked"
        else:  # the name tells it
            assert shapes.get_name() == "Outcome Shapes, off", shapes.get_name()
        for _ in range(12):
            before = focused_item().get_name()
            if before.startswith("Outcome Shapes"):
                break
            key("Down")
            wait_for("the next menu item", lambda: focused_item().get_name() != before)
        key("Return")  # the focus is on Start: Enter is the menu's, not a click on Start
        assert open_menu().get_state_set().contains(Atspi.StateType.CHECKED), \
            "Enter did not check Outcome Shapes"
        key("Escape")
        assert window.poll() is None, "a key in the menu ended the program"
        assert Atspi.Text.get_character_count(find(app, "text", "Log")) == 0, \
            "a key in the menu started a run"

        key("Return")  # runs ten trials; the plot's description then tells how they ended

        def summary():
            plot.clear_cache()
            return re.fullmatch(r"Scenario Start Point, 10 trials\. Species 1 died out in (\d+), "
                                r"species 2 in (\d+), both in (\d+), neither in (\d+)\.",
                                plot.get_description())

        counts = wait_for("the run's summary on the plot", summary)
        assert sum(map(int, counts.groups())) == 10, f"not 10 trials: {counts.group(0)!r}"
        print("atspi_tree_test: 1 passed, 0 failed")
        return 0
    finally:
        window.terminate()
        window.wait(timeout=BOUND)


if __name__ == "__main__":
    sys.exit(main())
