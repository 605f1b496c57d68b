#include <benchmark/benchmark.h>
#include <QFile>
#include <QTemporaryDir>
#include <charconv>
#include <memory>
#include <vector>

#include "mapformats/MapExport.h"
#include "mapformats/MapImport.h"
#include "model/Level.h"

namespace {

// Every cell in use, tiles cycling through the ordinary numbers.
const Level& fullLevel() {
    static const std::unique_ptr<Level> level = [] {
        auto l = std::make_unique<Level>();
        for (int y = 0; y < Level::Size; ++y) {
            for (int x = 0; x < Level::Size; ++x) {
                l->putTile(x, y, static_cast<int16_t>(1 + (x * 7 + y * 13) % 190));
            }
        }
        return l;
    }();
    return *level;
}

QString fullMapFile() {
    static QTemporaryDir dir;
    static const QString path = [] {
        const QString p = dir.filePath(QStringLiteral("full.tmx"));
        MapExport::write(fullLevel(), p, TileMapFormat::Encoding::Csv);
        return p;
    }();
    return path;
}

void BM_ExportTmxCsv(benchmark::State& state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(
            MapExport::text(fullLevel(), QStringLiteral("full.tmx"), TileMapFormat::Encoding::Csv));
    }
}
BENCHMARK(BM_ExportTmxCsv)->Unit(benchmark::kMillisecond);

// The same numbers as comma-separated text, one row a line, by the plainest code.
void BM_ExportTmxCsv_Baseline(benchmark::State& state) {
    for (auto _ : state) {
        QByteArray text(Level::Size * Level::Size * 5, Qt::Uninitialized);
        char* p = text.data();
        for (int y = 0; y < Level::Size; ++y) {
            for (int x = 0; x < Level::Size; ++x) {
                p = std::to_chars(p, p + 4, fullLevel().getTile(x, y)).ptr;
                *p++ = ',';
            }
            *p++ = '\n';
        }
        text.resize(p - text.data());
        benchmark::DoNotOptimize(text);
    }
}
BENCHMARK(BM_ExportTmxCsv_Baseline)->Unit(benchmark::kMillisecond);

void BM_ImportTmxCsv(benchmark::State& state) {
    const QString path = fullMapFile();
    auto level = std::make_unique<Level>();
    level->setKeepOverview(false);
    for (auto _ : state) {
        benchmark::DoNotOptimize(MapImport::import(path, {}, *level).ok());
    }
}
BENCHMARK(BM_ImportTmxCsv)->Unit(benchmark::kMillisecond);

// Reading the file and its numbers into a grid, by the plainest code.
void BM_ImportTmxCsv_Baseline(benchmark::State& state) {
    const QString path = fullMapFile();
    for (auto _ : state) {
        QFile file(path);
        file.open(QIODevice::ReadOnly);
        const QByteArray text = file.readAll();
        std::vector<int16_t> grid(static_cast<size_t>(Level::Size) * Level::Size);
        const char* p = text.constData() + text.indexOf("<data");
        p = std::find(p, text.constData() + text.size(), '>') + 1;
        for (int16_t& cell : grid) {
            while (*p < '0' || *p > '9') {
                ++p;
            }
            p = std::from_chars(p, text.constData() + text.size(), cell).ptr;
        }
        benchmark::DoNotOptimize(grid.data());
    }
}
BENCHMARK(BM_ImportTmxCsv_Baseline)->Unit(benchmark::kMillisecond);

}  // namespace
