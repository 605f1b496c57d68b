#pragma once

#include <cstdint>

#include "tools/ToolBase.h"

// The hand of a map: dragging moves the view with the pointer in whole cells.
class HandTool : public ToolBase {
public:
    void MouseDown(int16_t Button, float X, float Y) override;
    void MouseMove(int16_t Button, float X, float Y) override;
    void MouseUp(int16_t, float, float) override {}

private:
    // View-relative cell of the last handled pointer position.
    int lastX = 0;
    int lastY = 0;
};
