#!/usr/bin/env python3
"""Remakes every picture Quarn ships with: the default tileset data/default.bmp
(8-bit paletted, 304 x 160, tiles 1..190), the extra-tiles strip
data/extratiles.png (304 x 64, tiles 191..266), the large special tiles
data/picspecial.png (224 x 96) and the toolbar, cursor and application icons
under data/icons/. Run it from anywhere as `python3 tools/make_art.py`; it needs
only the Python 3 standard library, overwrites the files in data/ and checks
what it wrote (sizes, bitmap header fields, and that no two tiles of the
default tileset share a picture), exiting non-zero if a check fails.
"""

# Icons written into data/icons/ and the button or tool each one belongs to.
#   Left toolbar (tool number, button key) -- also the source of the cursors:
#     tool-magnifier.svg   1  Magnifier    zoom in / out
#     tool-selection.svg   2  Selection    rectangular selection
#     tool-hand.svg        3  None         hand: pans the view
#     tool-pencil.svg      4  Pencil
#     tool-dropper.svg     5  Dropper      picks a tile from the map
#     tool-eraser.svg      6  Eraser
#     tool-bucket.svg      7  Bucket       flood fill
#     tool-line.svg        8  Line
#     tool-spline.svg      9  SpLine       polyline
#     tool-rectangle.svg  10  Rectangle
#     tool-ellipse.svg    11  Ellipse
#   Top toolbar (button key):
#     new.svg New, open.svg Open, save.svg Save, cut.svg Cut, copy.svg Copy,
#     paste.svg Paste, undo.svg Undo, redo.svg Redo, grid.svg Grid,
#     tilenr.svg TileNr, mirror.svg Mirror, flip.svg Flip,
#     fillinscreen.svg FillInScreen
#   Line width option buttons: linewidth-1.svg, linewidth-3.svg, linewidth-5.svg
#   Application: quarn.svg
#
# Suggested cursor hot spots, in 24 x 24 icon pixels (the click lands here):
#   magnifier (10, 10) lens centre; hand (13, 13) palm; pencil (3, 19) tip;
#   dropper (4, 19) tip; eraser (6, 17) rubbing end; bucket (4, 20) drip.
#   Scale by 4/3 for a 32 x 32 cursor. Selection, line, spline, rectangle
#   and ellipse show the system crosshair instead.

import math
import os
import struct
import sys
import xml.etree.ElementTree as ET
import zlib

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
DATA = os.path.join(ROOT, "data")
ICONS = os.path.join(DATA, "icons")

TILE = 16
PER_ROW = 19


# --------------------------------------------------------------------------
# Palette: the tileset is 8-bit, so every tile colour comes from a fixed set
# of ramps (dark to light). Drawing code names a ramp and a shade.

def clamp(v, lo, hi):
    return lo if v < lo else hi if v > hi else v


def mix(a, b, t):
    return tuple(int(round(a[i] + (b[i] - a[i]) * t)) for i in range(3))


def ramp_from(keys, n):
    out = []
    for i in range(n):
        t = i / (n - 1) * (len(keys) - 1)
        j = min(int(t), len(keys) - 2)
        out.append(mix(keys[j], keys[j + 1], t - j))
    return out


RAMP_KEYS = [
    ("grey", [(0, 0, 0), (255, 255, 255)], 16),
    ("stone", [(28, 31, 38), (110, 116, 128), (205, 210, 220)], 10),
    ("warm", [(40, 36, 30), (125, 116, 100), (222, 212, 190)], 10),
    ("wood", [(40, 22, 10), (130, 80, 40), (226, 178, 116)], 10),
    ("earth", [(34, 24, 16), (110, 80, 50), (190, 152, 108)], 10),
    ("sand", [(110, 86, 50), (200, 172, 110), (250, 238, 190)], 8),
    ("grass", [(18, 46, 14), (70, 128, 40), (176, 228, 96)], 10),
    ("leaf", [(8, 30, 16), (36, 92, 44), (110, 180, 90)], 8),
    ("water", [(6, 20, 70), (30, 90, 180), (170, 220, 255)], 10),
    ("lava", [(60, 0, 0), (200, 40, 0), (255, 150, 20), (255, 245, 150)], 10),
    ("red", [(60, 0, 4), (200, 24, 24), (255, 150, 140)], 8),
    ("yellow", [(80, 60, 0), (240, 210, 20), (255, 255, 190)], 8),
    ("green", [(0, 50, 10), (30, 200, 50), (190, 255, 170)], 8),
    ("cyan", [(0, 40, 56), (0, 190, 210), (200, 255, 255)], 10),
    ("ice", [(50, 90, 120), (140, 200, 225), (240, 252, 255)], 8),
    ("purple", [(24, 0, 36), (120, 40, 170), (230, 170, 255)], 10),
    ("brick", [(46, 14, 10), (150, 64, 44), (228, 150, 120)], 10),
    ("metal", [(26, 30, 40), (100, 112, 130), (220, 228, 240)], 10),
    ("moss", [(26, 40, 18), (80, 110, 50), (150, 180, 100)], 6),
    ("wine", [(40, 0, 16), (140, 30, 60), (230, 130, 150)], 8),
    ("basalt", [(14, 12, 14), (56, 48, 48), (120, 104, 100)], 8),
    ("skin", [(80, 50, 30), (200, 150, 110), (250, 220, 190)], 6),
    ("pink", [(90, 20, 60), (230, 90, 160), (255, 200, 230)], 6),
]

INK = (22, 20, 26)          # outline of objects drawn on tiles

RAMPS = {}
PALETTE = [INK]
for _name, _keys, _n in RAMP_KEYS:
    RAMPS[_name] = ramp_from(_keys, _n)
    PALETTE.extend(RAMPS[_name])
assert len(PALETTE) <= 256, len(PALETTE)
PALETTE.extend([(0, 0, 0)] * (256 - len(PALETTE)))


def C(name, k):
    r = RAMPS[name]
    return r[clamp(int(round(k)), 0, len(r) - 1)]


def shade(col, name, dk):
    """The colour dk steps lighter (or darker) within its ramp."""
    r = RAMPS[name]
    i = r.index(col) if col in r else 0
    return C(name, i + dk)


BLACK = (0, 0, 0)
WHITE = (255, 255, 255)


_nearest_cache = {}


def palette_index(rgb):
    idx = _nearest_cache.get(rgb)
    if idx is None:
        best, idx = None, 0
        for i, p in enumerate(PALETTE):
            d = (p[0] - rgb[0]) ** 2 + (p[1] - rgb[1]) ** 2 + (p[2] - rgb[2]) ** 2
            if best is None or d < best:
                best, idx = d, i
                if d == 0:
                    break
        _nearest_cache[rgb] = idx
    return idx


# --------------------------------------------------------------------------
# Pixel canvas

class Canvas:
    def __init__(self, w, h, fill=BLACK):
        self.w, self.h = w, h
        self.px = [[fill] * w for _ in range(h)]

    def set(self, x, y, c):
        if 0 <= x < self.w and 0 <= y < self.h:
            self.px[y][x] = c

    def get(self, x, y):
        return self.px[clamp(y, 0, self.h - 1)][clamp(x, 0, self.w - 1)]

    def rect(self, x0, y0, x1, y1, c):
        for y in range(max(0, y0), min(self.h - 1, y1) + 1):
            row = self.px[y]
            for x in range(max(0, x0), min(self.w - 1, x1) + 1):
                row[x] = c

    def frame(self, x0, y0, x1, y1, c):
        self.hline(x0, x1, y0, c)
        self.hline(x0, x1, y1, c)
        self.vline(x0, y0, y1, c)
        self.vline(x1, y0, y1, c)

    def hline(self, x0, x1, y, c):
        self.rect(min(x0, x1), y, max(x0, x1), y, c)

    def vline(self, x, y0, y1, c):
        self.rect(x, min(y0, y1), x, max(y0, y1), c)

    def line(self, x0, y0, x1, y1, c):
        dx, dy = abs(x1 - x0), -abs(y1 - y0)
        sx, sy = (1 if x0 < x1 else -1), (1 if y0 < y1 else -1)
        err = dx + dy
        while True:
            self.set(x0, y0, c)
            if x0 == x1 and y0 == y1:
                break
            e2 = 2 * err
            if e2 >= dy:
                err += dy
                x0 += sx
            if e2 <= dx:
                err += dx
                y0 += sy

    def ellipse(self, cx, cy, rx, ry, c):
        """Filled ellipse; centre and radii in pixel units (pixel centres at +0.5)."""
        for y in range(self.h):
            for x in range(self.w):
                dx = (x + 0.5 - cx) / rx
                dy = (y + 0.5 - cy) / ry
                if dx * dx + dy * dy <= 1.0:
                    self.px[y][x] = c

    def disc(self, cx, cy, r, c):
        self.ellipse(cx, cy, r, r, c)

    def each(self, fn):
        """fn(x, y, old) -> new colour or None to keep."""
        for y in range(self.h):
            for x in range(self.w):
                v = fn(x, y, self.px[y][x])
                if v is not None:
                    self.px[y][x] = v

    def blit(self, src, ox, oy, key=None):
        for y in range(src.h):
            for x in range(src.w):
                c = src.px[y][x]
                if key is None or c != key:
                    self.set(ox + x, oy + y, c)

    def block(self, x0, y0, w, h):
        return tuple(tuple(self.px[y][x0:x0 + w]) for y in range(y0, y0 + h))

    def scaled(self, f):
        out = Canvas(self.w * f, self.h * f)
        for y in range(out.h):
            for x in range(out.w):
                out.px[y][x] = self.px[y // f][x // f]
        return out


def sprite(c, rows, legend, ox=0, oy=0):
    """Draws character art; '.' and ' ' are see-through."""
    for j, row in enumerate(rows):
        for i, ch in enumerate(row):
            if ch in ". ":
                continue
            c.set(ox + i, oy + j, legend[ch])


def outline(c, inside, col, diagonal=False):
    """Paints col on pixels outside the shape that touch it."""
    hits = []
    for y in range(c.h):
        for x in range(c.w):
            if inside(x, y):
                continue
            nb = [(1, 0), (-1, 0), (0, 1), (0, -1)]
            if diagonal:
                nb += [(1, 1), (-1, -1), (1, -1), (-1, 1)]
            if any(inside(x + dx, y + dy) for dx, dy in nb):
                hits.append((x, y))
    for x, y in hits:
        c.set(x, y, col)


# --------------------------------------------------------------------------
# Deterministic noise, periodic over a tile so textures join seamlessly.

M32 = 0xFFFFFFFF


def _mix32(h):
    h ^= h >> 16
    h = (h * 0x85EBCA6B) & M32
    h ^= h >> 13
    h = (h * 0xC2B2AE35) & M32
    return h ^ (h >> 16)


def hash2(x, y, seed):
    h = _mix32((seed * 0x9E3779B1 + 0x7F4A7C15) & M32)
    h = _mix32((h + x * 0x27D4EB2F) & M32)
    h = _mix32((h ^ (y * 0x165667B1)) & M32)
    return (h & 0xFFFFFF) / float(0xFFFFFF)


def vnoise(x, y, seed, cell=4, period=16):
    n = max(1, period // cell)
    gx, gy = x / cell, y / cell
    x0, y0 = int(math.floor(gx)), int(math.floor(gy))
    fx, fy = gx - x0, gy - y0
    fx = fx * fx * (3 - 2 * fx)
    fy = fy * fy * (3 - 2 * fy)

    def v(i, j):
        return hash2(i % n, j % n, seed)
    a = v(x0, y0) + (v(x0 + 1, y0) - v(x0, y0)) * fx
    b = v(x0, y0 + 1) + (v(x0 + 1, y0 + 1) - v(x0, y0 + 1)) * fx
    return a + (b - a) * fy


def voronoi_points(seed, cell, jitter=0.8, period=16):
    pts = []
    n = period // cell
    for j in range(n):
        for i in range(n):
            px = (i + 0.5 + (hash2(i, j, seed) - 0.5) * jitter) * cell
            py = (j + 0.5 + (hash2(i, j, seed + 77) - 0.5) * jitter) * cell
            pts.append((px, py))
    return pts


def voronoi(x, y, pts, period=16):
    """(index of nearest point, distance to it, distance to the second)."""
    d1 = d2 = 1e9
    best = 0
    px, py = x + 0.5, y + 0.5
    for i, (qx, qy) in enumerate(pts):
        dx = abs(px - qx)
        dy = abs(py - qy)
        dx = min(dx, period - dx)
        dy = min(dy, period - dy)
        d = math.hypot(dx, dy)
        if d < d1:
            d2, d1, best = d1, d, i
        elif d < d2:
            d2 = d
    return best, d1, d2


def texture(c, name, base, amp, seed, cell=4, fine=0.0, where=None):
    for y in range(c.h):
        for x in range(c.w):
            if where is not None and not where(x, y):
                continue
            v = (vnoise(x, y, seed, cell) - 0.5) * 2 * amp
            v += (hash2(x, y, seed + 5) - 0.5) * 2 * fine
            c.px[y][x] = C(name, base + v)


# --------------------------------------------------------------------------
# File writers

def bmp8_bytes(canvas):
    w, h = canvas.w, canvas.h
    stride = (w + 3) & ~3
    pixels = bytearray()
    for y in range(h - 1, -1, -1):          # bottom-up rows
        row = bytes(palette_index(c) for c in canvas.px[y])
        pixels += row + b"\0" * (stride - w)
    palette = b"".join(struct.pack("<BBBB", b, g, r, 0) for (r, g, b) in PALETTE)
    off = 14 + 40 + len(palette)
    info = struct.pack("<IiiHHIIiiII", 40, w, h, 1, 8, 0, len(pixels),
                       2835, 2835, 256, 0)
    head = struct.pack("<2sIHHI", b"BM", off + len(pixels), 0, 0, off)
    return head + info + palette + bytes(pixels)


def png_bytes(canvas):
    raw = bytearray()
    for row in canvas.px:
        raw.append(0)
        for (r, g, b) in row:
            raw += bytes((r, g, b))

    def chunk(kind, data):
        return (struct.pack(">I", len(data)) + kind + data
                + struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF))
    ihdr = struct.pack(">IIBBBBB", canvas.w, canvas.h, 8, 2, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", ihdr)
            + chunk(b"IDAT", zlib.compress(bytes(raw), 9)) + chunk(b"IEND", b""))


def write(path, data):
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "wb") as f:
        f.write(data)


# --------------------------------------------------------------------------
# Default tileset, tiles 1..190. Overview colours of the map shade tiles
# 1..161 light grey, 162..169 blue, 170 yellow, 171 green, 172 red and
# 173..190 cyan, so the pictures follow that: terrain, walls and furniture
# first, then water, three markers, and the icy/crystal kinds last.

TILES = {}


def tile(n):
    def reg(fn):
        assert n not in TILES, n
        TILES[n] = fn
        return fn
    return reg


def floor_bg(c, seed=1):
    """Dark slate floor that objects stand on."""
    texture(c, "stone", 2.6, 0.6, seed, cell=8, fine=0.35)
    c.hline(0, 15, 15, C("stone", 1.6))
    c.vline(15, 0, 15, C("stone", 1.6))


