#pragma once

#include <array>
#include <cstdint>

// The 4-byte packing of one cell shared by level files and undo batches:
// column in bits 0..11, row in bits 12..23, tile number in bits 24..31, little-endian.
namespace CellRecord {

struct Decoded {
    int column = 0;
    int row = 0;
    int tile = 0;
};

constexpr uint32_t pack(int column, int row, int tile) {
    return static_cast<uint32_t>(column & 0xFFF) | (static_cast<uint32_t>(row & 0xFFF) << 12) |
           (static_cast<uint32_t>(tile & 0xFF) << 24);
}

constexpr Decoded unpack(uint32_t word) {
    return {static_cast<int>(word & 0xFFF), static_cast<int>((word >> 12) & 0xFFF), static_cast<int>(word >> 24)};
}

// Writes the record least significant byte first, whatever the machine's byte order.
inline void store(uint8_t* out, uint32_t word) {
    out[0] = static_cast<uint8_t>(word);
    out[1] = static_cast<uint8_t>(word >> 8);
    out[2] = static_cast<uint8_t>(word >> 16);
    out[3] = static_cast<uint8_t>(word >> 24);
}

inline uint32_t load(const uint8_t* in) {
    return static_cast<uint32_t>(in[0]) | (static_cast<uint32_t>(in[1]) << 8) | (static_cast<uint32_t>(in[2]) << 16) |
           (static_cast<uint32_t>(in[3]) << 24);
}

}  // namespace CellRecord
