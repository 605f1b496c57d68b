#pragma once

#include <cstdint>

#include "selection/CellRect.h"
#include "selection/TileBlock.h"

class Changes;
class Level;

// The grid edits of the selection and the clipboard. Each writes through Level::setTile into the
// caller's batch and announces every written cell with UpdateLevelTile (no refresh); rectangles may
// reach past the grid, and only cells inside it are read or written.
namespace BlockEdits {

// Widens `rect` until every special tile with a cell on its edge rows or columns lies wholly inside.
void growToSpecialTiles(const Level& level, CellRect& rect);
// The cells of `rect` as a block (0 outside the grid), with its special tiles made whole.
TileBlock readBlock(const Level& level, const CellRect& rect);
// Removes whole every special tile that has a cell inside `rect` without lying wholly inside it.
void removePartialObjects(Level& level, const CellRect& rect, Changes& undoch);
// Empties the cells of `rect`; a special tile cut by its edge is removed whole.
void emptyCells(Level& level, const CellRect& rect, Changes& undoch, bool appendundo);
// Removes whole every special tile with a cell inside `rect`.
void removeObjectsUnder(Level& level, const CellRect& rect, Changes& undoch);
// Writes `block` with its top-left cell at (x, y). A special tile whose square would leave the grid
// is written as empty cells, so no covered cell is left without its anchor.
void dropBlock(Level& level, const TileBlock& block, int x, int y, Changes& undoch, bool appendundo);
// Replaces `src` by `dest` in `rect`, and (unless `replace`) `dest` by `src`.
void SwitchOrReplace(Level& level, const CellRect& rect, int16_t src, int16_t dest, bool replace, Changes& undoch);
// Reverses the cells of `rect` left to right (Mirror) or top to bottom (Flip), moving special tiles
// as whole squares. Works on the part of `rect` inside the grid, widened to whole special tiles;
// returns that area.
CellRect Mirror(Level& level, const CellRect& rect, Changes& undoch);
CellRect Flip(Level& level, const CellRect& rect, Changes& undoch);

}  // namespace BlockEdits
