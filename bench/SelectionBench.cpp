#include <benchmark/benchmark.h>
#include <QApplication>
#include <QClipboard>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTemporaryDir>
#include <charconv>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "app/DocumentManager.h"
#include "app/MainWindow.h"
#include "app/MapWindow.h"
#include "model/Level.h"
#include "selection/TileText.h"
#include "view/MapView.h"
#include "view/PictureBox.h"

namespace {

constexpr int BlockSide = 200;

// A main window with one level whose view is 673 x 505 pixels at zoom 1, every cell filled.
struct Editor {
    Editor() {
        general = std::make_unique<MainWindow>(std::make_unique<AppDialogs>(), nullptr,
                                               dir.filePath(QStringLiteral("recent.ini")));
        general->resize(1200, 800);
        general->show();
        map = general->documents().newLevel();
        QWidget* sub = map->parentWidget();
        sub->resize(sub->size() + QSize(673, 505) - map->view()->viewSurface()->size());
        QApplication::processEvents();
        for (int y = 0; y < Level::Size; ++y) {
            for (int x = 0; x < Level::Size; ++x) {
                map->level().putTile(static_cast<int16_t>(x), static_cast<int16_t>(y),
                                     static_cast<int16_t>(1 + (x * 7 + y * 13) % 200));
            }
        }
        map->level().completeAfterLoad();
        map->view()->setScrollBarValues(0, 0, false);
        general->setCurrentTool(ToolId::Selection);
        map->redrawView();
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

// Copy of the whole map to the system clipboard as tile text, and its paste as a floating block.
void BM_CopyPasteWholeMap(benchmark::State& state) {
    Editor& e = editor();
    bool back = true;
    for (auto _ : state) {
        e.map->sel().setPasteRegion(0, 0, 1023, 1023);
        e.map->sel().copySelection();
        e.map->clip().paste();
        back =
            back && e.map->clip().pasting() && e.map->clip().getTile(1023, 1023) == e.map->level().getTile(1023, 1023);
        // Dropped as Escape drops it: the next round's selection would otherwise write it first.
        e.map->sel().stopSelecting(false);
        e.map->clip().setPasting(false);
    }
    if (!back) {
        state.SkipWithError("the block did not come back");
    }
}
BENCHMARK(BM_CopyPasteWholeMap)->Unit(benchmark::kMillisecond);

// The same numbers formatted and parsed with the standard library alone.
void BM_CopyPasteWholeMap_Baseline(benchmark::State& state) {
    const Level& level = editor().map->level();
    std::vector<int16_t> back(static_cast<size_t>(Level::Size) * Level::Size);
    for (auto _ : state) {
        std::string text = "QuarnTiles:1024:1024:";
        char number[8];
        for (size_t i = 0; i < back.size(); ++i) {
            const auto end = std::to_chars(number, number + sizeof number, level.cells()[i]).ptr;
            text.append(number, end);
            text += ':';
        }
        const char* p = text.data() + 21;
        const char* last = text.data() + text.size();
        for (int16_t& v : back) {
            p = std::from_chars(p, last, v).ptr + 1;
        }
        benchmark::DoNotOptimize(back.data());
    }
}
BENCHMARK(BM_CopyPasteWholeMap_Baseline)->Unit(benchmark::kMillisecond);

// One mouse move of a 200 x 200 block pasted from the clipboard, at zoom 1, with the view
// repainted: what a drag costs per mouse event.
void BM_DragFloatingBlock(benchmark::State& state) {
    Editor& e = editor();
    const CellRect block{0, 0, BlockSide - 1, BlockSide - 1};
    QGuiApplication::clipboard()->setText(TileText::format(e.map->level(), block));
    e.map->clip().paste();
    PictureBox* view = e.map->view()->viewSurface();
    e.send(QEvent::MouseButtonPress, QPoint(100, 100), Qt::LeftButton, Qt::LeftButton);
    int step = 0;
    for (auto _ : state) {
        // Alternately one cell left and back with the block's left part past the view's edge, so
        // every move shifts the block and changes which of its cells are visible.
        const QPoint to(-684 - (step++ % 2) * 16, 100);
        e.send(QEvent::MouseMove, to, Qt::NoButton, Qt::LeftButton);
        view->repaint();
    }
    e.send(QEvent::MouseButtonRelease, QPoint(100, 100), Qt::LeftButton, Qt::NoButton);
    if (!e.map->sel().selalreadymoved()) {
        state.SkipWithError("the block did not move");
    }
    e.map->sel().stopSelecting(true);
    e.map->clip().setPasting(false);
}
BENCHMARK(BM_DragFloatingBlock)->Unit(benchmark::kMicrosecond);

// The plainest redraw of the same move: the level image copied to the view, the block's visible
// part copied over it row by row, and the view repainted.
void BM_DragFloatingBlock_Baseline(benchmark::State& state) {
    Editor& e = editor();
    PictureBox* view = e.map->view()->viewSurface();
    const QImage level = e.map->view()->levelImage().copy();
    QImage& shown = view->image();
    const int bytes = static_cast<int>(level.sizeInBytes());
    int step = 0;
    for (auto _ : state) {
        std::memcpy(shown.bits(), level.constBits(), static_cast<size_t>(bytes));
        const int left = 16 - 16 * (step++ % 2);
        for (int y = 0; y < shown.height(); ++y) {
            std::memcpy(shown.scanLine(y) + left * 4, level.constScanLine(y),
                        static_cast<size_t>(shown.width() - left) * 4);
        }
        view->repaint();
    }
}
BENCHMARK(BM_DragFloatingBlock_Baseline)->Unit(benchmark::kMicrosecond);

}  // namespace
