#pragma once

#include <cstdint>

#include "selection/CellRect.h"
#include "selection/TileBlock.h"

class Level;
class LevelEdit;

// The grid edits of the selection and the clipboard. Each writes through the caller's edit and
// announces every written cell with redrawCell (no refresh); rectangles may reach past the
// grid, and only cells inside it are read or written.
namespace BlockEdits {

// Widens `rect` until every special tile with a cell on its edge rows or columns lies wholly inside.
void growToSpecialTiles(const Level& level, CellRect& rect);
// The cells of `rect` as a block (0 outside the grid), with its special tiles made whole.
TileBlock readBlock(const Level& level, const CellRect& rect);
// Removes whole every special tile that has a cell inside `rect` without lying wholly inside it.
void removePartialObjects(LevelEdit& edit, const CellRect& rect);
// Empties the cells of `rect`; a special tile cut by its edge is removed whole.
void emptyCells(LevelEdit& edit, const CellRect& rect);
// Removes whole every special tile with a cell inside `rect`.
void removeObjectsUnder(LevelEdit& edit, const CellRect& rect);
// Writes `block` with its top-left cell at (x, y). A special tile whose square would leave the grid
// is written as empty cells, so no covered cell is left without its anchor.
void dropBlock(LevelEdit& edit, const TileBlock& block, int x, int y);
// Replaces `src` by `dest` in `rect`, and (unless `replace`) `dest` by `src`.
void switchOrReplace(LevelEdit& edit, const CellRect& rect, int16_t src, int16_t dest, bool replace);
// Reverses the cells of `rect` left to right (Mirror) or top to bottom (Flip), moving special tiles
// as whole squares. Works on the part of `rect` inside the grid, widened to whole special tiles;
// returns that area.
CellRect mirror(LevelEdit& edit, const CellRect& rect);
CellRect flip(LevelEdit& edit, const CellRect& rect);

}  // namespace BlockEdits
