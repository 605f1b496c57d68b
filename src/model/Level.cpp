#include "model/Level.h"

#include <algorithm>
#include <memory>

#include "history/Changes.h"
#include "model/LevelObserver.h"
#include "model/ObjectProcedures.h"

Level::Level() : tiles(static_cast<size_t>(Size) * Size, 0) {
    undoredo.setParent(this);
}

void Level::EraseTiles() {
    std::fill(tiles.begin(), tiles.end(), int16_t{0});
}

void Level::SwitchOrReplace(int16_t src, int16_t dest, bool replace) {
    undoredo.ResetRedo();
    auto batch = std::make_unique<Changes>();
    for (int16_t y = 0; y < Size; ++y) {
        for (int16_t x = 0; x < Size; ++x) {
            const int16_t v = getTile(x, y);
            if (v == src) {
                setTile(x, y, dest, *batch, true);
                UpdateLevelTile(x, y);
            } else if (!replace && v == dest) {
                setTile(x, y, src, *batch, true);
                UpdateLevelTile(x, y);
            }
        }
    }
    // A swap is an edit like any other: leaving the map unmarked would let a close lose it. One
    // that found nothing to swap changes nothing.
    if (batch->UBnd() >= 0) {
        mapchanged = true;
    }
    undoredo.AddToUndo(std::move(batch));
    UpdateLevel();
}

void Level::CompleteSpecialTiles(int16_t X, int16_t Y) {
    const int16_t v = getTile(X, Y);
    const int n = ObjectProcedures::ObjectExtent(v);
    if (n == 0) {
        return;
    }
    const int lastX = std::min(X + n, Size - 1);
    const int lastY = std::min(Y + n, Size - 1);
    for (int y = Y; y <= lastY; ++y) {
        std::fill(tiles.begin() + static_cast<std::ptrdiff_t>(index(X, y)),
                  tiles.begin() + static_cast<std::ptrdiff_t>(index(lastX, y)) + 1, int16_t{-1});
    }
    putTile(X, Y, v);
}

void Level::completeAfterLoad() {
    for (int16_t y = 0; y < Size; ++y) {
        for (int16_t x = 0; x < Size; ++x) {
            if (ObjectProcedures::ObjectExtent(getTile(x, y)) != 0) {
                CompleteSpecialTiles(x, y);
            }
        }
    }
    if (keepOverview) {
        pic1024.rebuild(tiles.data());
    }
}

void Level::UpdateLevelTile(int16_t x, int16_t y, bool refresh) {
    pic1024.setCell(x, y, getTile(x, y));
    if (view) {
        view->UpdateLevelTile(x, y, refresh);
    }
}

void Level::UpdateLevel() {
    if (view) {
        view->UpdateLevel();
    }
}

void Level::setObserver(LevelObserver* o) {
    view = o;
    undoredo.notify();
}
