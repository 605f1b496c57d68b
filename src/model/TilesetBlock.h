#pragma once

#include <QByteArray>
#include <QString>
#include <cstdint>

// A level's own tileset as stored in front of its records: a whole Windows BMP, kept byte for byte
// so that saving and exporting write back exactly what was read.
class TilesetBlock {
public:
    static constexpr int HeaderLength = 54;
    static constexpr int PaletteLength = 1024;
    // No real tileset comes near this; it keeps a hostile header from making us allocate gigabytes.
    static constexpr qint64 MaximumLength = 64 * 1024 * 1024;

    enum class Problem { None, TooShort, LowDepth, SizeBelowHeaders, SizePastEnd, PixelsPastBlock, TooLarge };

    // Checks the 54 header bytes of a block in a file of `available` bytes from the block's start.
    static Problem check(const QByteArray& headers, qint64 available);
    // A sentence saying what is wrong with a block, for messages that name the file.
    static QString describe(Problem problem, const QByteArray& headers, qint64 available);

    static quint32 bfSize(const QByteArray& headers) { return readU32(headers, 2); }
    static quint16 biBitCount(const QByteArray& headers) { return readU16(headers, 28); }
    static quint32 biSizeImage(const QByteArray& headers) { return readU32(headers, 34); }

    bool isEmpty() const { return data.isEmpty(); }
    quint16 bitsPerPixel() const { return isEmpty() ? 0 : biBitCount(data); }

    // The whole BMP, byte for byte.
    const QByteArray& bytes() const { return data; }
    void setBytes(const QByteArray& bmp) { data = bmp; }

private:
    QByteArray data;

    static quint32 readU32(const QByteArray& b, int at);
    static quint16 readU16(const QByteArray& b, int at);
};
