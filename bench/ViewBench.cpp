#include <benchmark/benchmark.h>
#include <QApplication>
#include <QImage>
#include <cstring>
#include <memory>

#include "model/Level.h"
#include "model/Tileset.h"
#include "view/Magnifier.h"
#include "view/MapView.h"
#include "view/MapViewHost.h"
#include "view/PictureBox.h"

namespace {

constexpr int ViewWidth = 1920;
constexpr int ViewHeight = 1080;

// A map window reduced to its view: zoom 2, a full HD view, the radar of the main window.
struct Window : MapViewHost {
    Window() {
        for (int y = 0; y < Level::Size; ++y) {
            for (int x = 0; x < Level::Size; ++x) {
                level.putTile(static_cast<int16_t>(x), static_cast<int16_t>(y),
                              static_cast<int16_t>(1 + (x * 7 + y * 13) % 190));
            }
        }
        level.completeAfterLoad();
        zoom.setParent(&view);
        view.resize(ViewWidth + 17, ViewHeight + 17);
        view.layoutSurfaces();
        view.centreView();
        zoom.zoomIn(512, 512);
        radarBox.resizeImage(QSize(288, 288));
    }
    float zoomFactor() const override { return zoom.zoomFactor(); }
    bool showGrid() const override { return false; }
    bool showTileNumbers() const override { return false; }
    SelectionState selectionState() const override { return SelectionState::None; }
    void stopSelecting(bool) override {}
    QRect drawSelectionOnPreview(bool) override { return {}; }
    std::optional<QRectF> radarSelectionFrame() const override { return std::nullopt; }
    PictureBox* radar() override { return &radarBox; }
    void clearMouseIsDown() override {}

    Level level;
    MapView view{level, *this};
    Magnifier zoom;
    PictureBox radarBox;
};

Window& window() {
    static Window w;
    return w;
}

// Copies the T x T tile of cell value n from the zoomed tileset to (px, py) of `to`, row by row.
void copyTile(QImage& to, const QImage& tiles, int n, int px, int py, int t) {
    const QRect from = Tileset::tileSource(n, t);
    const int w = std::min(t, to.width() - px);
    const int h = std::min(t, to.height() - py);
    for (int row = 0; row < h; ++row) {
        std::memcpy(to.scanLine(py + row) + px * 4, tiles.constScanLine(from.y() + row) + from.x() * 4,
                    static_cast<size_t>(w) * 4);
    }
}

void BM_UpdateLevel(benchmark::State& state) {
    Window& w = window();
    for (auto _ : state) {
        w.view.redrawView();
        benchmark::DoNotOptimize(w.view.viewSurface()->image().constBits());
    }
}
BENCHMARK(BM_UpdateLevel)->Unit(benchmark::kMillisecond);

void BM_UpdateLevel_Baseline(benchmark::State& state) {
    Window& w = window();
    const ViewTransform tf = w.view.transform();
    const QImage& tiles = w.level.tileset().zoomedTiles();
    const int t = static_cast<int>(tf.cellSize());
    QImage out(ViewWidth, ViewHeight, QImage::Format_RGB32);
    for (auto _ : state) {
        for (int y = tf.startY(); y <= tf.endY(); ++y) {
            for (int x = tf.startX(); x <= tf.endX(); ++x) {
                copyTile(out, tiles, w.level.getTile(static_cast<int16_t>(x), static_cast<int16_t>(y)),
                         t * (x - tf.startX()), t * (y - tf.startY()), t);
            }
        }
        benchmark::DoNotOptimize(out.constBits());
    }
}
BENCHMARK(BM_UpdateLevel_Baseline)->Unit(benchmark::kMillisecond);

void BM_UpdateLevelTile(benchmark::State& state) {
    Window& w = window();
    w.view.redrawView();
    for (auto _ : state) {
        w.view.redrawCell(515, 515, true);
        benchmark::DoNotOptimize(w.view.viewSurface()->image().constBits());
    }
}
BENCHMARK(BM_UpdateLevelTile)->Unit(benchmark::kMicrosecond);

// The least an edit of one cell must do to be seen: its tile into the view image and the screen
// image, and the radar window copied from the overview.
void BM_UpdateLevelTile_Baseline(benchmark::State& state) {
    Window& w = window();
    const QImage& tiles = w.level.tileset().zoomedTiles();
    QImage hidden(ViewWidth, ViewHeight, QImage::Format_RGB32);
    QImage shown(ViewWidth, ViewHeight, QImage::Format_RGB32);
    QImage radar(288, 288, QImage::Format_RGB32);
    const QImage& overview = w.level.overview().picture();
    const QList<QRgb> palette = overview.colorTable();
    for (auto _ : state) {
        copyTile(hidden, tiles, w.level.getTile(515, 515), 320, 320, 32);
        copyTile(shown, tiles, w.level.getTile(515, 515), 320, 320, 32);
        for (int row = 0; row < 288; ++row) {
            const uchar* in = overview.constScanLine(366 + row) + 366;
            auto* out = reinterpret_cast<QRgb*>(radar.scanLine(row));
            for (int x = 0; x < 288; ++x) {
                out[x] = palette[in[x]];
            }
        }
        benchmark::DoNotOptimize(shown.constBits());
        benchmark::DoNotOptimize(radar.constBits());
    }
}
BENCHMARK(BM_UpdateLevelTile_Baseline)->Unit(benchmark::kMicrosecond);

}  // namespace
