#!/usr/bin/env python3
"""The window's keyboard rules, a fixed-clock run's plot and the lesson's extras (redraw,
axis numbers, labelled isoclines, description, shares, zoom, caption), driven from outside.
    window_e2e.py WINE PROBE.exe LINUX_MORVANTA MORVANTA-CLI.exe"""
import os
import subprocess
import sys
import tempfile
import time

from win_session import BOUND, Window, png_pixels, start_window_manager

wine, probe, linux, cli = sys.argv[1:5]
SEED = "43200000"
TAB_ORDER = ["BitBtn2", "RadioGroup2", "RadioGroup2.0", "Edit1", "Edit2", "Memo1",
             "RadioGroup1.1", "BitBtn1"]
# Where the focus is (Tabs from start-up), the keys, and what must follow: a run, the
# program's end, or nothing (the next Tab then reaches the next control with no run before).
ENTER_RULES = [
    ("Enter on Start runs", 0, ["Return"], "run"),
    ("Space on Start runs", 0, ["space"], "run"),
    ("Enter on End ends", 1, ["Return"], "end"),
    ("Enter on the Fixed group clicks End", 2, ["Return"], "end"),
    ("Enter on a Fixed item clicks End", 3, ["Return"], "end"),
    ("Enter on a number box clicks End", 4, ["Return"], "end"),
    ("Enter in the log box is a new line", 6, ["Return"], "nothing"),
    ("Shift+Enter on Start clicks nothing", 0, ["shift+Return"], "nothing"),
    ("Ctrl+Enter on a number box clicks nothing", 4, ["ctrl+Return"], "nothing"),
    ("Alt+F4 ends", 0, ["alt+F4"], "end"),
]
failures = []


def check(ok, what):
    print(("ok   " if ok else "FAIL ") + what, flush=True)
    if not ok:
        failures.append(what)


def tab_to(window, count):
    for expected in TAB_ORDER[:count]:
        window.keys("Tab")
        window.wait(lambda w, e=expected: w.focus == e)


def trajectory_pixels(shown):
    """White pixels off the axes: what the run drew."""
    return sum(1 for y in range(400) for x in range(400)
               if shown[3 * (400 * y + x):3 * (400 * y + x) + 3] == b"\xff\xff\xff"
               and x != 20 and y != 380)


NAVY, GREY, WHITE, YELLOW = b"\x00\x00\x80", b"\x90\x90\xc0", b"\xff\xff\xff", b"\xff\xff\x00"
RUN_COLOURS = (WHITE, b"\x00\xff\xff")  # a run's trajectories and their ends
SEVERE = ("--scenario=comp-severe", "--isoclines")


def linux_png(*options):
    """Linux's batch PNG of the seed with the options, as RGB bytes."""
    with tempfile.TemporaryDirectory() as folder:
        reference = os.path.join(folder, "plot.png")
        subprocess.run([linux, "--batch", "--seed=" + SEED, *options, "--png=" + reference],
                       check=True)
        return png_pixels(reference)


def plot_matches_linux(shown, expected=None, factor=1, empty=False):
    """Pixels of a plot unlike Linux's batch PNG of the seed, each of its pixels the one under
    the centre at the zoom, and white ones. An empty plot is held against Linux's under its
    run: there it shows its own background, axes or isoclines."""
    expected = expected or linux_png()
    index = [min(int((i + 0.5) / factor), 399) for i in range(round(400 * factor))]
    # The labels' glyphs are each system's own fonts: their boxes are left out.
    labels = [(5, 10, 80, 27), (200, 381, 280, 400)]
    differing = white = 0
    for y, source_y in enumerate(index):
        for x, source_x in enumerate(index):
            if any(l <= source_x < r and t <= source_y < b for l, t, r, b in labels):
                continue
            at, source = 3 * (len(index) * y + x), 3 * (400 * source_y + source_x)
            mine, theirs = shown[at:at + 3], expected[source:source + 3]
            if empty and theirs in RUN_COLOURS:
                differing += mine not in (NAVY, GREY, WHITE)
            else:
                differing += mine != theirs
            white += mine == WHITE
    return differing, white


def wait_for_file(path):
    """Whether the file appears, complete (its size steady), within the bound."""
    deadline, size = time.monotonic() + BOUND, -1
    while time.monotonic() < deadline:
        if os.path.exists(path) and os.path.getsize(path) == size > 0:
            return True
        size = os.path.getsize(path) if os.path.exists(path) else -1
        time.sleep(0.2)
    return False


def batch_png():
    with tempfile.TemporaryDirectory() as folder:
        path = os.path.join(folder, "plot.png")
        subprocess.run([wine, cli, "--batch", "--seed=" + SEED, "--png=Z:" + path], check=True)
        return png_pixels(path)


def count(shown, colour):
    return sum(shown[at:at + 3] == colour for at in range(0, len(shown), 3))


