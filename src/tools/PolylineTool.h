#pragma once

#include <cstdint>

#include "tools/ToolBase.h"

// The polyline tool of a map: each left click adds a vertex and writes the segment from
// the previous one, a rubber band follows the pointer in between, and a click with another button
// ends the polyline. All its segments are one undo step.
class PolylineTool : public ToolBase {
public:
    void MouseDown(int16_t Button, float X, float Y) override;
    void MouseMove(int16_t Button, float X, float Y) override;
    void MouseUp(int16_t Button, float X, float Y) override;

    // Ends a polyline in progress as a right click would, pushing its batch; called when the user
    // picks another tool or closes the window.
    void EndPolyline();
    bool active() const { return drawing; }

private:
    int vertexX = 0;
    int vertexY = 0;
    int bandX = 0;
    int bandY = 0;
    int16_t polylineTile = 0;
    bool drawing = false;
};
