#pragma once

#include <QRect>
#include <cstdint>
#include <vector>

#include "tools/ToolBase.h"

// The pencil and the eraser of a map: paints the chosen tile, or 0, under the
// pointer while a button is held, joining successive positions with the map's line. Special tiles
// are placed whole. In Walls mode the pencil draws one-cell walls and the eraser takes walls away,
// both joining the walls around them. One stroke is one undo step.
class PencilTool : public ToolBase {
public:
    void press(const ToolEvent& event) override;
    void move(const ToolEvent& event) override;
    void release(const ToolEvent& event) override;
    // The stroke so far is its undo step.
    void endGesture() override { pushBatch(); }

private:
    int16_t strokeTile(Qt::MouseButton button) const;
    // Places a special tile unless its square overlaps one this stroke placed before: each new object
    // would otherwise clear the previous one and a drag would leave a trail of holes.
    void placeObject(int16_t tile, int column, int row);
    // Writes one brush square (one cell at width 1) centred as the line's brush is.
    void paintPoint(int16_t tile, int column, int row);
    // Walls mode: paints walls from the last position to this cell, or erases them.
    void paintWalls(int column, int row);

    int lastX = 0;
    int lastY = 0;
    // The squares of the special tiles placed by the current stroke.
    std::vector<QRect> placed;
    bool erasingWalls = false;
};
