#pragma once

#include <QRectF>
#include <cstdint>
#include <optional>

#include "selection/CellRect.h"
#include "tools/SelectionHooks.h"

class TileClipboard;
class ToolContext;
class WindowServices;
class SelectionShape;

// The rectangular selection of one map, and the selection tool: marked with the mouse, dragged as a floating
// block that stays in the grid until it is applied, and the working area of cut, copy, mirror,
// flip, switch and the bucket's fill. Applying is the one moment at which cells change.
class Selection : public SelectionHooks {
public:
    // Hands the selection its map, the window's services and the map's clipboard, and lays the
    // outline on the map's view.
    void attach(ToolContext& map, WindowServices& window, TileClipboard& clipboard);

    SelectionState selstate() const override { return state; }
    bool selalreadymoved() const override { return moved; }
    bool pasting() const override;
    bool isInSelection(int column, int row) const override;
    QRect selectionOutline() const override;
    // The outline control itself.
    SelectionShape& outline() const { return *shape; }
    // The selection rectangle in cells, bounds inclusive.
    CellRect rect() const { return {selstartx, selstarty, selendx, selendy}; }

    void press(const ToolEvent& event) override;
    void move(const ToolEvent& event) override;
    void release(const ToolEvent& event) override;
    // A rectangle being marked is wiped; a dragged or pasted block is written where it floats as
    // its own undo step and stays selected there, so the next Undo takes back exactly the move.
    void endGesture() override;
    // Writes the floating block at the rectangle as one undo step and ends the selection.
    void applySelection();
    // Ends the selection without touching the grid; a dragged or pasted block is dropped.
    void stopSelecting(bool refresh) override;
    // Empties the block's source cells (not the cells under a dragged outline) as one undo step.
    void deleteSelection() override;
    // Places the outline from the cell rectangle and draws the floating block on the view.
    QRect drawSelectionOnPreview(bool fromUpdateLevel);
    // The part of the view a floating block will be drawn over by the next preview drawing.
    QRect floatingBlockCover() const;
    // The whole level as a selected rectangle, as if drawn with the selection tool, which becomes
    // current. A block already selected is put down first.
    void selectAll();
    // The rectangle of a pasted block; the selection tool becomes current.
    void setPasteRegion(int startx, int starty, int endx, int endy);
    void cutSelection();
    void copySelection();
    // Switch (or replace) two tile numbers inside the rectangle, as one undo step.
    void switchOrReplace(int16_t src, int16_t dest, bool replace);
    void mirror();
    void flip();
    // The outline for the radar while a selection exists and the magnifier or selection is current.
    std::optional<QRectF> radarFrame() const;

private:
    void beginRectangle(float X, float Y);
    // The cells under the outline where a drag left it.
    void cellsFromOutline();
    // Writes a dragged or pasted block at the rectangle as one step.
    void writeFloatingBlock();
    float cellSize() const;
    int startX() const;
    int startY() const;
    void placeOutlineFromCells();
    QRect drawFloatingBlock();
    void widenTo(const CellRect& area);

    int lastx = 0;
    int lasty = 0;
    int dragw = 0;
    int dragh = 0;
    int srcx = -1;
    int srcy = -1;
    bool moved = false;
    int grabx = 0;
    int graby = 0;
    SelectionState state = SelectionState::None;
    int selstartx = 0;
    int selstarty = 0;
    int selendx = 0;
    int selendy = 0;
    ToolContext* parent = nullptr;
    WindowServices* services = nullptr;
    TileClipboard* clip = nullptr;
    SelectionShape* shape = nullptr;
};
