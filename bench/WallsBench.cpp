#include <benchmark/benchmark.h>

#include <vector>

#include "model/Level.h"
#include "model/LevelEdit.h"
#include "walls/LevelSets.h"
#include "walls/RandomDraw.h"
#include "walls/WallPainter.h"

namespace {

constexpr int Cells = Level::Size * Level::Size;
const CellRect wholeMap{0, 0, Level::Size - 1, Level::Size - 1};

// An empty level with no history, as each round starts from.
Level& emptyLevel() {
    static Level level;
    level.eraseTiles();
    level.undoStack().clearUndo();
    return level;
}

LevelSets brickSets() {
    LevelSets sets;
    std::array<int16_t, WallSet::Entries> tiles{};
    for (int i = 0; i < WallSet::Entries; ++i) {
        tiles[static_cast<size_t>(i)] = static_cast<int16_t>(101 + i);
    }
    sets.addWallSet(WallSet(QStringLiteral("Brick"), tiles));
    return sets;
}

// A wall rectangle over the whole map: every cell written once with its joined piece, as one undo step.
// Goal: at most 2x the baseline.
void BM_WallRectangleWholeMap(benchmark::State& state) {
    const LevelSets sets = brickSets();
    const WallPainter painter(sets, 0);
    for (auto _ : state) {
        state.PauseTiming();
        Level& level = emptyLevel();
        state.ResumeTiming();
        LevelEdit edit(level);
        painter.paintRect(edit, wholeMap);
        edit.commit(EditTransaction::Redraw::None);
        benchmark::DoNotOptimize(level.cells());
    }
    state.SetItemsProcessed(state.iterations() * Cells);
}
BENCHMARK(BM_WallRectangleWholeMap)->Unit(benchmark::kMillisecond);

// The same cells written with one tile through an edit and committed: the least any whole-map edit costs.
void BM_WallRectangleWholeMap_Baseline(benchmark::State& state) {
    for (auto _ : state) {
        state.PauseTiming();
        Level& level = emptyLevel();
        state.ResumeTiming();
        LevelEdit edit(level);
        for (int y = 0; y < Level::Size; ++y) {
            for (int x = 0; x < Level::Size; ++x) {
                edit.setTile(x, y, 116);
            }
        }
        edit.commit(EditTransaction::Redraw::None);
        benchmark::DoNotOptimize(level.cells());
    }
    state.SetItemsProcessed(state.iterations() * Cells);
}
BENCHMARK(BM_WallRectangleWholeMap_Baseline)->Unit(benchmark::kMillisecond);

// A random set drawn for every cell of the map through an edit: what the draw adds to the cheapest
// whole-map edit, about 2 ns a cell. The editor's goal is on the whole-map random bucket, which
// also walks its region (BM_RandomBucketWholeMap, at most 1.5x the plain bucket).
void BM_RandomWholeMap(benchmark::State& state) {
    const RandomDraw draw(RandomSet(QStringLiteral("Floor"), {{21, 10}, {22, 3}, {23, 1}, {24, 1}, {25, 0}, {26, 5}}));
    uint32_t gesture = 0;
    std::vector<int16_t> row(Level::Size);
    for (auto _ : state) {
        state.PauseTiming();
        Level& level = emptyLevel();
        state.ResumeTiming();
        LevelEdit edit(level);
        ++gesture;
        // Row by row, as the bucket draws its runs.
        for (int y = 0; y < Level::Size; ++y) {
            draw.drawRow(1234, y, gesture, 0, Level::Size - 1, row.data());
            for (int x = 0; x < Level::Size; ++x) {
                edit.setTile(x, y, row[static_cast<size_t>(x)]);
            }
        }
        edit.commit(EditTransaction::Redraw::None);
        benchmark::DoNotOptimize(level.cells());
    }
    state.SetItemsProcessed(state.iterations() * Cells);
}
BENCHMARK(BM_RandomWholeMap)->Unit(benchmark::kMillisecond);

void BM_RandomWholeMap_Baseline(benchmark::State& state) {
    BM_WallRectangleWholeMap_Baseline(state);
}
BENCHMARK(BM_RandomWholeMap_Baseline)->Unit(benchmark::kMillisecond);

}  // namespace
