#include <benchmark/benchmark.h>
#include <QImage>
#include <utility>
#include <vector>

#include "model/CellRecord.h"
#include "model/Level.h"
#include "model/RadarColor.h"

namespace {

constexpr int Cells = Level::Size * Level::Size;

// A whole-map replace that touches every cell, its undo and its redo, with the overview kept current.
// Each round replaces back what the round before put in, so every round touches every cell.
void BM_SwitchOrReplaceUndoRedo(benchmark::State& state) {
    static Level level;
    for (int16_t y = 0; y < Level::Size; ++y) {
        for (int16_t x = 0; x < Level::Size; ++x) {
            level.putTile(x, y, 5);
        }
    }
    level.completeAfterLoad();
    int16_t from = 5;
    int16_t to = 9;
    for (auto _ : state) {
        level.switchOrReplace(from, to, true);
        level.undoStack().undo();
        level.undoStack().redo();
        std::swap(from, to);
    }
    benchmark::DoNotOptimize(level.cells());
    state.SetItemsProcessed(state.iterations() * Cells);
}
BENCHMARK(BM_SwitchOrReplaceUndoRedo)->Unit(benchmark::kMillisecond);

// Three plain passes: each writes every cell, appends a 4-byte record of its old value and sets its
// overview pixel.
void BM_SwitchOrReplaceUndoRedo_Baseline(benchmark::State& state) {
    std::vector<int16_t> grid(Cells, 5);
    QImage overview(Level::Size, Level::Size, QImage::Format_RGB32);
    int16_t from = 5;
    int16_t to = 9;
    for (auto _ : state) {
        for (int pass = 0; pass < 3; ++pass) {
            const int16_t value = pass == 1 ? from : to;
            std::vector<uint32_t> records;
            for (int i = 0; i < Cells; ++i) {
                const int x = i % Level::Size;
                const int y = i / Level::Size;
                records.push_back(CellRecord::pack(x, y, grid[static_cast<size_t>(i)]));
                grid[static_cast<size_t>(i)] = value;
                reinterpret_cast<QRgb*>(overview.scanLine(y))[x] = radarColor(value) | 0xFF000000u;
            }
            benchmark::DoNotOptimize(records.data());
        }
        std::swap(from, to);
    }
    benchmark::DoNotOptimize(grid.data());
    benchmark::DoNotOptimize(overview.bits());
    state.SetItemsProcessed(state.iterations() * Cells);
}
BENCHMARK(BM_SwitchOrReplaceUndoRedo_Baseline)->Unit(benchmark::kMillisecond);

}  // namespace
