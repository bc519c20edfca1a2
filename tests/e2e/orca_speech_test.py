#!/usr/bin/python3
"""A lesson heard through the Orca screen reader, on a private X display and session bus with
the accessibility bus on (atspi_session.sh), keys sent through XTest by xdotool. Orca runs
with no speech output; the lines its debug log gives as "SPEECH OUTPUT" are what it says:
choosing Comp Severe and 100 trials, the isoclines and the outcome map, a run (no deluge of
events during it, its summary spoken after it), Describe Plot, and the time course window,
read and closed with Escape.

Usage: orca_speech_test.py PROGRAM [TRANSCRIPT]   (TRANSCRIPT: where the spoken lines go)
"""
import os
import re
import subprocess
import sys
import tempfile
import threading
import time
import tty

BOUND = 60.0  # seconds any awaited condition may take on a busy machine
MENU_ITEM = r"(?:check |radio )?menu item"


def wait_for(what, condition):
    end = time.monotonic() + BOUND
    while time.monotonic() < end:
        value = condition()
        if value:
            return value
        time.sleep(0.1)
    raise AssertionError(f"timed out waiting for {what}")


class Orca:
    """Orca with its debug log on a pseudo-terminal, which it writes a line at a time (a file
    it writes in blocks). The terminal stays open here too, or reading it would fail."""

    def __init__(self, workdir):
        master, self.slave = os.openpty()
        tty.setraw(self.slave)
        os.makedirs(os.path.join(workdir, "prefs"))
        self.process = subprocess.Popen(
            ["orca", "--user-prefs", os.path.join(workdir, "prefs"), "--debug-file",
             os.ttyname(self.slave)], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        self.chunks = []
        threading.Thread(target=self._read, args=(master,), daemon=True).start()
        self.heard = 0  # spoken lines already matched

    def _read(self, master):
        while chunk := os.read(master, 65536):
            self.chunks.append(chunk.decode("utf-8", errors="replace"))

    def text(self):
        return "".join(self.chunks)

    def spoken(self):
        return re.findall(r"SPEECH OUTPUT: '(.*?)' ?(?:voice=\S+ ?)?\{", self.text())

    def wait_to_say(self, what, pattern):
        """Waits for a line said after the last one matched; returns it."""
        def said():
            lines = self.spoken()
            i = next((i for i in range(self.heard, len(lines)) if re.search(pattern, lines[i])),
                     None)
            if i is not None:
                self.heard = i + 1
                return lines[i]
        return wait_for(f"Orca to say {what} ({pattern!r})", said)


def key(name):
    subprocess.run(["xdotool", "key", name], check=True)


def press(orca, name, what, pattern):
    key(name)
    return orca.wait_to_say(what, pattern)


def move_focus(orca, name, what, target=r"[^\]]*?", role=r"[a-z ]+"):
    """Sends the key and waits until Orca's log says its focus moved (to the target); returns
    the focus's name. An empty text box takes the focus without a word."""
    mark = len(orca.text())
    key(name)
    # Orca 43 logs "Changing locusOfFocus ... to [role | name]", later releases "Changing
    # locus of focus ... to [role: 'name']".
    pattern = rf"Changing locus ?[oO]f ?[fF]ocus from .*? to \[{role}(?: \| |: ')({target})'?\]"
    return wait_for(what, lambda: re.search(pattern, orca.text()[mark:])).group(1)


def open_menu_at(orca, item):
    """Opens the plot menu and goes down to the item. Orca's focus moves to the frame and back
    as the menu opens: only a move to another menu item is a step."""
    shown = move_focus(orca, "Menu", "the plot menu", "Copy Plot", MENU_ITEM)
    for _ in range(20):
        if shown.startswith(item):
            return
        shown = move_focus(orca, "Down", "the next menu item",
                           rf"(?!{re.escape(shown)}'?\])[^\]]*?", MENU_ITEM)
    raise AssertionError(f"no menu item {item}")


def main():
    program = sys.argv[1]
    workdir = tempfile.mkdtemp(prefix="orca-speech-")
    env = dict(os.environ, QT_ACCESSIBILITY="1", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
    orca = Orca(workdir)
    window = manager = None
    try:
        # Orca 43 logs that its start is complete, later releases that their event loop starts.
        wait_for("Orca's start", lambda: re.search(
            r"ORCA: Startup complete|ORCA: Starting Atspi main event loop", orca.text()))
        # A window manager activates the window, as on a desktop: a screen reader follows the
        # active window.
        manager = subprocess.Popen(["openbox", "--sm-disable"], stdout=subprocess.DEVNULL,
                                   stderr=subprocess.DEVNULL)
        wait_for("openbox", lambda: "window id" in subprocess.run(
            ["xprop", "-root", "_NET_SUPPORTING_WM_CHECK"], capture_output=True,
            text=True).stdout)
        window = subprocess.Popen([program], env=env)
        orca.wait_to_say("the focus on Start", r"Start")
        # Tab: End, the "Fixed" group, its selected item; Down: the next item.
        press(orca, "Tab", "End", r"End")
        press(orca, "Tab", "the Fixed group", r"Fixed")
        press(orca, "Tab", "Start Point", r"Start Point")
        press(orca, "Down", "Comp Severe", r"Comp Severe")
        # Tab: the two number boxes, the log, the selected item of "Trials" ("10").
        move_focus(orca, "Tab", "the Trial box", "Trial")
        move_focus(orca, "Tab", "the Loop box", "Loop")
        move_focus(orca, "Tab", "the log", "Log")
        press(orca, "Tab", "the trials item 10", r"^10\b")
        press(orca, "Down", "the trials item 50", r"^50\b")
        press(orca, "Down", "the trials item 100", r"^100\b")

        # The menu's options say their state, and a switch is confirmed; the focus stays on
        # Start.
        move_focus(orca, "Tab", "Start", "Start")
        for option in ["Show Isoclines", "Show Outcome Map"]:
            open_menu_at(orca, option)
            # Where the toolkit reports the item as checkable, Orca says its state itself.
            orca.wait_to_say(f"{option} is off", option + r"(, off| not checked)")
            press(orca, "Return", f"{option} switched on", option + ", on")

        # The run, started with Enter on Start.
        mark = len(orca.text())
        key("Return")
        orca.wait_to_say("the run's summary",
                         r"Normal End of Job\. Scenario Comp Severe, 100 trials: "
                         r"(species [12] won|both alive|reached capacity|started )")
        assert "DELUGE" not in orca.text()[mark:], "Orca declared a deluge during the run"

        # Describe Plot: the description in a dialog, read; Escape returns to Start.
        open_menu_at(orca, "Describe Plot")
        press(orca, "Return", "the plot's description",
              r"Scenario Comp Severe, 100 trials\..*Isoclines: .*Equilibria: .*saddle at 0\.36, "
              r"0\.36.*Outcome map: ")
        press(orca, "Escape", "the focus back on Start", r"Start")

        # The time course: its window's graphic described; Escape closes it.
        open_menu_at(orca, "Show Time Course")
        press(orca, "Return", "the time course",
              r"Time course of 100 trials.*Last trial, number 100: species 1 from")
        press(orca, "Escape", "the focus back on Start", r"Start")
        assert window.poll() is None, "the program ended"
        print("orca_speech_test: 1 passed, 0 failed")
        return 0
    finally:
        with open(os.path.join(workdir, "orca.log"), "w", encoding="utf-8") as out:
            out.write(orca.text())
        if len(sys.argv) > 2:
            with open(sys.argv[2], "w", encoding="utf-8") as out:
                out.write("\n".join(orca.spoken()) + "\n")
        for process in (window, orca.process, manager):
            if process:
                process.terminate()
                try:
                    process.wait(timeout=BOUND)
                except subprocess.TimeoutExpired:  # Orca may not answer a request to end
                    process.kill()
                    process.wait()


if __name__ == "__main__":
    sys.exit(main())
