#pragma once

#include <QPoint>
#include <array>
#include <cstdint>
#include <span>
#include <utility>
#include <vector>

#include "selection/CellRect.h"
#include "walls/WallSet.h"

class Level;
class LevelEdit;
class LevelSets;

// Drawing walls into an open edit. Every cell painted becomes a wall of the painter's set, and every
// wall of that set among the painted cells and their 4-neighbours takes the piece that joins it to
// its neighbours. Special tiles, the cells they cover and the walls of other sets are never
// changed; a neighbour outside the map is no wall. The work follows the cells given, never the map.
class WallPainter {
public:
    // A painter for wall set `index` of `sets`; one for an index out of range paints nothing.
    WallPainter(const LevelSets& sets, int index);

    // Paints the given cells (outside the grid ignored, repeats allowed), then joins them.
    void paint(LevelEdit& edit, std::span<const QPoint> cells) const;
    // What paint() would write, without writing: each cell that would change with its new tile,
    // the joined neighbours included. For the preview of a shape still being dragged.
    std::vector<std::pair<QPoint, int16_t>> preview(const Level& level, std::span<const QPoint> cells) const;
    // Paints every cell of `rect` (clipped to the grid) and joins them in one pass over the rectangle
    // and its border, without writing any cell twice.
    void paintRect(LevelEdit& edit, const CellRect& rect) const;

    // Writes `replacement` (0 to empty them; special tiles and numbers past 255 count as 0) over
    // the wall cells among `cells` of any set, then joins again the walls next to them and, should
    // `replacement` be a wall tile itself, the written cells.
    static void erase(LevelEdit& edit, const LevelSets& sets, std::span<const QPoint> cells, int16_t replacement = 0);
    // Gives every wall cell of `rect` (clipped to the grid) the piece of its neighbours, as after
    // a change of the sets themselves.
    static void retile(LevelEdit& edit, const LevelSets& sets, const CellRect& rect);
    // The same over the whole map.
    static void retile(LevelEdit& edit, const LevelSets& sets);

private:
    // What a cell's value is to this painter: a wall of its set, a cell it may paint over, or a
    // cell it must leave alone (a special tile, a covered cell, a wall of another set).
    enum Kind : uint8_t { Free, Own, Fixed };

    Kind kindOf(int16_t tile) const {
        const auto at = static_cast<unsigned>(tile + 1);
        return at < kinds.size() ? kinds[at] : Fixed;
    }
    bool ownAt(const int16_t* cells, int x, int y) const;
    void join(LevelEdit& edit, const int16_t* cells, int x, int y) const;

    std::array<int16_t, WallSet::Entries> pieces{};  // by mask
    std::array<Kind, 257> kinds{};                   // by value + 1, from the covered cell -1 to 255
};
