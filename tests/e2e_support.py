"""Helpers shared by the end-to-end scripts that drive the real editor under an X server."""

import os
import shutil
import struct
import subprocess
import sys
import time

TIMEOUT = 60  # seconds for any single wait; generous for sanitizer builds


def fail(message):
    print("FAIL: " + message, file=sys.stderr)
    sys.exit(1)


def run(*args, timeout=TIMEOUT, check=True):
    result = subprocess.run(args, capture_output=True, text=True, timeout=timeout)
    if check and result.returncode != 0:
        fail("%s failed (%d): %s" % (" ".join(args), result.returncode, result.stderr.strip()))
    return result.stdout


def xdo(*args):
    return run("xdotool", *args)


def record(column, row, tile):
    return struct.pack("<I", column + row * 4096 + tile * 16777216)


def wait_for(predicate, what):
    deadline = time.monotonic() + TIMEOUT
    while time.monotonic() < deadline:
        value = predicate()
        if value:
            return value
        time.sleep(0.2)
    fail("timed out waiting for " + what)


def visible_windows(pattern):
    return run("xdotool", "search", "--onlyvisible", "--name", pattern, check=False).split()


def close_with_escape(pattern, what):
    """Focuses the visible window named like `pattern` and presses Escape until it is gone. A dialog
    may be mapped before it takes keys (slow under the sanitizers, and with no window manager nobody
    hands it the focus), so one Escape can be lost; a second one never does harm."""
    deadline = time.monotonic() + TIMEOUT
    while time.monotonic() < deadline:
        found = visible_windows(pattern)
        if not found:
            return
        run("xdotool", "windowfocus", "--sync", found[0], check=False)
        run("xdotool", "key", "Escape", check=False)
        time.sleep(1)
    fail("timed out waiting for " + what + " to close")


def save_asks_for_a_name(window, why):
    """Ctrl+S in `window` must open the Save As dialog (the level has no name); Escape closes it."""
    xdo("windowfocus", "--sync", window)
    xdo("key", "--clearmodifiers", "ctrl+s")
    wait_for(lambda: visible_windows("^Save lvl as"), "Save to ask for a name for " + why)
    close_with_escape("^Save lvl as", "the save dialog")


def private_program(quarn, work):
    """A copy of the editor (with its default.bmp) in `work`, so its recent.ini lands there and
    not in the build folder."""
    program = os.path.join(work, "quarn")
    shutil.copy2(quarn, program)
    default_bmp = os.path.join(os.path.dirname(quarn), "default.bmp")
    if os.path.exists(default_bmp):
        shutil.copy2(default_bmp, work)
    return program


def editor_environment(work):
    return dict(os.environ, QT_QPA_PLATFORM="xcb", HOME=work, XDG_CONFIG_HOME=os.path.join(work, "config"))


def clean_up(work, *processes):
    """Kills the processes still running and removes the scratch folder."""
    for process in processes:
        if process is not None:
            process.kill()
            process.wait()
    shutil.rmtree(work, ignore_errors=True)
