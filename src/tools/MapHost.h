#pragma once

#include <QString>
#include <cstdint>

#include "tools/ToolId.h"

class Dialogs;
class Level;
class LineTool;
class MapView;
class QWidget;
class SelectionHooks;

// What the tools, the selection, the clipboard and the walls dialog need from the map window they
// work in. The window implements it; nothing below the application knows the window's classes.
class MapHost {
public:
    virtual ~MapHost() = default;

    // The map window: parent of the messages a tool shows, and gone when the map is closed.
    virtual QWidget* window() = 0;
    virtual Level& level() = 0;
    virtual MapView& view() = 0;
    // The selection as the tools see it.
    virtual SelectionHooks& selection() = 0;
    // The map's line tool, whose width and line drawing the pencil and the polyline share.
    virtual LineTool& lines() = 0;

    // The tool of every map, and the Ctrl-held dropper that stands in for it until released.
    virtual ToolId currentTool() const = 0;
    virtual void setCurrentTool(ToolId tool) = 0;
    virtual void beginTemporaryTool(ToolId tool) = 0;
    virtual void endTemporaryTool() = 0;

    // The tiles painted with the left and with any other mouse button; picking one shows it in the
    // tileset panel too.
    virtual int16_t tilesetLeft() const = 0;
    virtual int16_t tilesetRight() const = 0;
    virtual void pickLeftTile(int tile) = 0;
    virtual void pickRightTile(int tile) = 0;

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

    // Redraw calls, as every edit makes them.
    virtual void redrawView() = 0;
    virtual void updatePreview(bool refresh) = 0;
};
