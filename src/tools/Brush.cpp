#include "tools/Brush.h"

#include "walls/LevelSets.h"

Brush Brush::forGesture(PaintMode mode, LevelSets& sets, Qt::MouseButton button) {
    Brush brush;
    if (button != Qt::LeftButton) {
        return brush;
    }
    if (mode == PaintMode::Walls) {
        const int current = sets.currentWallSet();
        if (current >= 0 && sets.wallSets()[static_cast<size_t>(current)].hasTiles()) {
            brush.walls.emplace(sets, current);
        }
    } else if (mode == PaintMode::Random) {
        const int current = sets.currentRandomSet();
        if (current >= 0) {
            RandomDraw draw(sets.randomSets()[static_cast<size_t>(current)]);
            if (!draw.isEmpty()) {
                brush.draw.emplace(std::move(draw));
                brush.seed = sets.seed();
                brush.gesture = sets.takeGestureNumber();
            }
        }
    }
    return brush;
}
