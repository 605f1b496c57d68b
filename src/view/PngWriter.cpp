#include "view/PngWriter.h"

#include <png.h>
#include <zlib.h>

#include <QCoreApplication>
#include <QSaveFile>
#include <QThread>
#include <QThreadPool>
#include <algorithm>
#include <array>
#include <atomic>
#include <csetjmp>
#include <optional>
#include <unordered_map>
#include <vector>

namespace {

void writeBytes(png_structp png, png_bytep data, png_size_t length) {
    auto* file = static_cast<QSaveFile*>(png_get_io_ptr(png));
    if (file->write(reinterpret_cast<const char*>(data), static_cast<qint64>(length)) != static_cast<qint64>(length)) {
        png_error(png, "write failed");
    }
}

void flushNothing(png_structp) {}

// One band of rows as a raw deflate stream. Every band but the last ends on a sync flush, which
// leaves it on a byte boundary, so the bands joined in order are one stream that the last finishes.
struct Band {
    QByteArray deflated;
    uLong adler = 0;
    uLong rawLength = 0;
    bool ok = true;
};

void compressBand(const QImage& image, bool indexed, int y0, int y1, bool last, const PngWriter::Progress& progress,
                  Band& band) {
    const int width = image.width();
    std::vector<Bytef> row(static_cast<size_t>(1 + width * (indexed ? 1 : 3)));
    z_stream z{};
    if (deflateInit2(&z, 1, Z_DEFLATED, -MAX_WBITS, 8, Z_DEFAULT_STRATEGY) != Z_OK) {
        band.ok = false;
        return;
    }
    band.adler = adler32(0, nullptr, 0);
    qsizetype used = 0;
    for (int y = y0; y < y1; ++y) {
        // Filter type 0 (none) leads every row.
        row[0] = 0;
        if (indexed) {
            std::copy_n(image.constScanLine(y), width, row.begin() + 1);
        } else {
            const auto* in = reinterpret_cast<const QRgb*>(image.constScanLine(y));
            Bytef* out = row.data() + 1;
            for (int x = 0; x < width; ++x, out += 3) {
                out[0] = static_cast<Bytef>(qRed(in[x]));
                out[1] = static_cast<Bytef>(qGreen(in[x]));
                out[2] = static_cast<Bytef>(qBlue(in[x]));
            }
        }
        band.adler = adler32(band.adler, row.data(), static_cast<uInt>(row.size()));
        band.rawLength += row.size();
        z.next_in = row.data();
        z.avail_in = static_cast<uInt>(row.size());
        const int flush = y + 1 < y1 ? Z_NO_FLUSH : (last ? Z_FINISH : Z_SYNC_FLUSH);
        do {
            if (band.deflated.size() - used < 64 * 1024) {
                band.deflated.resize(band.deflated.size() + std::max<qsizetype>(256 * 1024, band.deflated.size() / 2));
            }
            z.next_out = reinterpret_cast<Bytef*>(band.deflated.data()) + used;
            z.avail_out = static_cast<uInt>(band.deflated.size() - used);
            if (deflate(&z, flush) == Z_STREAM_ERROR) {
                band.ok = false;
            }
            used = band.deflated.size() - z.avail_out;
        } while (z.avail_out == 0 && band.ok);
        if (progress && !progress(1)) {
            band.ok = false;
        }
        if (!band.ok) {
            break;
        }
    }
    deflateEnd(&z);
    band.deflated.truncate(used);
}

// The picture's image data, a zlib stream of its filtered rows: its two header bytes (a 32 KiB window at the
// fastest level), the bands compressed on every core, and the checksum of all rows.
struct ImageData {
    std::vector<Band> bands;
    std::array<char, 4> checksum{};
};

std::optional<ImageData> imageData(const QImage& image, bool indexed, const PngWriter::Progress& progress) {
    const int height = image.height();
    const int count = std::clamp(QThread::idealThreadCount(), 1, std::max(1, height / 64));
    ImageData data;
    data.bands.resize(static_cast<size_t>(count));
    QThreadPool pool;
    pool.setMaxThreadCount(count);
    for (int b = 0; b < count; ++b) {
        pool.start([&image, indexed, height, count, b, &progress, &data] {
            compressBand(image, indexed, height * b / count, height * (b + 1) / count, b + 1 == count, progress,
                         data.bands[static_cast<size_t>(b)]);
        });
    }
    pool.waitForDone();
    uLong adler = adler32(0, nullptr, 0);
    for (const Band& band : data.bands) {
        if (!band.ok) {
            return std::nullopt;
        }
        adler = adler32_combine(adler, band.adler, static_cast<z_off_t>(band.rawLength));
    }
    for (int i = 0; i < 4; ++i) {
        data.checksum[static_cast<size_t>(i)] = static_cast<char>((adler >> (24 - 8 * i)) & 0xFF);
    }
    return data;
}

// libpng writes the chunks around the image data, which is compressed beforehand. It reports errors by
// longjmp, so this function holds only plain locals that need no destructor.
bool encode(const QImage& image, const ImageData& data, QSaveFile* file) {
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    if (!png) {
        return false;
    }
    png_infop info = png_create_info_struct(png);
    if (!info || setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        return false;
    }
    png_set_write_fn(png, file, writeBytes, flushNothing);
    const bool indexed = image.format() == QImage::Format_Indexed8;
    png_set_IHDR(png, info, static_cast<png_uint_32>(image.width()), static_cast<png_uint_32>(image.height()), 8,
                 indexed ? PNG_COLOR_TYPE_PALETTE : PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    std::array<png_color, 256> palette{};
    if (indexed) {
        const int count = static_cast<int>(image.colorCount());
        for (int i = 0; i < count; ++i) {
            const QRgb c = image.color(i);
            palette[static_cast<size_t>(i)] = {static_cast<png_byte>(qRed(c)), static_cast<png_byte>(qGreen(c)),
                                               static_cast<png_byte>(qBlue(c))};
        }
        png_set_PLTE(png, info, palette.data(), count);
    }
    png_write_info(png, info);
    static const png_byte idat[5] = "IDAT";
    static const png_byte iend[5] = "IEND";
    static const png_byte zlibHeader[2] = {0x78, 0x01};
    // The image data may be split over IDAT chunks anywhere, so each band is written as it lies.
    png_write_chunk(png, idat, zlibHeader, 2);
    constexpr qsizetype chunk = 1024 * 1024;
    for (const Band& band : data.bands) {
        for (qsizetype at = 0; at < band.deflated.size(); at += chunk) {
            png_write_chunk(png, idat, reinterpret_cast<png_const_bytep>(band.deflated.constData()) + at,
                            static_cast<png_size_t>(std::min(chunk, band.deflated.size() - at)));
        }
    }
    png_write_chunk(png, idat, reinterpret_cast<png_const_bytep>(data.checksum.data()), 4);
    png_write_chunk(png, iend, nullptr, 0);
    png_destroy_write_struct(&png, &info);
    return true;
}

}  // namespace

namespace PngWriter {

QString write(const QImage& image, const QString& path, const Progress& progress) {
    if (image.isNull()) {
        return QCoreApplication::translate("PngWriter", "there is no picture to write");
    }
    QImage pixels = indexedIfItFits(image, progress);
    if (pixels.isNull()) {
        return {};
    }
    if (pixels.format() != QImage::Format_Indexed8 && pixels.format() != QImage::Format_RGB32) {
        pixels = pixels.convertToFormat(QImage::Format_RGB32);
    }
    std::atomic<bool> stopped = false;
    const auto data = imageData(pixels, pixels.format() == QImage::Format_Indexed8, [&](int rows) {
        // Every band asks once more after it was told to stop; it must keep hearing no.
        if (progress && !progress(rows)) {
            stopped = true;
        }
        return !stopped;
    });
    if (!data) {
        return stopped ? QString() : QCoreApplication::translate("PngWriter", "the PNG could not be encoded");
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return file.errorString();
    }
    if (!encode(pixels, *data, &file)) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return reason.isEmpty() ? QCoreApplication::translate("PngWriter", "the PNG could not be encoded") : reason;
    }
    if (!file.commit()) {
        return file.errorString();
    }
    return {};
}

QImage indexedIfItFits(const QImage& image, const Progress& progress) {
    if (image.format() != QImage::Format_RGB32 || image.isNull()) {
        return progress && !progress(image.height()) ? QImage() : image;
    }
    std::unordered_map<QRgb, uchar> palette;
    QList<QRgb> colours;
    QImage indexed(image.size(), QImage::Format_Indexed8);
    for (int y = 0; y < image.height(); ++y) {
        const auto* in = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        uchar* out = indexed.scanLine(y);
        QRgb last = in[0] + 1;
        uchar lastIndex = 0;
        for (int x = 0; x < image.width(); ++x) {
            // Runs of one colour are common in tile art, so the map is only asked when the colour changes.
            if (in[x] != last) {
                last = in[x];
                const auto [it, added] = palette.try_emplace(last, static_cast<uchar>(colours.size()));
                if (added) {
                    if (colours.size() == 256) {
                        return progress && !progress(image.height() - y) ? QImage() : image;
                    }
                    colours << (last | 0xFF000000u);
                }
                lastIndex = it->second;
            }
            out[x] = lastIndex;
        }
        if (progress && !progress(1)) {
            return {};
        }
    }
    indexed.setColorTable(colours);
    return indexed;
}

}  // namespace PngWriter
