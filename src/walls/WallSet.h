#pragma once

#include <QString>
#include <array>
#include <cstdint>
#include <utility>

// One wall set: a name and 16 tiles laid out as a 4 x 4 block, entry j at column j % 4 and row j / 4.
// The block drawn as it stands is a little room, so each entry is the wall piece whose neighbours
// (north, east, south, west) are walls exactly where its mask says. A tile 0 is an unused entry.
class WallSet {
public:
    static constexpr int Entries = 16;
    // The bits of a mask: which 4-neighbours of a cell are walls of the same set.
    enum Side : int { North = 1, East = 2, South = 4, West = 8 };

    WallSet() = default;
    WallSet(QString name, const std::array<int16_t, Entries>& tiles) : nameText(std::move(name)), entries(tiles) {}

    const QString& name() const { return nameText; }
    void setName(const QString& name) { nameText = name; }
    // Entry `entry` (0..15); 0 for any other index.
    int16_t tile(int entry) const;
    // Sets entry `entry` (0..15); other indexes are ignored.
    void setTile(int entry, int16_t tile);
    const std::array<int16_t, Entries>& tiles() const { return entries; }
    // Whether `tile` is one of the set's entries; 0, covered cells, special tiles and numbers past 255
    // never are.
    bool contains(int16_t tile) const;
    // The tile of the wall piece with neighbours `mask` (0..15). A set whose entry for the mask is
    // unused gives its first used entry instead, so a painted cell stays a wall of the set; 0 only
    // for a set with no tiles at all.
    int16_t tileForMask(int mask) const;
    bool hasTiles() const { return firstUsed() != 0; }

    // The mask the piece at `entry` (0..15) stands for, and back.
    static int maskOfEntry(int entry);
    static int entryOfMask(int mask);

    bool operator==(const WallSet&) const = default;

private:
    int16_t firstUsed() const;

    QString nameText;
    std::array<int16_t, Entries> entries{};
};
