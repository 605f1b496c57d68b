#pragma once

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <vector>

#include "mapformats/MapTilePictures.h"

class Level;

// A level laid out as a map of the widespread formats, before it is written as XML or JSON: one tile
// layer where tile t is gid t and each special tile is a tile of a second tileset on the bottom-left
// cell of its square (as map readers draw tiles larger than the grid), the cells it covers left empty.
// A special tile whose bottom-left cell lies below the grid goes into an object layer instead.
struct ExportedMap {
    static constexpr int Size = 1024;
    static constexpr uint32_t SpecialFirstGid = MapTilePictures::TileCount + 1;

    struct EdgeObject {
        int16_t tile;
        int x;       // column of its top-left cell
        int bottom;  // one past the row of its bottom cell, in cells
    };

    QString name;                    // the map's base name, which the layer and tilesets take
    QString picture;                 // file name of the tile pictures, beside the map
    QString specialPictures[3];      // file names of the special tiles' pictures (217, 219, 220)
    bool defaultTileset = true;      // the level shows the default tileset
    QByteArray tilesetBitmapBase64;  // otherwise its own bitmap, byte for byte
    std::vector<uint32_t> gids;      // Size x Size, row by row
    std::vector<EdgeObject> edgeObjects;

    // `baseName` is the map file's name without its extension.
    static ExportedMap fromLevel(const Level& level, const QString& baseName);
    // The gid of special tile `tile` (217, 219 or 220).
    static uint32_t specialGid(int16_t tile);
    static int specialSide(int16_t tile);
};
