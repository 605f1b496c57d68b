#pragma once

#include <QString>
#include <array>
#include <cstdint>
#include <vector>

#include "walls/RandomSet.h"
#include "walls/WallSet.h"

// The wall sets and random sets of one level, with the seed of its random draws and which set of
// each kind is current. A tile belongs to one wall set at most; the lookup from tile to wall set is
// a table, so painting asks it for every cell it touches.
// Any change to the sets or the seed marks them changed until markSaved(); choosing the current
// set does not, as the file does not hold it.
class LevelSets {
public:
    static constexpr int MaxWallSets = 256;
    static constexpr int MaxRandomSets = 256;

    LevelSets() { wallIndex.fill(-1); }

    bool isEmpty() const { return walls.empty() && randoms.empty(); }
    const std::vector<WallSet>& wallSets() const { return walls; }
    const std::vector<RandomSet>& randomSets() const { return randoms; }

    // The index of the wall set `tile` belongs to, -1 for none (also for 0, -1 and special tiles).
    int wallSetOf(int16_t tile) const { return tile > 0 && tile < 256 ? wallIndex[static_cast<size_t>(tile)] : -1; }
    // The name of a wall set other than `ignoredIndex` that holds one of the tiles of `set`, or an
    // empty string when `set` can join the sets (at `ignoredIndex` when it replaces that one).
    QString conflictingWallSet(const WallSet& set, int ignoredIndex = -1) const;

    // Adds or replaces a wall set; refused (false) when one of its tiles belongs to another set or
    // when there are MaxWallSets already.
    bool addWallSet(const WallSet& set);
    bool replaceWallSet(int index, const WallSet& set);
    void removeWallSet(int index);
    bool addRandomSet(const RandomSet& set);
    void replaceRandomSet(int index, const RandomSet& set);
    void removeRandomSet(int index);

    uint32_t seed() const { return randomSeed; }
    void setSeed(uint32_t seed);

    // The current set of each kind, -1 when there is none; the first one after loading.
    int currentWallSet() const { return currentWall; }
    int currentRandomSet() const { return currentRandom; }
    void setCurrentWallSet(int index);
    void setCurrentRandomSet(int index);

    bool changed() const { return dirty; }
    void markSaved() { dirty = false; }

    // Equal sets and seed; the current sets and the changed mark do not count.
    bool operator==(const LevelSets& other) const {
        return walls == other.walls && randoms == other.randoms && randomSeed == other.randomSeed;
    }

private:
    void rebuildWallIndex();
    static int keptIndex(int current, int count);

    std::vector<WallSet> walls;
    std::vector<RandomSet> randoms;
    std::array<int16_t, 256> wallIndex{};
    uint32_t randomSeed = 0;
    int currentWall = -1;
    int currentRandom = -1;
    bool dirty = false;
};
