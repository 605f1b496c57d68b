#!/usr/bin/env python3
"""Writes the seed corpora of the fuzz targets (tests/fuzz) into OUT/<target>/: small, valid
levels, tilesets in every depth and compression the editor reads, and tile texts, so that the
fuzzers start from inputs that reach deep into the readers."""

import base64
import gzip
import os
import struct
import sys
import zlib


def record(column, row, tile):
    return struct.pack("<I", column + row * 4096 + tile * 16777216)


def bmp(width, height, bits, pixels, compression=0, colours=None, used=0, masks=b""):
    """A Windows bitmap with a 40-byte info header; 8-bit pictures get a 256-entry colour table
    unless `colours` says otherwise."""
    if bits == 8 and colours is None:
        colours = 256
    palette = b"".join(struct.pack("<BBBB", i, 255 - i, (i * 7) & 255, 0) for i in range(colours or 0))
    offset = 14 + 40 + len(masks) + len(palette)
    size = offset + len(pixels) + 1
    file_header = b"BM" + struct.pack("<IHHI", size, 0, 0, offset)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, bits, compression, len(pixels), 2835, 2835, used, 0)
    return file_header + info + masks + palette + pixels + b"\0"


def rows(width, height, bytes_per_pixel, value):
    stride = (width * bytes_per_pixel + 3) // 4 * 4
    return b"".join(bytes((value(x, y) >> (8 * (i % bytes_per_pixel))) & 255
                          for x in range(width) for i in range(bytes_per_pixel)).ljust(stride, b"\0")
                    for y in range(height))


