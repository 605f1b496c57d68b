#include "TestFiles.h"

#include <QFile>
#include <QProcess>

#include "model/CellRecord.h"

namespace {

// Little-endian, as every number in a BMP header.
void putLE(QByteArray& b, int at, quint32 v, int bytes = 4) {
    for (int i = 0; i < bytes; ++i) {
        b[at + i] = static_cast<char>((v >> (8 * i)) & 0xFF);
    }
}

QByteArray headers(int width, int height, int bits, quint32 pixelBytes, quint32 paletteBytes, quint32 trailer) {
    QByteArray b(54, '\0');
    b[0] = 'B';
    b[1] = 'M';
    putLE(b, 2, 54 + paletteBytes + pixelBytes + trailer);
    putLE(b, 10, 54 + paletteBytes);
    putLE(b, 14, 40);
    putLE(b, 18, static_cast<quint32>(width));
    putLE(b, 22, static_cast<quint32>(height));
    putLE(b, 26, 1, 2);
    putLE(b, 28, static_cast<quint32>(bits), 2);
    putLE(b, 34, pixelBytes);
    return b;
}

QByteArray palette() {
    QByteArray palette(1024, '\0');
    for (int i = 0; i < 256; ++i) {
        palette[i * 4] = static_cast<char>(i);
        palette[i * 4 + 1] = static_cast<char>(255 - i);
        palette[i * 4 + 2] = static_cast<char>(i / 2);
    }
    return palette;
}

}  // namespace

namespace TestFiles {

QByteArray record(int column, int row, int tile) {
    QByteArray b(4, '\0');
    CellRecord::store(reinterpret_cast<uint8_t*>(b.data()), CellRecord::pack(column, row, tile));
    return b;
}

QByteArray bmp8(uchar shade, const QByteArray& trailer) {
    const quint32 pixels = 304 * 160;
    QByteArray b = headers(304, 160, 8, pixels, 1024, static_cast<quint32>(trailer.size()));
    return b + palette() + QByteArray(pixels, static_cast<char>(shade)) + trailer;
}

QRgb paletteColour(int i) {
    return qRgb(i / 2, 255 - i, i);
}

QByteArray bmp(int width, int height, int bits, int compression, const QByteArray& pixels, int coloursUsed) {
    const QByteArray table = bits == 8 ? palette() : QByteArray();
    QByteArray b =
        headers(width, height, bits, static_cast<quint32>(pixels.size()), static_cast<quint32>(table.size()), 0);
    putLE(b, 30, static_cast<quint32>(compression));
    putLE(b, 46, static_cast<quint32>(coloursUsed));
    return b + table + pixels;
}

QByteArray bmp24(int width, int height) {
    const int stride = (width * 3 + 3) / 4 * 4;
    const auto pixels = static_cast<quint32>(stride * height);
    return headers(width, height, 24, pixels, 0, 0) + QByteArray(static_cast<qsizetype>(pixels), '\x40');
}

void write(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    f.open(QIODevice::WriteOnly | QIODevice::Truncate);
    f.write(bytes);
}

QByteArray read(const QString& path) {
    QFile f(path);
    f.open(QIODevice::ReadOnly);
    return f.readAll();
}

ToolRun quarnLvl(const QStringList& args) {
    QProcess p;
    p.start(QStringLiteral(QUARN_LVL_PATH), args);
    p.waitForFinished(60000);
    return {p.exitCode(), p.readAllStandardOutput(), p.readAllStandardError()};
}

}  // namespace TestFiles
