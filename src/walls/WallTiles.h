#pragma once

#include <cstdint>
#include <vector>

#include "walls/WallDef.h"

// The wall tile sets of one map window. They live as long as the window and are never saved.
class WallTiles {
public:
    // Appends a set at index count.
    void addWallSet(const WallDef& wt);
    // Puts `wt` at `Index` (0..count - 1); other indexes are ignored.
    void replaceWallSet(int Index, const WallDef& wt);
    // The set at `Index` (0..count - 1).
    const WallDef& getWallTile(int Index) const { return sets.at(static_cast<std::size_t>(Index)); }
    // Index of the last set: count - 1, -1 when there is none.
    int16_t lastIndex() const { return static_cast<int16_t>(static_cast<int>(sets.size()) - 1); }

private:
    std::vector<WallDef> sets;
};
