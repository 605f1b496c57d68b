#include "walls/RandomDraw.h"

#include <algorithm>

#include "model/ObjectProcedures.h"

namespace {

constexpr uint64_t mix(uint64_t z) {
    z += 0x9E3779B97F4A7C15ull;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

}  // namespace

RandomDraw::RandomDraw(const RandomSet& set) {
    for (const RandomSet::Entry& entry : set.entries()) {
        if (entry.weight <= 0 || entry.tile <= 0 || entry.tile > 255 || ObjectProcedures::isSpecialTile(entry.tile)) {
            continue;
        }
        total += static_cast<uint64_t>(entry.weight);
        bounds.push_back(total);
        tiles.push_back(entry.tile);
    }
}

uint64_t RandomDraw::hash(uint64_t seed, int x, int y, uint32_t gesture) {
    // The cell and the gesture fill disjoint bits, so distinct inputs never share a key before mixing.
    const uint64_t cell = (static_cast<uint64_t>(gesture) << 32) | (static_cast<uint64_t>(y & 0xFFFF) << 16) |
                          static_cast<uint64_t>(x & 0xFFFF);
    return mix(mix(seed) ^ cell);
}

int16_t RandomDraw::tileAt(uint64_t seed, int x, int y, uint32_t gesture) const {
    if (total == 0) {
        return 0;
    }
    // Totals stay far below 2^32, so the bias of the remainder is below one part in 2^32.
    const uint64_t pick = hash(seed, x, y, gesture) % total;
    const auto at = std::upper_bound(bounds.begin(), bounds.end(), pick);
    return tiles[static_cast<size_t>(at - bounds.begin())];
}
