#include <benchmark/benchmark.h>
#include <zlib.h>

#include <QImage>
#include <QSaveFile>
#include <QTemporaryDir>
#include <vector>

#include "view/PngWriter.h"

namespace {

// A 4096 x 4096 picture of 16 x 16 tiles in more colours than a palette holds, as a whole level drawn at
// zoom 1/4 with its smoothed tiles is.
const QImage& levelPicture() {
    static const QImage image = [] {
        QImage picture(4096, 4096, QImage::Format_RGB32);
        for (int y = 0; y < picture.height(); ++y) {
            auto* row = reinterpret_cast<QRgb*>(picture.scanLine(y));
            for (int x = 0; x < picture.width(); ++x) {
                const int tile = (x / 16) * 7 + (y / 16) * 13;
                row[x] = qRgb((tile * 37 + x % 16 * 5) & 0xFF, (tile * 11 + y % 16 * 9) & 0xFF, (tile * 3) & 0xFF);
            }
        }
        return picture;
    }();
    return image;
}

QString scratchFile() {
    static QTemporaryDir dir;
    return dir.filePath(QStringLiteral("out.png"));
}

void BM_WritePng(benchmark::State& state) {
    const QImage& image = levelPicture();
    for (auto _ : state) {
        benchmark::DoNotOptimize(PngWriter::write(image, scratchFile()));
    }
}
BENCHMARK(BM_WritePng)->Unit(benchmark::kMillisecond)->UseRealTime();

// The plainest way to the same file size: the rows as RGB with a filter byte, deflated at the fastest level
// in one piece on one core, and written; no PNG chunks, no palette test.
void BM_WritePng_Baseline(benchmark::State& state) {
    const QImage& image = levelPicture();
    const auto rowBytes = static_cast<size_t>(1 + image.width() * 3);
    std::vector<Bytef> raw(rowBytes * static_cast<size_t>(image.height()));
    std::vector<Bytef> packed(compressBound(static_cast<uLong>(raw.size())));
    for (auto _ : state) {
        Bytef* out = raw.data();
        for (int y = 0; y < image.height(); ++y) {
            const auto* in = reinterpret_cast<const QRgb*>(image.constScanLine(y));
            *out++ = 0;
            for (int x = 0; x < image.width(); ++x) {
                *out++ = static_cast<Bytef>(qRed(in[x]));
                *out++ = static_cast<Bytef>(qGreen(in[x]));
                *out++ = static_cast<Bytef>(qBlue(in[x]));
            }
        }
        uLongf size = static_cast<uLongf>(packed.size());
        compress2(packed.data(), &size, raw.data(), static_cast<uLong>(raw.size()), 1);
        QSaveFile file(scratchFile());
        file.open(QIODevice::WriteOnly);
        file.write(reinterpret_cast<const char*>(packed.data()), static_cast<qint64>(size));
        benchmark::DoNotOptimize(file.commit());
    }
}
BENCHMARK(BM_WritePng_Baseline)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
