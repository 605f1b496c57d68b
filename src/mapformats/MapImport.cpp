#include "mapformats/MapImport.h"

#include <QFileInfo>
#include <array>
#include <cmath>
#include <unordered_map>

#include "mapformats/MapFiles.h"
#include "mapformats/MapTilePictures.h"
#include "mapformats/TileMap.h"
#include "mapformats/TmjReader.h"
#include "mapformats/TmxReader.h"
#include "model/Level.h"
#include "model/LevelFile.h"
#include "model/LoadReport.h"
#include "model/ObjectProcedures.h"

namespace {

using namespace TileMapFormat;

struct Anchor {
    int x;
    int y;
    int16_t tile;
};

// Turns global tile ids into cells, special tiles into anchors, and says why it cannot.
class CellReader {
public:
    CellReader(const TileMap& map, bool lenient) : map(map), lenient(lenient) {
        for (uint32_t gid = 0; gid < plain.size(); ++gid) {
            const MapTileset* set = map.tilesetOf(gid);
            const bool pictures = set != nullptr && !set->isCollection() && set->tileWidth == Tileset::TileSize &&
                                  set->tileHeight == Tileset::TileSize;
            plain[gid] = gid == 0 ? 0 : pictures ? static_cast<int16_t>(gid) : int16_t{-1};
        }
        if (!map.isOwn()) {
            return;
        }
        for (const MapTileset& set : map.tilesets) {
            for (const MapTilesetTile& tile : set.tiles) {
                const int n = tile.properties.value(SpecialTileProperty).toInt();
                if (ObjectProcedures::isSpecialTile(static_cast<int16_t>(n)) && tile.id >= 0) {
                    const uint32_t gid = set.firstGid + static_cast<uint32_t>(tile.id);
                    special.emplace(gid, static_cast<int16_t>(n));
                    if (gid < plain.size()) {
                        plain[gid] = -1;
                    }
                }
            }
        }
    }

    // The cell value of `gid` at (x, y): a tile number, or 0 with the special tile noted in `anchors`.
    // `bottomRow` is the row of the special tile's bottom-left cell; objects may have it below the grid.
    QString read(uint32_t gid, int x, int bottomRow, int16_t& value) {
        value = 0;
        if ((gid & FlipBits) != 0) {
            if (!lenient) {
                refusedFlips = true;
                return QStringLiteral(
                           "the tile at column %1, row %2 is flipped or rotated, which a level cannot show "
                           "(--lenient takes it unflipped)")
                    .arg(x)
                    .arg(bottomRow);
            }
            ++flipped;
        }
        gid &= ~FlagBits;
        if (gid == 0) {
            return {};
        }
        if (const auto it = special.find(gid); it != special.end()) {
            const int top = bottomRow - ObjectProcedures::objectExtent(it->second);
            if (x < 0 || x >= Level::Size || top < 0 || top >= Level::Size) {
                return QStringLiteral(
                           "the special tile %1 with its bottom-left cell at column %2, row %3 has its "
                           "top-left cell outside the level")
                    .arg(it->second)
                    .arg(x)
                    .arg(bottomRow);
            }
            anchors.push_back({x, top, it->second});
            return {};
        }
        const MapTileset* set = map.tilesetOf(gid);
        if (set == nullptr) {
            return QStringLiteral("the tile at column %1, row %2 (gid %3) belongs to no tileset")
                .arg(x)
                .arg(bottomRow)
                .arg(gid);
        }
        if (gid > 255) {
            return QStringLiteral("the tile at column %1, row %2 (gid %3) maps beyond tile 255, the last a level holds")
                .arg(x)
                .arg(bottomRow)
                .arg(gid);
        }
        if (set->isCollection() || set->tileWidth != Tileset::TileSize || set->tileHeight != Tileset::TileSize) {
            return QStringLiteral(
                       "tileset \"%1\" (used at column %2, row %3) %4; a level holds only 16 x 16 tiles "
                       "of tileset pictures")
                .arg(set->name)
                .arg(x)
                .arg(bottomRow)
                .arg(set->isCollection()
                         ? QStringLiteral("is a collection of separate pictures")
                         : QStringLiteral("has %1 x %2 pixel tiles").arg(set->tileWidth).arg(set->tileHeight));
        }
        value = static_cast<int16_t>(gid);
        return {};
    }

    // The cell value of each gid below 256 that is an ordinary tile of a picture tileset, -1 for the others,
    // so that most cells need no lookup.
    std::array<int16_t, 256> plain{};

