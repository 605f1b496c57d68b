#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>
#include <cstdint>

// Small helpers for tests that read and write level files.
namespace TestFiles {

QByteArray record(int column, int row, int tile);
// A valid 8-bit BMP of 304 x 160 whose pixels are all `shade`, with `trailer` bytes after the pixels
// counted in bfSize.
QByteArray bmp8(uchar shade = 7, const QByteArray& trailer = {});
QByteArray bmp24(int width, int height);
void write(const QString& path, const QByteArray& bytes);
QByteArray read(const QString& path);

}  // namespace TestFiles
