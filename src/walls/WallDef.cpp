#include "walls/WallDef.h"

void WallDef::setWall(int Index, int16_t val) {
    if (Index >= 0 && Index < Entries) {
        entries[static_cast<std::size_t>(Index)] = val;
    }
}

int16_t WallDef::getWall(int Index) const {
    return Index >= 0 && Index < Entries ? entries[static_cast<std::size_t>(Index)] : int16_t{0};
}
