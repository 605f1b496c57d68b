#include "mapformats/IndexedBitmap.h"

#include <QtEndian>
#include <cstring>

#include "view/PngWriter.h"

namespace {

void put32(QByteArray& b, int at, quint32 v) {
    qToLittleEndian(v, b.data() + at);
}

void put16(QByteArray& b, int at, quint16 v) {
    qToLittleEndian(v, b.data() + at);
}

}  // namespace

namespace IndexedBitmap {

QByteArray encode(const QImage& picture, bool* reduced) {
    QImage indexed = PngWriter::indexedIfItFits(picture.convertToFormat(QImage::Format_RGB32));
    const bool fits = indexed.format() == QImage::Format_Indexed8;
    if (!fits) {
        // Tile art keeps its hard edges better without error diffusion.
        indexed = indexed.convertToFormat(QImage::Format_Indexed8, Qt::ThresholdDither | Qt::PreferDither);
    }
    if (reduced != nullptr) {
        *reduced = !fits;
    }
    const int width = indexed.width();
    const int height = indexed.height();
    const int stride = (width + 3) / 4 * 4;
    const int pixels = stride * height;
    constexpr int headers = 54;
    constexpr int palette = 1024;
    QByteArray b(headers + palette + pixels, '\0');
    b[0] = 'B';
    b[1] = 'M';
    put32(b, 2, static_cast<quint32>(b.size()));
    put32(b, 10, headers + palette);
    put32(b, 14, 40);
    put32(b, 18, static_cast<quint32>(width));
    put32(b, 22, static_cast<quint32>(height));
    put16(b, 26, 1);
    put16(b, 28, 8);
    put32(b, 34, static_cast<quint32>(pixels));
    put32(b, 38, 2835);
    put32(b, 42, 2835);
    put32(b, 46, 256);
    const QList<QRgb> colours = indexed.colorTable();
    for (int i = 0; i < colours.size() && i < 256; ++i) {
        const QRgb c = colours[i];
        b[headers + i * 4] = static_cast<char>(qBlue(c));
        b[headers + i * 4 + 1] = static_cast<char>(qGreen(c));
        b[headers + i * 4 + 2] = static_cast<char>(qRed(c));
    }
    // Rows are stored bottom-up.
    for (int y = 0; y < height; ++y) {
        std::memcpy(b.data() + headers + palette + (height - 1 - y) * stride, indexed.constScanLine(y),
                    static_cast<size_t>(width));
    }
    return b;
}

}  // namespace IndexedBitmap