    std::vector<Anchor> anchors;
    qint64 flipped = 0;
    bool refusedFlips = false;
    std::unordered_map<uint32_t, int16_t> special;

private:
    const TileMap& map;
    bool lenient;
};

QString readMap(const QString& path, const QString& layer, TileMap& map) {
    QByteArray bytes;
    if (QString why = MapFiles::read(path, bytes); !why.isEmpty()) {
        return QStringLiteral("it %1").arg(why);
    }
    // The two forms are told apart by their first character, whatever the file is called.
    qsizetype first = bytes.startsWith("\xEF\xBB\xBF") ? 3 : 0;
    while (first < bytes.size() && QByteArrayView(" \t\r\n").contains(bytes[first])) {
        ++first;
    }
    const bool json = first < bytes.size() && bytes[first] == '{';
    return json ? TmjReader::readMap(bytes, path, layer, map) : TmxReader::readMap(bytes, path, layer, map);
}

// Places the cells and the special tiles, then covers the objects' squares as loading a level does.
QString fill(const TileMap& map, CellReader& reader, Level& level, QStringList& warnings) {
    for (int y = 0; y < Level::Size; ++y) {
        const uint32_t* row = map.cells.data() + static_cast<size_t>(y) * Level::Size;
        for (int x = 0; x < Level::Size; ++x) {
            if (row[x] < reader.plain.size() && reader.plain[row[x]] >= 0) {
                level.putTile(x, y, reader.plain[row[x]]);
                continue;
            }
            int16_t value = 0;
            if (QString problem = reader.read(row[x], x, y, value); !problem.isEmpty()) {
                return problem;
            }
            level.putTile(x, y, value);
        }
    }
    qint64 ignored = 0;
    for (const MapTileObject& object : map.tileObjects) {
        const uint32_t gid = object.gid & ~FlagBits;
        if (!reader.special.contains(gid)) {
            ++ignored;
            continue;
        }
        // Tile objects stand on their bottom-left corner.
        const int x = static_cast<int>(std::lround(std::clamp(object.x / Tileset::TileSize, -1e6, 1e6)));
        const int bottom = static_cast<int>(std::lround(std::clamp(object.y / Tileset::TileSize, -1e6, 1e6))) - 1;
        int16_t value = 0;
        if (QString problem = reader.read(object.gid, x, bottom, value); !problem.isEmpty()) {
            return problem;
        }
    }
    if (ignored > 0) {
        warnings << QStringLiteral("%1 tile object(s) of object layers were left out; a level holds tiles of its grid.")
                        .arg(ignored);
    }
    for (const Anchor& a : reader.anchors) {
        level.putTile(a.x, a.y, a.tile);
    }
    LoadReport report;
    level.completeAfterLoad(&report);
    qint64 covered = 0;
    for (const auto& problem : report.objectProblems) {
        covered += problem.covered;
    }
    if (covered > 0) {
        warnings << QStringLiteral("%1 tile(s) lay under special tiles and were left out.").arg(covered);
    }
    if (reader.flipped > 0) {
        warnings << QStringLiteral("%1 flipped or rotated tile(s) were taken unflipped.").arg(reader.flipped);
    }
    return {};
}

}  // namespace

MapImport::Result MapImport::import(const QString& path, const Options& options, Level& level) {
    Result result;
    TileMap map;
    const auto refuse = [&](const QString& why) {
        result.error = QStringLiteral("\"%1\" cannot be imported: %2.").arg(MapFiles::shown(path), why);
        level.eraseTiles();
        LevelFile::newLevel(level);
        return result;
    };
    QString problem = readMap(path, options.layer, map);
    result.tileLayers = map.tileLayers;
    result.otherLayers = map.otherLayers;
    if (map.isOwn()) {
        // Its objects are the level's own special tiles, taken with the tile layer.
        result.otherLayers.removeAll(EdgeLayerName);
    }
    result.layer = map.layer;
    if (!problem.isEmpty()) {
        return refuse(problem);
    }
    if (map.layer.isNull()) {
        return refuse(options.layer.isEmpty()
                          ? QStringLiteral("it has no tile layer")
                          : QStringLiteral("it has no tile layer named \"%1\" (its tile layers: %2)")
                                .arg(options.layer, map.tileLayers.join(QStringLiteral(", "))));
    }
    result.warnings = map.warnings;
    level.eraseTiles();
    CellReader reader(map, options.lenient);
    if (problem = fill(map, reader, level, result.warnings); !problem.isEmpty()) {
        result.refusedFlips = reader.refusedFlips;
        return refuse(problem);
    }
    MapTilePictures::apply(map, level, result.warnings);
    level.setActiveFile({});
    level.markSaved();
    return result;
}

bool MapImport::isMapName(const QString& name) {
    const QString suffix = QFileInfo(name).suffix().toLower();
    return suffix == QLatin1String("tmx") || suffix == QLatin1String("tmj");
}
