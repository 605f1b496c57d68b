#pragma once

#include <cstdint>
#include <vector>

#include "walls/RandomSet.h"

// The repeatable draw of one random set: the tile of a cell is a function of the level's seed, the
// cell and the number of the gesture, so redrawing the same gesture gives the same tiles and a new
// gesture gives new ones. Built once per gesture; a draw is a hash and a binary search over the
// set's cumulative weights, cheap enough for every cell of the map.
class RandomDraw {
public:
    explicit RandomDraw(const RandomSet& set);

    // Whether no tile can be drawn (no entries, or every weight 0 or on a special tile).
    bool isEmpty() const { return total == 0; }
    // The tile for cell (x, y); 0 when the draw is empty.
    int16_t tileAt(uint64_t seed, int x, int y, uint32_t gesture) const;
    // A well-mixed 64-bit value of the four inputs (splitmix64 finalizer over each).
    static uint64_t hash(uint64_t seed, int x, int y, uint32_t gesture);

private:
    std::vector<uint64_t> bounds;  // running sums of the weights drawn from, one per tile below
    std::vector<int16_t> tiles;
    uint64_t total = 0;
};
