#include "history/Changes.h"

#include "model/CellRecord.h"

Changes::Changes() {
    entries.reserve(101);
}

void Changes::AddChange(int tileX, int tileY, int16_t value) {
    // The entry is the cell record's packing; packed directly, a whole-map fill's batch costs little
    // next to the fill itself.
    uint32_t word = CellRecord::pack(tileX, tileY, value == -1 ? 0 : value);
    if (value == -1) {
        word |= CoveredMark;
    }
    entries.push_back(static_cast<int32_t>(word));
}
