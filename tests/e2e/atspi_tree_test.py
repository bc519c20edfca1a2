#!/usr/bin/python3
"""The window as a screen reader sees it, over AT-SPI on a private X display and session bus
(run by atspi_session.sh): names and roles of the controls, the plot menu opened with the Menu
key and an option toggled with Enter (keys sent through XTest by xdotool), and the plot's
description after a run started with Enter.

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
        # Events from the bus (the focus moving in a menu) arrive while waiting.
        while GLib.MainContext.default().iteration(False):
            pass
        value = condition()
        if value:
            return value
        time.sleep(0.05)
    raise AssertionError(f"timed out waiting for {what}")


def application():
    desktop = Atspi.get_desktop(0)
    for i in range(desktop.get_child_count()):
        app = desktop.get_child_at_index(i)
        if app is not None and app.get_name().lower() == "morvanta":
            return app
    return None


def walk(node, depth=0):
    """Every node under node: (depth, accessible)."""
    yield depth, node
    for i in range(node.get_child_count()):
        child = node.get_child_at_index(i)
        if child is not None:
            yield from walk(child, depth + 1)


def nodes(app):
    app.clear_cache()
    return [node for _, node in walk(app)]


def find(app, role, name):
    for node in nodes(app):
        if node.get_role_name() == role and node.get_name() == name:
            return node
    return None


class FocusWatch:
    """What gains the focus, as a screen reader learns it: a popup menu is no child of the
    application in the tree, and its items are known from their focus events."""

    def __init__(self):
        self.focused = []
        self.listener = Atspi.EventListener.new(self.changed)
        self.listener.register("object:state-changed:focused")

    def changed(self, event):
        if event.detail1:
            self.focused.append(event.source)

    def menu_item(self):
        """The menu item that has the focus now, or None."""
        if not self.focused:
            return None
        item = self.focused[-1]
        return item if item.get_role_name().endswith("menu item") else None


def sibling(item, name):
    """The item of the same menu with that name."""
    menu = item.get_parent()
    for i in range(menu.get_child_count()):
        child = menu.get_child_at_index(i)
        if child.get_name() == name:
            return child
    raise AssertionError(f"the menu has no item {name!r}")


def xdotool(*arguments):
    subprocess.run(["xdotool", *arguments], check=True)


def main():
    program = sys.argv[1]
    env = dict(os.environ, QT_ACCESSIBILITY="1", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
    window = subprocess.Popen([program], env=env)
    try:
        app = wait_for("the program on the accessibility bus", application)
        wait_for("the window's controls", lambda: find(app, "push button", "End"))
        if "--dump" in sys.argv:
            for depth, node in walk(app):
                description = node.get_description()
                print("  " * depth + f"[{node.get_role_name()}] {node.get_name()!r}"
                      + (f" — {description!r}" if description else ""))
            return 0

        expected = [("frame", "Morvanta"), ("image", "Phase plane"),
                    ("heading", "Competition between 2 species"), ("image", ""),
                    ("push button", "Start"), ("push button", "End"), ("text", "Trial"),
                    ("text", "Loop"), ("text", "Log"), ("radio button", "Comp Severe"),
                    ("radio button", "100")]
        for role, name in expected:
            assert find(app, role, name), f"no {role} named {name!r} in the tree"
        plot = find(app, "image", "Phase plane")
        assert plot.get_description().startswith("Empty plot."), plot.get_description()

        # The Menu key opens the plot menu; the arrows walk it; Enter toggles the option and
        # neither runs (the focus is on Start) nor ends the program.
        window_id = wait_for("the X window", lambda: subprocess.run(
            ["xdotool", "search", "--pid", str(window.pid), "--name", "^Morvanta$"],
            capture_output=True, text=True).stdout.split())[0]
        xdotool("mousemove", "--window", window_id, "1", "1")

        watch = FocusWatch()

        def open_menu():
            watch.focused.clear()
            xdotool("key", "Menu")
            first = wait_for("the plot menu", watch.menu_item)
            assert first.get_name() == "Copy Plot", f"the menu opened on {first.get_name()!r}"
            return sibling(first, "Outcome Shapes")

        shapes = open_menu()
        # Qt 6.4's bridge reports a checkable item's check only while it is checked (it has
        # no mapping for "checkable" and gives every menu item the plain menu-item role).
        assert not shapes.get_state_set().contains(Atspi.StateType.CHECKED), \
            "Outcome Shapes starts on"
        for _ in range(12):
            before = watch.menu_item().get_name()
            if before == "Outcome Shapes":
                break
            xdotool("key", "Down")
            wait_for("the next menu item", lambda: watch.menu_item().get_name() != before)
        assert watch.menu_item().get_name() == "Outcome Shapes", "Down did not reach the option"
        xdotool("key", "Return")
        shapes = open_menu()
        shapes.clear_cache()
        assert shapes.get_state_set().contains(Atspi.StateType.CHECKED), \
            "Enter did not toggle Outcome Shapes"
        xdotool("key", "Escape")
        assert window.poll() is None, "a key in the menu ended the program"
        log = find(app, "text", "Log")
        assert Atspi.Text.get_character_count(log) == 0, "a key in the menu started a run"

        # Enter on Start runs ten trials; the plot's description then tells how they ended.
        xdotool("key", "Return")

        def summary():
            plot.clear_cache()
            text = plot.get_description()
            return text if text.startswith("Scenario Start Point, 10 trials.") else None

        text = wait_for("the run's summary", summary)
        counts = re.fullmatch(r"Scenario Start Point, 10 trials\. Species 1 died out in (\d+), "
                              r"species 2 in (\d+), both in (\d+), neither in (\d+)\.", text)
        assert counts, f"the summary does not read as one: {text!r}"
        assert sum(map(int, counts.groups())) == 10, f"the outcomes are not 10 trials: {text!r}"
        print("atspi_tree_test: 1 passed, 0 failed")
        return 0
    finally:
        window.terminate()
        window.wait(timeout=BOUND)


if __name__ == "__main__":
    sys.exit(main())
