#pragma once

class PictureBox;

// What a map's view needs from the window around it: the display switches, the selection overlay
// and the main window's radar. Keeps the view free of the application's classes.
class MapViewHost {
public:
    virtual ~MapViewHost() = default;
    virtual float zoomFactor() const = 0;
    virtual bool showGrid() const = 0;
    virtual bool showTileNumbers() const = 0;
    // Draws the selection over the view; `fromUpdateLevel` tells which redraw asks.
    virtual void UpdateSelectionOnPreview(bool fromUpdateLevel) = 0;
    // The radar surface this map draws into, or null when there is none (tests, inactive maps).
    virtual PictureBox* radar() = 0;
};
