#!/usr/bin/env python3
"""Drives the real editor on an X server through a crash: paints in a level, waits for its recovery
copy, kills the editor with SIGKILL, starts it again, restores the copy from the dialog the start
shows, saves, and checks that the painted cells reached the level's own file, which nothing touched
before the Save. Run under tests/xvfb_run.py; needs xdotool and ImageMagick."""

import argparse
import glob
import os
import signal
import struct
import subprocess
import sys
import tempfile
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), ".."))
from e2e_support import (TIMEOUT, clean_up, editor_environment, fail, private_program, record, run,  # noqa: E402
                         wait_for, xdo)


def records(path):
    data = open(path, "rb").read()
    return {struct.unpack_from("<I", data, i)[0] for i in range(0, len(data) - len(data) % 4, 4)}


def copies(folder):
    return sorted(glob.glob(os.path.join(folder, "copy-*.lvl")))


def stable_copy(folder, original):
    """The records of the level's copy once it holds painted cells and stops changing."""
    def painted():
        found = copies(folder)
        return len(found) == 1 and len(records(found[0]) - original) > 0 and records(found[0])
    last = wait_for(painted, "a recovery copy holding the painted cells")
    deadline = time.monotonic() + TIMEOUT
    while time.monotonic() < deadline:
        time.sleep(1.5)
        now = painted()
        if now == last:
            return now
        last = now
    fail("the recovery copy kept changing after the painting ended")


def main_window():
    return run("xdotool", "search", "--sync", "--onlyvisible", "--name", "^Quarn").split()[0]


def leave(process, window):
    xdo("windowfocus", "--sync", window)
    xdo("key", "alt+f")
    time.sleep(0.5)
    xdo("key", "Up")
    xdo("key", "Return")
    try:
        return process.wait(timeout=TIMEOUT)
    except subprocess.TimeoutExpired:
        fail("the editor did not exit through File > Exit")


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--quarn", required=True)
    parser.add_argument("--shots", help="folder for screenshots of the dialog and the restored level")
    options = parser.parse_args()

    work = tempfile.mkdtemp(prefix="quarn-recovery-e2e-")
    process = None
    # An X server resets when its last client goes, and refuses connections while it does: one
    # client stays connected while the editor is killed, so the restarted editor finds it ready.
    keepalive = subprocess.Popen(["xdotool", "search", "--sync", "--name", "^no window has this name$"],
                                 stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    try:
        program = private_program(options.quarn, work)
        env = editor_environment(work)
        env["XDG_DATA_HOME"] = os.path.join(work, "data")
        settings = os.path.join(env["XDG_CONFIG_HOME"], "Quarn", "quarn.ini")
        os.makedirs(os.path.dirname(settings))
        with open(settings, "w") as f:
            f.write("[Recovery]\nenabled=true\ndelaySeconds=0.5\nmaxIntervalSeconds=2\n")
        folder = os.path.join(env["XDG_DATA_HOME"], "Quarn", "recovery")

        # A few cells in a corner, far from the view that opens in the middle of the level.
        level = os.path.join(work, "my level.lvl")
        original_bytes = b"".join(record(c, 3, 9) for c in range(3, 8))
        with open(level, "wb") as f:
            f.write(original_bytes)
        original = records(level)

        process = subprocess.Popen([program, level], env=env, cwd=work)
        window = main_window()
        xdo("windowfocus", "--sync", window)
        time.sleep(1.0)
        # Click once with the hand (nothing moves), take the pencil, draw a stroke in the view.
        x, y = 200, 260
        xdo("mousemove", "--window", window, str(x), str(y))
        xdo("click", "1")
        xdo("key", "p")
        xdo("mousedown", "1")
        for i in range(1, 9):
            xdo("mousemove", "--window", window, str(x + 12 * i), str(y + 5 * i))
        xdo("mouseup", "1")

        painted = stable_copy(folder, original) - original
        if open(level, "rb").read() != original_bytes or os.path.exists(level + ".bak"):
            fail("the level's own file changed before any Save")
        stray = [n for n in os.listdir(work) if n not in ("quarn", "default.bmp", "recent.ini", "my level.lvl", "config", "data")]
        if stray:
            fail("files appeared beside the level: %s" % stray)

        process.send_signal(signal.SIGKILL)
        process.wait()
        process = subprocess.Popen([program], env=env, cwd=work)
        find = lambda: run("xdotool", "search", "--onlyvisible", "--name", "^Recover Unsaved Levels$",
                           check=False).split()
        deadline = time.monotonic() + TIMEOUT
        while not find() and time.monotonic() < deadline and process.poll() is None:
            time.sleep(0.2)
        if not find():
            windows = run("xdotool", "search", "--name", ".", check=False).split()
            names = [run("xdotool", "getwindowname", w, check=False).strip() for w in windows]
            fail("no recovery dialog (editor %s); recovery folder: %s; windows: %s"
                 % ("running" if process.poll() is None else "exited with %s" % process.returncode,
                    sorted(os.listdir(folder)), [n for n in names if n]))
        dialog = find()[0]
        time.sleep(0.5)
        if options.shots:
            run("import", "-window", "root", os.path.join(options.shots, "recovery-dialog.png"))
        if open(level, "rb").read() != original_bytes:
            fail("the level's own file changed before any Save")
        xdo("windowfocus", "--sync", dialog)
        xdo("key", "Return")  # Restore is the default button
        wait_for(lambda: not find(), "the recovery dialog to close")

        window = main_window()
        time.sleep(1.0)
        if options.shots:
            run("import", "-window", "root", os.path.join(options.shots, "recovery-restored.png"))
        if open(level, "rb").read() != original_bytes:
            fail("restoring wrote to the level's own file")
        xdo("windowfocus", "--sync", window)
        xdo("key", "--clearmodifiers", "ctrl+s")
        wait_for(lambda: records(level) == original | painted, "Save to write the restored cells to the level")
        if open(level + ".bak", "rb").read() != original_bytes:
            fail("the backup does not hold the level as it was before the crash")
        wait_for(lambda: not copies(folder), "Save to remove the recovery copy")

        code = leave(process, window)
        process = None
        if code != 0:
            fail("the editor exited with status %d" % code)
        if os.listdir(folder):
            fail("a clean exit left %s in the recovery folder" % os.listdir(folder))
        print("recovery e2e: painted %d cells, killed the editor, restored and saved them" % len(painted))
    finally:
        clean_up(work, process, keepalive)


if __name__ == "__main__":
    main()
