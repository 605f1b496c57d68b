#include "walls/WallSet.h"

#include "model/ObjectProcedures.h"

namespace {

// Row by row, the block is the room drawn from its top-left corner: the corners, T pieces and
// ends of each row, then the pieces of a single line, and the lone post last.
constexpr std::array<int, WallSet::Entries> entryMasks = {6, 14, 12, 4, 7, 15, 13, 5, 3, 11, 9, 1, 2, 10, 8, 0};

constexpr std::array<int, WallSet::Entries> maskEntries = [] {
    std::array<int, WallSet::Entries> inverse{};
    for (int entry = 0; entry < WallSet::Entries; ++entry) {
        inverse[static_cast<size_t>(entryMasks[static_cast<size_t>(entry)])] = entry;
    }
    return inverse;
}();

}  // namespace

int16_t WallSet::tile(int entry) const {
    return entry >= 0 && entry < Entries ? entries[static_cast<size_t>(entry)] : int16_t{0};
}

void WallSet::setTile(int entry, int16_t tile) {
    if (entry >= 0 && entry < Entries) {
        entries[static_cast<size_t>(entry)] = tile;
    }
}

bool WallSet::contains(int16_t tile) const {
    if (tile <= 0 || tile > 255 || ObjectProcedures::isSpecialTile(tile)) {
        return false;
    }
    for (const int16_t entry : entries) {
        if (entry == tile) {
            return true;
        }
    }
    return false;
}

int16_t WallSet::tileForMask(int mask) const {
    const int16_t piece = tile(entryOfMask(mask));
    return contains(piece) ? piece : firstUsed();
}

int16_t WallSet::firstUsed() const {
    for (const int16_t entry : entries) {
        if (contains(entry)) {
            return entry;
        }
    }
    return 0;
}

int WallSet::maskOfEntry(int entry) {
    return entry >= 0 && entry < Entries ? entryMasks[static_cast<size_t>(entry)] : 0;
}

int WallSet::entryOfMask(int mask) {
    return maskEntries[static_cast<size_t>(mask & 15)];
}
