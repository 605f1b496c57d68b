#pragma once

#include <cstdint>
#include <optional>

#include <QPoint>
#include <QRect>
#include <span>

#include "model/LevelEdit.h"
#include "tools/Brush.h"
#include "tools/Tool.h"
#include "tools/ToolId.h"
#include "view/ViewTransform.h"

class Level;
class ToolContext;
class WindowServices;
class MapView;
class SelectionHooks;

// The work every tool of a map window shares: reaching the map, turning a pointer position into
// a cell, one undo batch per gesture, and bringing the view up to date after an event.
class ToolBase : public Tool {
public:
    ~ToolBase() override;

    // Hands the tool the map it works in and the window's services; called once when the window is built.
    void attach(ToolContext& context, WindowServices& window) {
        map = &context;
        services = &window;
    }

protected:
    struct Cell {
        int x = 0;
        int y = 0;
        bool inGrid() const { return x >= 0 && x < 1024 && y >= 0 && y < 1024; }
    };

    Level& level() const;
    MapView& view() const;
    ViewTransform transform() const;
    // Cell under a view point; callers check inGrid() themselves.
    Cell cellAt(float X, float Y) const;
    bool usingPixels() const;
    // The left tile for the left button, the right tile for any other button.
    int16_t tileFor(Qt::MouseButton button) const;
    ToolId currentTool() const;
    SelectionHooks& selection() const;

    // Starts a gesture's edit: nothing can be redone past it. An edit still open is committed first,
    // so no written cell is ever left without its step. The gesture's brush follows the painting
    // mode and the button that started it.
    void startBatch(Qt::MouseButton button);
    // Ends the gesture: its edit becomes one undo step when it changed anything. The tool has drawn
    // what it changed already.
    void pushBatch();
    // The open gesture's edit, or null outside a gesture.
    LevelEdit* openEdit() { return edit ? &*edit : nullptr; }
    // After an event that wrote cells: a full redraw at the one-pixel zoom (the view is the
    // overview image there), else the kept view image brought to the screen.
    void redraw() const;
    // Brings cells written without a per-cell redraw (walls join cells all around what the tool
    // touched) into the overview image, then redraws the view.
    void showWritten(std::span<const QPoint> cells) const;
    void showWritten(const QRect& area) const;

    ToolContext* map = nullptr;
    WindowServices* services = nullptr;
    std::optional<LevelEdit> edit;
    Brush brush;
};
