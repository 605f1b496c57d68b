#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

// One undoable step: the cells an editing action changed, each with the value it held before.
// An entry packs a cell into 4 bytes as the level file's cell records do (column in bits 0..11,
// row in bits 12..23, value in bits 24..31), so a batch of a whole map stays at 4 bytes a cell.
class Changes {
public:
    // A covered cell (-1) has no tile number of its own, so its entry holds 0 with this bit set: the
    // column's bit 11, which no column of the grid uses. Undo then writes every cell back exactly as
    // it was, with no need to rebuild the covered cells from their objects' anchors.
    static constexpr uint32_t CoveredMark = 1u << 11;

    Changes();

    // Records the previous value of a cell, a covered cell (-1) included.
    void record(int tileX, int tileY, int16_t value) {
        uint32_t word = static_cast<uint32_t>(tileX & 0x3FF) | (static_cast<uint32_t>(tileY & 0xFFF) << 12) |
                        (static_cast<uint32_t>(value == -1 ? 0 : value & 0xFF) << 24);
        if (value == -1) {
            word |= CoveredMark;
        }
        entries.push_back(static_cast<int32_t>(word));
    }
    // Index of the last recorded entry, -1 for an empty batch.
    int32_t lastIndex() const { return static_cast<int32_t>(entries.size()) - 1; }
    // Memory the entries take: 4 bytes a recorded cell.
    std::size_t bytes() const { return entries.size() * sizeof(entries[0]); }
    // Column, row and recorded previous value (-1..255) of entry `index` (0..lastIndex()).
    // Inline: undo and redo call it for every entry of batches that may cover the whole map.
    std::array<int16_t, 3> entry(int32_t index) const {
        const auto word = static_cast<uint32_t>(entries[static_cast<size_t>(index)]);
        return {static_cast<int16_t>(word & 0x3FF), static_cast<int16_t>((word >> 12) & 0xFFF),
                static_cast<int16_t>((word & CoveredMark) != 0 ? -1 : static_cast<int>(word >> 24))};
    }

private:
    std::vector<int32_t> entries;
};