def empty_plot_misses(window, *options):
    """Waits for the plot to be the empty plot under Linux's run with the options; how many
    pixels still differ at the bound."""
    expected = linux_png(*options)
    misses = lambda shown: (plot_matches_linux(shown, expected, empty=True)[0]
                            + trajectory_pixels(shown))
    return misses(window.pixels_when(24, 40, 400, 400, lambda shown: misses(shown) == 0))


def redraws_at_once(window):
    check(plot_matches_linux(window.pixels(24, 40, 400, 400), linux_png(*SEVERE),
                             empty=True)[0] > 0, "Comp Mild's isoclines are not Comp Severe's")
    for expected in ("BitBtn2", "RadioGroup2", "RadioGroup2.2", "RadioGroup2.1"):
        window.keys("Up" if expected == "RadioGroup2.1" else "Tab")
        window.wait(lambda w, e=expected: w.focus == e)
    window.keys("space")
    check(empty_plot_misses(window, *SEVERE) == 0,
          "with the isoclines on, Comp Severe chosen draws its isoclines at once")
    window.menu("o")
    window.type_in_dialog("Coefficients", "1.2\t1.9")
    check(empty_plot_misses(window, *SEVERE, "--a12=1.2", "--a21=1.9") == 0,
          "OK in Coefficients... draws the new isoclines at once")


def lesson_view(window):
    window.menu("x")
    window.menu("n")
    # A tick at each tenth to 0.8 (the equilibrium's dot covers 0.9's), numbers under the axis
    # left of its middle where the default plot has none, isoclines in orange and green.
    def drawn(shown):
        under = b"".join(shown[3 * (400 * y + 20):3 * (400 * y + 195)] for y in range(382, 400))
        return (all(shown[3 * (400 * 377 + 20 + 30 * k):][:3] == WHITE for k in range(1, 9))
                and count(under, YELLOW) > 0 and count(shown, b"\xff\xa0\x40") > 50
                and count(shown, b"\x70\xe0\x70") > 50)
    check(drawn(window.pixels_when(24, 40, 400, 400, drawn)),
          "Axis Numbers: ticks and numbers; Label Isoclines: each in its species' colour")
    window.menu("e")
    window.wait(lambda w: any(b.startswith("Describe Plot") for b in w.boxes))
    check("Comp Severe" in window.boxes[-1] and "Axis numbers from 0 to 0.9." in window.boxes[-1],
          f"Describe Plot says the scenario and the axis numbers: {window.boxes[-1]}")
    window.keys("Return")


def reset_shares(window):
    window.menu("y")
    shares = lambda: [line for line in window.log if line.startswith("Shares")]
    for run in (1, 2, 3):
        if run == 3:
            window.menu("r")
        window.keys("Return")
        window.wait(lambda w: len(shares()) == run)  # the line after the run's count
    shares = shares()
    check(len(shares) == 3 and shares[0] == shares[2] != shares[1],
          f"Reset Shares: the next run's shares are its own ({shares})")


def zoomed_window(window):
    window.menu("w")
    strip = lambda shown: 0 < count(shown, YELLOW) == len(shown) // 3 - count(shown, NAVY)
    before = window.pixels_when(48, 882, 800, 40, strip)
    check(strip(before), "Show Caption at zoom 2: yellow words on navy, 40 pixels under the plot")
    for run, factor, x, y in ((1, 2, 48, 80), (2, 1.5, 36, 60)):
        if run == 2:
            window.menu("z", "5")
        window.keys("Return")
        window.wait(lambda w: w.runs == run)
        size = round(400 * factor)
        differing, white = plot_matches_linux(
            window.pixels_when(x, y, size, size, lambda shown: trajectory_pixels(shown) > 0),
            linux_png(*SEVERE), factor)
        check(differing == 0 and white > 100,
              f"zoom {factor}: each pixel of Linux's plot a block ({differing} pixels differ)")
        caption = window.pixels_when(x, y + size + round(factor), size, round(20 * factor),
                                     lambda shown: strip(shown) and shown != before)
        check(strip(caption) and caption != before,
              f"zoom {factor}: under the plot, the caption strip with the run's seed")


# The lesson's extras: a name, the window's command line, and what is done and checked.
LESSON_ROWS = [
    ("redraw at once", ["--scenario=comp-mild", "--isoclines"], redraws_at_once),
    ("axis numbers, labelled isoclines, description", list(SEVERE), lesson_view),
    ("reset shares", ["--scenario=comp-severe"], reset_shares),
    ("zoom and caption", ["--zoom=2", *SEVERE], zoomed_window),
]


