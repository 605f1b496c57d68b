#pragma once

#include <QString>

#include "tools/PaintMode.h"
#include "tools/ToolId.h"

class Dialogs;

// What the program's window offers the tools of every map: the current tool and the Ctrl-held
// dropper, the mouse state shared with the tileset panel, messages, the display switches and the
// status text. The main window's side of a map window implements it.
class WindowServices {
public:
    virtual ~WindowServices() = default;

    // The tool of every map, and the Ctrl-held dropper that stands in for it until released.
    virtual ToolId currentTool() const = 0;
    virtual void setCurrentTool(ToolId tool) = 0;
    virtual void beginTemporaryTool(ToolId tool) = 0;
    virtual void endTemporaryTool() = 0;

    // How the painting tools write the left tile in every map; switching a mode on switches the
    // other one off, switching it again goes back to plain painting.
    virtual PaintMode paintMode() const = 0;
    virtual void togglePaintMode(PaintMode mode) = 0;

    // A button went down on a map and has not come up yet; a click handled completely clears it.
    virtual bool mouseIsDown() const = 0;
    virtual void setMouseIsDown(bool down) = 0;

    virtual Dialogs& dialogs() = 0;
    // Whether the bucket fills only within the visible area.
    virtual bool fillInScreen() const = 0;
    // The grid and tile-number switches, switched as their toolbar buttons do.
    virtual void switchGrid() = 0;
    virtual void switchTileNumbers() = 0;
    // The text of the main window's position label.
    virtual void showStatus(const QString& text) = 0;
};
