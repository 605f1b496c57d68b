#include "mapformats/TileMap.h"

const MapTileset* TileMap::tilesetOf(uint32_t gid) const {
    const MapTileset* found = nullptr;
    for (const MapTileset& set : tilesets) {
        if (set.firstGid <= gid && (found == nullptr || set.firstGid > found->firstGid)) {
            found = &set;
        }
    }
    return found;
}

QString TileMap::headerProblem() const {
    if (orientation != QLatin1String("orthogonal")) {
        return QStringLiteral("its orientation is \"%1\"; only orthogonal maps become levels").arg(orientation);
    }
    if (tileWidth != 16 || tileHeight != 16) {
        return QStringLiteral("its tiles are %1 x %2 pixels; a level's tiles are 16 x 16")
            .arg(tileWidth)
            .arg(tileHeight);
    }
    if (!infinite && (width < 1 || height < 1 || width > MaxSide || height > MaxSide)) {
        return QStringLiteral("it is %1 x %2 cells; a level holds 1 to %3 cells each way")
            .arg(width)
            .arg(height)
            .arg(MaxSide);
    }
    return {};
}

QString TileMap::place(qint64 x, qint64 y, int w, int h, const uint32_t* ids) {
    if (cells.empty()) {
        cells.assign(static_cast<size_t>(MaxSide) * MaxSide, 0);
    }
    for (int r = 0; r < h; ++r) {
        const qint64 row = y + r;
        const uint32_t* in = ids + static_cast<qsizetype>(r) * w;
        const bool rowInside = row >= 0 && row < MaxSide;
        for (int c = 0; c < w; ++c) {
            const qint64 column = x + c;
            if (rowInside && column >= 0 && column < MaxSide) {
                cells[static_cast<size_t>(row * MaxSide + column)] = in[c];
            } else if (in[c] != 0) {
                return QStringLiteral("layer \"%1\" has a tile at column %2, row %3, outside the level's %4 x %4 cells")
                    .arg(layer)
                    .arg(column)
                    .arg(row)
                    .arg(MaxSide);
            }
        }
    }
    return {};
}
