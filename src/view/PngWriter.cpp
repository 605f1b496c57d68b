#include "view/PngWriter.h"

#include <png.h>

#include <QSaveFile>
#include <array>
#include <csetjmp>
#include <unordered_map>

namespace {

void writeBytes(png_structp png, png_bytep data, png_size_t length) {
    auto* file = static_cast<QSaveFile*>(png_get_io_ptr(png));
    if (file->write(reinterpret_cast<const char*>(data), static_cast<qint64>(length)) != static_cast<qint64>(length)) {
        png_error(png, "write failed");
    }
}

void flushNothing(png_structp) {}

// libpng reports errors by longjmp, so this function holds only plain locals that need no destructor.
bool encode(const QImage& image, QSaveFile* file) {
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
    png_set_filter(png, PNG_FILTER_TYPE_BASE, PNG_FILTER_NONE);
    png_set_compression_level(png, 1);
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
    if (!indexed) {
        // RGB32 pixels are 32-bit 0xffRRGGBB words; the fourth byte is dropped as filler.
#if Q_BYTE_ORDER == Q_LITTLE_ENDIAN
        png_set_bgr(png);
        png_set_filler(png, 0, PNG_FILLER_AFTER);
#else
        png_set_filler(png, 0, PNG_FILLER_BEFORE);
#endif
    }
    for (int y = 0; y < image.height(); ++y) {
        png_write_row(png, image.constScanLine(y));
    }
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return true;
}

}  // namespace

namespace PngWriter {

QString write(const QImage& image, const QString& path) {
    if (image.isNull()) {
        return QStringLiteral("there is no picture to write");
    }
    QImage pixels = indexedIfItFits(image);
    if (pixels.format() != QImage::Format_Indexed8 && pixels.format() != QImage::Format_RGB32) {
        pixels = pixels.convertToFormat(QImage::Format_RGB32);
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return file.errorString();
    }
    if (!encode(pixels, &file)) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return reason.isEmpty() ? QStringLiteral("the PNG could not be encoded") : reason;
    }
    if (!file.commit()) {
        return file.errorString();
    }
    return {};
}

QImage indexedIfItFits(const QImage& image) {
    if (image.format() != QImage::Format_RGB32 || image.isNull()) {
        return image;
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
                        return image;
                    }
                    colours << (last | 0xFF000000u);
                }
                lastIndex = it->second;
            }
            out[x] = lastIndex;
        }
    }
    indexed.setColorTable(colours);
    return indexed;
}

}  // namespace PngWriter
