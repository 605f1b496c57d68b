#include "walls/WallTiles.h"

void WallTiles::addWallSet(const WallDef& wt) {
    // The count is a 16-bit number in the level's model of the list; more sets cannot be indexed.
    if (sets.size() < 32767) {
        sets.push_back(wt);
    }
}

void WallTiles::replaceWallSet(int Index, const WallDef& wt) {
    if (Index >= 0 && static_cast<std::size_t>(Index) < sets.size()) {
        sets[static_cast<std::size_t>(Index)] = wt;
    }
}
