#include "mapformats/LayerCodec.h"

#include <zlib.h>
#include <zstd.h>
#include <zstd_errors.h>

#include <QtEndian>
#include <array>
#include <charconv>
#include <cstring>
#include <limits>

using TileMapFormat::Encoding;

namespace {

QString sizeMismatch(qint64 bytes, int count, bool atLeast) {
    return QStringLiteral("its data holds %1%2 bytes; %3 cells need exactly %4")
        .arg(atLeast ? QStringLiteral("more than ") : QString())
        .arg(bytes)
        .arg(count)
        .arg(qint64{count} * 4);
}

QString decodeCsv(const QByteArray& text, uint32_t* out, int count) {
    const char* p = text.constData();
    const char* end = p + text.size();
    const auto skipSpace = [&] {
        while (p != end && (*p == ' ' || *p == '\n' || *p == '\r' || *p == '\t')) {
            ++p;
        }
    };
    int n = 0;
    skipSpace();
    while (p != end) {
        uint32_t value = 0;
        const auto [next, error] = std::from_chars(p, end, value);
        if (error == std::errc::result_out_of_range) {
            return QStringLiteral("its CSV data holds a number larger than 4294967295");
        }
        if (error != std::errc() || next == p) {
            return QStringLiteral("its CSV data holds \"%1\" where a tile id belongs")
                .arg(QString::fromLatin1(p, static_cast<int>(std::min<qint64>(end - p, 12))).simplified());
        }
        if (n == count) {
            return QStringLiteral("its CSV data holds more than the %1 ids of its cells").arg(count);
        }
        out[n++] = value;
        p = next;
        skipSpace();
        if (p != end) {
            if (*p != ',') {
                return QStringLiteral("its CSV data holds \"%1\" where a comma belongs").arg(QLatin1Char(*p));
            }
            ++p;
            skipSpace();
        }
    }
    if (n != count) {
        return QStringLiteral("its CSV data holds %1 ids; its %2 cells need exactly that many").arg(n).arg(count);
    }
    return {};
}

QString inflateInto(const QByteArray& packed, bool gzip, uint8_t* out, qint64 size, int count) {
    z_stream z{};
    if (inflateInit2(&z, gzip ? 15 + 16 : 15) != Z_OK) {
        return QStringLiteral("its data cannot be decompressed");
    }
    z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(packed.constData()));
    z.avail_in = static_cast<uInt>(packed.size());
    z.next_out = out;
    z.avail_out = static_cast<uInt>(size);
    int status = ::inflate(&z, Z_FINISH);
    if (status == Z_BUF_ERROR && z.avail_out == 0) {
        // The cells are full; one more byte says whether the stream holds more than they take.
        std::array<Bytef, 1> extra{};
        z.next_out = extra.data();
        z.avail_out = 1;
        status = ::inflate(&z, Z_FINISH);
        if (z.avail_out == 0) {
            inflateEnd(&z);
            return sizeMismatch(size, count, true);
        }
    }
    const uLong produced = z.total_out;
    inflateEnd(&z);
    if (status != Z_STREAM_END) {
        return QStringLiteral("its %1 data is damaged or cut off").arg(gzip ? QStringLiteral("gzip") : "zlib");
    }
    if (static_cast<qint64>(produced) != size) {
        return sizeMismatch(static_cast<qint64>(produced), count, false);
    }
    return {};
}

QString unzstd(const QByteArray& packed, uint8_t* out, qint64 size, int count) {
    const unsigned long long claimed = ZSTD_getFrameContentSize(packed.constData(), static_cast<size_t>(packed.size()));
    if (claimed == ZSTD_CONTENTSIZE_ERROR) {
        return QStringLiteral("its zstd data is damaged");
    }
    if (claimed != ZSTD_CONTENTSIZE_UNKNOWN && claimed != static_cast<unsigned long long>(size)) {
        return sizeMismatch(static_cast<qint64>(std::min<unsigned long long>(claimed, INT64_MAX)), count, false);
    }
    const size_t produced =
        ZSTD_decompress(out, static_cast<size_t>(size), packed.constData(), static_cast<size_t>(packed.size()));
    if (ZSTD_isError(produced)) {
        return ZSTD_getErrorCode(produced) == ZSTD_error_dstSize_tooSmall
                   ? sizeMismatch(size, count, true)
                   : QStringLiteral("its zstd data is damaged or cut off");
    }
    if (static_cast<qint64>(produced) != size) {
        return sizeMismatch(static_cast<qint64>(produced), count, false);
    }
    return {};
}

QByteArray deflated(const QByteArray& raw, bool gzip) {
    z_stream z{};
    deflateInit2(&z, Z_DEFAULT_COMPRESSION, Z_DEFLATED, gzip ? 15 + 16 : 15, 8, Z_DEFAULT_STRATEGY);
    QByteArray packed(static_cast<qsizetype>(deflateBound(&z, static_cast<uLong>(raw.size()))), Qt::Uninitialized);
    z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(raw.constData()));
    z.avail_in = static_cast<uInt>(raw.size());
    z.next_out = reinterpret_cast<Bytef*>(packed.data());
    z.avail_out = static_cast<uInt>(packed.size());
    ::deflate(&z, Z_FINISH);
    packed.resize(static_cast<qsizetype>(z.total_out));
    deflateEnd(&z);
    return packed;
}

QByteArray words(const uint32_t* ids, int count) {
    QByteArray raw(qsizetype{count} * 4, Qt::Uninitialized);
    for (int i = 0; i < count; ++i) {
        qToLittleEndian(ids[i], raw.data() + qsizetype{i} * 4);
    }
    return raw;
}

