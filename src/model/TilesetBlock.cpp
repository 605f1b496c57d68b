#include "model/TilesetBlock.h"

quint32 TilesetBlock::readU32(const QByteArray& b, int at) {
    if (b.size() < at + 4) {
        return 0;
    }
    const auto* p = reinterpret_cast<const uchar*>(b.constData()) + at;
    return static_cast<quint32>(p[0]) | (static_cast<quint32>(p[1]) << 8) | (static_cast<quint32>(p[2]) << 16) |
           (static_cast<quint32>(p[3]) << 24);
}

quint16 TilesetBlock::readU16(const QByteArray& b, int at) {
    if (b.size() < at + 2) {
        return 0;
    }
    const auto* p = reinterpret_cast<const uchar*>(b.constData()) + at;
    return static_cast<quint16>(p[0] | (p[1] << 8));
}

TilesetBlock::Problem TilesetBlock::check(const QByteArray& headers, qint64 available) {
    if (headers.size() < HeaderLength || available < HeaderLength) {
        return Problem::TooShort;
    }
    const quint16 depth = biBitCount(headers);
    if (depth < 8) {
        return Problem::LowDepth;
    }
    const qint64 fixed = HeaderLength + (depth == 8 ? PaletteLength : 0);
    const qint64 size = bfSize(headers);
    if (size < fixed) {
        return Problem::SizeBelowHeaders;
    }
    if (size > MaximumLength) {
        return Problem::TooLarge;
    }
    if (size > available) {
        return Problem::SizePastEnd;
    }
    if (fixed + static_cast<qint64>(biSizeImage(headers)) > size) {
        return Problem::PixelsPastBlock;
    }
    return Problem::None;
}

QString TilesetBlock::describe(Problem problem, const QByteArray& headers, qint64 available) {
    switch (problem) {
        case Problem::None:
            return {};
        case Problem::TooShort:
            return QStringLiteral("the file ends inside its tileset header (%1 bytes, 54 needed)").arg(available);
        case Problem::LowDepth:
            return QStringLiteral("its tileset has %1 bits per pixel; at least 8 are needed").arg(biBitCount(headers));
        case Problem::SizeBelowHeaders:
            return QStringLiteral("its tileset claims %1 bytes, fewer than its own headers").arg(bfSize(headers));
        case Problem::TooLarge:
            return QStringLiteral("its tileset claims %1 bytes, more than a tileset can be").arg(bfSize(headers));
        case Problem::SizePastEnd:
            return QStringLiteral("its tileset claims %1 bytes but only %2 are there")
                .arg(bfSize(headers))
                .arg(available);
        case Problem::PixelsPastBlock:
            return QStringLiteral("its tileset's pixel data (%1 bytes) runs past the tileset's end (%2 bytes)")
                .arg(biSizeImage(headers))
                .arg(bfSize(headers));
    }
    return {};
}
