#pragma once

#include <QImage>
#include <QString>
#include <functional>

// Writes drawn level pictures as PNG, tuned for them: no row filter and a fast deflate level (flat tile
// art compresses well without either), bands of rows compressed on every core, and an 8-bit palette when
// the picture has at most 256 colours.
namespace PngWriter {

// Told of rows as they are done, twice the picture's height in all (looked at, then compressed), possibly from
// several threads at once. Answering false stops the writing.
using Progress = std::function<bool(int rows)>;

// Writes `image` (any format; drawn pictures are RGB32) to `path` atomically. Returns an error text, empty on
// success. When `progress` stops it, nothing is written and the text is empty too.
QString write(const QImage& image, const QString& path, const Progress& progress = {});

// `image` as an 8-bit palette picture when it has at most 256 colours, otherwise `image` itself; a null image
// when `progress` stops it.
QImage indexedIfItFits(const QImage& image, const Progress& progress = {});

}  // namespace PngWriter
