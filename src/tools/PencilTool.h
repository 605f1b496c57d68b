#pragma once

#include <QRect>
#include <cstdint>
#include <vector>

#include "tools/ToolBase.h"

// The pencil and the eraser of a map: paints the chosen tile, or 0, under the
// pointer while a button is held, joining successive positions with the map's line. Special tiles
// are placed whole. One stroke is one undo step.
class PencilTool : public ToolBase {
public:
    void MouseDown(int16_t Button, float X, float Y) override;
    void MouseMove(int16_t Button, float X, float Y) override;
    void MouseUp(int16_t Button, float X, float Y) override;

private:
    int16_t strokeTile(int16_t Button) const;
    // Places a special tile unless its square overlaps one this stroke placed before: each new object
    // would otherwise clear the previous one and a drag would leave a trail of holes.
    void placeObject(int16_t tile, int column, int row);
    // Writes one brush square (one cell at width 1) centred as the line's brush is.
    void paintPoint(int16_t tile, int column, int row);

    int lastX = 0;
    int lastY = 0;
    // The squares of the special tiles placed by the current stroke.
    std::vector<QRect> placed;
};