def tilesets():
    checker = lambda x, y: (x // 16 + y // 16 * 19) & 255
    rle = b"".join(bytes([16, y, 0, 4, 1, 2, 3, 4, 2, 9]) + b"\0\0" for y in range(12)) + b"\0\1"
    return {
        "bmp8": bmp(64, 32, 8, rows(64, 32, 1, checker)),
        "bmp8-short-table": bmp(32, 16, 8, rows(32, 16, 1, lambda x, y: x * 8), colours=12, used=12),
        "bmp8-rle": bmp(48, 16, 8, rle, compression=1),
        "bmp8-rle-delta": bmp(32, 32, 8, b"\4\7\0\2\3\5\6\1\0\0\0\1", compression=1),
        "bmp24": bmp(32, 16, 24, rows(32, 16, 3, lambda x, y: x * 0x10203 + y)),
        "bmp24-top-down": bmp(16, -16, 24, rows(16, 16, 3, lambda x, y: 0x405060 + x)),
        "bmp16-fields": bmp(16, 16, 16, rows(16, 16, 2, lambda x, y: x * 2048 + y), compression=3,
                            masks=struct.pack("<III", 0xF800, 0x07E0, 0x001F)),
        "bmp32": bmp(16, 16, 32, rows(16, 16, 4, lambda x, y: 0xFF000000 + x * 0x100 + y)),
    }


def levels(sets):
    records = b"".join(record(x, y, 1 + (x * 3 + y) % 200) for x in range(6) for y in range(4))
    special = record(10, 10, 219) + record(12, 12, 5) + record(20, 3, 217) + record(30, 30, 220)
    return {
        "records": records,
        "special-tiles": special + record(1023, 1023, 255) + record(0, 0, 1),
        "duplicates-and-zero": record(5, 5, 7) + record(5, 5, 8) + record(6, 6, 0),
        "damaged": record(1, 1, 3) + record(4000, 2, 4) + b"\1\2",
        "tileset8": sets["bmp8"] + records + special,
        "tileset8-rle": sets["bmp8-rle"] + special,
        "tileset24": sets["bmp24"] + records,
    }


def tile_texts():
    return {
        "small": b"QuarnTiles:3:2:1:2:3:4:5:6:",
        "special": b"QuarnTiles:6:6:219:" + b"-1:" * 35,
        "numbers": b"QuarnTiles:2:2: 7.5:+3:-1:2e1:",
        "overlap": b"QuarnTiles:3:3:217:217:0:-1:-1:0:0:0:220:",
    }


def tile_maps():
    """Small maps in both forms: every encoding of the layer data, chunks, flips, an external tileset
    that is refused, and our own special tiles."""
    ids = [1, 2, 0, 255, 0, 7, 19, 20, 191, 0, 0, 3]
    raw = b"".join(struct.pack("<I", i) for i in ids)
    csv = ",".join(str(i) for i in ids)
    # Made by the zstd program; Python has no zstd of its own.
    zstd = "KLUv/QRo5QAAAgMGDfBZA1/r/91iWCWlTAGX/9vr9PnfPw4BABOAKAw="
    packed = {
        "base64": ("", base64.b64encode(raw).decode()),
        "zlib": ("zlib", base64.b64encode(zlib.compress(raw)).decode()),
        "gzip": ("gzip", base64.b64encode(gzip.compress(raw, mtime=0)).decode()),
        "zstd": ("zstd", zstd),
    }
    tileset = '<tileset firstgid="1" name="t" tilewidth="16" tileheight="16" tilecount="266" columns="19"/>'
    own = ('<properties><property name="quarn-format" type="int" value="1"/></properties>' + tileset +
           '<tileset firstgid="267" name="s" tilewidth="96" tileheight="96" tilecount="3" columns="0">'
           '<tile id="1"><properties><property name="quarn-tile" type="int" value="217"/></properties></tile>'
           '</tileset>')

    def tmx(body, attributes='width="4" height="3"', head=tileset):
        return ('<?xml version="1.0"?><map version="1.8" orientation="orthogonal" tilewidth="16" '
                'tileheight="16" ' + attributes + ">" + head + body + "</map>").encode()

    def layer(data, name="ground"):
        return '<layer id="1" name="%s" width="4" height="3">%s</layer>' % (name, data)

    def tmj(fields, attributes='"width":4,"height":3'):
        return ('{"type":"map","orientation":"orthogonal","tilewidth":16,"tileheight":16,' + attributes +
                ',"tilesets":[{"firstgid":1,"name":"t","tilewidth":16,"tileheight":16,"tilecount":266,'
                '"columns":19}],"layers":[{"type":"tilelayer","name":"ground","width":4,"height":3,' + fields +
                '}]}').encode()

    xml = {"csv": tmx(layer('<data encoding="csv">%s</data>' % csv))}
    json = {"csv": tmj('"data":[%s]' % csv)}
    for name, (compression, text) in packed.items():
        attribute = ' compression="%s"' % compression if compression else ""
        xml[name] = tmx(layer('<data encoding="base64"%s>%s</data>' % (attribute, text)))
        json[name] = tmj('"encoding":"base64","compression":"%s","data":"%s"' % (compression, text))
    xml["chunks"] = tmx('<layer name="c"><data encoding="csv"><chunk x="16" y="0" width="4" height="3">%s'
                        '</chunk></data></layer><objectgroup name="o"><object gid="2" x="0" y="32"/>'
                        '</objectgroup>' % csv, 'width="4" height="3" infinite="1"')
    xml["flips-and-layers"] = tmx(layer('<data encoding="csv">2147483650,0,0,0,0,0,0,0,0,0,0,1</data>') +
                                  layer('<data><tile gid="3"/></data>', "top")) + b"\n"
    xml["external"] = tmx(layer('<data encoding="csv">%s</data>' % csv), head='<tileset firstgid="1" '
                          'source="in.tmx"/>')
    xml["special"] = tmx(layer('<data encoding="csv">0,0,0,0,0,0,0,0,0,0,0,268</data>'), head=own)
    json["chunks"] = tmj('"chunks":[{"x":1020,"y":0,"width":4,"height":3,"data":[%s]}]' % csv,
                         '"width":4,"height":3,"infinite":true')
    return xml, json


def sets_files():
    """Sets files beside a level: wall sets of 4 rows of 4 tiles, random sets of [tile, weight] pairs."""
    brick = '{"name": "Brick", "tiles": [[101, 102, 103, 104], [105, 106, 107, 108], [109, 110, 111, 112], ' \
            '[113, 114, 115, 116]]}'
    sparse = '{"name": "Sparse \\u00e9", "tiles": [[1, 0, 0, 0], [0, 0, 0, 0], [0, 0, 0, 0], [0, 0, 0, 255]]}'
    floor = '{"name": "Floor", "tiles": [[21, 10], [22, 3], [23, 0]]}'

    def sets(walls, randoms, seed=1234):
        return ('{"version": 1, "seed": %d, "wallSets": [%s], "randomSets": [%s]}' %
                (seed, ", ".join(walls), ", ".join(randoms))).encode()

    return {
        "both": sets([brick, sparse], [floor, '{"name": "", "tiles": []}']),
        "walls-only": sets([brick], [], seed=0),
        "random-only": sets([], [floor, '{"name": "Heavy", "tiles": [[9, 1000000], [217, 5], [8, 1]]}'], 4294967295),
        "shared-tile": sets([brick, brick.replace("Brick", "Again")], []),
    }


def main():
    if len(sys.argv) != 2:
        sys.exit("usage: make-fuzz-seeds.py OUT")
    out = sys.argv[1]
    sets = tilesets()
    lvls = levels(sets)
    # The renderer's inputs start with five bytes that choose the region and the scroll offset.
    corpora = {
        "fuzz_level_file": lvls,
        "fuzz_tileset": sets,
        "fuzz_tile_text": tile_texts(),
        "fuzz_render": {name: bytes([4, 0x50, 8, 10, 0x35]) + data for name, data in lvls.items()},
    }
    corpora["fuzz_tmx"], corpora["fuzz_tmj"] = tile_maps()
    corpora["fuzz_sets"] = sets_files()
    for target, seeds in corpora.items():
        folder = os.path.join(out, target)
        os.makedirs(folder, exist_ok=True)
        for name, data in seeds.items():
            with open(os.path.join(folder, "seed-" + name), "wb") as f:
                f.write(data)


if __name__ == "__main__":
    main()
