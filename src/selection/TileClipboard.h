#pragma once

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QString>
#include <array>
#include <cstdint>

#include "selection/TileBlock.h"

class ToolContext;
class WindowServices;
class Selection;

// The tile clipboard of one map: cut and copy put the selected cells on the system clipboard as
// tile text; paste reads such text into a floating block that the selection shows and applies.
class TileClipboard {
public:
    // Hands the clipboard its map, the window's services and the map's selection, which shows and
    // applies a pasted block.
    void attach(ToolContext& map, WindowServices& window, Selection& selection) {
        parent = &map;
        services = &window;
        sel = &selection;
    }

    bool pasting() const { return isPasting; }
    void setPasting(bool newpasting) { isPasting = newpasting; }
    // Cell (X, Y) of the pasted block; 0 outside it.
    int16_t getTile(int X, int Y) const { return cliptiles.at(X, Y); }
    const TileBlock& block() const { return cliptiles; }

    // Puts the cells of the rectangle on the clipboard; a cut also empties them as one undo step.
    // Nothing happens unless the map has a selection.
    void cutOrCopy(bool cutmode, int startx, int starty, int endx, int endy);
    // Shows the clipboard's block at the top-left corner of the view as a floating selection.
    // Text that is not tile text does nothing; damaged tile text is refused with a message.
    void paste();
    // Draws the part of the pasted block that falls into `target` when the block's outline is
    // `outline` (view pixels), through `clipboardImage`.
    QRect drawPasted(QImage& target, const QRect& outline);

private:
    // The pasted block's visible part at the current zoom, rebuilt when it no longer matches what
    // is shown; never larger than the view plus the reach of one special tile.
    QImage clipboardImage;

    void drawCell(QImage& into, int16_t v, int x, int y, int t);
    const QImage& specialPicture(int16_t v, int t);

    ToolContext* parent = nullptr;
    WindowServices* services = nullptr;
    Selection* sel = nullptr;
    bool isPasting = false;
    TileBlock cliptiles;
    // What clipboardImage holds: first block column and row, size in cells, tile size, tileset.
    QRect drawnCells;
    int drawnT = 0;
    qint64 drawnTileset = 0;
    int specialsT = 0;
    std::array<QImage, 3> specials;
};
