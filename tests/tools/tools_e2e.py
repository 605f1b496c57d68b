#!/usr/bin/env python3
"""Drives the real editor on an X server with the mouse: picks a tile in the tileset panel, draws a
rectangle and fills it with the bucket, draws a line, undoes the line, saves with Ctrl+S and checks
the records of the saved level; then drags the pencil with a 6 x 6 special tile across the filled
block, saves, undoes the stroke and saves again: the records must be those before the stroke.
Then a pencil stroke with a right click in its middle paints the left tile only and is one undo
step. Last, with the wall set kept beside the level, W turns on Walls mode and a rectangle becomes a
closed room of the set's corner and edge pieces. Run under tests/xvfb_run.py; needs xdotool."""

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

# Window-relative places: the new map window sits at the top left of the window area, the tileset
# panel at the top right with tile 1 at its top-left corner.
TILESET = (1055, 87)
PICKED_TILE = 4  # the fourth tile of the first row
SPECIAL_TILE = 219
VIEW_POINT_A = (200, 200)
VIEW_POINT_B = (360, 300)


def records(path):
    data = open(path, "rb").read()
    cells = {}
    for (word,) in struct.iter_unpack("<I", data[len(data) % 4:]):
        cells[(word & 0xFFF, (word >> 12) & 0xFFF)] = word >> 24
    return cells


def pick_tile(window, tile):
    """The tile under the pointer in the panel becomes the left tile."""
    column, row = (tile - 1) % 19, (tile - 1) // 19
    xdo("mousemove", "--window", window, str(TILESET[0] + column * 16 + 8), str(TILESET[1] + row * 16 + 8))
    xdo("click", "1")
    time.sleep(0.3)


def save(window, level):
    before = os.path.getmtime(level)
    xdo("key", "--clearmodifiers", "ctrl+s")
    wait_for(lambda: os.path.exists(level + ".bak") and os.path.getmtime(level) != before, "the saved level")
    time.sleep(0.3)
    return records(level)


def drag(window, start, end, steps=8):
    xdo("mousemove", "--window", window, str(start[0]), str(start[1]))
    xdo("mousedown", "1")
    for i in range(1, steps + 1):
        x = start[0] + (end[0] - start[0]) * i // steps
        y = start[1] + (end[1] - start[1]) * i // steps
        xdo("mousemove", "--window", window, str(x), str(y))
        time.sleep(0.03)
    xdo("mouseup", "1")
    time.sleep(0.3)


# A wall set of tiles 101..116, entry j being tile 101 + j.
WALL_SETS = ('{"version": 1, "seed": 7, "wallSets": [{"name": "Brick", "tiles": '
             '[[101, 102, 103, 104], [105, 106, 107, 108], [109, 110, 111, 112], [113, 114, 115, 116]]}]}\n')
# The pieces of a closed room by mask (north 1, east 2, south 4, west 8): entry of the mask + 101.
ROOM_PIECES = {"top left": 101, "top right": 103, "bottom left": 109, "bottom right": 111,
               "top and bottom": 114, "sides": 108}


