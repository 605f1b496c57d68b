#pragma once

#include <cstdint>

#include "tools/ToolBase.h"

// The dropper of a map: picks the tile under the pointer as the left (button 1) or right
// drawing tile; a special tile is picked whole from any of its cells.
class DropperTool : public ToolBase {
public:
    void MouseDown(int16_t Button, float X, float Y) override;
    void MouseMove(int16_t Button, float X, float Y) override;
    void MouseUp(int16_t, float, float) override {}
};
