#include "model/TilesetPicture.h"

#include <algorithm>
#include <optional>

namespace TilesetPicture {

namespace {

constexpr quint32 Uncompressed = 0;
constexpr quint32 Rle8 = 1;
constexpr quint32 BitFields = 3;
constexpr qint64 FileHeaderLength = 14;

quint32 u32(const QByteArray& b, qint64 at) {
    if (b.size() < at + 4) {
        return 0;
    }
    const auto* p = reinterpret_cast<const uchar*>(b.constData()) + at;
    return static_cast<quint32>(p[0]) | (static_cast<quint32>(p[1]) << 8) | (static_cast<quint32>(p[2]) << 16) |
           (static_cast<quint32>(p[3]) << 24);
}

quint16 u16(const QByteArray& b, qint64 at) {
    return static_cast<quint16>(u32(b, at) & 0xFFFF);
}

// The fields of the headers that decide what decoding may cost, widened so that no hostile value
// can overflow the arithmetic on them.
struct Header {
    qint64 size = 0;
    qint64 infoSize = 0;
    qint64 width = 0;
    qint64 height = 0;  // always positive; `topDown` keeps the sign
    bool topDown = false;
    int planes = 0;
    int bits = 0;
    quint32 compression = 0;
    qint64 colours = 0;   // entries of the colour table
    qint64 pixelsAt = 0;  // where the pixel data begins

    qint64 stride() const { return (width * bits + 31) / 32 * 4; }
};

Header readHeader(const QByteArray& bmp) {
    Header h;
    h.size = bmp.size();
    h.infoSize = u32(bmp, 14);
    h.width = static_cast<qint32>(u32(bmp, 18));
    const qint64 height = static_cast<qint32>(u32(bmp, 22));
    h.topDown = height < 0;
    h.height = height < 0 ? -height : height;
    h.planes = u16(bmp, 26);
    h.bits = u16(bmp, 28);
    h.compression = u32(bmp, 30);
    const qint64 used = u32(bmp, 46);
    h.colours = h.bits <= 8 ? (used == 0 ? 256 : used) : 0;
    const qint64 masks = h.compression == BitFields && h.infoSize == 40 ? 12 : 0;
    const qint64 headersEnd = FileHeaderLength + h.infoSize + masks + 4 * std::min<qint64>(h.colours, 256);
    // The platform's reader skips to bfOffBits only when it lies past the headers.
    h.pixelsAt = std::max<qint64>(u32(bmp, 10), headersEnd);
    return h;
}

bool readable(const Header& h) {
    switch (h.bits) {
        case 8:
            return h.compression == Uncompressed || h.compression == Rle8;
        case 16:
        case 32:
            return h.compression == Uncompressed || h.compression == BitFields;
        case 24:
            return h.compression == Uncompressed;
        default:
            return false;
    }
}

std::optional<QString> check(const QByteArray& bmp, const Header& h) {
    if (bmp.size() < 54 || bmp[0] != 'B' || bmp[1] != 'M') {
        return QStringLiteral("it is not a Windows bitmap");
    }
    if (h.infoSize != 40 && h.infoSize != 52 && h.infoSize != 56 && h.infoSize != 108 && h.infoSize != 124) {
        return QStringLiteral("its bitmap header (%1 bytes) is not one this program reads").arg(h.infoSize);
    }
    if (h.width < 1 || h.height < 1) {
        return QStringLiteral("its picture has no pixels (%1 x %2)").arg(h.width).arg(h.height);
    }
    if (h.width > MaxSide || h.height > MaxSide) {
        return QStringLiteral("its picture is %1 x %2 pixels; a tileset may be at most %3 pixels on a side")
            .arg(h.width)
            .arg(h.height)
            .arg(MaxSide);
    }
    if (h.width * h.height > MaxPixels) {
        return QStringLiteral("its picture is %1 x %2 pixels; a tileset may have at most %3 pixels")
            .arg(h.width)
            .arg(h.height)
            .arg(MaxPixels);
    }
    if (h.planes != 1 || !readable(h) || (h.topDown && h.compression == Rle8)) {
        return QStringLiteral("it is stored as %1 bits per pixel with compression %2, which this program does not read")
            .arg(h.bits)
            .arg(h.compression);
    }
    if (h.colours > 256) {
        return QStringLiteral("its colour table claims %1 colours; a bitmap has at most 256").arg(h.colours);
    }
    const qint64 pixelBytes = h.compression == Rle8 ? 2 : h.stride() * h.height;
    if (h.pixelsAt + pixelBytes > h.size) {
        return QStringLiteral("its picture is cut off");
    }
    return std::nullopt;
}

QList<QRgb> colourTable(const QByteArray& bmp, const Header& h) {
    QList<QRgb> table(256, qRgb(0, 0, 0));
    const qint64 at = FileHeaderLength + h.infoSize;
    for (qint64 i = 0; i < h.colours; ++i) {
        const quint32 bgr = u32(bmp, at + 4 * i);
        table[i] = qRgb(static_cast<int>((bgr >> 16) & 0xFF), static_cast<int>((bgr >> 8) & 0xFF),
                        static_cast<int>(bgr & 0xFF));
    }
    return table;
}

// Run-length pictures are decoded here rather than by the platform's reader, which leaves the
// pixels a short run list does not reach undefined.
QImage decodeRle8(const QByteArray& bmp, const Header& h) {
    const int w = static_cast<int>(h.width);
    const int ht = static_cast<int>(h.height);
    QImage image(w, ht, QImage::Format_Indexed8);
    if (image.isNull()) {
        return {};
    }
    image.fill(0);
    image.setColorTable(colourTable(bmp, h));
    const auto* p = reinterpret_cast<const uchar*>(bmp.constData()) + h.pixelsAt;
    const auto* end = reinterpret_cast<const uchar*>(bmp.constData()) + bmp.size();
    int x = 0;
    int line = 0;  // counted from the bottom row, as the runs are stored
    const auto put = [&](uchar index) {
        if (x < w) {
            image.scanLine(ht - 1 - line)[x] = index;
        }
        x = std::min(x + 1, w);
    };
    while (line < ht && end - p >= 2) {
        const uchar count = p[0];
        const uchar value = p[1];
        p += 2;
        if (count > 0) {
            for (int i = 0; i < count; ++i) {
                put(value);
            }
        } else if (value == 0) {
            x = 0;
            ++line;
        } else if (value == 1) {
            break;
        } else if (value == 2) {
            if (end - p < 2) {
                break;
            }
            x = std::min(x + p[0], w);
            line += p[1];
            p += 2;
        } else {
            const qint64 padded = value + (value & 1);
            if (end - p < value) {
                break;
            }
            for (int i = 0; i < value; ++i) {
                put(p[i]);
            }
            p += std::min<qint64>(padded, end - p);
        }
    }
    return image;
}

}  // namespace

QString problem(const QByteArray& bmp) {
    return check(bmp, readHeader(bmp)).value_or(QString());
}

QImage decode(const QByteArray& bmp) {
    const Header h = readHeader(bmp);
    if (check(bmp, h)) {
        return {};
    }
    if (h.compression == Rle8) {
        return decodeRle8(bmp, h);
    }
    QImage image = QImage::fromData(bmp, "BMP");
    if (image.format() == QImage::Format_Indexed8 && image.colorCount() < 256) {
        // Pixels may name colours past a short table; they draw black instead of reading past it.
        QList<QRgb> table = image.colorTable();
        table.resize(256, qRgb(0, 0, 0));
        image.setColorTable(table);
    }
    return image;
}

}  // namespace TilesetPicture
