#!/usr/bin/env python3
"""Drives the real editor on an X server: opens a level named on the command line, scrolls with
the mouse wheel, zooms with Ctrl + wheel, saves with Ctrl+S and checks the written file and its
backup, then leaves through the File menu. A second run opens files that are not levels and
checks that saving never replaces them. Run under tests/xvfb_run.py; needs xdotool and ImageMagick."""

import argparse
import json
import os
import struct
import subprocess
import sys
import tempfile
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), ".."))
from e2e_support import (TIMEOUT, clean_up, close_with_escape, editor_environment, fail,  # noqa: E402
                         private_program, record, run, save_asks_for_a_name, wait_for, xdo)


def level_cells():
    """A checkered patch around the middle of the map, where a new view starts, in column order
    (not the row order the editor writes)."""
    cells = []
    for column in range(440, 590):
        for row in range(470, 560):
            if (column // 3 + row // 2) % 4 != 0:
                cells.append((column, row, 1 + (column * 7 + row * 3) % 150))
    return cells


def window_shot(window, x, y, width, height):
    """Pixels of a window area as raw RGB bytes (ImageMagick's PPM output)."""
    data = subprocess.run(["import", "-window", window, "-crop", "%dx%d+%d+%d" % (width, height, x, y),
                           "-depth", "8", "ppm:-"], capture_output=True, timeout=TIMEOUT).stdout
    # P6 header: magic, width, height, maximum value, then the pixel bytes.
    parts = data.split(maxsplit=4)
    if len(parts) < 5 or parts[0] != b"P6":
        fail("could not read a screenshot of the window")
    return parts[4]


def settle(shoot, previous=None):
    """The view's pixels once two shots in a row agree (and differ from `previous`, if given)."""
    last = shoot()
    deadline = time.monotonic() + TIMEOUT
    while time.monotonic() < deadline:
        time.sleep(0.4)
        now = shoot()
        if now == last and (previous is None or now != previous):
            return now
        last = now
    fail("the view did not change and settle")


def message_box():
    """The id of a visible message box (titled like the main window, but small), or None."""
    found = run("xdotool", "search", "--onlyvisible", "--name", "^Quarn$", check=False).split()
    for window in found:
        # A box may close between the search and this question; it then simply is not there.
        shell = run("xdotool", "getwindowgeometry", "--shell", window, check=False)
        geometry = dict(line.split("=") for line in shell.split())
        if "WIDTH" in geometry and int(geometry["WIDTH"]) < 700:
            return window
    return None


def answer_message_box():
    box = wait_for(message_box, "a message box")
    xdo("windowfocus", "--sync", box)
    xdo("key", "Return")
    wait_for(lambda: message_box() != box, "the message box to close")


def foreign_files_are_never_saved_over(program, work):
    """A file of mostly readable records with a line of text after them opens unnamed, so Ctrl+S asks
    for a name (cancelled here); a text file is refused. Neither file changes, and neither gets a backup."""
    damaged = os.path.join(work, "damaged.lvl")
    junk = os.path.join(work, "junk.lvl")
    contents = {damaged: record(5, 5, 9) + record(6, 6, 9) + b"notes\n", junk: b"shopping list: milk, eggs\n"}
    for path, data in contents.items():
        with open(path, "wb") as f:
            f.write(data)
    process = subprocess.Popen([program, damaged, junk], env=editor_environment(work), cwd=work)
    try:
        answer_message_box()  # damaged.lvl: records were skipped
        answer_message_box()  # junk.lvl: not a level file
        window = run("xdotool", "search", "--sync", "--onlyvisible", "--name", "^Quarn").split()[0]
        save_asks_for_a_name(window, "the damaged level")
        for path, data in contents.items():
            if open(path, "rb").read() != data or os.path.exists(path + ".bak"):
                fail("%s was saved over" % os.path.basename(path))
        xdo("windowfocus", "--sync", window)
        xdo("key", "alt+f")
        time.sleep(0.5)
        xdo("key", "Up")
        xdo("key", "Return")
        if process.wait(timeout=TIMEOUT) != 0:
            fail("the editor did not exit cleanly after the foreign files")
        process = None
    finally:
        if process is not None:
            process.kill()
            process.wait()


def window_named(pattern):
    return lambda: run("xdotool", "search", "--onlyvisible", "--name", pattern, check=False).split()


def dialogs_and_keys_never_trap(program, work):
    """Save As into /proc, where reading a file to choose its icon never returns: the dialog lists the
    folder and answers, the failed save is reported, and the next dialog still opens and closes. Then
    the last map closes through the question and Ctrl+N works at once, without a click."""
    process = subprocess.Popen([program], env=editor_environment(work), cwd=work)
    try:
        window = wait_for(window_named("^Quarn"), "the main window")[0]
        xdo("windowfocus", "--sync", window)
        xdo("key", "--clearmodifiers", "ctrl+n")
        wait_for(window_named("^Quarn - Untitled$"), "a new level named in the title")
        xdo("key", "--clearmodifiers", "ctrl+shift+s")
        dialog = wait_for(window_named("^Save lvl as"), "Ctrl+Shift+S to ask for a name")[0]
        xdo("windowfocus", "--sync", dialog)
        xdo("type", "/proc/")
        xdo("key", "Return")
        time.sleep(1)
        xdo("type", "x.lvl")
        xdo("key", "Return")
        answer_message_box()  # the level cannot be written there
        xdo("windowfocus", "--sync", window)
        xdo("key", "--clearmodifiers", "ctrl+o")
        wait_for(window_named("^Select an lvl to open"), "the open dialog after a save into /proc")
        close_with_escape("^Select an lvl to open", "the open dialog")
        # A changed level, closed through its question.
        xdo("key", "p")
        xdo("mousemove", "--window", window, "300", "300")
        xdo("click", "1")
        wait_for(window_named(r"^Quarn - Untitled\*$"), "the changed mark in the title")
        xdo("key", "--clearmodifiers", "ctrl+w")
        box = wait_for(message_box, "the close question")
        xdo("windowfocus", "--sync", box)
        xdo("key", "alt+y")
        wait_for(lambda: not window_named("Untitled")(), "the last level to close")
        xdo("key", "--clearmodifiers", "ctrl+n")
        wait_for(window_named("^Quarn - Untitled$"), "Ctrl+N with no level open")
    finally:
        process.kill()
        process.wait()


def info(quarn_lvl, path):
    return json.loads(run(quarn_lvl, "info", path, "--json"))


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--quarn", required=True)
    parser.add_argument("--quarn-lvl", required=True)
    options = parser.parse_args()

    work = tempfile.mkdtemp(prefix="quarn-e2e-")
    process = None
    try:
        # A private copy of the program, so its recent.ini lands here and not in the build folder.
        program = private_program(options.quarn, work)

        cells = level_cells()
        original = b"".join(record(*c) for c in cells)
        level = os.path.join(work, "my level.lvl")
        with open(level, "wb") as f:
            f.write(original)
        expected = b"".join(record(c, r, t) for c, r, t in sorted(cells, key=lambda c: (c[1], c[0])))

        env = editor_environment(work)
        process = subprocess.Popen([program, level], env=env, cwd=work)

        window = run("xdotool", "search", "--sync", "--onlyvisible", "--name", "^Quarn").split()[0]
        geometry = dict(line.split("=") for line in xdo("getwindowgeometry", "--shell", window).split())
        width, height = int(geometry["WIDTH"]), int(geometry["HEIGHT"])
        if width < 800 or height < 600:
            fail("main window is only %dx%d" % (width, height))
        xdo("windowfocus", "--sync", window)

        # The map window sits at the top left of the window area; its view covers this square.
        vx, vy, size = 120, 160, 300
        shoot = lambda: window_shot(window, vx, vy, size, size)
        start = settle(shoot)
        if len(set(start)) < 4:
            fail("the level's tiles are not shown")

        xdo("mousemove", "--window", window, str(vx + size // 2), str(vy + size // 2))
        xdo("click", "--repeat", "3", "--delay", "50", "5")
        scrolled = settle(shoot, start)

        xdo("keydown", "ctrl")
        xdo("click", "5")
        xdo("keyup", "ctrl")
        settle(shoot, scrolled)

        xdo("key", "--clearmodifiers", "ctrl+s")
        backup = level + ".bak"
        wait_for(lambda: os.path.exists(backup), "the backup of the saved level")
        wait_for(lambda: open(level, "rb").read() == expected, "the saved level in row order")
        if open(backup, "rb").read() != original:
            fail("the backup does not hold the level as it was")
        saved, before = info(options.quarn_lvl, level), info(options.quarn_lvl, backup)
        if saved["cells"] != len(cells) or saved["skipped"] != 0 or saved["cells"] != before["cells"]:
            fail("saved level reads back as %s" % saved)

        # Leave through the menu: nothing is unsaved, so no question stops the exit.
        xdo("key", "alt+f")
        time.sleep(0.5)
        xdo("key", "Up")
        xdo("key", "Return")
        try:
            code = process.wait(timeout=TIMEOUT)
        except subprocess.TimeoutExpired:
            fail("the editor did not exit through File > Exit")
        process = None
        if code != 0:
            fail("the editor exited with status %d" % code)

        foreign_files_are_never_saved_over(program, work)
        dialogs_and_keys_never_trap(program, work)
        print("editor e2e: opened, scrolled, zoomed, saved %d cells, exited; foreign files left alone; "
              "Save As into /proc answered" % len(cells))
    finally:
        clean_up(work, process)


if __name__ == "__main__":
    main()
