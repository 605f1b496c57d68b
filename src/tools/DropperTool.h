#pragma once

#include <cstdint>

#include "tools/ToolBase.h"

// The dropper of a map: picks the tile under the pointer as the left (left button) or right
// drawing tile; a special tile is picked whole from any of its cells.
class DropperTool : public ToolBase {
public:
    void press(const ToolEvent& event) override;
    void move(const ToolEvent& event) override;
    void release(const ToolEvent&) override {}
};
