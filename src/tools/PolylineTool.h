#pragma once

#include <cstdint>

#include "tools/ToolBase.h"

// The polyline tool of a map: each left click adds a vertex and writes the segment from
// the previous one, a rubber band follows the pointer in between, and a click with another button
// ends the polyline. All its segments are one undo step.
class PolylineTool : public ToolBase {
public:
    void press(const ToolEvent& event) override;
    void move(const ToolEvent& event) override;
    void release(const ToolEvent&) override {}
    // Ends a polyline in progress as a right click would: its segments become its step and the
    // rubber band goes.
    void endGesture() override;

private:
    // The segment from the last vertex: written through `into`, or previewed as the rubber band.
    void drawSegment(int16_t tile, int endx, int endy, LevelEdit* into);

    int vertexX = 0;
    int vertexY = 0;
    int bandX = 0;
    int bandY = 0;
    int16_t polylineTile = 0;
    bool drawing = false;
};
