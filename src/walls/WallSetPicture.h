#pragma once

#include <QImage>
#include <cstdint>

class WallSet;

// Pictures of a wall set for the sets dialog, cut from a tileset picture (16 x 16 tiles, 19 a row).
namespace WallSetPicture {

constexpr int TileSize = 16;
// Cells of the preview room.
constexpr int RoomColumns = 6;
constexpr int RoomRows = 5;

// The set's 4 x 4 block with `cell` pixels a tile; unused entries show as empty framed cells.
QImage block(const WallSet& set, const QImage& tileset, int cell);
// Marks over each entry of a block drawn with `cell` pixels a tile: a line from the cell's middle
// towards each side its piece joins, a dot for the lone post.
void drawMasks(QImage& block, int cell);
// A small room with an inner wall drawn with the set, each wall cell given the piece of its
// neighbours, so a set whose pieces do not fit shows gaps at once.
QImage room(const WallSet& set, const QImage& tileset);
// The wall mask of room cell (x, y), -1 for a floor cell.
int roomMask(int x, int y);
// Tile `tile` of `tileset` copied into `into` at `at`, scaled to `cell` pixels; nothing for 0.
void drawTile(QImage& into, QPoint at, const QImage& tileset, int16_t tile, int cell);

}  // namespace WallSetPicture
