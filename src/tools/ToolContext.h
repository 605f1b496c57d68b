#pragma once

#include <cstdint>

class Level;
class LevelSets;
class LineTool;
class MapView;
class QWidget;
class SelectionHooks;

// The map a tool, the selection and the clipboard work on: its level, view, selection, line tool and
// painting tiles, and the redraws every edit makes. The map window implements it; nothing below the
// application knows the window's classes.
class ToolContext {
public:
    virtual ~ToolContext() = default;

    // The map window: parent of the messages a tool shows, and gone when the map is closed.
    virtual QWidget* window() = 0;
    virtual Level& level() = 0;
    virtual MapView& view() = 0;
    // The selection as the tools see it.
    virtual SelectionHooks& selection() = 0;
    // The map's line tool, whose width and line drawing the pencil and the polyline share.
    virtual LineTool& lines() = 0;

    // The map's wall sets and random sets, which the Walls and Random modes paint with.
    virtual LevelSets& levelSets() = 0;

    // The tiles painted with the left and with any other mouse button; picking one shows it in the
    // tileset panel too.
    virtual int16_t tilesetLeft() const = 0;
    virtual int16_t tilesetRight() const = 0;
    virtual void pickLeftTile(int tile) = 0;
    virtual void pickRightTile(int tile) = 0;

    // Redraw calls, as every edit makes them.
    virtual void redrawView() = 0;
    virtual void updatePreview(bool refresh) = 0;
};
