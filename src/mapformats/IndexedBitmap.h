#pragma once

#include <QByteArray>
#include <QImage>

// The 8-bit Windows bitmap a level carries as its own tileset, from a picture: exactly its colours when it
// has at most 256, otherwise reduced to 256 (`reduced` says so).
namespace IndexedBitmap {

QByteArray encode(const QImage& picture, bool* reduced = nullptr);

}  // namespace IndexedBitmap
