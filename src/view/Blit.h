#pragma once

#include <QImage>
#include <QPoint>
#include <QRect>

// Plain pixel copies into 32-bit images, clipped to both images: the block copies of the view,
// the radar and the command-line renderer, kept free of painter overhead because they run per cell.
namespace Blit {

// Copies the `from` rectangle of `src` (32-bit, or 8-bit with a colour table) to the 32-bit `dst` with its
// top-left corner at `to`. Parts outside either image are left out. Returns the rectangle of `dst` that was written.
QRect copy(QImage& dst, QPoint to, const QImage& src, const QRect& from);
// Fills the part of `area` that lies inside `dst` with one colour.
void fill(QImage& dst, const QRect& area, QRgb colour);

}  // namespace Blit