def walled_room(window, level, sets, before):
    """W, then a rectangle drawn beside the earlier cells: a room of wall pieces, saved with the level;
    the unchanged sets file is left as it was."""
    with open(sets) as f:
        kept = f.read()
    xdo("windowfocus", "--sync", window)
    xdo("key", "w")
    xdo("key", "r")
    drag(window, (450, 200), (560, 280))
    saved = save(window, level)
    room = {cell: tile for cell, tile in saved.items() if before.get(cell) != tile}
    if not room or not all(101 <= tile <= 116 for tile in room.values()):
        fail("Walls mode should draw wall pieces only, it drew %s" % sorted(set(room.values())))
    xs = [c for c, _ in room]
    ys = [r for _, r in room]
    left, right, top, bottom = min(xs), max(xs), min(ys), max(ys)
    expected = {}
    for x in range(left, right + 1):
        expected[(x, top)] = ROOM_PIECES["top and bottom"]
        expected[(x, bottom)] = ROOM_PIECES["top and bottom"]
    for y in range(top, bottom + 1):
        expected[(left, y)] = ROOM_PIECES["sides"]
        expected[(right, y)] = ROOM_PIECES["sides"]
    expected[(left, top)] = ROOM_PIECES["top left"]
    expected[(right, top)] = ROOM_PIECES["top right"]
    expected[(left, bottom)] = ROOM_PIECES["bottom left"]
    expected[(right, bottom)] = ROOM_PIECES["bottom right"]
    if room != expected:
        wrong = sorted((cell, room.get(cell), tile) for cell, tile in expected.items() if room.get(cell) != tile)
        fail("the room's pieces are wrong at %d cells, first %s" % (len(wrong), wrong[:5]))
    with open(sets) as f:
        if f.read() != kept:
            fail("saving the level rewrote its unchanged sets file")


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--quarn", required=True)
    options = parser.parse_args()

    work = tempfile.mkdtemp(prefix="quarn-tools-e2e-")
    process = None
    try:
        program = private_program(options.quarn, work)
        level = os.path.join(work, "tools.lvl")
        with open(level, "wb") as f:
            f.write(struct.pack("<I", 3 * 16777216))  # tile 3 at (0, 0), far from the view
        sets = level + ".sets.json"
        with open(sets, "w") as f:
            f.write(WALL_SETS)

        env = editor_environment(work)
        process = subprocess.Popen([program, level], env=env, cwd=work)
        window = xdo("search", "--sync", "--onlyvisible", "--name", "^Quarn").split()[0]
        xdo("windowfocus", "--sync", window)
        time.sleep(1.5)

        pick_tile(window, PICKED_TILE)

        xdo("key", "r")
        drag(window, VIEW_POINT_A, VIEW_POINT_B)
        xdo("key", "f")
        middle = ((VIEW_POINT_A[0] + VIEW_POINT_B[0]) // 2, (VIEW_POINT_A[1] + VIEW_POINT_B[1]) // 2)
        xdo("mousemove", "--window", window, str(middle[0]), str(middle[1]))
        xdo("click", "1")
        time.sleep(0.5)
        xdo("key", "l")
        drag(window, (VIEW_POINT_A[0], VIEW_POINT_B[1] + 80), (VIEW_POINT_B[0] + 100, VIEW_POINT_B[1] + 120))
        xdo("key", "--clearmodifiers", "ctrl+z")
        time.sleep(0.3)

        saved = save(window, level)
        cells = dict(saved)
        if cells.pop((0, 0), None) != 3:
            fail("the level's own cell was lost")
        if not cells:
            fail("nothing was drawn")
        if set(cells.values()) != {PICKED_TILE}:
            fail("cells hold %s, not only the picked tile %d" % (sorted(set(cells.values())), PICKED_TILE))
        xs = [c for c, _ in cells]
        ys = [r for _, r in cells]
        width, height = max(xs) - min(xs) + 1, max(ys) - min(ys) + 1
        expected_w = (VIEW_POINT_B[0] - VIEW_POINT_A[0]) // 16 + 1
        expected_h = (VIEW_POINT_B[1] - VIEW_POINT_A[1]) // 16 + 1
        if abs(width - expected_w) > 1 or abs(height - expected_h) > 1:
            fail("the rectangle is %d x %d cells, expected about %d x %d" % (width, height, expected_w, expected_h))
        # The outline filled by the bucket is a solid block; the undone line left nothing behind.
        if len(cells) != width * height:
            fail("%d cells drawn, a filled %d x %d rectangle has %d" % (len(cells), width, height, width * height))

        # Ten cells sideways through the filled block: the stroke leaves a row of objects over the
        # block's cells and the floor beside it, and its undo must give every one of them back.
        pick_tile(window, SPECIAL_TILE)
        xdo("key", "p")
        stroke_y = VIEW_POINT_A[1] + 40
        drag(window, (VIEW_POINT_A[0] - 40, stroke_y), (VIEW_POINT_A[0] + 120, stroke_y), steps=10)
        stroked = save(window, level)
        objects = sorted(cell for cell, tile in stroked.items() if tile == SPECIAL_TILE)
        if len(objects) < 2 or any(b[0] - a[0] < 6 for a, b in zip(objects, objects[1:])):
            fail("the stroke should leave a row of whole objects, it left %s" % objects)
        xdo("key", "--clearmodifiers", "ctrl+z")
        time.sleep(0.3)
        after_undo = save(window, level)
        if after_undo != saved:
            changed = sorted(set(after_undo.items()) ^ set(saved.items()))
            fail("undoing the special-tile stroke left %d records changed, first %s" % (len(changed), changed[:5]))
        # The right button pressed and released in the middle of a stroke neither ends it nor paints:
        # one row of the left tile, and one undo takes all of it back.
        pick_tile(window, PICKED_TILE)
        row_y = VIEW_POINT_B[1] + 60
        xdo("mousemove", "--window", window, str(VIEW_POINT_A[0]), str(row_y))
        xdo("mousedown", "1")
        for step in range(1, 5):
            xdo("mousemove", "--window", window, str(VIEW_POINT_A[0] + step * 40), str(row_y))
            time.sleep(0.03)
            if step == 2:
                xdo("mousedown", "3")
                time.sleep(0.05)
                xdo("mouseup", "3")
        xdo("mouseup", "1")
        time.sleep(0.3)
        interrupted = save(window, level)
        added = {cell: tile for cell, tile in interrupted.items() if after_undo.get(cell) != tile}
        columns = sorted(c for c, _ in added)
        if set(added.values()) != {PICKED_TILE} or len({r for _, r in added}) != 1 or \
                len(columns) != columns[-1] - columns[0] + 1 or len(columns) < 10:
            fail("the interrupted stroke should leave one unbroken row of tile %d, it left %s"
                 % (PICKED_TILE, sorted(added.items())[:12]))
        xdo("key", "--clearmodifiers", "ctrl+z")
        time.sleep(0.3)
        if save(window, level) != after_undo:
            fail("one undo should take back the whole interrupted stroke")
        walled_room(window, level, sets, interrupted)
        print("tools e2e: picked tile %d, drew and filled a %d x %d rectangle, undid a line, saved; "
              "undid a stroke of %d and saved the same records; a right click left a stroke whole"
              % (PICKED_TILE, width, height, SPECIAL_TILE) + "; Walls mode drew a closed room")
    finally:
        clean_up(work, process)


if __name__ == "__main__":
    main()
