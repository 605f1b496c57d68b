#pragma once

#include <QImage>
#include <QString>

// Writes drawn level pictures as PNG, tuned for them: no row filter and a fast deflate level (flat tile
// art compresses well without either), bands of rows compressed on every core, and an 8-bit palette when
// the picture has at most 256 colours.
namespace PngWriter {

// Writes `image` (any format; drawn pictures are RGB32) to `path` atomically. Returns an error text, empty on
// success.
QString write(const QImage& image, const QString& path);

// `image` as an 8-bit palette picture when it has at most 256 colours, otherwise `image` itself.
QImage indexedIfItFits(const QImage& image);

}  // namespace PngWriter
