#include "walls/RandomDraw.h"

#include "model/ObjectProcedures.h"

RandomDraw::RandomDraw(const RandomSet& set) {
    std::vector<uint64_t> weights;
    for (const RandomSet::Entry& entry : set.entries()) {
        if (entry.weight <= 0 || entry.tile <= 0 || entry.tile > 255 || ObjectProcedures::isSpecialTile(entry.tile)) {
            continue;
        }
        total += static_cast<uint64_t>(entry.weight);
        weights.push_back(static_cast<uint64_t>(entry.weight));
        columns.push_back({0, entry.tile, entry.tile});
    }
    // Vose's method in whole numbers: each column holds `total` of weight-times-columns, filled from
    // its own tile and topped up from a tile with more than a column's worth.
    const uint64_t n = columns.size();
    std::vector<size_t> small;
    std::vector<size_t> large;
    for (size_t i = 0; i < weights.size(); ++i) {
        weights[i] *= n;
        (weights[i] < total ? small : large).push_back(i);
    }
    while (!small.empty() && !large.empty()) {
        const size_t s = small.back();
        small.pop_back();
        const size_t l = large.back();
        columns[s].threshold = weights[s];
        columns[s].alias = columns[l].tile;
        weights[l] -= total - weights[s];
        if (weights[l] < total) {
            large.pop_back();
            small.push_back(l);
        }
    }
    // What is left is a whole column each, up to rounding that cannot happen in whole numbers.
    for (const size_t i : small) {
        columns[i].threshold = total;
    }
    for (const size_t i : large) {
        columns[i].threshold = total;
    }
}
