#include <benchmark/benchmark.h>
#include <QAction>
#include <QApplication>
#include <QImage>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <cstring>
#include <memory>
#include <vector>

#include "app/DocumentManager.h"
#include "app/MainWindow.h"
#include "app/MapWindow.h"
#include "app/ToolBars.h"
#include "model/Level.h"
#include "model/Tileset.h"
#include "view/MapView.h"
#include "view/PictureBox.h"
#include "walls/LevelSets.h"

namespace {

constexpr int ViewWidth = 1920;
constexpr int ViewHeight = 1080;
constexpr int StrokeEvents = 200;

// One main window with one level whose view surface is 1920 x 1080 pixels.
struct Editor {
    Editor() {
        general = std::make_unique<MainWindow>(std::make_unique<AppDialogs>(), nullptr,
                                               dir.filePath(QStringLiteral("recent.ini")));
        general->resize(2400, 1500);
        general->show();
        map = general->documents().newLevel();
        QWidget* sub = map->parentWidget();
        for (int i = 0; i < 3; ++i) {
            const QSize view = map->view()->viewSurface()->size();
            sub->resize(sub->size() + QSize(ViewWidth, ViewHeight) - view);
            QApplication::processEvents();
        }
        map->view()->setScrollBarValues(0, 0, false);
        map->redrawView();
    }

    void clear() const {
        map->level().eraseTiles();
        map->level().overview().clear();
        map->level().undoStack().clearUndo();
    }

    void send(QEvent::Type type, QPoint pos, Qt::MouseButton button, Qt::MouseButtons held) const {
        PictureBox* view = map->view()->viewSurface();
        QMouseEvent e(type, pos, view->mapToGlobal(pos), button, held, Qt::NoModifier);
        QApplication::sendEvent(view, &e);
    }

