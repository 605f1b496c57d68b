#pragma once

#include <QString>
#include <QStringView>
#include <optional>

#include "selection/CellRect.h"
#include "selection/TileBlock.h"

class Level;

// The clipboard form of a block of cells: "QuarnTiles:W:H:" followed by W x H values row by row,
// each followed by ":". Text from the clipboard is untrusted and is read with hard limits.
namespace TileText {

inline constexpr QStringView keyword = u"QuarnTiles";
// Largest block a text may describe, on either axis.
inline constexpr int MaxSide = 1024;
// Longest text that is read at all: a whole map with room for longer numbers than the editor writes.
inline constexpr qsizetype MaxLength = qsizetype{MaxSide} * MaxSide * 8 + 64;

// The text of the cells of `rect` (bounds inclusive); cells outside the grid are written as 0.
QString format(const Level& level, const CellRect& rect);
// True when the text's first field is the keyword, which is what makes a paste act at all.
bool hasKeyword(QStringView text);
// The block of a tile text, or nothing when the text is not one: wrong keyword, W or H outside
// 1..MaxSide, fewer than W x H cell fields, or longer than MaxLength. Values outside -1..255 read
// as 0 and the block is made consistent (see TileBlock::makeConsistent).
std::optional<TileBlock> parse(QStringView text);
// A field read as a number: leading blanks, a sign, digits and a fraction, rounded to the nearest
// integer with halves to even. Text that does not start with a number reads 0; `ok` is false when
// the number is too large to be any count or value.
int readNumber(QStringView field, bool* ok = nullptr);
// The same reading before rounding.
double readValue(QStringView field, bool* ok = nullptr);

}  // namespace TileText
