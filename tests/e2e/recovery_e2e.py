#!/usr/bin/env python3
"""Drives the real editor on an X server through a crash: paints in a level, waits for its recovery
copy, kills the editor with SIGKILL, starts it again, restores the copy from the dialog the start
shows, saves, and checks that the painted cells reached the level's own file, which nothing touched
before the Save. Then the same crash once more, but the level is saved by another program before
the restart: the restored copy says so, Save asks for a name, and the newer file stays as it is.
Run under tests/xvfb_run.py; needs xdotool and ImageMagick."""

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
                         save_asks_for_a_name, wait_for, xdo)


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


def paint_stroke(window, y):
    """Clicks once with the hand (nothing moves), takes the pencil and draws a stroke in the view."""
    x = 200
    xdo("windowfocus", "--sync", window)
    time.sleep(1.0)
    xdo("mousemove", "--window", window, str(x), str(y))
    xdo("click", "1")
    xdo("key", "p")
    xdo("mousedown", "1")
    for i in range(1, 9):
        xdo("mousemove", "--window", window, str(x + 12 * i), str(y + 5 * i))
    xdo("mouseup", "1")


def recovery_dialog(process, folder):
    """The id of the recovery dialog the started editor shows."""
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
    return find()[0]


def restore(dialog):
    xdo("windowfocus", "--sync", dialog)
    xdo("key", "Return")  # Restore is the default button
    wait_for(lambda: not run("xdotool", "search", "--onlyvisible", "--name", "^Recover Unsaved Levels$",
                             check=False).split(), "the recovery dialog to close")


def windows_named(pattern):
    return set(run("xdotool", "search", "--onlyvisible", "--name", pattern, check=False).split())


def restore_after_a_newer_save(program, env, work, folder, level, backup, shots):
    """Paint, wait for the copy, kill the editor, save the level with another program, restart and
    restore with the default answers: the copy says the level was saved since, and Ctrl+S asks for
    a name instead of writing the old copy over the newer file."""
    before = records(level)
    process = subprocess.Popen([program, level], env=env, cwd=work)
    try:
        paint_stroke(main_window(), 330)
        stable_copy(folder, before)
        process.send_signal(signal.SIGKILL)
        process.wait()
        newer = b"".join(record(c, 40, 4) for c in range(10))
        with open(level, "wb") as f:
            f.write(newer)

        process = subprocess.Popen([program], env=env, cwd=work)
        dialog = recovery_dialog(process, folder)
        if shots:
            time.sleep(0.5)
            run("import", "-window", "root", os.path.join(shots, "recovery-newer-dialog.png"))
        shown = windows_named("^Quarn")
        restore(dialog)
        # The copy is not bound to the level's file again, and a message says why.
        box = wait_for(lambda: list(windows_named("^Quarn$") - shown),
                       "the message that the level was saved since")[0]
        if shots:
            time.sleep(0.5)
            run("import", "-window", "root", os.path.join(shots, "recovery-newer-message.png"))
        xdo("windowfocus", "--sync", box)
        xdo("key", "Return")
        wait_for(lambda: box not in windows_named("^Quarn$"), "the message box to close")
        save_asks_for_a_name(main_window(), "the recovered level")
        time.sleep(0.5)
        if open(level, "rb").read() != newer or open(level + ".bak", "rb").read() != backup:
            fail("restoring a copy older than the level's file wrote over the newer file")
    finally:
        process.kill()
        process.wait()


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
        paint_stroke(main_window(), 260)

        painted = stable_copy(folder, original) - original
        if open(level, "rb").read() != original_bytes or os.path.exists(level + ".bak"):
            fail("the level's own file changed before any Save")
        stray = [n for n in os.listdir(work)
                 if n not in ("quarn", "default.bmp", "recent.ini", "my level.lvl", "config", "data")]
        if stray:
            fail("files appeared beside the level: %s" % stray)

        process.send_signal(signal.SIGKILL)
        process.wait()
        process = subprocess.Popen([program], env=env, cwd=work)
        dialog = recovery_dialog(process, folder)
        time.sleep(0.5)
        if options.shots:
            run("import", "-window", "root", os.path.join(options.shots, "recovery-dialog.png"))
        if open(level, "rb").read() != original_bytes:
            fail("the level's own file changed before any Save")
        restore(dialog)

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
        restore_after_a_newer_save(program, env, work, folder, level, original_bytes, options.shots)
        print("recovery e2e: painted %d cells, killed the editor, restored and saved them; a copy older than "
              "its level's file left the file alone" % len(painted))
    finally:
        clean_up(work, process, keepalive)


if __name__ == "__main__":
    main()
