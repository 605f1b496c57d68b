#include "model/ObjectProcedures.h"

#include <algorithm>

#include "history/Changes.h"
#include "model/Level.h"

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
            if (v != -1 && isObjectCell(map, c, r) && X - c <= ObjectExtent(v)) {
                return std::array<int, 2>{c, r};
            }
        }
    }
    return std::nullopt;
}

void ClearObject(Level& map, int X, int Y, Changes& undoch, bool refresh, int16_t value) {
    const int n = ObjectExtent(map.getTile(X, Y));
    const int lastX = std::min(X + n, Level::Size - 1);
    const int lastY = std::min(Y + n, Level::Size - 1);
    for (int r = Y; r <= lastY; ++r) {
        for (int c = X; c <= lastX; ++c) {
            map.setTile(c, r, value, undoch, true);
            map.UpdateLevelTile(c, r);
        }
    }
    if (refresh) {
        map.UpdateLevel();
    }
}

void RemoveObjectAt(Level& map, int X, int Y, Changes& undoch, bool refresh, int16_t value) {
    if (map.getTile(X, Y) == -1) {
        // An orphaned covered cell (only in a damaged grid) is emptied on its own.
        const auto origin = getObjectOrigin(map, X, Y);
        if (origin) {
            ClearObject(map, (*origin)[0], (*origin)[1], undoch, refresh, value);
        } else {
            ClearObject(map, X, Y, undoch, refresh, 0);
        }
        return;
    }
    ClearObject(map, X, Y, undoch, refresh, 0);
}

void PlaceObject(Level& map, int16_t tile, int X, int Y, Changes& undoch, bool refresh) {
    const int n = ObjectExtent(tile);
    if (X + n > Level::Size - 1 || Y + n > Level::Size - 1) {
        return;
    }
    for (int r = Y; r <= Y + n; ++r) {
        for (int c = X; c <= X + n; ++c) {
            if (isObjectCell(map, c, r)) {
                RemoveObjectAt(map, c, r, undoch, false, 0);
            }
        }
    }
    for (int r = Y; r <= Y + n; ++r) {
        for (int c = X; c <= X + n; ++c) {
            map.setTile(c, r, (r == Y && c == X) ? tile : int16_t{-1}, undoch, true);
            map.UpdateLevelTile(c, r);
        }
    }
    if (refresh) {
        map.UpdateLevel();
    }
}

}  // namespace ObjectProcedures