def slabs(c, rects, name, base, seed, mortar, amp=0.6, grain=0.5, bevel=True):
    c.rect(0, 0, 15, 15, mortar)
    for i, (x0, y0, x1, y1) in enumerate(rects):
        off = (hash2(i, 3, seed) - 0.5) * 2 * amp
        for y in range(y0, y1 + 1):
            for x in range(x0, x1 + 1):
                v = base + off + (hash2(x, y, seed) - 0.5) * 2 * grain
                if bevel and (y == y0 or x == x0):
                    v += 1
                if bevel and (y == y1 or x == x1):
                    v -= 1
                c.set(x % 16, y % 16, C(name, v))


@tile(1)
def t_stone_floor(c):
    texture(c, "stone", 5, 0.7, 11, cell=8, fine=0.4)
    c.hline(0, 15, 15, C("stone", 3))
    c.vline(15, 0, 15, C("stone", 3))
    c.hline(0, 14, 0, C("stone", 6))
    c.vline(0, 0, 14, C("stone", 6))


@tile(2)
def t_flagstones(c):
    slabs(c, [(0, 0, 8, 6), (10, 0, 14, 6), (5, 8, 11, 14), (13, 8, 19, 14)],
          "warm", 6, 21, C("warm", 2), amp=0.9)


@tile(3)
def t_cobbles(c):
    pts = voronoi_points(31, 8, 0.35) + [(x + 4, y + 4) for (x, y) in voronoi_points(32, 8, 0.35)]

    def f(x, y, _):
        i, d1, d2 = voronoi(x, y, pts)
        if d2 - d1 < 0.9:
            return C("earth", 1.5)
        qx, qy = pts[i]
        v = 6.6 + (hash2(i, 0, 31) - 0.5) * 2 - d1 * 0.5
        if (x + 0.5) < qx and (y + 0.5) < qy:
            v += 1.2
        return C("stone", v)
    c.each(f)


