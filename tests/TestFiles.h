#pragma once

#include <QByteArray>
#include <QRgb>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <cstdint>

// Small helpers for tests that read and write level files.
namespace TestFiles {

QByteArray record(int column, int row, int tile);
// A valid 8-bit BMP of 304 x 160 whose pixels are all `shade`, with `trailer` bytes after the pixels
// counted in bfSize.
QByteArray bmp8(uchar shade = 7, const QByteArray& trailer = {});
QByteArray bmp24(int width, int height);
// A BMP of any claimed size and kind around the given pixel bytes; 8-bit pictures carry the colour
// table of bmp8 (all 256 entries, of which the header may claim fewer).
QByteArray bmp(int width, int height, int bits, int compression, const QByteArray& pixels, int coloursUsed = 0);
// The colour bmp8's table gives to index `i`.
QRgb paletteColour(int i);
void write(const QString& path, const QByteArray& bytes);
QByteArray read(const QString& path);

// One run of the command-line tool: its exit status and what it printed.
struct ToolRun {
    int status = -1;
    QByteArray out;
    QByteArray err;
};
ToolRun quarnLvl(const QStringList& args);

}  // namespace TestFiles
