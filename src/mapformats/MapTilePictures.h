#pragma once

#include <QImage>
#include <QString>
#include <QStringList>

class Level;
struct TileMap;

// The pictures of a level's tiles as the map formats carry them: one picture of 19 x 14 tiles, so that
// global tile id t is the level's tile t, with the extra tiles in it. On import the tilesets of a map
// become the level's own tileset bitmap, or the default tileset when they show just that.
namespace MapTilePictures {

inline constexpr int Columns = 19;
inline constexpr int Rows = 14;
inline constexpr int TileCount = Columns * Rows;

// The exported picture of a level's tileset picture (the loaded bitmap with the extra-tiles strip).
QImage exported(const QImage& tilesetPicture);
// Reads a picture named by a map, bounded in size; a null image and the reason when it cannot be read.
QImage load(const QString& path, QString& why);
// Gives `level` the tile pictures of `map`: its own tileset bitmap, kept byte for byte when the map is
// one of ours and its picture is unchanged; otherwise made from the 16 x 16 image tilesets (several are
// combined, as tile t is gid t). `warnings` gets what could not be taken as it was.
void apply(const TileMap& map, Level& level, QStringList& warnings);

}  // namespace MapTilePictures
