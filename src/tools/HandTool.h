#pragma once

#include <cstdint>

#include "tools/ToolBase.h"

// The hand of a map: dragging moves the view with the pointer in whole cells.
class HandTool : public ToolBase {
public:
    void press(const ToolEvent& event) override;
    void move(const ToolEvent& event) override;
    void release(const ToolEvent&) override {}

private:
    // View-relative cell of the last handled pointer position.
    int lastX = 0;
    int lastY = 0;
};
