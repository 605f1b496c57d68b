#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

// One wall tile set: 16 tile numbers laid out as a 4 x 4 block, entry j at column j mod 4 and
// row j / 4. All 0 when created.
class WallDef {
public:
    static constexpr int Entries = 16;

    // Sets entry `Index`; indexes outside 0..15 are ignored.
    void setWall(int Index, int16_t val);
    // Entry `Index` (0..15); 0 for any other index.
    int16_t getWall(int Index) const;

private:
    std::array<int16_t, Entries> entries{};
};
