#pragma once

#include <Qt>
#include <cstdint>
#include <optional>

#include "tools/PaintMode.h"
#include "walls/RandomDraw.h"
#include "walls/WallPainter.h"

class LevelSets;

// How one gesture writes its cells, fixed when the gesture starts: plainly, as walls of the map's
// current wall set, or with tiles drawn from its current random set. Only the left button paints
// walls or draws at random; the other button keeps its own tile, so a designer can still put a
// floor or a door between walls without leaving the mode.
class Brush {
public:
    Brush() = default;
    // The brush of a gesture with `button` in `mode`. A mode whose current set is missing or has no
    // tiles paints plainly: the designer sees the plain tile and can take it back.
    static Brush forGesture(PaintMode mode, LevelSets& sets, Qt::MouseButton button);

    bool paintsWalls() const { return walls.has_value(); }
    // The painter of the wall set; only while paintsWalls().
    const WallPainter& wallPainter() const { return *walls; }
    bool drawsAtRandom() const { return draw.has_value(); }
    // Draws the cells x0..x1 of row y into out[x0..x1]; only while drawsAtRandom().
    void drawRow(int y, int x0, int x1, int16_t* out) const { draw->drawRow(seed, y, gesture, x0, x1, out); }
    // Whether a random draw can give `tile`.
    bool mayDraw(int16_t tile) const { return draw && draw->mayDraw(tile); }
    // The tile a cell gets where the tool would write `tile`. Inline: a fill asks it for every cell.
    int16_t tileAt(int x, int y, int16_t tile) const { return draw ? draw->tileAt(seed, x, y, gesture) : tile; }

private:
    std::optional<WallPainter> walls;
    std::optional<RandomDraw> draw;
    uint64_t seed = 0;
    uint32_t gesture = 0;
};
