#include "walls/WallSetPicture.h"

#include <QPainter>
#include <array>

#include "model/Tileset.h"
#include "walls/WallSet.h"

namespace WallSetPicture {

namespace {

const QRgb emptyColour = qRgb(40, 40, 48);
const QRgb frameColour = qRgb(96, 96, 112);
const QRgb floorColour = qRgb(24, 24, 28);

// Outer walls, an inner wall from the top with a bend to the left: corners, T pieces, straight
// pieces and an end all appear.
constexpr std::array<const char*, RoomRows> roomPlan = {
    "######", "#..#.#", "#.##.#", "#....#", "######",
};

bool isWall(int x, int y) {
    return x >= 0 && y >= 0 && x < RoomColumns && y < RoomRows && roomPlan[static_cast<size_t>(y)][x] == '#';
}

}  // namespace

void drawTile(QImage& into, QPoint at, const QImage& tileset, int16_t tile, int cell) {
    if (tile <= 0 || tile > 255) {
        return;
    }
    QPainter p(&into);
    p.drawImage(QRect(at, QSize(cell, cell)), tileset, Tileset::tileSource(tile, TileSize));
}

QImage block(const WallSet& set, const QImage& tileset, int cell) {
    QImage picture(4 * cell, 4 * cell, QImage::Format_RGB32);
    picture.fill(emptyColour);
    {
        QPainter p(&picture);
        p.setPen(frameColour);
        for (int entry = 0; entry < WallSet::Entries; ++entry) {
            p.drawRect((entry % 4) * cell, (entry / 4) * cell, cell - 1, cell - 1);
        }
    }
    for (int entry = 0; entry < WallSet::Entries; ++entry) {
        drawTile(picture, {(entry % 4) * cell, (entry / 4) * cell}, tileset, set.tile(entry), cell);
    }
    return picture;
}

void drawMasks(QImage& block, int cell) {
    QPainter p(&block);
    p.setRenderHint(QPainter::Antialiasing);
    const int reach = cell / 2 - 2;
    for (int entry = 0; entry < WallSet::Entries; ++entry) {
        const QPoint middle((entry % 4) * cell + cell / 2, (entry / 4) * cell + cell / 2);
        const int mask = WallSet::maskOfEntry(entry);
        // Dark under light keeps the marks readable over any tile.
        for (const auto& [colour, width] : {std::pair{QColor(0, 0, 0), 4}, std::pair{QColor(255, 220, 0), 2}}) {
            p.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap));
            if (mask & WallSet::North)
                p.drawLine(middle, middle + QPoint(0, -reach));
            if (mask & WallSet::East)
                p.drawLine(middle, middle + QPoint(reach, 0));
            if (mask & WallSet::South)
                p.drawLine(middle, middle + QPoint(0, reach));
            if (mask & WallSet::West)
                p.drawLine(middle, middle + QPoint(-reach, 0));
            if (mask == 0)
                p.drawEllipse(QPointF(middle), width, width);
        }
    }
}

int roomMask(int x, int y) {
    if (!isWall(x, y)) {
        return -1;
    }
    return (isWall(x, y - 1) ? WallSet::North : 0) | (isWall(x + 1, y) ? WallSet::East : 0) |
           (isWall(x, y + 1) ? WallSet::South : 0) | (isWall(x - 1, y) ? WallSet::West : 0);
}

QImage room(const WallSet& set, const QImage& tileset) {
    QImage picture(RoomColumns * TileSize, RoomRows * TileSize, QImage::Format_RGB32);
    picture.fill(floorColour);
    for (int y = 0; y < RoomRows; ++y) {
        for (int x = 0; x < RoomColumns; ++x) {
            const int mask = roomMask(x, y);
            if (mask >= 0) {
                drawTile(picture, {x * TileSize, y * TileSize}, tileset, set.tileForMask(mask), TileSize);
            }
        }
    }
    return picture;
}

}  // namespace WallSetPicture
