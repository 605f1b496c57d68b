#include "model/ObjectProcedures.h"

#include <algorithm>

#include "model/Level.h"
#include "model/LevelEdit.h"

namespace ObjectProcedures {

bool isObjectCell(const Level& map, int X, int Y) {
    if (!Level::inGrid(X, Y)) {
        return false;
    }
    const int16_t v = map.getTile(X, Y);
    return v == -1 || isSpecialTile(v);
}

std::optional<std::array<int, 2>> getObjectOrigin(const Level& map, int X, int Y) {
    if (map.getTile(X, Y) != -1) {
        return std::array<int, 2>{X, Y};
    }
    for (int r = Y; r >= Y - 5 && r >= 0; --r) {
        for (int c = X; c >= X - 5 && c >= 0; --c) {
            const int16_t v = map.getTile(c, r);
            if (v != -1 && isObjectCell(map, c, r) && X - c <= objectExtent(v)) {
                return std::array<int, 2>{c, r};
            }
        }
    }
    return std::nullopt;
}

void clearObject(LevelEdit& edit, int X, int Y, bool refresh, int16_t value) {
    Level& map = edit.level();
    const int n = objectExtent(map.getTile(X, Y));
    const int lastX = std::min(X + n, Level::Size - 1);
    const int lastY = std::min(Y + n, Level::Size - 1);
    for (int r = Y; r <= lastY; ++r) {
        for (int c = X; c <= lastX; ++c) {
            edit.setTile(c, r, value);
            map.redrawCell(c, r);
        }
    }
    if (refresh) {
        map.redrawView();
    }
}

void removeObjectAt(LevelEdit& edit, int X, int Y, bool refresh, int16_t value) {
    const Level& map = edit.level();
    if (map.getTile(X, Y) == -1) {
        // An orphaned covered cell (only in a damaged grid) is emptied on its own.
        const auto origin = getObjectOrigin(map, X, Y);
        if (origin) {
            clearObject(edit, (*origin)[0], (*origin)[1], refresh, value);
        } else {
            clearObject(edit, X, Y, refresh, 0);
        }
        return;
    }
    clearObject(edit, X, Y, refresh, 0);
}

void placeObject(LevelEdit& edit, int16_t tile, int X, int Y, bool refresh) {
    Level& map = edit.level();
    const int n = objectExtent(tile);
    if (X + n > Level::Size - 1 || Y + n > Level::Size - 1) {
        return;
    }
    for (int r = Y; r <= Y + n; ++r) {
        for (int c = X; c <= X + n; ++c) {
            if (isObjectCell(map, c, r)) {
                removeObjectAt(edit, c, r, false, 0);
            }
        }
    }
    for (int r = Y; r <= Y + n; ++r) {
        for (int c = X; c <= X + n; ++c) {
            edit.setTile(c, r, (r == Y && c == X) ? tile : int16_t{-1});
            map.redrawCell(c, r);
        }
    }
    if (refresh) {
        map.redrawView();
    }
}

}  // namespace ObjectProcedures
