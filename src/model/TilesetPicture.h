#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>
#include <QtGlobal>

// Turns a tileset's BMP bytes into a picture without trusting them: the header is checked before
// anything is decoded, so no tileset, however it is built, costs more than a bounded amount of
// memory and time at any zoom, and no pixel of the picture is left undefined.
namespace TilesetPicture {

// No side of a tileset may be longer than this many pixels.
inline constexpr int MaxSide = 16384;
// The tile numbering uses 304 x 224 pixels; this leaves ample room for larger pictures while a
// whole tileset, scaled for the largest zoom, stays well below a hundred MiB.
inline constexpr qint64 MaxPixels = qint64{2048} * 2048;

// Why the picture of `bmp` cannot be shown, as words that follow the file's name ("it is ...");
// empty when it can be decoded.
QString problem(const QByteArray& bmp);
// The picture of `bmp`, or a null image when it cannot be shown. Every pixel is defined: colour
// indexes past a short colour table draw black, and pixels a compressed picture leaves out take
// colour index 0.
QImage decode(const QByteArray& bmp);

}  // namespace TilesetPicture
