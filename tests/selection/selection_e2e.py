#!/usr/bin/env python3
"""Drives the real editor on an X server through the selection and the clipboard: marks a block
with the mouse in one level, copies it, opens a second level, pastes, drags the floating block,
applies it with a click outside, saves, and checks the records of the saved file. Run under
tests/xvfb_run.py; needs xdotool and ImageMagick."""

import argparse
import os
import struct
import subprocess
import sys
import tempfile
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), ".."))
from e2e_support import (TIMEOUT, clean_up, editor_environment, fail, private_program, record, run,  # noqa: E402
                         wait_for, xdo)
T = 16  # pixels per cell at the zoom a level opens with


def records(path):
    data = open(path, "rb").read()
    out = []
    for i in range(0, len(data) - len(data) % 4, 4):
        value = struct.unpack_from("<I", data, i)[0]
        out.append((value % 4096, (value // 4096) % 4096, value // 16777216))
    return out


class Screen:
    """Screenshots of the main window as rows of RGB triples."""

    def __init__(self, window):
        self.window = window

    def shot(self):
        data = subprocess.run(["import", "-window", self.window, "-depth", "8", "ppm:-"], capture_output=True,
                              timeout=TIMEOUT).stdout
        parts = data.split(maxsplit=4)
        if len(parts) < 5 or parts[0] != b"P6":
            fail("could not read a screenshot of the window")
        width, height = int(parts[1]), int(parts[2])
        return width, height, parts[4]


def pixel(shot, x, y):
    width, _, data = shot
    i = (y * width + x) * 3
    return data[i:i + 3]


def black_view_origin(shot, min_run):
    """Top-left corner of the first row holding a run of at least `min_run` black pixels, and the
    run's length: the top edge of an empty part of a level's view."""
    width, height, data = shot
    black = b"\x00\x00\x00"
    for y in range(height):
        run_start, run = None, 0
        for x in range(width):
            if data[(y * width + x) * 3:(y * width + x) * 3 + 3] == black:
                if run == 0:
                    run_start = x
                run += 1
                if run >= min_run:
                    end = x
                    while end + 1 < width and pixel(shot, end + 1, y) == black:
                        end += 1
                    return run_start, y, end - run_start + 1
            else:
                run = 0
    fail("no level view found on the screen")


def changed_box(before, after, right_limit):
    """Bounding box of the pixels that differ, left of `right_limit`."""
    width, height, a = before
    b = after[2]
    xs, ys = [], []
    for y in range(height):
        row = y * width * 3
        if a[row:row + right_limit * 3] == b[row:row + right_limit * 3]:
            continue
        for x in range(right_limit):
            i = row + x * 3
            if a[i:i + 3] != b[i:i + 3]:
                xs.append(x)
                ys.append(y)
    if not xs:
        fail("nothing changed on the screen")
    return min(xs), min(ys), max(xs), max(ys)


def settle(screen, previous=None):
    last = screen.shot()
    deadline = time.monotonic() + TIMEOUT
    while time.monotonic() < deadline:
        time.sleep(0.4)
        now = screen.shot()
        if now[2] == last[2] and (previous is None or now[2] != previous[2]):
            return now
        last = now
    fail("the screen did not change and settle")


def origin_cell(view_width, view_height):
    """First visible column and row of a level opened in a view of this size (the view starts
    centred on a cell boundary)."""
    def first(size):
        maximum = -(-(T * 1024 - size) // T) * T  # the first cell boundary that shows the last cell
        return T * ((maximum // 2) // T) // T
    return first(view_width), first(view_height)


def drag(window, x0, y0, x1, y1):
    xdo("mousemove", "--window", window, str(x0), str(y0))
    xdo("mousedown", "1")
    for i in range(1, 5):
        xdo("mousemove", "--window", window, str(x0 + (x1 - x0) * i // 4), str(y0 + (y1 - y0) * i // 4))
        time.sleep(0.05)
    xdo("mouseup", "1")


def visible(name):
    """The visible windows whose name matches `name`."""
    return run("xdotool", "search", "--onlyvisible", "--name", name, check=False).split()


def type_file_name(path):
    time.sleep(1.0)
    xdo("key", "--clearmodifiers", "ctrl+a")
    xdo("type", "--delay", "20", path)
    xdo("key", "Return")


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--quarn", required=True)
    options = parser.parse_args()

    work = tempfile.mkdtemp(prefix="quarn-sel-e2e-")
    process = None
    try:
        program = private_program(options.quarn, work)

        # Level A: a 3 x 2 block of tiles 11..16 inside the opening view, nothing else near it.
        block = [(505 + i % 3, 510 + i // 3, 11 + i) for i in range(6)]
        first = os.path.join(work, "first.lvl")
        with open(first, "wb") as f:
            f.write(b"".join(record(*c) for c in block))
        # Level B: one cell far from where the block goes.
        second = os.path.join(work, "second.lvl")
        far = (1000, 1000, 3)
        with open(second, "wb") as f:
            f.write(record(*far))

        env = editor_environment(work)
        process = subprocess.Popen([program, first], env=env, cwd=work)
        window = run("xdotool", "search", "--sync", "--onlyvisible", "--name", "^Quarn").split()[0]
        xdo("windowfocus", "--sync", window)
        screen = Screen(window)
        shot = settle(screen)
        vx, vy, view_width = black_view_origin(shot, 200)
        view_height = 0
        while vy + view_height < shot[1] and pixel(shot, vx, vy + view_height) == b"\x00\x00\x00":
            view_height += 1
        sx, sy = origin_cell(view_width, view_height)

        def at(column, row):
            return vx + (column - sx) * T + T // 2, vy + (row - sy) * T + T // 2

        # Click once with the hand (nothing moves), pick the selection tool, mark the block.
        x, y = at(sx + 2, sy + 2)
        xdo("mousemove", "--window", window, str(x), str(y))
        xdo("click", "1")
        xdo("key", "s")
        x0, y0 = at(505, 510)
        x1, y1 = at(508, 512)
        drag(window, x0, y0, x1, y1)
        time.sleep(0.3)
        xdo("key", "--clearmodifiers", "ctrl+c")
        time.sleep(0.3)

        # Level B in a second window; the paste appears at its view's top-left corner.
        xdo("key", "--clearmodifiers", "ctrl+o")
        type_file_name(second)
        settle(screen, shot)
        # No window manager hands the keyboard back after the dialog: the editor must take it itself.
        # Scroll the second view to the level's top-left corner with the arrow keys, so the block
        # is pasted at cell (0, 0) whatever size the new window got.
        xdo("key", "--clearmodifiers", "--repeat", "80", "--delay", "5", "Left")
        xdo("key", "--clearmodifiers", "--repeat", "80", "--delay", "5", "Up")
        before = settle(screen)
        xdo("key", "--clearmodifiers", "ctrl+v")
        after = settle(screen, before)
        left, top, right, bottom = changed_box(before, after, before[0] - 320)
        if right - left + 1 < 3 * T or bottom - top + 1 < 2 * T:
            fail("the pasted block is not shown (%d x %d pixels changed)" % (right - left + 1, bottom - top + 1))
        bx, by = left, top  # the second view's top-left corner, where the block floats

        # Drag the block 5 cells right and 3 down, then click outside it to write it.
        drag(window, bx + 24, by + 16, bx + 24 + 5 * T, by + 16 + 3 * T)
        time.sleep(0.3)
        xdo("mousemove", "--window", window, str(bx + 400), str(by + 300))
        xdo("click", "1")
        time.sleep(0.3)
        xdo("key", "--clearmodifiers", "ctrl+s")
        backup = second + ".bak"
        deadline = time.monotonic() + TIMEOUT
        while not os.path.exists(backup) and time.monotonic() < deadline:
            time.sleep(0.2)
        if not os.path.exists(backup):
            fail("the second level was not saved")
        time.sleep(0.5)

        # The replace dialog refuses 300 in a number box, and Cancel then closes it: the message
        # does not come back to hold the designer in the box.
        xdo("key", "--clearmodifiers", "ctrl+h")
        dialog = wait_for(lambda: visible("^Replace Tiles in$"), "the replace dialog")[0]
        xdo("key", "Down")  # the "Switch ... with ..." option
        xdo("key", "Tab")  # into its first number box
        xdo("type", "300")
        xdo("key", "Tab")
        message = wait_for(lambda: [w for w in visible(".") if w not in (window, dialog)], "the message")[0]
        xdo("windowfocus", "--sync", message)
        xdo("key", "Return")
        wait_for(lambda: message not in visible("."), "the message to close")
        # A window manager hands the keyboard back to the dialog, to the box the message returned to.
        xdo("windowfocus", "--sync", dialog)
        height = int(dict(line.split("=") for line in xdo("getwindowgeometry", "--shell", dialog).split())["HEIGHT"])
        xdo("mousemove", "--window", dialog, "200", str(height - 20))
        xdo("click", "1")
        wait_for(lambda: visible(".") == [window], "Cancel to close the replace dialog and nothing else to show")

        # The replace dialog closed with Escape, then a tool key works without a click: G shows the grid.
        plain = settle(screen)
        xdo("key", "--clearmodifiers", "ctrl+h")
        time.sleep(1.0)
        xdo("key", "Escape")
        before = settle(screen)
        if before[2] != plain[2]:
            fail("Escape did not close the replace dialog")
        xdo("key", "g")
        settle(screen, before)

        saved = records(second)
        others = [r for r in saved if r != far]
        if len(saved) != 7 or len(others) != 6:
            fail("the saved level holds %s" % saved)
        c0 = min(c for c, _, _ in others)
        r0 = min(r for _, r, _ in others)
        if sorted(others) != sorted((c0 + c - 505, r0 + r - 510, t) for c, r, t in block):
            fail("the block arrived changed: %s" % others)
        if (c0, r0) != (5, 3):
            fail("the block landed at (%d, %d), not 5 cells right and 3 down of (0, 0)" % (c0, r0))
        if records(first) != [(c, r, t) for c, r, t in block]:
            fail("copying changed the first level's file")
        print("selection e2e: marked, copied, pasted into a second level, dragged, applied, saved 6 cells")
    finally:
        clean_up(work, process)


if __name__ == "__main__":
    main()