QByteArray csv(const uint32_t* ids, int count, int width) {
    // Level maps hold small ids, so each is formatted once and copied from then on.
    constexpr uint32_t Cached = 512;
    static const auto table = [] {
        std::array<std::array<char, 4>, Cached> t{};
        for (uint32_t i = 0; i < Cached; ++i) {
            auto [end, ec] = std::to_chars(t[i].data(), t[i].data() + 3, i);
            static_cast<void>(ec);
            t[i][3] = static_cast<char>(end - t[i].data());
        }
        return t;
    }();
    QByteArray text(qsizetype{count} * 11 + count / std::max(width, 1) + 2, Qt::Uninitialized);
    char* p = text.data();
    *p++ = '\n';
    for (int i = 0; i < count; ++i) {
        if (ids[i] < Cached) {
            const auto& entry = table[ids[i]];
            std::memcpy(p, entry.data(), 4);
            p += entry[3];
        } else {
            p = std::to_chars(p, p + 10, ids[i]).ptr;
        }
        if (i + 1 < count) {
            *p++ = ',';
        }
        if ((i + 1) % width == 0) {
            *p++ = '\n';
        }
    }
    text.resize(p - text.constData());
    return text;
}

}  // namespace

namespace LayerCodec {

std::optional<Encoding> fromAttributes(const QString& encoding, const QString& compression) {
    if (encoding == QLatin1String("csv") && compression.isEmpty()) {
        return Encoding::Csv;
    }
    if (encoding != QLatin1String("base64")) {
        return std::nullopt;
    }
    if (compression.isEmpty()) {
        return Encoding::Base64;
    }
    if (compression == QLatin1String("zlib")) {
        return Encoding::Base64Zlib;
    }
    if (compression == QLatin1String("gzip")) {
        return Encoding::Base64Gzip;
    }
    if (compression == QLatin1String("zstd")) {
        return Encoding::Base64Zstd;
    }
    return std::nullopt;
}

QString encodingName(Encoding encoding) {
    return encoding == Encoding::Csv ? QStringLiteral("csv") : QStringLiteral("base64");
}

QString compressionName(Encoding encoding) {
    switch (encoding) {
        case Encoding::Base64Zlib:
            return QStringLiteral("zlib");
        case Encoding::Base64Gzip:
            return QStringLiteral("gzip");
        case Encoding::Base64Zstd:
            return QStringLiteral("zstd");
        default:
            return {};
    }
}

std::optional<Encoding> fromOptionName(const QString& name) {
    const QStringList parts = name.split(QLatin1Char('-'));
    return parts.size() <= 2 ? fromAttributes(parts[0], parts.value(1)) : std::nullopt;
}

QByteArray encode(const uint32_t* ids, int count, int width, Encoding encoding) {
    switch (encoding) {
        case Encoding::Csv:
            return csv(ids, count, width);
        case Encoding::Base64:
            return words(ids, count).toBase64();
        case Encoding::Base64Zlib:
            return deflated(words(ids, count), false).toBase64();
        case Encoding::Base64Gzip:
            return deflated(words(ids, count), true).toBase64();
        case Encoding::Base64Zstd: {
            const QByteArray raw = words(ids, count);
            QByteArray packed(static_cast<qsizetype>(ZSTD_compressBound(static_cast<size_t>(raw.size()))),
                              Qt::Uninitialized);
            const size_t n = ZSTD_compress(packed.data(), static_cast<size_t>(packed.size()), raw.constData(),
                                           static_cast<size_t>(raw.size()), 3);
            packed.resize(ZSTD_isError(n) ? 0 : static_cast<qsizetype>(n));
            return packed.toBase64();
        }
    }
    return {};
}

QString decode(const QByteArray& text, Encoding encoding, uint32_t* out, int count) {
    if (encoding == Encoding::Csv) {
        return decodeCsv(text, out, count);
    }
    QByteArray compact = text;
    compact.removeIf([](char c) { return c == ' ' || c == '\n' || c == '\r' || c == '\t'; });
    const qint64 size = qint64{count} * 4;
    if (encoding == Encoding::Base64) {
        // Base64 gives three bytes for four characters: the length alone says whether the cells fit.
        const qint64 padding = compact.endsWith("==") ? 2 : compact.endsWith('=') ? 1 : 0;
        const qint64 bytes = compact.size() / 4 * 3 - padding;
        if (compact.size() % 4 != 0 || bytes != size) {
            return sizeMismatch(std::max<qint64>(bytes, 0), count, false);
        }
    }
    const auto decoded = QByteArray::fromBase64Encoding(compact, QByteArray::AbortOnBase64DecodingErrors);
    if (!decoded) {
        return QStringLiteral("its base64 data holds characters that are not base64");
    }
    auto* bytes = reinterpret_cast<uint8_t*>(out);
    QString problem;
    switch (encoding) {
        case Encoding::Base64:
            std::memcpy(bytes, decoded.decoded.constData(), static_cast<size_t>(size));
            break;
        case Encoding::Base64Zlib:
        case Encoding::Base64Gzip:
            problem = inflateInto(*decoded, encoding == Encoding::Base64Gzip, bytes, size, count);
            break;
        case Encoding::Base64Zstd:
            problem = unzstd(*decoded, bytes, size, count);
            break;
        case Encoding::Csv:
            break;
    }
    if (problem.isEmpty()) {
        for (int i = 0; i < count; ++i) {
            out[i] = qFromLittleEndian<uint32_t>(bytes + qsizetype{i} * 4);
        }
    }
    return problem;
}

}  // namespace LayerCodec
