#pragma once

#include <cstdint>

#include "tools/ToolBase.h"

// The hand of a map (tool 3): dragging moves the view with the pointer in whole cells.
class hand : public ToolBase {
public:
    void MouseDown(float X, float Y);
    void MouseMove(float X, float Y);
    void MouseUp() {}

private:
    // View-relative cell of the last handled pointer position.
    int16_t lastX = 0;
    int16_t lastY = 0;
};