    QTemporaryDir dir;
    std::unique_ptr<MainWindow> general;
    MapWindow* map = nullptr;
};

Editor& editor() {
    static Editor e;
    // The window must go while the application still exists, not with the statics after it.
    static const bool closes = [] {
        qAddPostRoutine([] { editor().general.reset(); });
        return true;
    }();
    (void)closes;
    return e;
}

// A click of the bucket on an empty map, fill in screen off, the map emptied before each round; the
// far corner must come out as `corner` says.
template <typename Corner>
void bucketWholeMap(benchmark::State& state, Editor& e, Corner corner) {
    e.general->setCurrentTool(ToolId::Bucket);
    e.general->toolBars()->fillInScreenAction()->setChecked(false);
    e.map->setTilesetLeft(5);
    for (auto _ : state) {
        state.PauseTiming();
        e.clear();
        state.ResumeTiming();
        e.send(QEvent::MouseButtonPress, QPoint(40, 40), Qt::LeftButton, Qt::LeftButton);
        e.send(QEvent::MouseButtonRelease, QPoint(40, 40), Qt::LeftButton, Qt::NoButton);
    }
    if (!corner(e.map->level().getTile(1023, 1023))) {
        state.SkipWithError("the fill did not reach the far corner");
    }
    e.general->toolBars()->fillInScreenAction()->setChecked(true);
}

void BM_BucketFillWholeMap(benchmark::State& state) {
    bucketWholeMap(state, editor(), [](int16_t tile) { return tile == 5; });
}
BENCHMARK(BM_BucketFillWholeMap)->Unit(benchmark::kMillisecond);

void BM_BucketFillWholeMap_Baseline(benchmark::State& state) {
    std::vector<int16_t> grid(1024 * 1024);
    std::vector<int32_t> queue;
    for (auto _ : state) {
        state.PauseTiming();
        std::fill(grid.begin(), grid.end(), int16_t{0});
        state.ResumeTiming();
        queue.clear();
        queue.push_back(2 * 1024 + 2);
        grid[2 * 1024 + 2] = 5;
        for (size_t head = 0; head < queue.size(); ++head) {
            const int c = queue[head] % 1024;
            const int r = queue[head] / 1024;
            const int next[4][2] = {{c + 1, r}, {c, r + 1}, {c - 1, r}, {c, r - 1}};
            for (const auto& n : next) {
                if (n[0] >= 0 && n[0] < 1024 && n[1] >= 0 && n[1] < 1024 && grid[n[1] * 1024 + n[0]] == 0) {
                    grid[n[1] * 1024 + n[0]] = 5;
                    queue.push_back(n[1] * 1024 + n[0]);
                }
            }
        }
        benchmark::DoNotOptimize(grid.data());
    }
}
BENCHMARK(BM_BucketFillWholeMap_Baseline)->Unit(benchmark::kMillisecond);

// The same fill in Random mode: every cell drawn from a set of three weighted tiles.
// Goal: at most 1.5x BM_BucketFillWholeMap.
void BM_RandomBucketWholeMap(benchmark::State& state) {
    Editor& e = editor();
    LevelSets& sets = e.map->levelSets();
    sets = LevelSets();
    sets.addRandomSet(RandomSet(QStringLiteral("Floor"), {{21, 10}, {22, 3}, {23, 1}}));
    sets.setCurrentRandomSet(0);
    e.general->toolBars()->togglePaintMode(PaintMode::Random);
    bucketWholeMap(state, e, [](int16_t tile) { return tile >= 21 && tile <= 23; });
    e.general->toolBars()->togglePaintMode(PaintMode::Plain);
}
BENCHMARK(BM_RandomBucketWholeMap)->Unit(benchmark::kMillisecond);

// The drag of one stroke: a zig-zag over the view, one cell or more per event.
QPoint strokePoint(int i) {
    return {20 + (i * 37) % (ViewWidth - 40), 20 + (i * 11) % (ViewHeight - 40)};
}

void BM_PencilStroke(benchmark::State& state) {
    Editor& e = editor();
    e.general->setCurrentTool(ToolId::Pencil);
    e.map->setLineWidth(2);
    e.map->setTilesetLeft(5);
    for (auto _ : state) {
        e.send(QEvent::MouseButtonPress, strokePoint(0), Qt::LeftButton, Qt::LeftButton);
        for (int i = 1; i < StrokeEvents - 1; ++i) {
            e.send(QEvent::MouseMove, strokePoint(i), Qt::NoButton, Qt::LeftButton);
        }
        e.send(QEvent::MouseButtonRelease, strokePoint(StrokeEvents - 1), Qt::LeftButton, Qt::NoButton);
    }
    state.counters["per_event"] =
        benchmark::Counter(StrokeEvents, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
    e.map->setLineWidth(0);
}
BENCHMARK(BM_PencilStroke)->Unit(benchmark::kMillisecond);

// The same cells written into a plain grid, and one plain copy of a 1920 x 1080 image per event.
void BM_PencilStroke_Baseline(benchmark::State& state) {
    std::vector<int16_t> grid(1024 * 1024);
    QImage kept(ViewWidth, ViewHeight, QImage::Format_RGB32);
    kept.fill(Qt::black);
    QImage shown(ViewWidth, ViewHeight, QImage::Format_RGB32);
    for (auto _ : state) {
        QPoint last = strokePoint(0) / 16;
        for (int i = 0; i < StrokeEvents; ++i) {
            const QPoint p = strokePoint(i) / 16;
            const int steps = std::max(std::abs(p.x() - last.x()), std::abs(p.y() - last.y()));
            for (int s = 0; s <= steps; ++s) {
                const int x = last.x() + (steps ? (p.x() - last.x()) * s / steps : 0);
                const int y = last.y() + (steps ? (p.y() - last.y()) * s / steps : 0);
                for (int dy = -1; dy <= 2; ++dy) {
                    for (int dx = -1; dx <= 2; ++dx) {
                        if (x + dx >= 0 && y + dy >= 0) {
                            grid[static_cast<size_t>((y + dy) * 1024 + x + dx)] = 5;
                        }
                    }
                }
            }
            std::memcpy(shown.bits(), kept.constBits(), static_cast<size_t>(kept.sizeInBytes()));
            last = p;
        }
        benchmark::DoNotOptimize(shown.constBits());
    }
    state.counters["per_event"] =
        benchmark::Counter(StrokeEvents, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_PencilStroke_Baseline)->Unit(benchmark::kMillisecond);

void BM_LinePreview(benchmark::State& state) {
    Editor& e = editor();
    e.clear();
    e.map->magnifier().zoomOut(0, 0);
    e.map->magnifier().zoomOut(0, 0);
    e.map->view()->setScrollBarValues(0, 0, false);
    e.map->redrawView();
    e.general->setCurrentTool(ToolId::Line);
    e.map->setTilesetLeft(5);
    // T = 4: a horizontal line from column 2 to column 1001, about half of it inside the view.
    const QPoint start(10, 400);
    const QPoint ends[2] = {QPoint(4006, 400), QPoint(4006, 404)};
    e.send(QEvent::MouseButtonPress, start, Qt::LeftButton, Qt::LeftButton);
    int i = 0;
    for (auto _ : state) {
        e.send(QEvent::MouseMove, ends[i++ % 2], Qt::NoButton, Qt::LeftButton);
    }
    e.send(QEvent::MouseButtonRelease, QPoint(-100, -100), Qt::LeftButton, Qt::NoButton);
    e.map->magnifier().zoomIn(0, 0);
    e.map->magnifier().zoomIn(0, 0);
}
BENCHMARK(BM_LinePreview)->Unit(benchmark::kMicrosecond);

// A plain copy of the kept view and the visible cells of the line copied from the tile picture.
void BM_LinePreview_Baseline(benchmark::State& state) {
    QImage kept(ViewWidth, ViewHeight, QImage::Format_RGB32);
    kept.fill(Qt::black);
    QImage shown(ViewWidth, ViewHeight, QImage::Format_RGB32);
    QImage tile(4, 4, QImage::Format_RGB32);
    tile.fill(Qt::gray);
    for (auto _ : state) {
        std::memcpy(shown.bits(), kept.constBits(), static_cast<size_t>(kept.sizeInBytes()));
        for (int c = 2; c <= 1001; ++c) {
            const int px = c * 4;
            if (px + 4 > ViewWidth) {
                break;
            }
            for (int y = 0; y < 4; ++y) {
                std::memcpy(shown.scanLine(400 + y) + px * 4, tile.constScanLine(y), 16);
            }
        }
        benchmark::DoNotOptimize(shown.constBits());
    }
}
BENCHMARK(BM_LinePreview_Baseline)->Unit(benchmark::kMicrosecond);

}  // namespace
