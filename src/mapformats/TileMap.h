#pragma once

#include <QHash>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <vector>

// A tile map as the widespread XML and JSON map formats describe it, reduced to what a level can take:
// one tile layer on the level's grid, the tilesets its tile ids refer to, and the tile objects of its
// object layers. The readers fill it; the import turns it into a level.
namespace TileMapFormat {

// The top four bits of a global tile id hold its flips and rotations, never part of the id itself.
inline constexpr uint32_t FlippedHorizontally = 0x80000000u;
inline constexpr uint32_t FlippedVertically = 0x40000000u;
inline constexpr uint32_t FlippedDiagonally = 0x20000000u;
// Rotation of hexagonal maps; orthogonal maps ignore it.
inline constexpr uint32_t RotatedHexagonal120 = 0x10000000u;
inline constexpr uint32_t FlipBits = FlippedHorizontally | FlippedVertically | FlippedDiagonally;
inline constexpr uint32_t FlagBits = FlipBits | RotatedHexagonal120;

// The map property that marks our own maps, with the version of how they hold a level.
inline const QString VersionProperty = QStringLiteral("quarn-format");
inline constexpr int Version = 1;
// Our exports put special tiles whose bottom-left cell lies below the grid into this object layer.
inline const QString EdgeLayerName = QStringLiteral("special tiles past the bottom edge");
// On each tile of the special-tiles tileset: the level's tile number it stands for.
inline const QString SpecialTileProperty = QStringLiteral("quarn-tile");
// On the pictures tileset: the level's own tileset bitmap (base64), or that it had none.
inline const QString TilesetBitmapProperty = QStringLiteral("quarn-tileset-bmp");
inline const QString DefaultTilesetProperty = QStringLiteral("quarn-default-tileset");

// No map file, external tileset or picture this large is a level; larger ones are refused unread.
inline constexpr qint64 MaxFileBytes = qint64{64} * 1024 * 1024;

enum class Encoding { Csv, Base64, Base64Zlib, Base64Gzip, Base64Zstd };

}  // namespace TileMapFormat

struct MapTilesetTile {
    int id = 0;
    QString image;  // absolute path, empty when the tile has no picture of its own
    int imageWidth = 0;
    int imageHeight = 0;
    QHash<QString, QString> properties;
};

struct MapTileset {
    uint32_t firstGid = 0;
    QString name;
    int tileWidth = 0;
    int tileHeight = 0;
    int columns = 0;
    int tileCount = 0;
    int margin = 0;
    int spacing = 0;
    QString image;          // absolute path of the tileset picture; empty for a collection of images
    bool hasImage = false;  // a picture is named, also one that cannot be read
    int imageWidth = 0;
    int imageHeight = 0;
    std::vector<MapTilesetTile> tiles;
    QHash<QString, QString> properties;

    // A collection holds a picture for each tile instead of one for all (and names no columns).
    bool isCollection() const { return !hasImage && !tiles.empty() && columns == 0; }
};

// A tile placed freely in an object layer, by its bottom-left corner in pixels.
struct MapTileObject {
    uint32_t gid = 0;
    double x = 0;
    double y = 0;
};

struct TileMap {
    static constexpr int MaxSide = 1024;
    static constexpr size_t MaxTileObjects = size_t{1} << 20;

    QString orientation;
    int width = 0;
    int height = 0;
    int tileWidth = 0;
    int tileHeight = 0;
    bool infinite = false;
    QHash<QString, QString> properties;
    std::vector<MapTileset> tilesets;
    QStringList tileLayers;   // every tile layer, in file order
    QStringList otherLayers;  // object, image and group layers
    QString layer;            // the tile layer read into `cells`
    // The chosen layer's global tile ids (flags kept), MaxSide x MaxSide row by row; empty until read.
    std::vector<uint32_t> cells;
    std::vector<MapTileObject> tileObjects;
    QStringList warnings;  // what was read only in part, one line each

    // Why a map of these dimensions cannot become a level, or an empty string. Asked before any cell
    // is allocated.
    QString headerProblem() const;
    // Puts a block of ids read for the cells (x, y) to (x + w - 1, y + h - 1) into `cells`, which it
    // allocates on first use. Ids outside the level's grid must be 0. Returns why not, or empty.
    QString place(qint64 x, qint64 y, int w, int h, const uint32_t* ids);

    bool isOwn() const { return properties.contains(TileMapFormat::VersionProperty); }
    // The tileset a global tile id (without flags) belongs to, or null.
    const MapTileset* tilesetOf(uint32_t gid) const;
};
