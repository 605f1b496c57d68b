#pragma once

#include <array>
#include <cstdint>
#include <optional>

class Level;
class LevelEdit;

// Placing and removing the large objects (217: 2 x 2, 219: 6 x 6, 220: 5 x 5) whole. Every write
// goes through the given edit and is redrawn with UpdateLevelTile as it happens.
// Squares that reach past the grid's edge are handled cell by cell inside the grid only.
namespace ObjectProcedures {

// 1 for 217, 5 for 219, 4 for 220, 0 for every other value.
constexpr int16_t objectExtent(int16_t tile) {
    switch (tile) {
        case 217:
            return 1;
        case 219:
            return 5;
        case 220:
            return 4;
        default:
            return 0;
    }
}

constexpr bool isSpecialTile(int16_t tile) {
    return objectExtent(tile) != 0;
}

// True when (X, Y) is in the grid and holds a special tile or a covered cell.
bool isObjectCell(const Level& map, int X, int Y);
// The anchor of the special tile covering (X, Y), or (X, Y) itself when the cell is not covered;
// nothing when a covered cell has no anchor (a damaged grid).
std::optional<std::array<int, 2>> getObjectOrigin(const Level& map, int X, int Y);
// Writes `value` over the whole square of the tile at (X, Y).
void clearObject(LevelEdit& edit, int X, int Y, bool refresh, int16_t value = 0);
// Empties the special tile anchored at or covering (X, Y), or the single cell of an ordinary tile.
void removeObjectAt(LevelEdit& edit, int X, int Y, bool refresh, int16_t value = 0);
// Puts `tile` at (X, Y), removing whatever special tile it would overlap. A special tile whose
// square would leave the grid is not placed.
void placeObject(LevelEdit& edit, int16_t tile, int X, int Y, bool refresh);

}  // namespace ObjectProcedures
