"""Drives the Windows program under Wine on the X display of with_xvfb.sh, with openbox as
its window manager: starts the window, reads what it reports, presses keys, reads pixels."""
import os
import queue
import subprocess
import threading
import time

BOUND = 120  # seconds: a generous bound on anything Wine does on a busy machine


class Window:
    """One run of the probe window. Lines it prints arrive in a queue; keys go through XTEST
    to whatever has the X focus, which is made the window first."""

    def __init__(self, wine, program, *args):
        self.process = subprocess.Popen([wine, program, *args], stdout=subprocess.PIPE,
                                        stderr=subprocess.DEVNULL, text=True)
        self.lines = queue.Queue()
        threading.Thread(target=self._read, daemon=True).start()
        self.focus, self.runs, self.log, self.loop_box, self.boxes = None, None, [], None, []
        self.id = find_window("Morvanta")
        self.activate()

    def activate(self):
        subprocess.run(["xdotool", "windowactivate", "--sync", self.id], timeout=BOUND,
                       capture_output=True)

    def _read(self):
        for line in self.process.stdout:
            self.lines.put(line.strip())
        self.lines.put(None)

    def wait(self, condition):
        """Waits for the window's report to meet the condition; False if it ended first."""
        while not condition(self):
            line = self.lines.get(timeout=BOUND)
            if line is None:
                return False
            kind, _, value = line.partition(" ")
            if kind == "focus":
                self.focus = value
            elif kind == "runs":
                self.runs = int(value)
            elif kind == "log":
                self.log.append(value)
            elif kind == "loopbox":
                self.loop_box = tuple(int(v) for v in value.split())
            elif kind == "box":
                self.boxes.append(value)
        return True

    def keys(self, *keys):
        subprocess.run(["xdotool", "key", "--clearmodifiers", *keys], check=True, timeout=BOUND)

    def menu(self, *keys):
        """Chooses from the plot menu by access keys, as Shift+F10 opens it."""
        self.keys("shift+F10")
        self.keys(*keys)

    def type_in_dialog(self, title, text):
        """Types into the focused box of the program's dialog of that title, then Enter."""
        dialog = find_window(title)
        subprocess.run(["xdotool", "windowactivate", "--sync", dialog], timeout=BOUND,
                       capture_output=True)
        subprocess.run(["xdotool", "type", "--clearmodifiers", text], check=True, timeout=BOUND)
        self.keys("Return")

    def ended(self):
        """Waits for the program to end; its exit status."""
        while self.wait(lambda w: False):
            pass
        return self.process.wait(timeout=BOUND)

    def close(self):
        if self.process.poll() is None:
            self.process.kill()
            self.process.wait()

    def client_origin(self):
        info = subprocess.run(["xwininfo", "-id", self.id], capture_output=True, text=True,
                              check=True).stdout
        values = dict(line.strip().split(":", 1) for line in info.splitlines() if ":" in line)
        return int(values["Absolute upper-left X"]), int(values["Absolute upper-left Y"])

    def pixels(self, x, y, width, height):
        """RGB bytes of a rectangle of the screen, relative to the client area."""
        left, top = self.client_origin()
        return subprocess.run(["import", "-window", "root", "-crop",
                               f"{width}x{height}+{left + x}+{top + y}", "-depth", "8", "rgb:-"],
                              capture_output=True, check=True).stdout


    def pixels_when(self, x, y, width, height, condition):
        """The rectangle's pixels once they meet the condition, or as they are at the bound."""
        deadline = time.monotonic() + BOUND
        while True:
            shown = self.pixels(x, y, width, height)
            if condition(shown) or time.monotonic() > deadline:
                return shown
            time.sleep(0.2)


def find_window(title):
    """The X window of that title, once it is shown. A search can fail part-way when another
    window (a menu) goes away meanwhile; it is then made again, within the bound."""
    deadline = time.monotonic() + BOUND
    while True:
        found = subprocess.run(["xdotool", "search", "--sync", "--onlyvisible", "--name",
                                f"^{title}$"], capture_output=True, text=True,
                               timeout=BOUND).stdout.split()
        if found or time.monotonic() > deadline:
            return found[0]
        time.sleep(0.1)


def start_window_manager():
    return subprocess.Popen(["openbox"], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)


def png_pixels(path):
    return subprocess.run(["convert", path, "-depth", "8", "rgb:-"], capture_output=True,
                          check=True).stdout
