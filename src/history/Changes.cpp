#include "history/Changes.h"

#include "model/CellRecord.h"

const char* const Changes::rangeMessage = "Start record can not be greater then End record...!";

Changes::Changes() {
    entries.reserve(101);
}

void Changes::AddChange(int tileX, int tileY, int16_t value) {
    // The reported slot count follows the fixed 1000-slot steps, while the storage itself grows
    // geometrically: a whole-map batch would otherwise copy its entries a thousand times over.
    if (count > slotCount - 1) {
        slotCount += 1000;
    }
    // The entry is the cell record's packing; packed directly, a whole-map fill's batch costs little
    // next to the fill itself.
    uint32_t word = CellRecord::pack(tileX, tileY, value == -1 ? 0 : value);
    if (value == -1) {
        word |= CoveredMark;
    }
    entries.push_back(static_cast<int32_t>(word));
    ++count;
}

std::array<uint8_t, 4> Changes::LongToByteArray(int32_t lng) {
    const auto u = static_cast<uint32_t>(lng);
    return {static_cast<uint8_t>(u), static_cast<uint8_t>(u >> 8), static_cast<uint8_t>(u >> 16),
            static_cast<uint8_t>(u >> 24)};
}

double Changes::BytesToNumEx(std::span<const uint8_t> byteArray, int32_t startRec, int32_t endRec, bool unSigned,
                             bool* rangeError) {
    if (rangeError) {
        *rangeError = false;
    }
    if (endRec < 1) {
        endRec = static_cast<int32_t>(byteArray.size()) - 1;
    }
    if (startRec < 0 || startRec > endRec || endRec >= static_cast<int32_t>(byteArray.size())) {
        if (rangeError) {
            *rangeError = true;
        }
        return -1;
    }
    double result = byteArray[static_cast<size_t>(startRec)];
    double multiplier = 1;
    for (int32_t i = startRec + 1; i <= endRec; ++i) {
        multiplier *= 256;
        double byte = byteArray[static_cast<size_t>(i)];
        if (i == endRec && byte >= 128 && !unSigned) {
            byte -= 256;
        }
        result += byte * multiplier;
    }
    return result;
}
