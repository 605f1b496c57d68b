#include "mapformats/ExportedMap.h"

#include "mapformats/SpecialTilePictures.h"
#include "model/Level.h"
#include "model/ObjectProcedures.h"

uint32_t ExportedMap::specialGid(int16_t tile) {
    return SpecialFirstGid + (tile == 217 ? 0 : tile == 219 ? 1 : 2);
}

int ExportedMap::specialSide(int16_t tile) {
    return (ObjectProcedures::objectExtent(tile) + 1) * Tileset::TileSize;
}

ExportedMap ExportedMap::fromLevel(const Level& level, const QString& baseName) {
    ExportedMap map;
    map.name = baseName;
    map.picture = baseName + QStringLiteral(".png");
    for (size_t i = 0; i < SpecialTilePictures::tiles.size(); ++i) {
        map.specialPictures[i] = QStringLiteral("%1-%2.png").arg(baseName).arg(SpecialTilePictures::tiles[i]);
    }
    map.defaultTileset = level.usingDefaultTileset();
    if (!level.usingDefaultTileset()) {
        map.tilesetBitmapBase64 = level.tilesetBlock().bytes().toBase64();
    }
    map.gids.assign(static_cast<size_t>(Size) * Size, 0);
    const int16_t* cells = level.cells();
    struct Special {
        int x, y;
        int16_t tile;
    };
    std::vector<Special> specials;
    for (int i = 0; i < Size * Size; ++i) {
        const int16_t v = cells[i];
        if (ObjectProcedures::isSpecialTile(v)) {
            specials.push_back({i % Size, i / Size, v});
        } else if (v > 0) {
            map.gids[static_cast<size_t>(i)] = static_cast<uint32_t>(v);
        }
    }
    // Placed after every ordinary tile, so a special tile never takes the cell of one.
    for (const Special& s : specials) {
        const int bottom = s.y + ObjectProcedures::objectExtent(s.tile);
        uint32_t* cell =
            bottom < Size ? &map.gids[static_cast<size_t>(bottom) * Size + static_cast<size_t>(s.x)] : nullptr;
        if (cell != nullptr && *cell == 0) {
            *cell = specialGid(s.tile);
        } else {
            map.edgeObjects.push_back({s.tile, s.x, bottom + 1});
        }
    }
    return map;
}
