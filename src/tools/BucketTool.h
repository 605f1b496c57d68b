#pragma once

#include <chrono>
#include <cstdint>

#include "tools/ToolBase.h"

// The bucket of a map: replaces the 4-connected region of equal cells around the clicked
// cell with the chosen tile, limited to the selection when there is one and otherwise, with
// "FillInScreen" pressed, to the visible cells. One click is one undo step.
class BucketTool : public ToolBase {
public:
    void press(const ToolEvent& event) override;
    void move(const ToolEvent&) override {}
    void release(const ToolEvent&) override {}
    // A fill is one click, never left half done: events that run while it fills cannot end it.
    void endGesture() override {}

    // Fills the 4-connected region of cells equal to `tilenr` around (X, Y) with `fillnr`,
    // through `into`, within the selection or the visible cells when asked. Returns false
    // when the map window was destroyed while events ran; nothing of the window may be touched then.
    bool fill(int16_t tilenr, int16_t fillnr, int X, int Y, LevelEdit& into, bool fillinselection, bool fillscreenonly);

    // How long a fill works between two passes of event processing.
    void setEventSlice(std::chrono::milliseconds slice) { eventSlice = slice; }

private:
    std::chrono::milliseconds eventSlice{15};

    // Whether a click at view pixel (X, Y) lies on the selection frame, with its small margin.
    bool onSelection(float X, float Y) const;
    // A click on a special tile replaces its whole square and nothing around it.
    void fillObject(int16_t tile, int column, int row);

    bool filling = false;
};
