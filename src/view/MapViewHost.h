#pragma once

#include <QRect>
#include <QRectF>
#include <optional>

#include "view/SelectionState.h"

class PictureBox;

// What a map's view needs from the window around it: the zoom and display switches, the selection
// and the main window's radar and mouse state. Keeps the view free of the application's classes.
class MapViewHost {
public:
    virtual ~MapViewHost() = default;
    virtual float zoomFactor() const = 0;
    virtual bool showGrid() const = 0;
    virtual bool showTileNumbers() const = 0;
    virtual SelectionState selectionState() const = 0;
    // Ends the selection without touching the grid.
    virtual void stopSelecting(bool refresh) = 0;
    // Draws the selection over the view; asked only while a rectangle is selected.
    // `fromUpdateLevel` tells a full redraw from a preview copy, which draws only for the
    // magnifier and selection tools. Returns the part of the view it drew over.
    virtual QRect drawSelectionOnPreview(bool fromUpdateLevel) = 0;
    // Where the next preview drawing of the selection will paint every pixel, so the view need not
    // restore that part first; may be empty.
    virtual QRect selectionCover() const { return {}; }
    // The selection outline in view pixels when the radar marks it (a selection exists and the
    // magnifier or selection tool is current), otherwise nothing.
    virtual std::optional<QRectF> radarSelectionFrame() const = 0;
    // The radar surface this map draws into, or null when there is none (tests, inactive maps).
    virtual PictureBox* radar() = 0;
    // A click was handled completely: no drag is to follow it.
    virtual void clearMouseIsDown() = 0;
};