manager = start_window_manager()
try:
    window = Window(wine, probe, "--seed=" + SEED)
    check(window.wait(lambda w: w.focus is not None and w.runs is not None)
          and (window.focus, window.runs) == ("BitBtn1", 0),
          f"at start-up the focus is on Start and the log is empty ({window.focus}, {window.runs})")
    seen = []
    for expected in TAB_ORDER:
        window.keys("Tab")
        window.wait(lambda w: w.focus != (seen[-1] if seen else "BitBtn1"))
        seen.append(window.focus)
    check(seen == TAB_ORDER, f"Tab visits {TAB_ORDER}: {seen}")
    window.keys("Return")
    window.wait(lambda w: w.runs == 1)
    for what, shown in (("the plot", window.pixels(24, 40, 400, 400)),
                        ("the batch's --png", batch_png())):
        differing, white = plot_matches_linux(shown)
        check(differing == 0 and white > 100, f"seed {SEED}: {what} is Linux's batch PNG "
              f"({differing} pixels differ, {white} white)")
    # Save Plot As... and Save Trials As... from the keyboard: the common file dialog, a name
    # typed without its extension, which the dialog adds.
    with tempfile.TemporaryDirectory() as folder:
        for key, title, name, extension in (("p", "Save Plot As", "plot", ".png"),
                                            ("t", "Save Trials As", "trials", ".csv")):
            window.keys("shift+F10")
            window.keys(key)
            window.type_in_dialog(title, "Z:" + os.path.join(folder, name).replace("/", "\\"))
            saved = os.path.join(folder, name + extension)
            check(wait_for_file(saved), f"{title}: '{name}' is saved as {name + extension}")
            window.activate()
        if os.path.exists(os.path.join(folder, "plot.png")):
            differing, white = plot_matches_linux(png_pixels(os.path.join(folder, "plot.png")))
            check(differing == 0 and white > 100, f"the saved plot is Linux's batch PNG "
                  f"({differing} pixels differ)")
        if os.path.exists(os.path.join(folder, "trials.csv")):
            reference = os.path.join(folder, "linux.csv")
            subprocess.run([linux, "--batch", "--seed=" + SEED, "--csv=" + reference], check=True)
            with open(os.path.join(folder, "trials.csv"), "rb") as saved, \
                    open(reference, "rb") as expected:
                check(saved.read() == expected.read(), "the saved trials are Linux's --csv bytes")

    # The plot menu from the keyboard: Shift+F10, then "Clear Plot" by its access key.
    window.keys("shift+F10")
    window.keys("l")
    window.keys("Tab")
    window.wait(lambda w: w.focus == "BitBtn2")
    left = trajectory_pixels(window.pixels(24, 40, 400, 400))
    check(left == 0, f"Shift+F10, Clear Plot: the run's drawing is gone ({left} pixels left)")
    window.close()

    # At 200 steps a second, Escape ends a run once the Loop box shows a number: the log says
    # so, and the shares count only the next run, at full pace (the menu's Pace, Full).
    window = Window(wine, probe, "--seed=" + SEED, "--trials=100", "--pace=200")
    window.wait(lambda w: w.focus == "BitBtn1" and w.loop_box is not None)
    window.keys("shift+F10", "y")  # Tally Outcomes
    window.keys("Return")
    deadline, number = time.monotonic() + BOUND, b""
    while time.monotonic() < deadline and not number:
        number = window.pixels(*window.loop_box).strip(b"\xff")  # anything but the blank box
    window.keys("Escape")
    ended = window.wait(lambda w: "Run ended early by Escape" in w.log)
    check(number and ended and not any(line.startswith("Shares") for line in window.log),
          f"paced: the Loop box shows a number, Escape ends the run, no shares ({window.log})")
    window.keys("shift+F10", "a", "f")  # Pace, Full
    window.keys("Return")
    window.wait(lambda w: any(line.startswith("Shares") for line in w.log))
    shares = [line for line in window.log if line.startswith("Shares")]
    check(len(shares) == 1 and shares[0].startswith("Shares (100 trials)") and window.runs == 1,
          f"paced: the shares count only the full run ({shares})")
    window.close()

    for name, tabs, keys, outcome in ENTER_RULES:
        window = Window(wine, probe, "--seed=" + SEED)
        window.wait(lambda w: w.focus == "BitBtn1")
        tab_to(window, tabs)
        window.keys(*keys)
        if outcome == "end":
            check(window.ended() == 0, name)
        elif outcome == "run":
            check(window.wait(lambda w: w.runs == 1), name)
        else:
            after = TAB_ORDER[tabs]
            window.keys("Tab")
            check(window.wait(lambda w: w.focus == after) and window.runs == 0, name)
        window.close()

    for name, arguments, steps in LESSON_ROWS:
        window = Window(wine, probe, "--seed=" + SEED, *arguments)
        window.wait(lambda w: w.focus == "BitBtn1")
        steps(window)
        window.close()
finally:
    manager.terminate()
    manager.wait()
sys.exit(1 if failures else 0)
