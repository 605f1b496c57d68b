#include <benchmark/benchmark.h>
#include <QCryptographicHash>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QSaveFile>
#include <QTemporaryDir>
#include <cstring>
#include <memory>
#include <vector>

#include "history/Changes.h"
#include "model/CellRecord.h"
#include "model/FileStamp.h"
#include "model/Level.h"
#include "model/LevelFile.h"
#include "model/RadarColor.h"
#include "model/RecoverySnapshot.h"

namespace {

QTemporaryDir& scratch() {
    static QTemporaryDir dir;
    return dir;
}

// Every cell in use, tiles cycling through the ordinary numbers.
int16_t tileFor(int x, int y) {
    return static_cast<int16_t>(1 + (x * 7 + y * 13) % 190);
}

QString fullLevelFile() {
    static const QString path = [] {
        const QString p = scratch().filePath(QStringLiteral("full.lvl"));
        QByteArray bytes(1024 * 1024 * 4, '\0');
        auto* out = reinterpret_cast<uint8_t*>(bytes.data());
        for (int y = 0; y < 1024; ++y) {
            for (int x = 0; x < 1024; ++x, out += 4) {
                CellRecord::store(out, CellRecord::pack(x, y, tileFor(x, y)));
            }
        }
        QFile f(p);
        f.open(QIODevice::WriteOnly);
        f.write(bytes);
        return p;
    }();
    return path;
}

void BM_OpenMap(benchmark::State& state) {
    const QString path = fullLevelFile();
    for (auto _ : state) {
        auto level = std::make_unique<Level>();
        benchmark::DoNotOptimize(LevelFile::openLevel(*level, path).kept);
    }
}
BENCHMARK(BM_OpenMap)->Unit(benchmark::kMillisecond);

void BM_OpenMap_Baseline(benchmark::State& state) {
    const QString path = fullLevelFile();
    for (auto _ : state) {
        std::vector<int16_t> grid(1024 * 1024, 0);
        QImage overview(1024, 1024, QImage::Format_RGB32);
        QFile f(path);
        f.open(QIODevice::ReadOnly);
        const QByteArray bytes = f.readAll();
        const auto* in = reinterpret_cast<const uint8_t*>(bytes.constData());
        for (qsizetype i = 0; i + 4 <= bytes.size(); i += 4) {
            const auto r = CellRecord::unpack(CellRecord::load(in + i));
            grid[static_cast<size_t>(r.row * 1024 + r.column)] = static_cast<int16_t>(r.tile);
        }
        for (int y = 0; y < 1024; ++y) {
            auto* line = reinterpret_cast<QRgb*>(overview.scanLine(y));
            for (int x = 0; x < 1024; ++x) {
                line[x] = radarColor(grid[static_cast<size_t>(y * 1024 + x)]);
            }
        }
        benchmark::DoNotOptimize(grid.data());
        benchmark::DoNotOptimize(overview.bits());
    }
}
BENCHMARK(BM_OpenMap_Baseline)->Unit(benchmark::kMillisecond);

Level& fullLevel() {
    static Level level;
    static bool filled = [] {
        for (int16_t y = 0; y < 1024; ++y) {
            for (int16_t x = 0; x < 1024; ++x) {
                level.putTile(x, y, tileFor(x, y));
            }
        }
        return true;
    }();
    (void)filled;
    return level;
}

void BM_SaveMap(benchmark::State& state) {
    Level& level = fullLevel();
    const QString path = scratch().filePath(QStringLiteral("saved.lvl"));
    for (auto _ : state) {
        benchmark::DoNotOptimize(LevelFile::saveLevel(level, path).isEmpty());
    }
}
BENCHMARK(BM_SaveMap)->Unit(benchmark::kMillisecond);

// Same records, same QSaveFile durability, and the same previous-version copy a save keeps.
void BM_SaveMap_Baseline(benchmark::State& state) {
    Level& level = fullLevel();
    const QString path = scratch().filePath(QStringLiteral("baseline.lvl"));
    for (auto _ : state) {
        QByteArray bytes(1024 * 1024 * 4, '\0');
        auto* out = reinterpret_cast<uint8_t*>(bytes.data());
        const int16_t* cells = level.cells();
        qsizetype n = 0;
        for (int i = 0; i < 1024 * 1024; ++i) {
            if (cells[i] > 0) {
                CellRecord::store(out + 4 * n++, CellRecord::pack(i % 1024, i / 1024, cells[i]));
            }
        }
        bytes.truncate(n * 4);
        QFile::remove(path + QStringLiteral(".bak"));
        QFile::copy(path, path + QStringLiteral(".bak"));
        QSaveFile f(path);
        f.open(QIODevice::WriteOnly);
        f.write(bytes);
        benchmark::DoNotOptimize(f.commit());
    }
}
BENCHMARK(BM_SaveMap_Baseline)->Unit(benchmark::kMillisecond);

// The UI thread's share of a recovery copy of a full level; encoding and writing run on a worker.
void BM_RecoverySnapshot(benchmark::State& state) {
    const Level& level = fullLevel();
    const QString caption = QStringLiteral("full.lvl");
    for (auto _ : state) {
        benchmark::DoNotOptimize(RecoverySnapshot::take(level, caption).cells.data());
    }
}
BENCHMARK(BM_RecoverySnapshot)->Unit(benchmark::kMicrosecond);

// A plain copy of the 2 MiB grid into fresh memory.
void BM_RecoverySnapshot_Baseline(benchmark::State& state) {
    const Level& level = fullLevel();
    for (auto _ : state) {
        constexpr size_t cells = static_cast<size_t>(Level::Size) * Level::Size;
        const auto copy = std::make_unique_for_overwrite<int16_t[]>(cells);
        std::memcpy(copy.get(), level.cells(), cells * sizeof(int16_t));
        benchmark::DoNotOptimize(copy.get());
    }
}
BENCHMARK(BM_RecoverySnapshot_Baseline)->Unit(benchmark::kMicrosecond);

// What a recovery copy remembers of a full level's file when it begins, on the UI thread, once a copy.
void BM_FileStamp(benchmark::State& state) {
    const QString path = fullLevelFile();
    for (auto _ : state) {
        benchmark::DoNotOptimize(FileStamp::of(path).known());
    }
}
BENCHMARK(BM_FileStamp)->Unit(benchmark::kMillisecond);

// The file read whole and hashed in one go.
void BM_FileStamp_Baseline(benchmark::State& state) {
    const QString path = fullLevelFile();
    for (auto _ : state) {
        QFile f(path);
        f.open(QIODevice::ReadOnly);
        benchmark::DoNotOptimize(QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha256).size());
    }
}
BENCHMARK(BM_FileStamp_Baseline)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
