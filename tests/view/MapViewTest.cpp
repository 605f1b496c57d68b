#include <QApplication>
#include <QPainter>
#include <QTest>
#include <QWheelEvent>
#include <tuple>

#include "MapFixture.h"
#include "model/LevelEdit.h"
#include "model/ObjectProcedures.h"
#include "view/Pixels.h"

namespace {

using namespace Pixels;

// The view of a map as it is created: centred, at zoom 1.
class MapViewTest : public MapFixture {
protected:
    void SetUp() override {
        MapFixture::SetUp();
        v().centreView();
        v().redrawView();
    }
    MapView& v() const { return *map->view(); }
    // A pixel on the view surface that only a redraw from the level image wipes.
    void mark() { view()->image().setPixel(0, 0, qRgb(255, 0, 255)); }
    bool redrawn() const { return view()->image().pixel(0, 0) != qRgb(255, 0, 255); }
};

TEST_F(MapViewTest, ScrollValuesRedrawOnlyWhenTheCallerAsks) {
    zoomTo(1.0f / 16);
    mark();
    v().setScrollBarValues(5000, 5000, false);
    EXPECT_EQ(origin(), QPoint(351, 519));
    EXPECT_FALSE(redrawn());
    EXPECT_FALSE(v().noScrollRedraw());
    v().redrawView();
    EXPECT_TRUE(redrawn());

    // A new range lowers the value and redraws only when asked.
    zoomTo(1.0f);
    v().setScrollBarValues(15712, 15888, false);
    v().resize(800 + 17, 505 + 17);
    mark();
    v().updateScrollBars(false);
    EXPECT_EQ(v().hScrollBar()->value(), 16384 - 800);
    EXPECT_FALSE(redrawn());
    v().setNoScrollRedraw(false);
    v().resize(900 + 17, 505 + 17);
    mark();
    v().updateScrollBars(true);
    EXPECT_EQ(v().hScrollBar()->value(), 16 * 968);
    EXPECT_TRUE(redrawn());
}

TEST_F(MapViewTest, ScrollValuesLandOnCellBoundariesAtEveryZoomAndRangesStayWithinSixteenBits) {
    for (const float zoom : {1.0f / 16, 0.25f, 0.5f, 1.0f, 2.0f}) {
        zoomTo(zoom);
        const int t = static_cast<int>(zoom * 16);
        for (QScrollBar* bar : {v().hScrollBar(), v().vScrollBar()}) {
            const int size = bar == v().hScrollBar() ? view()->width() : view()->height();
            EXPECT_EQ(bar->maximum() % t, 0) << zoom;
            EXPECT_GE(bar->maximum() + size, 1024 * t) << "the last cell shows in full at " << zoom;
            EXPECT_LT(bar->maximum() - t + size, 1024 * t) << zoom;
            // Set by code, dragged with the thumb (which moves the slider position), and at the end.
            for (const int value : {20, 7 * t + t / 2 + 1, 5 * t - t / 2 + 1, bar->maximum() - 1}) {
                bar->setValue(value);
                EXPECT_EQ(bar->value() % t, 0) << zoom << " " << value;
                EXPECT_LE(std::abs(bar->value() - value), t / 2) << zoom << " " << value;
                bar->setSliderPosition(value + 3 * t);
                EXPECT_EQ(bar->value() % t, 0) << zoom << " " << value;
            }
        }
    }
    // A view narrower than 17 pixels would need a range past the 16-bit scroll values.
    v().resize(10 + 17, 505 + 17);
    v().updateScrollBars(false);
    EXPECT_EQ(v().hScrollBar()->maximum(), 32767 / 32 * 32);
}

TEST_F(MapViewTest, ToolPreviewIsWipedByTheNextUpdatePreview) {
    map->setShowGrid(true);
    write(515, 510, 7, false);
    v().redrawView();
    const QImage shown = view()->image().copy();
    QImage& surface = view()->image();

    for (const bool refresh : {false, true}) {
        QPainter(&surface).fillRect(100, 100, 50, 30, Qt::yellow);
        v().updatePreview(refresh);
        EXPECT_EQ(surface, shown) << refresh;
    }

    // A painter kept open across the redraw, as a shape preview does.
    QPainter open(&surface);
    v().updatePreview(true);
    open.drawLine(0, 200, 600, 200);
    open.end();
    v().updatePreview(true);
    EXPECT_EQ(surface, shown);
}

TEST_F(MapViewTest, SingleCellRedrawsMatchAFullRedraw) {
    map->setShowGrid(true);
    map->setShowTileNumbers(true);
    v().redrawView();
    for (const float zoom : {1.0f, 2.0f, 0.25f, 1.0f / 16}) {
        zoomTo(zoom);
        LevelEdit batch(map->level());
        ObjectProcedures::placeObject(batch, 219, 510, 510, true);
        write(517, 512, 40, true);
        write(518, 512, 171, true);
        write(517, 512, 0, true);
        ObjectProcedures::placeObject(batch, 217, 520, 509, false);
        batch.commit(EditTransaction::Redraw::None);
        v().updatePreview(true);
        const QImage incremental = view()->image().copy();
        v().redrawView();
        EXPECT_EQ(incremental, view()->image()) << zoom;
    }
}

TEST_F(MapViewTest, UnrefreshedWritesReachTheViewAndTheRadarAtTheNextUpdatePreview) {
    const QImage before = view()->image().copy();
    const QImage& radar = general->radar()->image();
    write(513, 513, 9, false);
    write(600, 512, 172, true);  // inside the radar's window, outside the view: only the overview changes
    EXPECT_EQ(view()->image(), before);
    EXPECT_NE(v().levelImage(), before);
    EXPECT_EQ(map->level().overview().pixel(600, 512), Red);
    EXPECT_NE(radar.pixel(600 - 366, 512 - 366), Red);
    v().updatePreview(true);
    EXPECT_EQ(view()->image(), v().levelImage());
    EXPECT_EQ(radar.pixel(600 - 366, 512 - 366), Red);
}

// Presses on the panel's radar reach the active map's view.
TEST_F(MapViewTest, RadarFollowsTheViewAndAClickMovesIt) {
    QTest::mouseClick(general->radar(), Qt::LeftButton, {}, QPoint(144, 144));
    // The next click reads the origin of the radar drawn after the first one.
    const QPoint radarOrigin = v().radarOrigin();
    EXPECT_NE(radarOrigin, QPoint(366, 366));
    QTest::mouseClick(general->radar(), Qt::LeftButton, {}, QPoint(1, 0));  // (0, 0) would be the middle to QTest
    EXPECT_EQ(origin(), QPoint(16 * (radarOrigin.x() + 1 - 21), 16 * (radarOrigin.y() - 15)));
}

TEST_F(MapViewTest, WheelScrollsAndCtrlWheelZoomsAroundThePointer) {
    const auto wheel = [this](QPoint at, int turn, Qt::KeyboardModifiers mods) {
        QWheelEvent event(at, view()->mapToGlobal(at), QPoint(), QPoint(0, turn), Qt::NoButton, mods, Qt::NoScrollPhase,
                          false);
        QApplication::sendEvent(view(), &event);
    };
    const int step = QApplication::wheelScrollLines() * 16;
    wheel({300, 200}, -120, Qt::NoModifier);
    EXPECT_EQ(origin(), QPoint(7856, 7936 + step));
    wheel({300, 200}, -120, Qt::ShiftModifier);
    EXPECT_EQ(origin(), QPoint(7856 + step, 7936 + step));
    wheel({300, 200}, 60, Qt::NoModifier);
    EXPECT_EQ(origin().y(), 7936 + step) << "half a notch waits for the other half";
    wheel({300, 200}, 60, Qt::NoModifier);
    EXPECT_EQ(origin().y(), 7936);

    // The cell under the pointer stays there, one notch or two, in and out.
    v().setScrollBarValues(7856, 7936, false);
    const auto cellAt = [this](QPoint p) { return QPoint(v().cellX(p.x()), v().cellY(p.y())); };
    for (const auto& [at, turn, zoom] : {std::tuple{QPoint(600, 40), 120, 2.0f}, {QPoint(336, 252), -240, 0.5f}}) {
        const QPoint cell = cellAt(at);
        wheel(at, turn, Qt::ControlModifier);
        EXPECT_EQ(map->magnifier().zoomFactor(), zoom);
        EXPECT_EQ(cellAt(at), cell) << at.x() << ", " << at.y();
    }
    // At the map's last column the range wins over the pointer.
    v().setScrollBarValues(v().hScrollBar()->maximum(), 0, false);
    wheel({5, 5}, -120, Qt::ControlModifier);
    EXPECT_EQ(origin().x(), v().hScrollBar()->maximum());
}

TEST_F(MapViewTest, LayoutStartsAtTheInitialSizeAndFollowsResizes) {
    QWidget* sub = map->parentWidget();
    sub->resize(sub->sizeHint());
    QApplication::processEvents();
    EXPECT_EQ(view()->size(), QSize(673, 505));
    const int column = v().cellX(0);
    const int row = v().cellY(0);
    write(column, row, 9, true);
    v().resize(400 + 17, 300 + 17);
    EXPECT_EQ(view()->size(), QSize(400, 300));
    EXPECT_EQ(view()->image().size(), QSize(400, 300));
    EXPECT_EQ(v().levelImage().size(), QSize(400, 300));
    EXPECT_EQ(shown(column, row), tilePicture(9)) << "redrawn at the new size";
    EXPECT_EQ(v().hScrollBar()->maximum(), 15712) << "ranges wait for the next UpdateScrollBars";
}

}  // namespace
