#include "walls/LevelSets.h"

#include <algorithm>

QString LevelSets::conflictingWallSet(const WallSet& set, int ignoredIndex) const {
    for (const int16_t tile : set.tiles()) {
        const int owner = wallSetOf(tile);
        if (owner >= 0 && owner != ignoredIndex && set.contains(tile)) {
            return walls[static_cast<size_t>(owner)].name();
        }
    }
    return {};
}

bool LevelSets::addWallSet(const WallSet& set) {
    if (static_cast<int>(walls.size()) >= MaxWallSets || !conflictingWallSet(set).isEmpty()) {
        return false;
    }
    walls.push_back(set);
    rebuildWallIndex();
    currentWall = keptIndex(currentWall, static_cast<int>(walls.size()));
    dirty = true;
    return true;
}

bool LevelSets::replaceWallSet(int index, const WallSet& set) {
    if (index < 0 || index >= static_cast<int>(walls.size()) || !conflictingWallSet(set, index).isEmpty()) {
        return false;
    }
    walls[static_cast<size_t>(index)] = set;
    rebuildWallIndex();
    dirty = true;
    return true;
}

void LevelSets::removeWallSet(int index) {
    if (index < 0 || index >= static_cast<int>(walls.size())) {
        return;
    }
    walls.erase(walls.begin() + index);
    rebuildWallIndex();
    if (currentWall >= index) {
        currentWall = keptIndex(currentWall - 1, static_cast<int>(walls.size()));
    }
    dirty = true;
}

bool LevelSets::addRandomSet(const RandomSet& set) {
    if (static_cast<int>(randoms.size()) >= MaxRandomSets) {
        return false;
    }
    randoms.push_back(set);
    currentRandom = keptIndex(currentRandom, static_cast<int>(randoms.size()));
    dirty = true;
    return true;
}

void LevelSets::replaceRandomSet(int index, const RandomSet& set) {
    if (index >= 0 && index < static_cast<int>(randoms.size())) {
        randoms[static_cast<size_t>(index)] = set;
        dirty = true;
    }
}

void LevelSets::removeRandomSet(int index) {
    if (index < 0 || index >= static_cast<int>(randoms.size())) {
        return;
    }
    randoms.erase(randoms.begin() + index);
    if (currentRandom >= index) {
        currentRandom = keptIndex(currentRandom - 1, static_cast<int>(randoms.size()));
    }
    dirty = true;
}

void LevelSets::setSeed(uint32_t seed) {
    if (seed != randomSeed) {
        randomSeed = seed;
        dirty = true;
    }
}

void LevelSets::setCurrentWallSet(int index) {
    if (index >= -1 && index < static_cast<int>(walls.size())) {
        currentWall = index;
    }
}

void LevelSets::setCurrentRandomSet(int index) {
    if (index >= -1 && index < static_cast<int>(randoms.size())) {
        currentRandom = index;
    }
}

void LevelSets::rebuildWallIndex() {
    wallIndex.fill(-1);
    for (size_t i = 0; i < walls.size(); ++i) {
        for (const int16_t tile : walls[i].tiles()) {
            if (walls[i].contains(tile)) {
                wallIndex[static_cast<size_t>(tile)] = static_cast<int16_t>(i);
            }
        }
    }
}

// The first set becomes current when there was none; a removal moves the choice to the set before.
int LevelSets::keptIndex(int current, int count) {
    if (count == 0) {
        return -1;
    }
    return current < 0 ? 0 : std::min(current, count - 1);
}