@tile(4)
def t_checker(c):
    def f(x, y, _):
        light = ((x // 8) + (y // 8)) % 2 == 0
        v = 13 if light else 4
        lx, ly = x % 8, y % 8
        if lx == 0 or ly == 0:
            v += 1
        if lx == 7 or ly == 7:
            v -= 1
        return C("grey", v)
    c.each(f)


def planks(c, name, base, seed, seams, vertical=False):
    """Planks 3 px wide plus a 1 px gap; seams gives the butt joint of each."""
    gap = C(name, base - 3.5)
    for y in range(16):
        for x in range(16):
            u, v = (y, x) if vertical else (x, y)
            row = v // 4
            if v % 4 == 3:
                c.set(x, y, gap)
                continue
            if u == seams[row]:
                c.set(x, y, gap)
                continue
            piece = row * 2 + (1 if u > seams[row] else 0)
            t = base + (hash2(piece, 1, seed) - 0.5) * 1.6
            t += 0.8 * math.sin(u * 0.9 + row * 2.0 + hash2(piece, 2, seed) * 6) * \
                (0.5 if v % 4 == 1 else 0.2)
            if v % 4 == 0:
                t += 0.8
            if v % 4 == 2:
                t -= 0.6
            c.set(x, y, C(name, t))
    for row, s in enumerate(seams):
        for du in (-2, 2):
            u = (s + du) % 16
            v = row * 4 + 1
            c.set(*((v, u) if vertical else (u, v)), C("grey", 3))


@tile(5)
def t_planks_h(c):
    planks(c, "wood", 6, 41, [11, 5, 14, 8])


@tile(6)
def t_planks_v(c):
    planks(c, "wood", 4, 43, [3, 12, 7, 1], vertical=True)


@tile(7)
def t_metal_plate(c):
    def f(x, y, _):
        v = 5 + 0.6 * math.sin((x + y) * 0.35)
        if x == 0 or y == 0:
            v += 2
        if x == 15 or y == 15:
            v -= 2.5
        return C("metal", v)
    c.each(f)
    for (x, y) in [(2, 2), (12, 2), (2, 12), (12, 12)]:
        c.rect(x, y, x + 1, y + 1, C("metal", 3))
        c.set(x, y, C("metal", 8))


@tile(8)
def t_grate(c):
    c.rect(0, 0, 15, 15, C("grey", 1))
    for y in range(16):
        for x in range(16):
            if x % 4 == 0 or y % 4 == 0:
                c.set(x, y, C("metal", 6 if (x % 4 == 0 and y % 4 == 0) else 5))
            elif x % 4 == 1 or y % 4 == 1:
                c.set(x, y, C("metal", 2))


@tile(9)
def t_tread_plate(c):
    c.each(lambda x, y, _: C("metal", 4 + (0.5 if (x + y) % 7 == 0 else 0)))
    for cy in range(0, 16, 4):
        for cx in range(0, 16, 4):
            if ((cx + cy) // 4) % 2 == 0:
                pts = [(cx + 1, cy + 2), (cx + 2, cy + 1)]
            else:
                pts = [(cx + 1, cy + 1), (cx + 2, cy + 2)]
            for (x, y) in pts:
                c.set(x, y, C("metal", 7))
                c.set(x + 1, y + 1, C("metal", 2))


@tile(10)
def t_hex(c):
    grout = C("warm", 2)
    c.rect(0, 0, 15, 15, grout)
    for y in range(16):
        for x in range(16):
            row = y // 8
            xx = (x + (4 if row % 2 else 0)) % 16
            lx, ly = xx % 8, y % 8
            if lx == 7 or ly == 7:
                continue
            if min(lx, 6 - lx) + min(ly, 6 - ly) < 2:
                continue
            cell = (xx // 8) + row * 2
            v = 7 + (hash2(cell, 0, 51) - 0.5) * 1.5
            if ly == 0 or lx == 0:
                v += 1
            c.set(x, y, C("sand", v - 1.5))


@tile(11)
def t_marble(c):
    def f(x, y, _):
        t = math.sin((x * 0.5 + y * 0.3) * 1.1 + 4.0 * vnoise(x, y, 61, 8))
        if abs(t) < 0.14:
            return C("grey", 9)
        if abs(t) < 0.3:
            return C("grey", 12)
        return C("grey", 14 if hash2(x, y, 62) > 0.2 else 13)
    c.each(f)


@tile(12)
def t_dark_bricks(c):
    rects = []
    for r in range(4):
        off = 4 if r % 2 else 0
        for k in range(2):
            x0 = off + k * 8
            rects.append((x0, r * 4, x0 + 6, r * 4 + 2))
    slabs(c, rects, "stone", 3.4, 71, C("stone", 0.5), amp=0.8)


@tile(13)
def t_basketweave(c):
    rects = []
    for qy in range(2):
        for qx in range(2):
            x0, y0 = qx * 8, qy * 8
            if (qx + qy) % 2 == 0:
                rects += [(x0, y0, x0 + 6, y0 + 2), (x0, y0 + 4, x0 + 6, y0 + 6)]
            else:
                rects += [(x0, y0, x0 + 2, y0 + 6), (x0 + 4, y0, x0 + 6, y0 + 6)]
    slabs(c, rects, "brick", 5, 81, C("warm", 3), amp=0.7)


@tile(14)
def t_carpet(c):
    def f(x, y, _):
        d = abs(x - 7.5) + abs(y - 7.5)
        if 6.5 <= d <= 7.5:
            return C("yellow", 4)
        if d < 2:
            return C("yellow", 3)
        if d < 3:
            return C("wine", 2)
        v = 4 + (0.5 if (x + y) % 2 else 0)
        return C("wine", v)
    c.each(f)


@tile(15)
def t_sand(c):
    def f(x, y, _):
        w = math.sin((y + 1.6 * math.sin(x * 2 * math.pi / 16)) * 2 * math.pi / 5.33)
        v = 5 + (hash2(x, y, 91) - 0.5) * 0.9
        if w > 0.75:
            v += 1.2
        elif w < -0.8:
            v -= 1
        return C("sand", v)
    c.each(f)


@tile(16)
def t_dirt(c):
    texture(c, "earth", 4.5, 1.0, 101, cell=4, fine=0.6)
    for (x, y) in [(3, 4), (11, 2), (8, 10), (13, 12), (2, 13)]:
        c.set(x, y, C("earth", 7.5))
        c.set(x + 1, y + 1, C("earth", 1.5))


@tile(17)
def t_gravel(c):
    c.rect(0, 0, 15, 15, C("earth", 2))
    pts = voronoi_points(111, 4, 0.9) + [(x + 2, y + 2) for (x, y) in voronoi_points(112, 4, 0.9)]

    def f(x, y, _):
        i, d1, d2 = voronoi(x, y, pts)
        if d1 > 1.7:
            return None
        ramp = "stone" if hash2(i, 1, 113) < 0.5 else "warm"
        v = 5.5 + (hash2(i, 2, 113) - 0.5) * 3
        qx, qy = pts[i]
        if x + 0.5 < qx and y + 0.5 < qy:
            v += 1.5
        if x + 0.5 > qx + 0.6 and y + 0.5 > qy + 0.6:
            v -= 1.5
        return C(ramp, v)
    c.each(f)


@tile(18)
def t_mud(c):
    texture(c, "earth", 2.8, 1.0, 121, cell=4, fine=0.5)
    for (cx, cy, rx, ry) in [(5, 5, 3.4, 2.2), (11, 11.5, 3.8, 2.4), (12.5, 3.5, 1.8, 1.2),
                             (3.5, 12.5, 1.6, 1.1)]:
        ins = (lambda cx, cy, rx, ry: lambda x, y:
               ((x + 0.5 - cx) / rx) ** 2 + ((y + 0.5 - cy) / ry) ** 2 <= 1)(cx, cy, rx, ry)
        for y in range(16):
            for x in range(16):
                if ins(x, y):
                    c.set(x, y, C("earth", 1) if not ins(x, y - 1) else C("basalt", 3))
                elif ins(x, y - 1) or ins(x - 1, y):
                    c.set(x, y, C("earth", 5))
        c.set(int(cx + rx / 3), int(cy), C("stone", 6))
        c.set(int(cx + rx / 3) + 1, int(cy), C("stone", 4))


@tile(19)
def t_cracked_floor(c):
    t_stone_floor(c)
    dark, lite = C("stone", 1), C("stone", 7)
    for (a, b) in [((1, 3), (5, 6)), ((5, 6), (7, 11)), ((7, 11), (12, 14)),
                   ((5, 6), (10, 4)), ((10, 4), (14, 5)), ((7, 11), (4, 14))]:
        c.line(a[0], a[1], b[0], b[1], dark)
    for (x, y) in [(6, 7), (8, 12), (11, 5)]:
        c.set(x, y, lite)


# --- grass, dirt and their borders ------------------------------------------

def grass_fill(c, seed=131):
    texture(c, "grass", 4.2, 0.8, seed, cell=8, fine=0.3)
    for y in range(16):
        for x in range(16):
            h = hash2(x, y, seed + 1)
            if h > 0.86:
                c.set(x, y, C("grass", 6.5))
                c.set(x, (y + 1) % 16, C("grass", 2.5))
            elif h < 0.06:
                c.set(x, y, C("grass", 7.5))


def dirt_fill(c):
    texture(c, "earth", 4.5, 1.0, 101, cell=4, fine=0.6)


@tile(20)
def t_grass(c):
    grass_fill(c)


@tile(21)
def t_grass_flowers(c):
    grass_fill(c, 141)
    for (x, y, petal) in [(3, 3, C("grey", 15)), (11, 5, C("yellow", 6)),
                          (6, 11, C("red", 4)), (13, 13, C("grey", 15)),
                          (1, 8, C("pink", 4))]:
        for dx, dy in [(1, 0), (-1, 0), (0, 1), (0, -1)]:
            c.set(x + dx, y + dy, petal)
        c.set(x, y, C("yellow", 4) if petal != C("yellow", 6) else C("brick", 4))


@tile(22)
def t_tall_grass(c):
    texture(c, "leaf", 3, 0.6, 151, cell=8, fine=0.2)
    for i in range(26):
        x = int(hash2(i, 0, 152) * 16)
        y = int(hash2(i, 1, 152) * 16)
        h = 2 + int(hash2(i, 2, 152) * 3)
        lean = 1 if hash2(i, 3, 152) > 0.5 else -1
        for k in range(h):
            c.set((x + (lean if k == h - 1 else 0)) % 16, (y - k) % 16,
                  C("leaf", 4 + k * 1.2))
        c.set(x, (y + 1) % 16, C("leaf", 1))


def wob(t, phase):
    a = 2 * math.pi * t / 16
    return 1.0 * math.sin(a + phase) + 0.5 * math.sin(2 * a + phase * 2.3)


def quadrant_in(sx, sy, x, y, phase, r=3.5):
    bx = 8 + wob(y + 0.5, phase)
    by = 8 + wob(x + 0.5, phase + 1.7)
    u = sx * (x + 0.5 - bx) if sx else 1.0
    v = sy * (y + 0.5 - by) if sy else 1.0
    if u <= 0 or v <= 0:
        return False
    if sx and sy and u < r and v < r:
        return (r - u) ** 2 + (r - v) ** 2 <= r * r
    return True


# Borders between a terrain (fg) and its ground (bg): the fg on one side,
# then fg in one corner only (outer corners), then fg everywhere but one
# corner (inner corners). Sides and corners in order N, E, S, W and NE, SE,
# SW, NW, so a designer can ring a patch from the tileset by eye.
SIDES = [(0, -1), (1, 0), (0, 1), (-1, 0)]
CORNERS = [(1, -1), (1, 1), (-1, 1), (-1, -1)]


def border_shapes():
    shapes = []
    for sx, sy in SIDES:
        shapes.append(lambda x, y, p, sx=sx, sy=sy: quadrant_in(sx, sy, x, y, p))
    for sx, sy in CORNERS:
        shapes.append(lambda x, y, p, sx=sx, sy=sy: quadrant_in(sx, sy, x, y, p))
    for sx, sy in CORNERS:
        shapes.append(lambda x, y, p, sx=sx, sy=sy: not quadrant_in(sx, sy, x, y, p))
    return shapes


def transition(c, inside, fgdraw, bgdraw, rim, glow=None):
    fg, bg = Canvas(16, 16), Canvas(16, 16)
    fgdraw(fg)
    bgdraw(bg)
    for y in range(16):
        for x in range(16):
            c.px[y][x] = fg.px[y][x] if inside(x, y) else bg.px[y][x]
    n4 = [(1, 0), (-1, 0), (0, 1), (0, -1)]
    edits = []
    for y in range(16):
        for x in range(16):
            ins = inside(x, y)
            touch = any(inside(x + dx, y + dy) != ins for dx, dy in n4)
            if touch and ins and rim:
                edits.append((x, y, rim))
            elif touch and not ins and glow:
                edits.append((x, y, glow))
    for x, y, col in edits:
        c.set(x, y, col)


for _i, _shape in enumerate(border_shapes()):
    def _grass_border(c, shape=_shape):
        transition(c, lambda x, y: shape(x, y, 0.4), grass_fill, dirt_fill,
                   C("grass", 2), C("earth", 2))
    tile(23 + _i)(_grass_border)


@tile(35)
def t_bush(c):
    grass_fill(c)
    cx, cy = 8, 8

    def inside(x, y):
        a = math.atan2(y + 0.5 - cy, x + 0.5 - cx)
        r = 5.6 + 0.8 * math.sin(a * 5 + 1)
        return math.hypot(x + 0.5 - cx, y + 0.5 - cy) <= r
    for y in range(16):
        for x in range(16):
            if not inside(x - 1, y - 1) and inside(x - 2, y - 2):
                c.set(x, y, C("grass", 1.5))
    for y in range(16):
        for x in range(16):
            if inside(x, y):
                lit = ((cx - x - 0.5) + (cy - y - 0.5)) / 8
                v = 3.5 + lit * 2 + (vnoise(x, y, 161, 2) - 0.5) * 2
                c.set(x, y, C("leaf", v))
    outline(c, inside, C("leaf", 0))
    for (x, y) in [(6, 6), (10, 8), (7, 11)]:
        c.set(x, y, C("red", 4))
        c.set(x - 1, y - 1, C("red", 6))


@tile(36)
def t_tree(c):
    grass_fill(c)
    pts = [(8, 8), (5, 5), (11, 5), (4, 10), (11, 11), (8, 3), (8, 13)]

    def inside(x, y):
        return math.hypot(x + 0.5 - 8, y + 0.5 - 8) <= 7.3 + 0.5 * math.sin(
            math.atan2(y - 7.5, x - 7.5) * 7)
    for y in range(16):
        for x in range(16):
            if not inside(x, y) and inside(x - 1, y - 1):
                c.set(x, y, C("leaf", 0))
    for y in range(16):
        for x in range(16):
            if not inside(x, y):
                continue
            d = min(math.hypot(x + 0.5 - px, y + 0.5 - py) for (px, py) in pts)
            near = min(pts, key=lambda p: math.hypot(x + 0.5 - p[0], y + 0.5 - p[1]))
            lit = (near[0] - x - 0.5 + near[1] - y - 0.5) / 3
            c.set(x, y, C("grass", 3.2 + lit * 1.2 - d * 0.35))
    outline(c, inside, C("leaf", 0))


@tile(37)
def t_stump(c):
    grass_fill(c, 171)
    for (x0, y0, x1, y1) in [(3, 8, 1, 9), (12, 8, 14, 10), (8, 12, 9, 14)]:
        c.line(x0, y0, x1, y1, C("wood", 2))
    c.disc(8, 8, 5, C("wood", 2))
    for y in range(16):
        for x in range(16):
            r = math.hypot(x + 0.5 - 8, y + 0.5 - 8)
            if r <= 4:
                c.set(x, y, C("wood", 7 if int(r * 1.2) % 2 == 0 else 5.5))
    c.set(7, 7, C("wood", 3))
    outline(c, lambda x, y: math.hypot(x + 0.5 - 8, y + 0.5 - 8) <= 5, C("wood", 0))


@tile(38)
def t_grass_rocks(c):
    grass_fill(c, 181)
    for (cx, cy, r) in [(5, 6, 3.2), (11, 10, 2.6), (4, 12, 1.8)]:
        ins = (lambda cx, cy, r: lambda x, y: math.hypot(x + 0.5 - cx, (y + 0.5 - cy) * 1.2) <= r)(cx, cy, r)
        for y in range(16):
            for x in range(16):
                if ins(x, y):
                    lit = (cx - x - 0.5 + cy - y - 0.5) / r
                    c.set(x, y, C("stone", 5.5 + lit * 1.8))
        outline(c, ins, C("stone", 1))


# --- walls -------------------------------------------------------------------
# Each wall family holds 16 tiles, one per combination of the sides the wall
# runs out of (bit 1 north, 2 east, 4 south, 8 west), so neighbouring walls
# join into rooms and corridors. Walls are seen slightly from the front: an
# 8 px top face, a 3 px front face where the wall ends southwards, and a
# shadow on the floor to the right and below.

N_, E_, S_, W_ = 1, 2, 4, 8


def wall_in(mask, x, y):
    if 4 <= x <= 11 and 4 <= y <= 11:
        return True
    if mask & N_ and 4 <= x <= 11 and y < 4:
        return True
    if mask & E_ and 4 <= y <= 11 and x > 11:
        return True
    if mask & S_ and 4 <= x <= 11 and y > 11:
        return True
    if mask & W_ and 4 <= y <= 11 and x < 4:
        return True
    return False


def face_depth(mask, x, y):
    if wall_in(mask, x, y):
        return 0
    for d in (1, 2, 3):
        if wall_in(mask, x, y - d):
            return d
    return 0


def stone_top(x, y):
    row = y // 4
    if y % 4 == 3:
        return C("stone", 3)
    if (x + (row % 2) * 4) % 8 == 7:
        return C("stone", 3)
    block = ((x + (row % 2) * 4) // 8, row)
    return C("stone", 6.3 + (hash2(block[0] % 2, block[1] % 4, 201) - 0.5) * 1.6
             + (hash2(x, y, 202) - 0.5) * 0.6)


def stone_face(x, d):
    if (x + (4 if d == 3 else 0)) % 8 == 7:
        return C("stone", 1.5)
    return C("stone", {1: 4.5, 2: 3.6, 3: 3.0}[d])


def brick_top(x, y):
    row = y // 4
    if y % 4 == 3 or (x + (row % 2) * 2) % 4 == 3:
        return C("warm", 5)
    return C("brick", 5 + (hash2((x + (row % 2) * 2) // 4, row, 211) - 0.5) * 1.6)


def brick_face(x, d):
    if d == 2 or (x + (2 if d == 3 else 0)) % 4 == 3:
        return C("warm", 3)
    return C("brick", {1: 3.8, 3: 2.8}[d])


def metal_top(x, y):
    v = 6.2
    if (y % 8 == 3) and (x % 8 in (3, 4)):
        return C("metal", 9)
    if (y % 8 == 4) and (x % 8 in (3, 4)):
        return C("metal", 3)
    if x % 16 == 0 or y % 16 == 0:
        v -= 1
    return C("metal", v + 0.4 * math.sin((x - y) * 0.6))


def metal_face(x, d):
    if d == 3:
        return C("yellow", 4) if (x // 2) % 2 == 0 else C("grey", 2)
    return C("metal", 3.6 if x % 2 == 0 else 2.4)


WALL_STYLES = {
    "stone": dict(top=stone_top, face=stone_face,
                  floor=lambda c: texture(c, "stone", 2.8, 0.6, 1, cell=8, fine=0.3),
                  shadow=C("stone", 1.2), edge=("stone", 0)),
    "brick": dict(top=brick_top, face=brick_face,
                  floor=lambda c: texture(c, "earth", 3.2, 0.7, 101, cell=4, fine=0.4),
                  shadow=C("earth", 1.2), edge=("brick", 0)),
    "metal": dict(top=metal_top, face=metal_face,
                  floor=lambda c: (texture(c, "metal", 2.4, 0.3, 5, cell=8, fine=0.2),
                                   [c.set(x, y, C("metal", 1.5)) for y in range(16)
                                    for x in range(16) if x % 8 == 0 or y % 8 == 0]),
                  shadow=C("metal", 0.6), edge=("metal", 0)),
}


def wall(c, mask, style):
    st = WALL_STYLES[style]
    st["floor"](c)
    solid = lambda x, y: wall_in(mask, x, y) or face_depth(mask, x, y) > 0
    for y in range(16):
        for x in range(16):
            if solid(x, y):
                continue
            if solid(x - 1, y) or solid(x - 1, y - 1) and solid(x, y - 1):
                c.set(x, y, st["shadow"])
    for y in range(16):
        for x in range(16):
            if wall_in(mask, x, y):
                col = st["top"](x, y)
                ramp = st["edge"][0]
                if not wall_in(mask, x, y - 1):
                    col = C(ramp, 8.5)
                elif not wall_in(mask, x - 1, y):
                    col = C(ramp, 7.5)
                elif not wall_in(mask, x + 1, y):
                    col = C(ramp, 3)
                c.set(x, y, col)
            else:
                d = face_depth(mask, x, y)
                if d:
                    c.set(x, y, st["face"](x, d))


def register_walls(first, style, extras):
    for mask in range(16):
        tile(first + mask)(lambda c, m=mask: wall(c, m, style))
    for k, deco in enumerate(extras):
        def f(c, deco=deco):
            wall(c, E_ | W_, style)
            deco(c)
        tile(first + 16 + k)(f)


def deco_torch(c):
    c.rect(7, 12, 8, 14, C("wood", 3))
    c.rect(6, 12, 9, 12, C("metal", 3))
    c.set(7, 11, C("lava", 6))
    c.set(8, 11, C("lava", 7))
    c.rect(7, 9, 8, 10, C("lava", 8))
    c.set(7, 8, C("lava", 9))
    c.set(8, 10, C("lava", 9))
    for (x, y) in [(5, 12), (10, 12), (6, 9), (9, 9)]:
        c.set(x, y, C("lava", 5))


def deco_cracked(c):
    dark = C("stone", 0.5)
    for (a, b) in [((2, 4), (5, 7)), ((5, 7), (4, 10)), ((5, 7), (9, 8)),
                   ((9, 8), (12, 11)), ((12, 11), (13, 14)), ((9, 8), (11, 5))]:
        c.line(a[0], a[1], b[0], b[1], dark)
    c.rect(6, 12, 7, 13, C("stone", 0.5))
    for (x, y) in [(3, 15), (9, 15), (14, 15)]:
        c.set(x, y, C("stone", 5))


def deco_window(c):
    c.rect(4, 5, 11, 13, C("grey", 1))
    for x in (5, 8, 11):
        c.vline(x, 5, 13, C("metal", 6))
    c.hline(4, 11, 9, C("metal", 4))
    c.hline(4, 11, 4, C("stone", 8))


def deco_banner(c):
    c.rect(5, 6, 10, 14, C("wine", 4))
    c.vline(5, 6, 14, C("wine", 5))
    c.vline(10, 6, 14, C("wine", 2))
    c.hline(4, 11, 5, C("wood", 3))
    c.rect(7, 8, 8, 11, C("yellow", 5))
    c.set(6, 14, C("wine", 1))
    c.set(9, 14, C("wine", 1))
    c.set(7, 14, C("wine", 4))
    c.set(8, 14, C("wine", 4))


def deco_moss(c):
    for y in range(4, 15):
        for x in range(16):
            if vnoise(x, y, 221, 4) > 0.52 and hash2(x, y, 222) > 0.25:
                c.set(x, y, C("moss", 2.5 + (vnoise(x, y, 223, 2)) * 3))


def deco_broken(c):
    c.rect(6, 4, 10, 14, C("earth", 3))
    for y in range(4, 15):
        c.set(5, y, C("brick", 2))
        c.set(11, y, C("brick", 2))
    c.set(6, 4, C("brick", 7))
    c.set(10, 5, C("brick", 7))
    for (x, y, k) in [(7, 13, 5), (9, 12, 6), (8, 15, 4), (13, 14, 5), (2, 15, 4)]:
        c.set(x, y, C("brick", k))
        c.set(x + 1, y, C("brick", k - 2))


def deco_lights(c):
    for x in (2, 6, 10, 14):
        c.rect(x, 7, x + 1, 8, C("grey", 2))
    c.set(2, 7, C("green", 6))
    c.set(6, 7, C("red", 5))
    c.set(10, 7, C("green", 6))
    c.set(14, 7, C("yellow", 6))


def deco_vent(c):
    c.rect(3, 5, 12, 10, C("grey", 2))
    for y in (6, 8, 10):
        c.hline(4, 11, y, C("metal", 6))
    c.frame(3, 5, 12, 10, C("metal", 8))


def deco_pipe(c):
    c.rect(0, 6, 15, 9, C("brick", 5))
    c.hline(0, 15, 6, C("brick", 7))
    c.hline(0, 15, 9, C("brick", 2))
    c.rect(6, 5, 7, 10, C("metal", 7))
    c.rect(12, 7, 13, 8, C("red", 4))


register_walls(39, "stone", [deco_torch, deco_cracked, deco_window])
register_walls(58, "brick", [deco_banner, deco_moss, deco_broken])
register_walls(77, "metal", [deco_lights, deco_vent, deco_pipe])


# --- doors, stairs and floor fixtures -----------------------------------------

def wood_door_front(c, x0=5, x1=10, y0=5, y1=14):
    c.rect(x0 - 1, y0 - 1, x1 + 1, y1, C("stone", 8))
    c.rect(x0, y0, x1, y1, C("wood", 5))
    for x in range(x0, x1 + 1):
        if (x - x0) % 2 == 1:
            c.vline(x, y0, y1, C("wood", 4))
    c.hline(x0, x1, y0, C("wood", 7))
    c.set(x1 - 1, (y0 + y1) // 2 + 1, C("yellow", 5))


@tile(96)
def t_door_wood(c):
    wall(c, E_ | W_, "stone")
    wood_door_front(c)


@tile(97)
def t_door_wood_vertical(c):
    wall(c, N_ | S_, "stone")
    c.rect(4, 4, 11, 11, C("stone", 8))
    c.rect(5, 6, 10, 9, C("wood", 5))
    c.hline(5, 10, 6, C("wood", 7))
    c.hline(5, 10, 9, C("wood", 3))
    c.vline(5, 5, 10, C("metal", 3))
    c.vline(10, 5, 10, C("metal", 3))
    c.set(8, 8, C("yellow", 5))


@tile(98)
def t_doorway_open(c):
    wall(c, E_ | W_, "stone")
    c.rect(4, 4, 11, 14, C("stone", 8))
    c.rect(5, 5, 10, 15, C("stone", 2.6))
    c.rect(5, 5, 10, 6, C("grey", 1))
    c.rect(5, 7, 6, 14, C("wood", 4))
    c.vline(5, 7, 14, C("wood", 6))


@tile(99)
def t_door_metal(c):
    wall(c, E_ | W_, "metal")
    c.rect(4, 4, 11, 14, C("metal", 8))
    c.rect(5, 5, 10, 14, C("metal", 5))
    c.vline(7, 5, 14, C("metal", 2))
    c.vline(8, 5, 14, C("metal", 7))
    for x in range(5, 11):
        c.set(x, 13 - (x % 2), C("yellow", 5))
        c.set(x, 14, C("grey", 2) if x % 2 else C("yellow", 5))
    c.set(6, 9, C("green", 6))


@tile(100)
def t_door_metal_open(c):
    wall(c, E_ | W_, "metal")
    c.rect(4, 4, 11, 14, C("metal", 8))
    c.rect(5, 5, 10, 15, C("metal", 2))
    c.hline(5, 10, 5, C("grey", 1))
    c.vline(5, 5, 14, C("metal", 5))
    c.vline(10, 5, 14, C("metal", 5))
    c.set(9, 7, C("red", 5))
    c.hline(5, 10, 15, C("yellow", 4))


@tile(101)
def t_door_locked(c):
    wall(c, E_ | W_, "stone")
    wood_door_front(c)
    c.hline(5, 10, 7, C("metal", 3))
    c.hline(5, 10, 12, C("metal", 3))
    c.rect(6, 9, 9, 11, C("yellow", 5))
    c.frame(6, 9, 9, 11, C("yellow", 3))
    c.hline(7, 8, 8, C("yellow", 3))
    c.set(7, 10, C("grey", 1))
    c.set(8, 10, C("grey", 1))


@tile(102)
def t_portcullis(c):
    wall(c, E_ | W_, "stone")
    c.rect(4, 4, 11, 14, C("stone", 8))
    c.rect(5, 5, 10, 15, C("stone", 2.2))
    for x in (5, 7, 9):
        c.vline(x, 5, 14, C("metal", 6))
        c.set(x, 15, C("metal", 8))
    for y in (7, 11):
        c.hline(5, 10, y, C("metal", 4))


def steps(c, up):
    """Five steps running south; the way down ends in darkness."""
    for y in range(16):
        for x in (0, 1, 2, 13, 14, 15):
            c.set(x, y, C("stone", 4.5 if x in (1, 14) else 3))
    c.vline(2, 0, 15, C("stone", 6.5))
    c.vline(13, 0, 15, C("stone", 1.5))
    for i in range(5):
        y0 = i * 3
        v = (7.5 - i * 1.4) if not up else (4.2 + (4 - i) * 0.9)
        c.rect(3, y0, 12, y0 + 2, C("stone", v))
        c.hline(3, 12, y0, C("stone", v + 1.3))
        c.hline(3, 12, y0 + 2, C("stone", v - 2.2))
    if not up:
        c.rect(3, 14, 12, 15, BLACK)
        c.rect(3, 12, 12, 12, C("stone", 0.8))
    else:
        c.rect(3, 15, 12, 15, C("stone", 2))
        for k, y in enumerate((4, 5, 6)):
            c.set(7 - k, y, C("yellow", 6))
            c.set(8 + k, y, C("yellow", 6))


@tile(103)
def t_stairs_down(c):
    steps(c, False)


@tile(104)
def t_stairs_up(c):
    steps(c, True)


@tile(105)
def t_ladder_hole(c):
    floor_bg(c, 3)
    c.rect(2, 2, 13, 13, C("grey", 0.5))
    c.frame(1, 1, 14, 14, C("stone", 5))
    c.hline(2, 13, 2, C("stone", 1.2))
    c.vline(5, 2, 13, C("wood", 6))
    c.vline(10, 2, 13, C("wood", 6))
    for y in (4, 7, 10, 13):
        c.hline(6, 9, y, C("wood", 5 - (13 - y) * 0.1 - (0 if y < 13 else 1)))


@tile(106)
def t_trapdoor(c):
    floor_bg(c, 4)
    c.rect(2, 2, 13, 13, C("wood", 2))
    for y in range(3, 13):
        c.hline(3, 12, y, C("wood", 5 if y % 3 else 4))
    c.hline(3, 12, 3, C("wood", 7))
    c.rect(3, 5, 12, 5, C("metal", 3))
    c.rect(3, 10, 12, 10, C("metal", 3))
    c.frame(6, 7, 9, 9, C("metal", 7))


def bridge(c, vertical):
    """Planks on two ropes across a chasm."""
    c.each(lambda x, y, _: C("grey", 0.5 + vnoise(x, y, 301, 4) * 1.5))
    for y in range(16):
        for x in range(16):
            u, v = (y, x) if vertical else (x, y)
            col = None
            if 4 <= v <= 11:
                plank = u // 4
                if u % 4 == 3:
                    col = C("grey", 1) if v > 4 else C("wood", 1)
                else:
                    col = C("wood", 5.5 + (hash2(plank, 0, 302) - 0.5) * 1.8
                            + (0.8 if u % 4 == 0 else 0) - (1.2 if v == 11 else 0))
            if v in (3, 12):
                col = C("sand", 5 if u % 3 else 3)
            if v in (2, 13) and u % 4 == 1:
                col = C("sand", 3)
            if col:
                c.set(x, y, col)


@tile(107)
def t_bridge_h(c):
    bridge(c, False)


@tile(108)
def t_bridge_v(c):
    bridge(c, True)


@tile(109)
def t_pit(c):
    floor_bg(c, 5)
    ins = lambda x, y: math.hypot(x + 0.5 - 8, (y + 0.5 - 8) * 1.1) <= 6.3 + 0.6 * math.sin(
        math.atan2(y - 7.5, x - 7.5) * 4 + 0.5)
    for y in range(16):
        for x in range(16):
            if ins(x, y):
                depth = 1.0 if not ins(x, y - 1) or not ins(x, y - 2) else 0
                c.set(x, y, C("stone", 1.2) if depth else BLACK)
    outline(c, ins, C("stone", 5))


@tile(110)
def t_pressure_plate(c):
    floor_bg(c, 6)
    c.rect(3, 3, 12, 12, C("stone", 1))
    c.rect(4, 4, 11, 11, C("stone", 6))
    c.hline(4, 11, 4, C("stone", 8))
    c.vline(4, 4, 11, C("stone", 7.5))
    c.hline(4, 11, 11, C("stone", 3.5))
    c.vline(11, 4, 11, C("stone", 3.5))
    c.frame(6, 6, 9, 9, C("stone", 4))


def lever(c, on):
    floor_bg(c, 7)
    c.rect(4, 10, 11, 13, C("metal", 3))
    c.hline(4, 11, 10, C("metal", 6))
    c.hline(4, 11, 13, C("metal", 1.5))
    if on:
        c.line(8, 10, 12, 4, C("metal", 7))
        c.line(9, 10, 13, 4, C("metal", 5))
        c.rect(12, 2, 14, 4, C("green", 5))
        c.set(12, 2, C("green", 7))
    else:
        c.line(7, 10, 3, 4, C("metal", 7))
        c.line(8, 10, 4, 4, C("metal", 5))
        c.rect(2, 2, 4, 4, C("red", 4))
        c.set(2, 2, C("red", 6))


@tile(111)
def t_lever_off(c):
    lever(c, False)


@tile(112)
def t_lever_on(c):
    lever(c, True)


@tile(113)
def t_floor_button(c):
    floor_bg(c, 8)
    c.disc(8, 8, 5.5, C("metal", 2))
    c.disc(8, 8, 4.5, C("metal", 6))
    c.disc(8, 8, 3.2, C("red", 3))
    c.disc(7.5, 7.5, 2.2, C("red", 5))
    c.set(6, 6, C("red", 7))


@tile(114)
def t_spikes(c):
    floor_bg(c, 9)
    c.rect(1, 1, 14, 14, C("stone", 1.5))
    for cy in (4, 8, 12):
        for cx in (4, 8, 12):
            c.set(cx - 1, cy, C("metal", 4))
            c.set(cx, cy, C("metal", 3))
            c.set(cx - 1, cy - 1, C("metal", 9))
            c.set(cx, cy - 1, C("metal", 6))
            c.set(cx - 1, cy - 2, C("grey", 15))


# --- lava ------------------------------------------------------------------------

def lava_fill(c, seed=401):
    def f(x, y, _):
        n = vnoise(x, y, seed, 4)
        m = vnoise(x, y, seed + 1, 8)
        v = 5 + (n - 0.5) * 3 + (m - 0.5) * 2
        if abs(n - 0.5) < 0.05:
            v = 8.5
        return C("lava", v)
    c.each(f)


def basalt_fill(c, seed=411):
    texture(c, "basalt", 3.2, 0.8, seed, cell=4, fine=0.5)


@tile(115)
def t_lava(c):
    lava_fill(c)


@tile(116)
def t_lava_bubbles(c):
    lava_fill(c, 421)
    for (x, y, r) in [(4, 4, 2), (11, 7, 1.5), (6, 12, 1.5), (13, 13, 1)]:
        for yy in range(16):
            for xx in range(16):
                d = math.hypot(xx + 0.5 - x, yy + 0.5 - y)
                if d <= r + 0.5:
                    c.set(xx, yy, C("lava", 9 if d > r - 0.5 else 3))


@tile(117)
def t_lava_crust(c):
    lava_fill(c, 431)
    pts = voronoi_points(432, 8, 0.8)

    def f(x, y, _):
        i, d1, d2 = voronoi(x, y, pts)
        if hash2(i, 0, 433) < 0.75 and d2 - d1 > 1.4:
            return C("basalt", 2.5 + (1 if d1 < 2 else 0))
        if hash2(i, 0, 433) < 0.75 and d2 - d1 > 0.7:
            return C("lava", 3)
        return None
    c.each(f)


for _i, _shape in enumerate(border_shapes()):
    def _lava_border(c, shape=_shape):
        transition(c, lambda x, y: shape(x, y, 2.2), lava_fill, basalt_fill,
                   C("lava", 8), C("lava", 2))
    tile(118 + _i)(_lava_border)


@tile(130)
def t_basalt(c):
    basalt_fill(c)


@tile(131)
def t_basalt_glowing(c):
    basalt_fill(c, 441)
    pts = voronoi_points(442, 8, 0.9)

    def f(x, y, _):
        i, d1, d2 = voronoi(x, y, pts)
        if d2 - d1 < 0.7:
            return C("lava", 6)
        if d2 - d1 < 1.4:
            return C("lava", 2)
        return None
    c.each(f)


@tile(132)
def t_brazier(c):
    basalt_fill(c, 451)
    c.disc(8, 9, 6, C("metal", 2))
    c.disc(8, 9, 5, C("metal", 5))
    c.disc(8, 9, 3.8, C("basalt", 1))
    for (x, y, k) in [(8, 8, 9), (7, 8, 8), (9, 9, 8), (8, 7, 9), (6, 9, 6), (10, 8, 6),
                      (7, 10, 5), (9, 10, 6), (8, 6, 7), (7, 6, 5), (9, 5, 5)]:
        c.set(x, y, C("lava", k))


@tile(133)
def t_campfire(c):
    dirt_fill(c)
    for (cx, cy) in [(3, 8), (13, 8), (8, 3), (8, 13), (4.5, 4.5), (11.5, 11.5), (11.5, 4.5), (4.5, 11.5)]:
        c.disc(cx, cy, 1.6, C("stone", 5))
        c.set(int(cx) - 1, int(cy) - 1, C("stone", 7))
    c.line(4, 11, 11, 4, C("wood", 3))
    c.line(4, 4, 11, 11, C("wood", 3))
    c.line(5, 11, 12, 4, C("wood", 5))
    for (x, y, k) in [(8, 8, 9), (7, 8, 8), (8, 7, 8), (7, 7, 9), (9, 8, 6), (8, 9, 6),
                      (6, 7, 6), (7, 6, 7), (8, 5, 5), (9, 7, 7), (6, 9, 5)]:
        c.set(x, y, C("lava", k))


# --- furniture and props ---------------------------------------------------------

SH = C("stone", 1)     # shadow an object casts on the slate floor

WOOD = {"k": INK, "W": C("wood", 7), "w": C("wood", 5), "d": C("wood", 3),
        "G": C("yellow", 4), "Y": C("yellow", 6), "y": C("yellow", 3),
        "K": C("grey", 2), "s": SH}


def art(rows, legend, bg=floor_bg, seed=1):
    assert len(rows) == 16 and all(len(r) == 16 for r in rows), rows

    def draw(c):
        bg(c, seed) if bg is floor_bg else bg(c)
        sprite(c, rows, legend)
    return draw


@tile(134)
def t_crate(c):
    floor_bg(c, 11)
    c.rect(3, 14, 14, 14, SH)
    c.rect(14, 3, 14, 14, SH)
    c.rect(2, 2, 13, 13, INK)
    c.rect(3, 3, 12, 12, C("wood", 5))
    for y in range(4, 12):
        c.hline(4, 11, y, C("wood", 4 if y % 3 == 0 else 5))
    c.frame(3, 3, 12, 12, C("wood", 7))
    c.line(4, 11, 11, 4, C("wood", 7))
    c.line(5, 11, 11, 5, C("wood", 3))
    for (x, y) in [(3, 3), (12, 3), (3, 12), (12, 12)]:
        c.set(x, y, C("metal", 6))


@tile(135)
def t_barrel(c):
    floor_bg(c, 12)
    c.disc(8.7, 8.7, 6.6, SH)
    c.disc(8, 8, 6.6, INK)
    c.disc(8, 8, 5.8, C("metal", 4))
    c.disc(8, 8, 4.9, C("wood", 5))
    for y in range(16):
        for x in range(16):
            r = math.hypot(x + 0.5 - 8, y + 0.5 - 8)
            if r < 4.9 and x in (5, 8, 11):
                c.set(x, y, C("wood", 3.5))
    c.disc(8, 8, 1.1, C("wood", 2))
    c.set(5, 4, C("metal", 8))
    c.set(4, 5, C("metal", 8))


@tile(136)
def t_crate_stack(c):
    floor_bg(c, 13)
    for (x0, y0, k) in [(1, 8, 4), (8, 8, 5), (4, 1, 6)]:
        c.rect(x0 + 1, y0 + 1, x0 + 7, y0 + 7, SH)
        c.rect(x0, y0, x0 + 6, y0 + 6, INK)
        c.rect(x0 + 1, y0 + 1, x0 + 5, y0 + 5, C("wood", k))
        c.line(x0 + 1, y0 + 5, x0 + 5, y0 + 1, C("wood", k + 2))
        c.hline(x0 + 1, x0 + 5, y0 + 1, C("wood", k + 1.5))


tile(137)(art([
    "................",
    "................",
    "................",
    "..kkkkkkkkkkkk..",
    ".kWWWWWWWWWWWWk.",
    ".kwwwwwwwwwwwwk.",
    ".kGwwwwwwwwwwGk.",
    ".kkkkkkkkkkkkkk.",
    ".kwwwwwYYwwwwwk.",
    ".kwwwwYkkYwwwwk.",
    ".kGwwwYkkYwwwGk.",
    ".kdddddYYdddddk.",
    ".kGddddddddddGk.",
    ".kkkkkkkkkkkkkk.",
    "..ssssssssssss..",
    "................"], WOOD, seed=14))

tile(138)(art([
    "................",
    "..kkkkkkkkkkkk..",
    ".kddddddddddddk.",
    ".kdwwwwwwwwwwdk.",
    ".kGddddddddddGk.",
    ".kkkkkkkkkkkkkk.",
    ".kKKKKKKKKKKKKk.",
    ".kKYyKYYyKKYyKk.",
    ".kYyYyYyyYyYyYk.",
    ".kkkkkkkkkkkkkk.",
    ".kwwwwwwwwwwwwk.",
    ".kGwwwwwwwwwwGk.",
    ".kddddddddddddk.",
    ".kGddddddddddGk.",
    ".kkkkkkkkkkkkkk.",
    "..ssssssssssss.."], WOOD, seed=15))


@tile(139)
def t_table(c):
    floor_bg(c, 16)
    c.disc(8.8, 8.8, 6.8, SH)
    c.disc(8, 8, 6.8, INK)
    c.disc(8, 8, 6, C("wood", 4))
    c.disc(7.6, 7.6, 5.2, C("wood", 6))
    c.disc(10, 9.5, 2.2, C("grey", 12))
    c.disc(10, 9.5, 1.2, C("grey", 14))
    c.rect(5, 5, 6, 6, C("grey", 15))
    c.set(5, 4, C("lava", 8))


tile(140)(art([
    "................",
    "....kkkkkkkk....",
    "....kWWWWWWk....",
    "....kwdwwdwk....",
    "....kwdwwdwk....",
    "....kwdwwdwk....",
    "....kddddddk....",
    "...kkkkkkkkkk...",
    "...kWWWWWWWWk...",
    "...kwwwwwwwwk...",
    "...kddddddddk...",
    "...kkkkkkkkkk...",
    "...kdk....kdk...",
    "...kdk....kdk...",
    "...kkk....kkk...",
    "...sss....sss..."], WOOD, seed=17))

tile(141)(art([
    "................",
    "..kkkkkkkkkkkk..",
    "..kWWWWWWWWWWk..",
    "..kdPPPPPPPPdk..",
    "..kdPPPPPPpPdk..",
    "..kdppppppppdk..",
    "..kdRRRRRRRRdk..",
    "..kdRrRRRRRRdk..",
    "..kdRRRRRrRRdk..",
    "..kdRRrRRRRRdk..",
    "..kdRRRRRRrRdk..",
    "..kdrrrrrrrrdk..",
    "..kWddddddddWk..",
    "..kkkkkkkkkkkk..",
    "...sssssssssss..",
    "................"],
    dict(WOOD, P=C("grey", 15), p=C("grey", 11), R=C("wine", 4), r=C("wine", 2)), seed=18))

tile(142)(art([
    "................",
    ".kkkkkkkkkkkkkk.",
    ".kWWWWWWWWWWWWk.",
    ".kdRBGYbdRgBYdk.",
    ".kdRBGYbRRgBYrk.",
    ".kdRBGYbRRgBYrk.",
    ".kWWWWWWWWWWWWk.",
    ".kdGYdrBgRYbBdk.",
    ".kdGYRrBgRYbBdk.",
    ".kdGYRrBgRYbBdk.",
    ".kWWWWWWWWWWWWk.",
    ".kdbRYgGdrRYgdk.",
    ".kdbRYgGBrRYgdk.",
    ".kddddddddddddk.",
    ".kkkkkkkkkkkkkk.",
    ".ssssssssssssss."],
    dict(WOOD, R=C("red", 3), r=C("wine", 2), B=C("water", 4), b=C("water", 2),
         G=C("grass", 4), g=C("leaf", 2), Y=C("sand", 5)), seed=19))


@tile(143)
def t_pillar(c):
    floor_bg(c, 20)
    c.disc(9, 9, 6.5, SH)
    c.disc(8, 8, 6.5, INK)
    for y in range(16):
        for x in range(16):
            r = math.hypot(x + 0.5 - 8, y + 0.5 - 8)
            if r < 5.8:
                lit = ((8 - x - 0.5) + (8 - y - 0.5)) / 6
                v = 5.5 + lit * 2.5
                if 3.6 < r < 4.4:
                    v -= 1.5
                c.set(x, y, C("warm", v))


tile(144)(art([
    "......kkkk......",
    ".....kLLLMk.....",
    ".....kLLMMk.....",
    "......kMMk......",
    "....kkLLMMkk....",
    "...kLLLLMMMMk...",
    "...kLkLLMMkMk...",
    "...kLkLLMMkMk...",
    "...kk.kLMMk.kk..",
    "......kLMMk.....",
    "......kLkMk.....",
    "......kLkMk.....",
    "....kkkkkkkkk...",
    "....kPPPPPPPk...",
    "....kpppppppk...",
    "....kkkkkkkkkss."],
    {"k": INK, "L": C("stone", 8), "M": C("stone", 5.5), "P": C("stone", 6),
     "p": C("stone", 3.5), "s": SH}, seed=21))

tile(145)(art([
    "................",
    "................",
    "......kkkk......",
    ".....kOOOok.....",
    "......kook......",
    ".....kHOOok.....",
    "....kHOOOOok....",
    "...kHOOOOOOok...",
    "...kBBBBBBBBk...",
    "...kHOOOOOOok...",
    "...kOOOOOOOok...",
    "....kOOOOOok....",
    ".....kooook.....",
    "......kkkk......",
    ".....ssssss.....",
    "................"],
    {"k": INK, "O": C("brick", 6), "o": C("brick", 4), "H": C("brick", 8),
     "B": C("yellow", 3), "s": SH}, seed=22))

tile(146)(art([
    "................",
    "......k..k......",
    ".......kk.......",
    "......kTTk......",
    ".....kSHSSk.....",
    "....kSHSSSSk....",
    "...kSHSSsSSSk...",
    "...kSSSSSSsSk...",
    "..kSHSSSSSSSsk..",
    "..kSHSsSSSSSsk..",
    "..kSSSSSSSsSsk..",
    "..kSSSSSSSSSsk..",
    "...ksSSSSSsssk..",
    "....kkkkkkkkk...",
    "...ssssssssss...",
    "................"],
    {"k": INK, "S": C("sand", 4), "s": C("sand", 2), "H": C("sand", 6),
     "T": C("earth", 2)}, seed=23))

tile(147)(art([
    "................",
    ".....kkkkkk.....",
    "....kWWWWWWk....",
    "...kWWWWWWWwk...",
    "...kWkkWWkkwk...",
    "...kWkkWWkkwk...",
    "...kWWWkkWWwk...",
    "....kWWWWWwk....",
    ".....kWkWkk.....",
    "..kk..kkkk..kk..",
    ".kWWk......kWWk.",
    "..kkWWk..kWWkk..",
    "....kkWWWWkk....",
    "....kkWWWWkk....",
    "..kkWWk..kWWkk..",
    ".kWWk......kWWk."],
    {"k": INK, "W": C("warm", 9), "w": C("warm", 6)}, seed=24))

tile(148)(art([
    "................",
    "..kkkkkkkkkkkk..",
    "..kWWWWWWWWWWk..",
    "..kWkkkWWkkkWk..",
    "..kWWWWWWWWWWk..",
    "..kWkkWkkkkWWk..",
    "..kwwwwwwwwwwk..",
    "..kkkkkkkkkkkk..",
    "......kwdk......",
    "......kwdk......",
    "......kwdk......",
    "......kwdk......",
    "......kwdk......",
    "....gGkwdkGg....",
    "....sskkkkss....",
    "................"],
    dict(WOOD, g=C("grass", 3), G=C("grass", 5)), bg=lambda c: grass_fill(c, 25)))


@tile(149)
def t_well(c):
    grass_fill(c, 26)
    c.disc(8.7, 8.7, 7, C("grass", 1.5))
    c.disc(8, 8, 7, INK)
    for y in range(16):
        for x in range(16):
            r = math.hypot(x + 0.5 - 8, y + 0.5 - 8)
            if r < 6.3:
                a = math.atan2(y + 0.5 - 8, x + 0.5 - 8)
                seam = abs(math.sin(a * 5)) < 0.2
                lit = ((8 - x - 0.5) + (8 - y - 0.5)) / 7
                c.set(x, y, C("stone", 3 if seam else 6 + lit * 1.5))
    c.disc(8, 8, 4, C("water", 1))
    c.disc(8.6, 8.6, 3, C("water", 2.5))
    c.set(9, 7, C("water", 7))
    c.rect(1, 7, 14, 8, C("wood", 5))
    c.hline(1, 14, 7, C("wood", 7))
    c.vline(8, 9, 10, C("sand", 5))
    c.rect(7, 10, 9, 11, C("wood", 4))


tile(150)(art([
    "................",
    "................",
    "................",
    "...kkkkkkkkkkk..",
    ".kkLLLLLLLLLLLk.",
    "kLMMMMMMMMMMMMk.",
    ".kkkkMMMMMMMMMk.",
    ".....kMMMMMMMk..",
    "......kMMMMMk...",
    ".......kMMMk....",
    "......kMMMMMk...",
    ".....kLMMMMMMk..",
    "....kLMMMMMMMMk.",
    "....kkkkkkkkkkk.",
    "....ssssssssss..",
    "................"],
    {"k": INK, "L": C("metal", 6), "M": C("metal", 3), "s": SH}, seed=27))

tile(151)(art([
    "................",
    "................",
    ".....G...g......",
    "...kkkkkkkkkk...",
    "..kMgGGgGGGgMk..",
    "..kMGgGGGgGGMk..",
    "..kkkkkkkkkkkk..",
    "..kLMMMMMMMMMk..",
    ".kLMMMMMMMMMMMk.",
    ".kLMMMMMMMMMMMk.",
    ".kLMMMMMMMMMMMk.",
    "..kLMMMMMMMMMk..",
    "...kkkkkkkkkk...",
    "...kk......kk...",
    "...ss......ss...",
    "................"],
    {"k": INK, "L": C("grey", 6), "M": C("grey", 3), "G": C("green", 5),
     "g": C("green", 3), "s": SH}, seed=28))

tile(152)(art([
    "................",
    ".....kkkkkk.....",
    "....kLLLLLLk....",
    "...kLLLkkLLMk...",
    "...kLLkkkkLMk...",
    "...kLLLkkLLMk...",
    "...kLLLkkLLMk...",
    "...kLLLLLLLMk...",
    "...kLLLLLLLMk...",
    "...kLMMMMMMMk...",
    "..kkkkkkkkkkkk..",
    "..kEEEEEEEEEEk..",
    "..kEeEEEEEeEEk..",
    "..keeeeeeeeeek..",
    "..kkkkkkkkkkkk..",
    "................"],
    {"k": INK, "L": C("stone", 7), "M": C("stone", 4.5), "E": C("earth", 5),
     "e": C("earth", 3)}, bg=lambda c: grass_fill(c, 29)))


def rock_blob(c, cx, cy, r, seed, ramp="stone", base=5.5, squash=1.0):
    def ins(x, y):
        a = math.atan2(y + 0.5 - cy, x + 0.5 - cx)
        rr = r * (1 + 0.15 * math.sin(3 * a + seed) + 0.08 * math.sin(5 * a + seed * 2))
        return math.hypot(x + 0.5 - cx, (y + 0.5 - cy) * squash) <= rr
    for y in range(16):
        for x in range(16):
            if ins(x - 1, y - 1) and not ins(x, y):
                c.set(x, y, SH if ramp != "earth" else C("earth", 1.5))
    for y in range(16):
        for x in range(16):
            if ins(x, y):
                lit = ((cx - x - 0.5) + (cy - y - 0.5)) / max(r, 1)
                facet = 0.6 if (x + y + seed) % 5 == 0 else 0
                c.set(x, y, C(ramp, base + lit * 2.2 + facet))
    outline(c, ins, INK)


@tile(153)
def t_rubble(c):
    floor_bg(c, 31)
    for i in range(9):
        x = 1 + int(hash2(i, 0, 531) * 13)
        y = 1 + int(hash2(i, 1, 531) * 13)
        rock_blob(c, x + 0.5, y + 0.5, 1.2 + hash2(i, 2, 531) * 1.2, i, "warm", 5)


@tile(154)
def t_boulder(c):
    floor_bg(c, 32)
    rock_blob(c, 7.8, 7.8, 6.2, 3, "warm", 5.5, 1.05)
    c.line(6, 4, 8, 7, C("warm", 3))
    c.line(8, 7, 7, 10, C("warm", 3))


@tile(155)
def t_pebbles_dirt(c):
    dirt_fill(c)
    for (x, y, r, s) in [(4.5, 5, 2.6, 1), (11, 4, 2, 2), (10, 11, 3, 4), (4, 12, 1.6, 5)]:
        rock_blob(c, x, y, r, s, "stone", 6)


@tile(156)
def t_stalagmite(c):
    floor_bg(c, 33)
    c.ellipse(8.5, 14, 6, 1.6, SH)
    for y in range(1, 15):
        half = (y - 0.5) * 0.42 + 0.3
        for x in range(16):
            dx = x + 0.5 - 8
            if abs(dx) <= half:
                v = 6 - (dx / max(half, 0.6)) * 2 - (y % 4 == 0) * 0.7
                c.set(x, y, C("earth", v))
    outline(c, lambda x, y: 1 <= y <= 14 and abs(x + 0.5 - 8) <= (y - 0.5) * 0.42 + 0.3, INK)
    c.set(7, 2, C("earth", 9))


@tile(157)
def t_broken_column(c):
    floor_bg(c, 34)
    c.disc(8.8, 8.8, 6.8, SH)
    c.disc(8, 8, 6.8, INK)
    c.disc(8, 8, 6, C("warm", 4))
    c.disc(8, 8, 5, C("warm", 6.5))
    c.line(4, 6, 8, 8, C("warm", 2))
    c.line(8, 8, 12, 7, C("warm", 2))
    c.line(8, 8, 9, 12, C("warm", 2))
    for (x, y) in [(1, 14), (14, 2), (13, 14)]:
        c.rect(x, y, x + 1, y, C("warm", 6))
        c.set(x, y + 1, INK)


@tile(158)
def t_cobweb(c):
    floor_bg(c, 35)
    web = C("grey", 12)
    for (x1, y1) in [(15, 0), (15, 6), (12, 12), (6, 15), (0, 15)]:
        c.line(0, 0, x1, y1, web)
    for r in (4, 8, 12):
        pts = []
        for a in [0, 0.35, 0.785, 1.2, 1.5708]:
            pts.append((int(round(r * math.cos(a))), int(round(r * math.sin(a)))))
        for p, q in zip(pts, pts[1:]):
            c.line(p[0], p[1], q[0], q[1], C("grey", 10))
    c.rect(9, 9, 10, 10, INK)
    c.set(8, 11, INK)
    c.set(11, 8, INK)


@tile(159)
def t_drain(c):
    floor_bg(c, 36)
    c.disc(8, 8, 6, C("metal", 6))
    c.disc(8, 8, 5, BLACK)
    for y in range(16):
        for x in range(16):
            if math.hypot(x + 0.5 - 8, y + 0.5 - 8) < 5 and x % 2 == 0:
                c.set(x, y, C("metal", 4))
    outline(c, lambda x, y: math.hypot(x + 0.5 - 8, y + 0.5 - 8) < 6, INK)


def fence(c, vertical):
    grass_fill(c, 37)
    for y in range(16):
        for x in range(16):
            u, v = (y, x) if vertical else (x, y)
            col = None
            if v in (6, 10):
                col = C("wood", 6)
            elif v in (7, 11):
                col = C("wood", 3)
            if u % 8 in (3, 4) and 5 <= v <= 11:
                col = C("wood", 5 if u % 8 == 3 else 4)
                if v == 5:
                    col = C("wood", 8)
            if col:
                c.set(x, y, col)
            elif v == 12 and u % 8 not in (3, 4) or v == 12:
                c.set(x, y, C("grass", 2))


@tile(160)
def t_fence_h(c):
    fence(c, False)


@tile(161)
def t_fence_v(c):
    fence(c, True)


# --- water (blue on the overview) --------------------------------------------------

def water_fill(c, base=4.5, seed=601):
    texture(c, "water", base, 0.7, seed, cell=8, fine=0.2)
    for (x, y) in [(2, 3), (9, 2), (12, 8), (4, 10), (9, 13)]:
        c.set(x, y + 1, C("water", base + 2.5))
        c.set(x + 1, y, C("water", base + 3))
        c.set(x + 2, y, C("water", base + 3))
        c.set(x + 3, y + 1, C("water", base + 2.5))


@tile(162)
def t_deep_water(c):
    texture(c, "water", 1.6, 0.6, 611, cell=8, fine=0.2)
    for (x, y) in [(3, 5), (11, 10)]:
        c.hline(x, x + 2, y, C("water", 3.5))


@tile(163)
def t_water(c):
    water_fill(c)


@tile(164)
def t_shallow(c):
    field = {(x, y): vnoise(x, y, 621, 8) + 0.4 * vnoise(x, y, 623, 4)
             for y in range(16) for x in range(16)}
    ranked = sorted(field.values())
    bar, rim = ranked[int(len(ranked) * 0.78)], ranked[int(len(ranked) * 0.7)]

    def f(x, y, _):
        n = field[(x, y)]
        if n > bar:
            return C("sand", 5 + (hash2(x, y, 622) - 0.5))
        if n > rim:
            return C("sand", 3.5)
        w = math.sin((x + y * 0.5) * 2 * math.pi / 8)
        return C("water", 6 + (1.4 if w > 0.85 else 0) - (n - 0.5))
    c.each(f)


def sand_fill(c):
    texture(c, "sand", 5, 0.5, 631, cell=4, fine=0.5)


for _i, (_sx, _sy) in enumerate(SIDES):
    def _shore(c, sx=_sx, sy=_sy):
        transition(c, lambda x, y: quadrant_in(sx, sy, x, y, 1.1), water_fill, sand_fill,
                   C("grey", 15), C("sand", 3))
    tile(165 + _i)(_shore)


@tile(169)
def t_lily(c):
    water_fill(c, 4.5, 641)
    for (cx, cy, r, notch) in [(5, 5, 3.2, 0.6), (11.5, 10.5, 3.6, 2.5), (4, 12.5, 2.2, 4)]:
        for y in range(16):
            for x in range(16):
                dx, dy = x + 0.5 - cx, y + 0.5 - cy
                if math.hypot(dx, dy) <= r:
                    a = math.atan2(dy, dx)
                    if abs(math.atan2(math.sin(a - notch), math.cos(a - notch))) < 0.35:
                        continue
                    c.set(x, y, C("grass", 5 if dx + dy < 0 else 3.5))
    for dx, dy in [(1, 0), (-1, 0), (0, 1), (0, -1)]:
        c.set(11 + dx, 10 + dy, C("pink", 4))
    c.set(11, 10, C("yellow", 6))


# --- markers (yellow, green, red on the overview) --------------------------------

@tile(170)
def t_star(c):
    floor_bg(c, 40)
    pts = []
    for i in range(10):
        a = -math.pi / 2 + i * math.pi / 5
        r = 7.3 if i % 2 == 0 else 3.1
        pts.append((8 + r * math.cos(a), 8.6 + r * math.sin(a)))

    def ins(x, y):
        px, py = x + 0.5, y + 0.5
        inside = False
        for (x1, y1), (x2, y2) in zip(pts, pts[1:] + pts[:1]):
            if (y1 > py) != (y2 > py) and px < x1 + (py - y1) * (x2 - x1) / (y2 - y1):
                inside = not inside
        return inside
    for y in range(16):
        for x in range(16):
            if ins(x, y):
                c.set(x, y, C("yellow", 5.5 if x + 0.5 < 8 or y < 7 else 4))
    outline(c, ins, C("yellow", 0))
    c.set(6, 7, C("yellow", 7))
    c.set(7, 5, C("yellow", 7))


@tile(171)
def t_start_flag(c):
    floor_bg(c, 41)
    c.ellipse(4.5, 14.5, 3.5, 1.4, C("stone", 1))
    c.vline(3, 0, 14, C("grey", 13))
    c.vline(4, 0, 14, C("grey", 7))
    for x in range(5, 16):
        dip = int(round(math.sin((x - 5) * 0.7) * 1.0))
        for y in range(1 + dip, 9 + dip):
            v = 4.5 - (y - dip - 1) * 0.25 + (0.8 if dip < 0 else 0)
            c.set(x, y, C("green", v))
        c.set(x, 1 + dip, C("green", 6.5))
        c.set(x, 8 + dip, C("green", 2))
    c.disc(10.5, 5, 1.8, WHITE)
    c.vline(15, 1, 8, C("green", 2))


@tile(172)
def t_red_marker(c):
    floor_bg(c, 42)
    for y in range(16):
        for x in range(16):
            r = math.hypot(x + 0.5 - 8, y + 0.5 - 8)
            if 5.5 <= r <= 7.4:
                c.set(x, y, C("red", 4 if x + y < 16 else 3))
    for i in range(4, 12):
        for d in (0, 1):
            c.set(i + d, i, C("red", 5))
            c.set(15 - i - d, i, C("red", 5))
    c.set(3, 5, C("red", 7))
    c.set(5, 3, C("red", 7))


# --- ice, crystals and magic (cyan on the overview) --------------------------------

def ice_fill(c, base=5, seed=701):
    def f(x, y, _):
        v = base + (vnoise(x, y, seed, 8) - 0.5) * 1.5
        if (x + y * 2) % 13 in (0, 1) and vnoise(x, y, seed + 1, 4) > 0.45:
            v += 1.5
        return C("ice", v)
    c.each(f)


@tile(173)
def t_ice(c):
    def f(x, y, _):
        v = 4.3 + (vnoise(x, y, 701, 8) - 0.5) * 1.2
        d = (x + y) % 16
        if d in (4, 5) or d == 11:
            v += 2.2
        return C("ice", v)
    c.each(f)
    c.hline(0, 15, 15, C("ice", 2.5))
    c.vline(15, 0, 15, C("ice", 2.5))
    c.set(3, 2, WHITE)
    c.set(10, 9, WHITE)


@tile(174)
def t_ice_cracked(c):
    ice_fill(c, 4, 711)
    for (a, b) in [((0, 4), (6, 7)), ((6, 7), (9, 3)), ((9, 3), (15, 2)),
                   ((6, 7), (7, 12)), ((7, 12), (3, 15)), ((7, 12), (13, 14)),
                   ((9, 3), (11, 0))]:
        c.line(a[0], a[1], b[0], b[1], C("ice", 0.5))
    for (x, y) in [(5, 6), (8, 3), (8, 11)]:
        c.set(x, y, WHITE)


@tile(175)
def t_snow(c):
    def f(x, y, _):
        n = vnoise(x, y, 721, 8)
        m = vnoise(x - 1, y - 1, 721, 8)
        if n - m > 0.05:
            return C("ice", 5.5)
        return C("grey", 15 if n > 0.45 else 14)
    c.each(f)
    for (x, y) in [(3, 3), (12, 6), (7, 12), (13, 13)]:
        c.set(x, y, C("ice", 4))
        c.set(x - 1, y - 1, WHITE)


@tile(176)
def t_ice_block(c):
    ice_fill(c, 5, 731)
    c.rect(2, 12, 14, 14, C("ice", 2))
    c.rect(1, 1, 13, 13, C("cyan", 2))
    c.rect(2, 2, 12, 9, C("ice", 7))
    c.rect(2, 10, 12, 12, C("cyan", 5))
    c.line(3, 7, 7, 3, WHITE)
    c.line(4, 8, 8, 4, C("ice", 6))
    c.hline(2, 12, 10, C("cyan", 7))


@tile(177)
def t_ice_spikes(c):
    ice_fill(c, 4.5, 741)
    for (bx, by, h) in [(4, 7, 6), (11, 6, 5), (8, 14, 7), (2, 14, 4), (13, 14, 4)]:
        for k in range(h):
            half = (h - k) / h * 2.2
            for x in range(int(round(bx - half)), int(round(bx + half)) + 1):
                c.set(x, by - k, C("cyan", 6 if x < bx else 4))
        c.set(bx, by - h, WHITE)
        c.hline(bx - 2, bx + 2, by + 1, C("ice", 2))


@tile(178)
def t_crystals(c):
    basalt_fill(c, 751)
    for (bx, by, h, w) in [(5, 13, 9, 2), (9, 14, 12, 2), (12, 12, 6, 1), (3, 14, 4, 1)]:
        for k in range(h):
            tip = k >= h - w
            half = w - (k - (h - w)) if tip else w
            for x in range(bx - half, bx + half + 1):
                c.set(x, by - k, C("cyan", 7 if x < bx else (5 if x == bx else 3)))
        c.set(bx, by - h, WHITE)
    c.hline(2, 13, 15, C("basalt", 1))


def gem(c, cx, cy, s, light=7):
    for y in range(-s, s + 1):
        w = s - abs(y) if y >= 0 else s - abs(y) // 2
        for x in range(-w, w + 1):
            col = C("cyan", light if x < 0 and y < 0 else light - 2 if y < 0 else light - 4)
            c.set(cx + x, cy + y, col)
    c.set(cx - 1, cy - s // 2, WHITE)


@tile(179)
def t_gems(c):
    floor_bg(c, 43)
    gem(c, 4, 5, 2)
    gem(c, 11, 7, 3)
    gem(c, 6, 12, 2)


@tile(180)
def t_diamond(c):
    floor_bg(c, 44)
    c.ellipse(8, 14.5, 5, 1.3, SH)
    for y in range(2, 15):
        for x in range(16):
            if y <= 5:
                inside = abs(x + 0.5 - 8) <= 3 + (y - 2) * 1.7
            else:
                inside = abs(x + 0.5 - 8) <= 8.1 - (y - 5) * 0.9
            if inside:
                if y <= 5:
                    col = C("cyan", 8 if (x + y) % 4 < 2 else 6)
                else:
                    col = C("cyan", 6 if x < 6 else 4 if x < 10 else 3)
                c.set(x, y, col)
    c.hline(3, 12, 5, C("cyan", 9))
    c.line(8, 5, 8, 13, C("cyan", 5))
    c.set(5, 3, WHITE)


@tile(181)
def t_teleporter(c):
    floor_bg(c, 45)
    c.disc(8, 8, 7.4, C("metal", 2))
    c.disc(8, 8, 6.6, C("metal", 6))
    c.disc(8, 8, 5.6, C("metal", 3))
    for y in range(16):
        for x in range(16):
            r = math.hypot(x + 0.5 - 8, y + 0.5 - 8)
            if r < 5.6:
                c.set(x, y, C("cyan", 8 - abs((r % 2.2) - 1.1) * 5))
    c.rect(7, 7, 8, 8, WHITE)


@tile(182)
def t_portal(c):
    c.rect(0, 0, 15, 15, C("basalt", 1))
    for y in range(16):
        for x in range(16):
            dx, dy = x + 0.5 - 8, y + 0.5 - 8
            r = math.hypot(dx, dy)
            if r > 7.5:
                continue
            a = math.atan2(dy, dx)
            s = math.sin(3 * a + r * 1.3)
            v = 3 + s * 2.5 + (7.5 - r) * 0.45
            c.set(x, y, C("cyan", v))
    outline(c, lambda x, y: math.hypot(x + 0.5 - 8, y + 0.5 - 8) <= 7.5, C("cyan", 1))
    c.rect(7, 7, 8, 8, WHITE)


CY = {"k": INK, "C": C("cyan", 7), "c": C("cyan", 4), "W": WHITE, "s": SH,
      "M": C("metal", 6), "m": C("metal", 3), "G": C("grey", 12), "g": C("grey", 8)}

tile(183)(art([
    "................",
    "................",
    "...kkkk.........",
    "..kCCCCk........",
    ".kCWkkcCk.......",
    ".kCk..kCk.......",
    ".kCk..kCkkkkkkk.",
    ".kCckkcCCCCCCCCk",
    "..kcccckkkckkcck",
    "...kkkk..kCk.kk.",
    "..........kk....",
    "................",
    "................",
    "................",
    "................",
    "................"], CY, seed=46))

tile(184)(art([
    "................",
    "......kkkk......",
    "......kGGk......",
    "......kmmk......",
    ".......kk.......",
    "......kGgk......",
    ".....kGWGgk.....",
    "....kGWCCCgk....",
    "...kGCCCCCCck...",
    "...kGCCCCCCck...",
    "...kCWCCCCCck...",
    "...kCCCCCCccck..",
    "....kccccccck...",
    ".....kkkkkkk....",
    "....sssssssss...",
    "................"], CY, seed=47))


@tile(185)
def t_orb(c):
    floor_bg(c, 48)
    c.rect(4, 11, 11, 13, INK)
    c.rect(5, 11, 10, 12, C("stone", 6))
    c.hline(5, 10, 13, C("stone", 3))
    c.rect(6, 9, 9, 10, C("stone", 4))
    c.disc(7.5, 6, 5, C("cyan", 2))
    c.disc(7.5, 6, 3.8, C("cyan", 5))
    c.disc(7, 5.5, 2.4, C("cyan", 7))
    c.rect(6, 4, 6, 4, WHITE)


def force_field(c, vertical):
    floor_bg(c, 49)
    for y in range(16):
        for x in range(16):
            u, v = (y, x) if vertical else (x, y)
            if 3 <= u <= 12:
                for lane, ph in ((5, 0.0), (8, 2.0), (11, 4.0)):
                    if v == lane + int(round(math.sin(u * 1.2 + ph))):
                        c.set(x, y, C("cyan", 8))
                    elif abs(v - lane) <= 1 and hash2(x, y, 771) > 0.6:
                        c.set(x, y, C("cyan", 4))
    for u0 in (0, 13):
        for y in range(16):
            for x in range(16):
                u, v = (y, x) if vertical else (x, y)
                if u0 <= u <= u0 + 2 and 3 <= v <= 13:
                    edge = u == u0 or u == u0 + 2 or v in (3, 13)
                    c.set(x, y, INK if edge else C("metal", 6))
                    if not edge and v == 8:
                        c.set(x, y, C("cyan", 9))


@tile(186)
def t_field_h(c):
    force_field(c, False)


@tile(187)
def t_field_v(c):
    force_field(c, True)


tile(188)(art([
    "................",
    "......kkkk......",
    "......kMMk......",
    "....kkkkkkkk....",
    "....kMMMMMmk....",
    "....kkkkkkkk....",
    "....kCCCCCck....",
    "....kCWCCCck....",
    "....kkkkkkkk....",
    "....kCCCCCck....",
    "....kCCCCCck....",
    "....kkkkkkkk....",
    "....kccccccl....",
    "....kMMMMMmk....",
    "....kkkkkkkk....",
    ".....ssssssss..."], dict(CY, l=INK), seed=50))


@tile(189)
def t_checkpoint(c):
    floor_bg(c, 51)
    c.disc(8, 13, 4, C("cyan", 2))
    c.ellipse(8, 13, 5, 2, C("stone", 6))
    c.ellipse(8, 12.6, 3.5, 1.2, C("stone", 8))
    for k in range(11):
        y = 12 - k
        half = 2 if k < 8 else 10 - k
        for x in range(8 - half, 8 + half + 1):
            c.set(x, y, C("cyan", 8 if x < 8 else 5 if x == 8 else 3))
    c.set(8, 1, WHITE)
    for (x, y) in [(3, 4), (13, 6), (12, 2), (4, 9)]:
        c.set(x, y, C("cyan", 7))


@tile(190)
def t_arrow(c):
    floor_bg(c, 52)

    def ins(x, y):
        px, py = x + 0.5, y + 0.5
        if py < 8.5:
            return abs(px - 8) <= (py - 1.5) * 0.95 + 0.3
        return 5.5 <= px <= 10.5 and py <= 14
    for y in range(16):
        for x in range(16):
            if ins(x, y):
                c.set(x, y, C("cyan", 7 if x < 8 else 5))
    outline(c, ins, C("cyan", 1))


# --------------------------------------------------------------------------
# Extra-tiles strip, tiles 191..266 (4 rows under the tileset).

DIGITS = {
    "0": ["111", "101", "101", "101", "111"],
    "1": ["010", "110", "010", "010", "111"],
    "2": ["111", "001", "111", "100", "111"],
    "3": ["111", "001", "011", "001", "111"],
    "4": ["101", "101", "111", "001", "001"],
    "5": ["111", "100", "111", "001", "111"],
    "6": ["111", "100", "111", "101", "111"],
    "7": ["111", "001", "010", "010", "010"],
    "8": ["111", "101", "111", "101", "111"],
    "9": ["111", "101", "111", "001", "111"],
}


def draw_number(c, ox, oy, n, col=WHITE):
    text = str(n)
    width = len(text) * 4 - 1
    x0 = ox + (16 - width) // 2 + (16 - width) % 2
    y0 = oy + 5
    for i, ch in enumerate(text):
        for j, bits in enumerate(DIGITS[ch]):
            for k, b in enumerate(bits):
                if b == "1":
                    c.set(x0 + i * 4 + k, y0 + j, col)


def supersample(size, fn, samples=4):
    """fn(u, v) -> RGB or None for points of the unit square; returns a canvas."""
    c = Canvas(size, size)
    for y in range(size):
        for x in range(size):
            acc = [0, 0, 0]
            for sy in range(samples):
                for sx in range(samples):
                    u = (x + (sx + 0.5) / samples) / size
                    v = (y + (sy + 0.5) / samples) / size
                    col = fn(u, v) or BLACK
                    for i in range(3):
                        acc[i] += col[i]
            n = samples * samples
            c.px[y][x] = tuple(int(round(a / n)) for a in acc)
    return c


def lerp_col(cols, t):
    t = clamp(t, 0.0, 1.0) * (len(cols) - 1)
    i = min(int(t), len(cols) - 2)
    return mix(cols[i], cols[i + 1], t - i)


GREYS = [(30, 30, 34), (78, 78, 84), (132, 132, 138), (186, 186, 190), (232, 232, 236)]
LIGHT = (-0.5, -0.6, 0.62)


def rock(seed, lumps=3):
    """A chiselled grey boulder: flat facets lit from the upper left."""
    ph = [hash2(seed, i, 881) * 6.28 for i in range(4)]

    def radius(a):
        return 0.9 + 0.07 * math.sin(lumps * a + ph[0]) + 0.04 * math.sin(
            (lumps + 2) * a + ph[1])
    facets = [(0.0, 0.0)]
    for i in range(7):
        a = ph[3] + i * 2 * math.pi / 7 + (hash2(seed, i, 882) - 0.5) * 0.6
        r = 0.55 + 0.2 * hash2(seed, i, 883)
        facets.append((r * math.cos(a), r * math.sin(a)))
    normals = []
    for i, (fx, fy) in enumerate(facets):
        tx = (hash2(seed, i, 884) - 0.5) * 0.5
        ty = (hash2(seed, i, 885) - 0.5) * 0.5
        nz = math.sqrt(max(0.2, 1 - fx * fx - fy * fy))
        ln = math.sqrt((fx + tx) ** 2 + (fy + ty) ** 2 + nz * nz)
        normals.append(((fx + tx) / ln, (fy + ty) / ln, nz / ln))

    def fn(u, v):
        dx, dy = (u - 0.5) * 2, (v - 0.52) * 2.15
        r, a = math.hypot(dx, dy), math.atan2(dy, dx)
        R = radius(a)
        if r > R:
            return None
        ds = sorted(((dx - fx) ** 2 + (dy - fy) ** 2, i) for i, (fx, fy) in enumerate(facets))
        n = normals[ds[0][1]]
        lit = n[0] * LIGHT[0] + n[1] * LIGHT[1] + n[2] * LIGHT[2]
        lit /= math.sqrt(LIGHT[0] ** 2 + LIGHT[1] ** 2 + LIGHT[2] ** 2)
        lit = 0.12 + 0.72 * max(0.0, lit)
        if math.sqrt(ds[1][0]) - math.sqrt(ds[0][0]) < 0.035:
            lit *= 0.7
        if r > R - 0.08:
            lit *= 0.6
        grain = (hash2(int(u * 61), int(v * 61), seed) - 0.5) * 0.06
        return lerp_col(GREYS, lit + grain)
    return fn


def stone_ring():
    """A ring of dressed grey stone blocks around a dark hollow, seen from above."""
    def fn(u, v):
        dx, dy = (u - 0.5) * 2, (v - 0.5) * 2
        r, a = math.hypot(dx, dy), math.atan2(dy, dx)
        rc, w = 0.72, 0.24
        t = (r - rc) / w
        if abs(t) > 1:
            if r < rc - w:
                return mix((8, 8, 10), (34, 34, 40), max(0.0, r / (rc - w)) ** 3)
            return None
        h = math.sqrt(1 - t * t)
        nx, ny, nz = t * dx / max(r, 1e-6), t * dy / max(r, 1e-6), h + 0.35
        ln = math.sqrt(nx * nx + ny * ny + nz * nz)
        lit = (nx * LIGHT[0] + ny * LIGHT[1] + nz * LIGHT[2]) / ln
        lit = 0.18 + 0.8 * max(0.0, lit)
        seg = (a + math.pi) / (2 * math.pi) * 12
        if abs(seg - round(seg)) * (2 * math.pi * r / 12) < 0.022 or abs(t) > 0.9:
            lit *= 0.45
        elif abs(t) < 0.12 and abs((seg % 1) - 0.5) < 0.12:
            lit = min(1.0, lit + 0.25)
        return lerp_col(GREYS, lit)
    return fn


def purple_swirl(gain=1.0):
    """A dark purple whirl that fades into the black around it."""
    cols = [(6, 0, 10), (34, 6, 52), (70, 20, 104), (112, 44, 160), (160, 96, 210)]

    def fn(u, v):
        dx, dy = (u - 0.5) * 2, (v - 0.5) * 2
        r, a = math.hypot(dx, dy), math.atan2(dy, dx)
        if r > 1:
            return None
        arm = math.sin(3 * a + 7.5 * math.sqrt(r))
        edge = min(1.0, (1 - r) * 3.0)
        glow = 0.5 + 0.5 * arm
        core = max(0.0, 1 - r * 4) * 0.25
        return lerp_col(cols, ((glow * 0.75 * (0.35 + 0.65 * (1 - r))) * edge + core) * gain)
    return fn


def prohibition():
    def fn(u, v):
        dx, dy = (u - 0.5) * 2, (v - 0.5) * 2
        r = math.hypot(dx, dy)
        if r > 0.94:
            return None
        if r > 0.7:
            return (220, 20, 20)
        if abs(dx - dy) / math.sqrt(2) < 0.17:
            return (220, 20, 20)
        return (250, 250, 250)
    return fn


def purple_glow():
    def fn(u, v):
        dx, dy = (u - 0.5) * 2, (v - 0.5) * 2
        r = math.hypot(dx, dy)
        if r < 0.42:
            hl = math.hypot(dx + 0.14, dy + 0.16)
            return lerp_col([(150, 60, 210), (215, 150, 255), (255, 240, 255)], 1 - hl * 2.2)
        if r < 1:
            g = (1 - r) / 0.58
            return mix(BLACK, (150, 40, 210), g ** 1.6)
        return None
    return fn


def green_block(c, ox, oy):
    c.rect(ox, oy, ox + 15, oy + 15, (30, 170, 40))
    c.hline(ox, ox + 15, oy, (120, 240, 110))
    c.vline(ox, oy, oy + 15, (90, 220, 90))
    c.hline(ox, ox + 15, oy + 15, (10, 90, 20))
    c.vline(ox + 15, oy, oy + 15, (10, 90, 20))
    c.rect(ox + 3, oy + 3, ox + 12, oy + 12, (40, 190, 50))
    c.frame(ox + 3, oy + 3, ox + 12, oy + 12, (20, 130, 30))


def make_extratiles():
    c = Canvas(304, 64)
    icons = {
        216: supersample(16, rock(216, 4)),
        217: supersample(16, rock(217, 3)),
        218: supersample(16, rock(218, 2)),
        219: supersample(16, stone_ring()),
        220: supersample(16, purple_swirl(1.5)),
        241: supersample(16, prohibition()),
        242: supersample(16, purple_glow()),
    }
    for t in range(191, 267):
        i = t - 191
        ox, oy = (i % 19) * 16, (i // 19) * 16
        if t in icons:
            c.blit(icons[t], ox, oy)
        elif t == 252:
            c.rect(ox + 2, oy + 2, ox + 13, oy + 13, (30, 70, 255))
        elif t == 253:
            c.rect(ox + 2, oy + 2, ox + 13, oy + 13, (255, 225, 0))
        elif t == 255:
            green_block(c, ox, oy)
        elif t <= 255:
            draw_number(c, ox, oy, t)
    return c


def make_picspecial():
    c = Canvas(224, 96)
    c.blit(supersample(32, rock(217, 3), 4), 16, 0)
    c.blit(supersample(80, purple_swirl(), 3), 48, 0)
    c.blit(supersample(96, stone_ring(), 3), 128, 0)
    return c


def make_tileset():
    missing = [n for n in range(1, 191) if n not in TILES]
    assert not missing, "tiles without a picture: %s" % missing
    sheet = Canvas(PER_ROW * TILE, 10 * TILE)
    for n in range(1, 191):
        t = Canvas(TILE, TILE)
        TILES[n](t)
        sheet.blit(t, ((n - 1) % PER_ROW) * TILE, ((n - 1) // PER_ROW) * TILE)
    return sheet


# --------------------------------------------------------------------------
# Icons: flat 24 x 24 pictures drawn with plain shapes only, since QtSvg
# renders SVG Tiny (no filters, no style sheets).

OUT = "#263238"
BLUE = "#4f8fd8"
PALE = "#cfe3f6"
LINE = 'stroke="%s" stroke-linejoin="round" stroke-linecap="round"' % OUT


def svg(body):
    return ('<svg xmlns="http://www.w3.org/2000/svg" width="24" height="24" '
            'viewBox="0 0 24 24">\n%s\n</svg>\n' % body.strip())


ICON_SVGS = {
    "tool-magnifier": f"""
<line x1="14.6" y1="14.6" x2="20.5" y2="20.5" stroke="{OUT}" stroke-width="3.6" stroke-linecap="round"/>
<circle cx="10" cy="10" r="6.6" fill="{PALE}" {LINE} stroke-width="2"/>
<path d="M6.4 9.6 A3.6 3.6 0 0 1 9.6 6.4" fill="none" stroke="#ffffff" stroke-width="1.6" stroke-linecap="round"/>
""",
    "tool-selection": f"""
<rect x="3.5" y="5.5" width="17" height="13" fill="{PALE}" fill-opacity="0.6" stroke="{OUT}" stroke-width="1.6" stroke-dasharray="3 2"/>
<rect x="2" y="4" width="3" height="3" fill="#ffffff" stroke="{OUT}" stroke-width="1"/>
<rect x="19" y="17" width="3" height="3" fill="#ffffff" stroke="{OUT}" stroke-width="1"/>
""",
    "tool-hand": f"""
<path d="M8 11.5 V5.5 A1.5 1.5 0 0 1 11 5.5 V10 V4 A1.5 1.5 0 0 1 14 4 V10 V5 A1.5 1.5 0 0 1 17 5
 V10.5 V7.5 A1.5 1.5 0 0 1 20 7.5 V15 C20 19 17.5 21.5 14 21.5 H13 C10.5 21.5 9.2 20.3 8 18.5
 L4.8 13.8 A1.5 1.5 0 0 1 7.2 12 L8 13.2 Z" fill="#f4d7b5" {LINE} stroke-width="1.4"/>
""",
    "tool-pencil": f"""
<g transform="rotate(-45 12 12)">
<path d="M0.8 12 L6 9 V15 Z" fill="#f0d9b0" {LINE} stroke-width="1.2"/>
<path d="M0.8 12 L2.8 10.85 V13.15 Z" fill="{OUT}"/>
<rect x="6" y="9" width="12" height="6" fill="#f2c14e" {LINE} stroke-width="1.2"/>
<line x1="6.5" y1="12" x2="17.5" y2="12" stroke="#c8962a" stroke-width="1"/>
<rect x="18" y="9" width="1.8" height="6" fill="#b0bec5" {LINE} stroke-width="1.2"/>
<path d="M19.8 9 H22 A1 1 0 0 1 23 10 V14 A1 1 0 0 1 22 15 H19.8 Z" fill="#ef8a80" {LINE} stroke-width="1.2"/>
</g>
""",
    "tool-dropper": f"""
<g transform="rotate(-45 12 12)">
<path d="M1 12 L4 10.6 H13 V13.4 H4 Z" fill="#e8f3fb" {LINE} stroke-width="1.2"/>
<path d="M1.8 12 L4 11.2 H8 V12.8 H4 Z" fill="{BLUE}"/>
<rect x="13" y="9.2" width="2.4" height="5.6" rx="0.6" fill="#90a4ae" {LINE} stroke-width="1.2"/>
<rect x="15.4" y="8.4" width="7.2" height="7.2" rx="3.2" fill="#e05a47" {LINE} stroke-width="1.2"/>
</g>
""",
    "tool-eraser": f"""
<line x1="2" y1="21.2" x2="11" y2="21.2" stroke="#90a4ae" stroke-width="1.4" stroke-linecap="round"/>
<g transform="rotate(-40 12 12)">
<rect x="4" y="8.5" width="16" height="7" rx="1.5" fill="#ef8a80" {LINE} stroke-width="1.4"/>
<path d="M5.5 8.5 H10 V15.5 H5.5 A1.5 1.5 0 0 1 4 14 V10 A1.5 1.5 0 0 1 5.5 8.5 Z" fill="#f5f5f5" {LINE} stroke-width="1.4"/>
</g>
""",
    "tool-bucket": f"""
<g transform="rotate(-40 13 12)">
<path d="M8.5 5.5 Q13 0.5 17.5 5.5" fill="none" {LINE} stroke-width="1.4"/>
<path d="M7 8 H19 L17.5 19 Q13 20.6 8.5 19 Z" fill="#cfd8dc" {LINE} stroke-width="1.4"/>
<ellipse cx="13" cy="8" rx="6" ry="1.9" fill="{BLUE}" {LINE} stroke-width="1.4"/>
</g>
<path d="M6.4 12.2 C4.2 14 3.4 17 3.6 19.6 A1.2 1.2 0 0 0 6 19.6 C6 17.4 6.6 15.6 8 14.2 Z" fill="{BLUE}" {LINE} stroke-width="1.2"/>
""",
    "tool-line": f"""
<line x1="4.5" y1="19.5" x2="19.5" y2="4.5" stroke="{OUT}" stroke-width="2" stroke-linecap="round"/>
<circle cx="4.5" cy="19.5" r="2.2" fill="{BLUE}" {LINE} stroke-width="1.2"/>
<circle cx="19.5" cy="4.5" r="2.2" fill="{BLUE}" {LINE} stroke-width="1.2"/>
""",
    "tool-spline": f"""
<polyline points="3,19 8,6 15,16 21,5" fill="none" {LINE} stroke-width="2"/>
<rect x="1.5" y="17.5" width="3" height="3" fill="#ffffff" stroke="{OUT}" stroke-width="1"/>
<rect x="6.5" y="4.5" width="3" height="3" fill="{BLUE}" stroke="{OUT}" stroke-width="1"/>
<rect x="13.5" y="14.5" width="3" height="3" fill="{BLUE}" stroke="{OUT}" stroke-width="1"/>
<rect x="19.5" y="3.5" width="3" height="3" fill="#ffffff" stroke="{OUT}" stroke-width="1"/>
""",
    "tool-rectangle": f"""
<rect x="3.5" y="6" width="17" height="12" rx="0.5" fill="{PALE}" {LINE} stroke-width="2"/>
""",
    "tool-ellipse": f"""
<ellipse cx="12" cy="12" rx="9" ry="6.5" fill="{PALE}" {LINE} stroke-width="2"/>
""",
    "new": f"""
<path d="M5.5 2.5 H14 L19 7.5 V21.5 H5.5 Z" fill="#ffffff" {LINE} stroke-width="1.4"/>
<path d="M14 2.5 V7.5 H19" fill="#dfe6ea" {LINE} stroke-width="1.4"/>
<circle cx="17.5" cy="17.5" r="4.6" fill="#5bb974" {LINE} stroke-width="1.4"/>
<path d="M17.5 15 V20 M15 17.5 H20" stroke="#ffffff" stroke-width="1.8" stroke-linecap="round"/>
""",
    "open": f"""
<path d="M2.5 19 V5.5 H8.5 L10.5 7.5 H18.5 V10 H5.5 Z" fill="#e0a030" {LINE} stroke-width="1.4"/>
<path d="M2.5 19.5 L5.5 10 H21.8 L18.8 19.5 Z" fill="#f7c95c" {LINE} stroke-width="1.4"/>
""",
    "save": f"""
<path d="M3 4.5 A1.5 1.5 0 0 1 4.5 3 H17.5 L21 6.5 V19.5 A1.5 1.5 0 0 1 19.5 21 H4.5 A1.5 1.5 0 0 1 3 19.5 Z" fill="{BLUE}" {LINE} stroke-width="1.4"/>
<rect x="7" y="3" width="9" height="6" fill="#cfd8dc" {LINE} stroke-width="1.2"/>
<rect x="12.5" y="4.3" width="2" height="3.4" fill="{OUT}"/>
<rect x="6" y="12.5" width="12" height="8.5" fill="#ffffff" {LINE} stroke-width="1.2"/>
<path d="M8 15.5 H16 M8 18 H14" stroke="#90a4ae" stroke-width="1.2" stroke-linecap="round"/>
""",
    "cut": f"""
<path d="M8.8 15 L16 3.5 M15.2 15 L8 3.5" stroke="{OUT}" stroke-width="2" stroke-linecap="round"/>
<circle cx="7" cy="18" r="3" fill="#ffffff" stroke="#e05a47" stroke-width="2.2"/>
<circle cx="17" cy="18" r="3" fill="#ffffff" stroke="#e05a47" stroke-width="2.2"/>
<circle cx="12" cy="9.9" r="1.1" fill="#cfd8dc" stroke="{OUT}" stroke-width="0.8"/>
""",
    "copy": f"""
<rect x="8" y="2.5" width="12" height="15" rx="1" fill="#dfe6ea" {LINE} stroke-width="1.4"/>
<rect x="4" y="6.5" width="12" height="15" rx="1" fill="#ffffff" {LINE} stroke-width="1.4"/>
<path d="M6.5 10.5 H13.5 M6.5 13.5 H13.5 M6.5 16.5 H11.5" stroke="#90a4ae" stroke-width="1.2" stroke-linecap="round"/>
""",
    "paste": f"""
<rect x="4" y="4" width="16" height="18" rx="1.8" fill="#c98d4f" {LINE} stroke-width="1.4"/>
<rect x="7" y="8" width="10" height="11.5" fill="#ffffff" {LINE} stroke-width="1.1"/>
<rect x="8.5" y="2" width="7" height="4.2" rx="1" fill="#cfd8dc" {LINE} stroke-width="1.3"/>
<path d="M9 12 H15 M9 15 H13.5" stroke="#90a4ae" stroke-width="1.2" stroke-linecap="round"/>
""",
    "undo": f"""
<path d="M5 10 H14 A5 5 0 0 1 14 20 H9" fill="none" stroke="#2f78c4" stroke-width="2.6" stroke-linecap="round" stroke-linejoin="round"/>
<path d="M9.5 4.5 L4 10 L9.5 15.5" fill="none" stroke="#2f78c4" stroke-width="2.6" stroke-linecap="round" stroke-linejoin="round"/>
""",
    "redo": f"""
<path d="M19 10 H10 A5 5 0 0 0 10 20 H15" fill="none" stroke="#2f78c4" stroke-width="2.6" stroke-linecap="round" stroke-linejoin="round"/>
<path d="M14.5 4.5 L20 10 L14.5 15.5" fill="none" stroke="#2f78c4" stroke-width="2.6" stroke-linecap="round" stroke-linejoin="round"/>
""",
    "grid": f"""
<rect x="3.5" y="3.5" width="17" height="17" fill="#eef3f6" {LINE} stroke-width="1.6"/>
<path d="M9.17 3.5 V20.5 M14.83 3.5 V20.5 M3.5 9.17 H20.5 M3.5 14.83 H20.5" stroke="{OUT}" stroke-width="1.1"/>
""",
    "tilenr": f"""
<rect x="3" y="3" width="18" height="18" rx="1.5" fill="#cfd8dc" {LINE} stroke-width="1.4"/>
<path d="M6.8 9 L9 7.2 V16.8 M6.8 16.8 H11.2" fill="none" {LINE} stroke-width="1.7"/>
<path d="M13 9.2 C13 7.8 14 7.2 15.2 7.2 C16.6 7.2 17.4 8 17.4 9.2 C17.4 10.8 15.6 12.6 13 16.8 H17.6" fill="none" {LINE} stroke-width="1.7"/>
""",
    "mirror": f"""
<line x1="12" y1="2" x2="12" y2="22" stroke="{OUT}" stroke-width="1.2" stroke-dasharray="2 1.6"/>
<path d="M9.8 5 V19 H2.5 Z" fill="{BLUE}" {LINE} stroke-width="1.4"/>
<path d="M14.2 5 V19 H21.5 Z" fill="#ffffff" {LINE} stroke-width="1.4"/>
""",
    "flip": f"""
<line x1="2" y1="12" x2="22" y2="12" stroke="{OUT}" stroke-width="1.2" stroke-dasharray="2 1.6"/>
<path d="M5 9.8 H19 V2.5 Z" fill="{BLUE}" {LINE} stroke-width="1.4"/>
<path d="M5 14.2 H19 V21.5 Z" fill="#ffffff" {LINE} stroke-width="1.4"/>
""",
    "fillinscreen": f"""
<rect x="2.5" y="3.5" width="19" height="13.5" rx="1.5" fill="#eef3f6" {LINE} stroke-width="1.4"/>
<rect x="5" y="6" width="14" height="8.5" fill="{BLUE}"/>
<path d="M12 7.4 C13.6 9.4 14.4 10.6 14.4 11.6 A2.4 2.4 0 0 1 9.6 11.6 C9.6 10.6 10.4 9.4 12 7.4 Z" fill="#ffffff"/>
<path d="M12 17 V20 M8 20.8 H16" {LINE} stroke-width="1.6" fill="none"/>
""",
    "quarn": """
<rect x="0.5" y="0.5" width="23" height="23" rx="4" fill="#25313c"/>
<rect x="3" y="3" width="5.6" height="5.6" fill="#8d96a3"/>
<rect x="9.2" y="3" width="5.6" height="5.6" fill="#5c9a3a"/>
<rect x="15.4" y="3" width="5.6" height="5.6" fill="#5c9a3a"/>
<rect x="3" y="9.2" width="5.6" height="5.6" fill="#a4533c"/>
<rect x="9.2" y="9.2" width="5.6" height="5.6" fill="#2f6fc0"/>
<rect x="15.4" y="9.2" width="5.6" height="5.6" fill="#5c9a3a"/>
<rect x="3" y="15.4" width="5.6" height="5.6" fill="#a4533c"/>
<rect x="9.2" y="15.4" width="5.6" height="5.6" fill="#d6bd80"/>
<rect x="15.4" y="15.4" width="5.6" height="5.6" fill="#f2c14e"/>
<path d="M10.4 12.4 Q11.2 11.4 12 12.4 T13.6 12.4" fill="none" stroke="#cfe3f6" stroke-width="0.9" stroke-linecap="round"/>
<rect x="15.4" y="15.4" width="5.6" height="5.6" fill="none" stroke="#ffffff" stroke-width="1.2"/>
""",
}

for _w in (1, 3, 5):
    ICON_SVGS["linewidth-%d" % _w] = (
        '<rect x="3" y="%g" width="18" height="%d" fill="#2f78c4"/>' % (12.5 - _w / 2, _w))


# --------------------------------------------------------------------------
# Checks on what was written

def check(cond, what):
    if not cond:
        raise SystemExit("make_art: check failed: " + what)


def read_bmp8(data):
    check(data[:2] == b"BM", "bitmap signature")
    bf_size, _, _, off = struct.unpack_from("<IHHI", data, 2)
    (bi_size, w, h, planes, bits, comp, size_image, _, _, clr_used,
     _) = struct.unpack_from("<IiiHHIIiiII", data, 14)
    check(bf_size == len(data), "bfSize is the file length")
    check(off == 14 + 40 + 1024, "bfOffBits is 1078")
    check(bi_size == 40 and planes == 1 and bits == 8 and comp == 0, "info header")
    stride = (w + 3) & ~3
    check(size_image == stride * h == len(data) - off, "biSizeImage matches the pixels")
    check(clr_used in (0, 256), "palette size")
    pal = [tuple(reversed(data[54 + 4 * i:54 + 4 * i + 3])) for i in range(256)]
    c = Canvas(w, h)
    for y in range(h):
        row = data[off + (h - 1 - y) * stride:off + (h - 1 - y) * stride + w]
        c.px[y] = [pal[i] for i in row]
    return c


def read_png_rgb(data):
    check(data[:8] == b"\x89PNG\r\n\x1a\n", "png signature")
    pos, idat, w, h = 8, b"", 0, 0
    while pos < len(data):
        ln, kind = struct.unpack_from(">I4s", data, pos)
        body = data[pos + 8:pos + 8 + ln]
        crc = struct.unpack_from(">I", data, pos + 8 + ln)[0]
        check(crc == zlib.crc32(kind + body) & 0xFFFFFFFF, "png chunk crc")
        if kind == b"IHDR":
            w, h, depth, ctype = struct.unpack_from(">IIBB", body)
            check(depth == 8 and ctype == 2, "png is 8-bit RGB")
        elif kind == b"IDAT":
            idat += body
        pos += 12 + ln
    raw = zlib.decompress(idat)
    c = Canvas(w, h)
    for y in range(h):
        row = raw[y * (3 * w + 1):(y + 1) * (3 * w + 1)]
        check(row[0] == 0, "png filter")
        c.px[y] = [tuple(row[1 + 3 * x:4 + 3 * x]) for x in range(w)]
    return c


def cell_colours(c, ox, oy, w=16, h=16):
    return {c.px[y][x] for y in range(oy, oy + h) for x in range(ox, ox + w)}


def verify(sheet, extra, special):
    with open(os.path.join(DATA, "default.bmp"), "rb") as f:
        bmp = read_bmp8(f.read())
    check((bmp.w, bmp.h) == (304, 160), "tileset is 304 x 160")
    check(bmp.px == sheet.px, "tileset reads back as drawn")
    off_palette = {p for row in sheet.px for p in row} - set(PALETTE)
    check(not off_palette, "tileset colours outside the palette: %s" % sorted(off_palette)[:5])
    blocks = {}
    for n in range(1, 191):
        ox, oy = ((n - 1) % PER_ROW) * TILE, ((n - 1) // PER_ROW) * TILE
        b = sheet.block(ox, oy, TILE, TILE)
        check(b not in blocks, "tiles %s and %d are identical" % (blocks.get(b), n))
        blocks[b] = n
        check(len(cell_colours(sheet, ox, oy)) >= 3, "tile %d is nearly flat" % n)

    with open(os.path.join(DATA, "extratiles.png"), "rb") as f:
        ex = read_png_rgb(f.read())
    check((ex.w, ex.h) == (304, 64), "extra tiles are 304 x 64")
    check(ex.px == extra.px, "extra tiles read back as drawn")
    for t in range(191, 267):
        i = t - 191
        cols = cell_colours(ex, (i % 19) * 16, (i // 19) * 16)
        if t >= 256:
            check(cols == {BLACK}, "cell %d is black" % t)
        elif t in (216, 217, 218, 219, 220, 241, 242, 252, 253, 255):
            check(len(cols) >= 2 or t == 255, "icon in cell %d" % t)
        else:
            check(cols == {BLACK, WHITE}, "cell %d shows its number" % t)

    with open(os.path.join(DATA, "picspecial.png"), "rb") as f:
        sp = read_png_rgb(f.read())
    check((sp.w, sp.h) == (224, 96), "special tiles are 224 x 96")
    check(sp.px == special.px, "special tiles read back as drawn")
    check(cell_colours(sp, 0, 0, 16, 96) == {BLACK}, "left margin of the special tiles is black")
    check(cell_colours(sp, 16, 32, 32, 64) == {BLACK}, "below the 2 x 2 tile is black")
    check(cell_colours(sp, 48, 80, 80, 16) == {BLACK}, "below the 5 x 5 tile is black")
    for (x, y, s) in [(16, 0, 32), (48, 0, 80), (128, 0, 96)]:
        check(len(cell_colours(sp, x, y, s, s)) > 20, "special tile at x %d is drawn" % x)

    for name in ICON_SVGS:
        root = ET.parse(os.path.join(ICONS, name + ".svg")).getroot()
        check(root.get("viewBox") == "0 0 24 24", "%s.svg viewBox" % name)
        for el in root.iter():
            tag = el.tag.split("}")[-1]
            check(tag not in ("style", "filter", "image", "text"), "%s.svg uses <%s>" % (name, tag))
            check("style" not in el.attrib and "filter" not in el.attrib, "%s.svg attributes" % name)


def main():
    sheet = make_tileset()
    extra = make_extratiles()
    special = make_picspecial()
    write(os.path.join(DATA, "default.bmp"), bmp8_bytes(sheet))
    write(os.path.join(DATA, "extratiles.png"), png_bytes(extra))
    write(os.path.join(DATA, "picspecial.png"), png_bytes(special))
    for name, body in ICON_SVGS.items():
        write(os.path.join(ICONS, name + ".svg"), svg(body).encode("utf-8"))
    verify(sheet, extra, special)
    print("make_art: wrote default.bmp, extratiles.png, picspecial.png and %d icons"
          % len(ICON_SVGS))


if __name__ == "__main__":
    main()
