#pragma once

#include <algorithm>
#include <cstdint>
#include <vector>

#include "walls/RandomSet.h"

// The repeatable draw of one random set: the tile of a cell is a function of the level's seed, the
// cell and the number of the gesture, so redrawing the same gesture gives the same tiles and a new
// gesture gives new ones. Built once per gesture; a draw is one hash and one lookup in an alias
// table (Vose), cheap enough for every cell of the map.
class RandomDraw {
public:
    explicit RandomDraw(const RandomSet& set);

    // Whether no tile can be drawn (no entries, or every weight 0 or on a special tile).
    bool isEmpty() const { return columns.empty(); }
    // The tile for cell (x, y); 0 when the draw is empty. Inline: a bucket fill draws every cell.
    int16_t tileAt(uint64_t seed, int x, int y, uint32_t gesture) const {
        if (columns.empty()) {
            return 0;
        }
        const uint64_t h = hash(seed, x, y, gesture);
        // The low half picks a column, the high half the side of its split; both scale a 32-bit
        // number to the range, which is off by less than one part in 2^32 / range.
        const Column& column = columns[((h & 0xFFFFFFFFu) * columns.size()) >> 32];
        // A select without a branch: which side a draw lands on is as random as the draw itself.
        const auto below = static_cast<int16_t>(-static_cast<int16_t>(((h >> 32) * total) >> 32 < column.threshold));
        return static_cast<int16_t>(column.alias ^ ((column.tile ^ column.alias) & below));
    }
    // tileAt() for the cells x0..x1 of row y, into out[x0..x1]: the same tiles, with the table and the
    // row's part of the key fetched once for the whole run.
    void drawRow(uint64_t seed, int y, uint32_t gesture, int x0, int x1, int16_t* out) const {
        if (columns.empty()) {
            std::fill(out + x0, out + x1 + 1, int16_t{0});
            return;
        }
        const uint64_t row = mix(seed) ^ ((static_cast<uint64_t>(gesture) << 32) |
                                          (static_cast<uint64_t>(static_cast<uint32_t>(y) & 0xFFFF) << 16));
        const Column* table = columns.data();
        const uint64_t count = columns.size();
        const uint64_t sum = total;
        for (int x = x0; x <= x1; ++x) {
            const uint64_t h = mix(row ^ (static_cast<uint32_t>(x) & 0xFFFF));
            const Column& column = table[((h & 0xFFFFFFFFu) * count) >> 32];
            const auto below = static_cast<int16_t>(-static_cast<int16_t>(((h >> 32) * sum) >> 32 < column.threshold));
            out[x] = static_cast<int16_t>(column.alias ^ ((column.tile ^ column.alias) & below));
        }
    }
    // Whether `tile` can come up at all.
    bool mayDraw(int16_t tile) const {
        for (const Column& column : columns) {
            if (column.tile == tile || column.alias == tile) {
                return true;
            }
        }
        return false;
    }
    // A well-mixed 64-bit value of the four inputs (the splitmix64 finalizer).
    static uint64_t hash(uint64_t seed, int x, int y, uint32_t gesture) {
        // The cell and the gesture fill disjoint bits, so distinct inputs never share a key before mixing.
        const uint64_t cell = (static_cast<uint64_t>(gesture) << 32) |
                              (static_cast<uint64_t>(static_cast<uint32_t>(y) & 0xFFFF) << 16) |
                              (static_cast<uint32_t>(x) & 0xFFFF);
        return mix(mix(seed) ^ cell);
    }

private:
    // One column of the alias table: a draw landing in it takes `tile` below `threshold` (out of
    // `total`), `alias` above.
    struct Column {
        uint64_t threshold = 0;
        int16_t tile = 0;
        int16_t alias = 0;
    };

    static constexpr uint64_t mix(uint64_t z) {
        z += 0x9E3779B97F4A7C15ull;
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }

    std::vector<Column> columns;
    uint64_t total = 0;
};
