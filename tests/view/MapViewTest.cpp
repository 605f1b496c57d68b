#include <QApplication>
#include <QPainter>
#include <QTest>
#include <QVBoxLayout>
#include <QWheelEvent>

#include "ViewFixture.h"
#include "history/Changes.h"
#include "model/ObjectProcedures.h"
#include "view/Pixels.h"

namespace {

using MapViewTest = ViewFixture;
using namespace Pixels;

// Where the ranges end follows from the cell-boundary test below; the steps show in the wheel and arrow key tests.
TEST_F(MapViewTest, ScrollRangesStayWithinSixteenBits) {
    zoomTo(2.0f);
    // A view narrower than 17 pixels would need a range past the 16-bit scroll values.
    view.resize(10 + 17, 505 + 17);
    view.UpdateScrollBars(false);
    EXPECT_EQ(view.hScrollBar->maximum(), 32767 / 32 * 32);
}

TEST_F(MapViewTest, ScrollValuesRedrawOnlyWhenTheCallerAsks) {
    zoomTo(1.0f / 16);
    int before = previews;
    view.setScrollBarValues(5000, 5000, false);
    EXPECT_EQ(origin(), QPoint(351, 519));
    EXPECT_EQ(previews, before);
    EXPECT_FALSE(view.noScrollRedraw);
    view.UpdateLevel();
    EXPECT_EQ(previews, before + 1);

    // A new range lowers the value and redraws only when asked.
    zoomTo(1.0f);
    view.setScrollBarValues(15712, 15888, false);
    view.resize(800 + 17, 505 + 17);
    before = previews;
    view.UpdateScrollBars(false);
    EXPECT_EQ(view.hScrollBar->value(), 16384 - 800);
    EXPECT_EQ(previews, before);
    view.noScrollRedraw = false;
    view.resize(900 + 17, 505 + 17);
    before = previews;
    view.UpdateScrollBars(true);
    EXPECT_EQ(view.hScrollBar->value(), 16 * 968);
    EXPECT_EQ(previews, before + 1);
}

TEST_F(MapViewTest, ScrollValuesLandOnCellBoundariesAtEveryZoom) {
    for (const float zoom : {1.0f / 16, 0.25f, 0.5f, 1.0f, 2.0f}) {
        zoomTo(zoom);
        const int t = static_cast<int>(zoom * 16);
        for (QScrollBar* bar : {view.hScrollBar, view.vScrollBar}) {
            const int size = bar == view.hScrollBar ? view.picpreview->width() : view.picpreview->height();
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
}

TEST_F(MapViewTest, ToolPreviewIsWipedByTheNextUpdatePreview) {
    grid = true;
    write(515, 510, 7, false);
    view.UpdateLevel();
    const QImage shown = view.picpreview->image.copy();
    QImage& surface = view.picpreview->image;

    for (const bool refresh : {false, true}) {
        QPainter(&surface).fillRect(100, 100, 50, 30, Qt::yellow);
        view.updatePreview(refresh);
        EXPECT_EQ(surface, shown) << refresh;
    }

    // A painter kept open across the redraw, as a shape preview does.
    QPainter open(&surface);
    view.updatePreview(true);
    open.drawLine(0, 200, 600, 200);
    open.end();
    view.updatePreview(true);
    EXPECT_EQ(surface, shown);

    // A single written cell brings the view up to date, the preview included.
    QPainter(&surface).drawLine(0, 10, 600, 10);
    write(516, 510, 8, true);
    const QImage edited = surface.copy();
    view.UpdateLevel();
    EXPECT_EQ(edited, surface);
    EXPECT_NE(edited, shown);
}

TEST_F(MapViewTest, SingleCellRedrawsMatchAFullRedraw) {
    grid = true;
    numbers = true;
    view.UpdateLevel();
    for (const float zoom : {1.0f, 2.0f, 0.25f, 1.0f / 16}) {
        zoomTo(zoom);
        Changes batch;
        ObjectProcedures::PlaceObject(level, 219, 510, 510, batch, true);
        write(517, 512, 40, true);
        write(518, 512, 171, true);
        write(517, 512, 0, true);
        ObjectProcedures::PlaceObject(level, 217, 520, 509, batch, false);
        view.updatePreview(true);
        const QImage incremental = view.picpreview->image.copy();
        view.UpdateLevel();
        EXPECT_EQ(incremental, view.picpreview->image) << zoom;
    }
}

TEST_F(MapViewTest, UnrefreshedWritesReachTheViewAndTheRadarAtTheNextUpdatePreview) {
    const QImage before = view.picpreview->image.copy();
    const int radarDrawings = previews;
    write(513, 513, 9, false);
    write(600, 512, 172, true);  // inside the radar's window, outside the view: only the overview changes
    EXPECT_EQ(view.picpreview->image, before);
    EXPECT_NE(view.piclevel, before);
    EXPECT_EQ(previews, radarDrawings);
    EXPECT_EQ(level.pic1024.pixel(600, 512), Red);
    EXPECT_NE(radarBox.image.pixel(600 - 366, 512 - 366), Red);
    view.updatePreview(true);
    EXPECT_EQ(view.picpreview->image, view.piclevel);
    EXPECT_EQ(radarBox.image.pixel(600 - 366, 512 - 366), Red);
}

TEST_F(MapViewTest, RadarFollowsTheViewAndAClickMovesIt) {
    EXPECT_EQ(origin(), QPoint(7856, 7936)) << "a new view is centred";
    EXPECT_EQ(QPoint(view.radar_left, view.radar_top), QPoint(366, 366));
    EXPECT_EQ(radarBox.image.pixel(124, 129), Red);
    view.radarClick(144, 144);
    EXPECT_EQ(origin(), QPoint(7824, 7920));
    // The next click reads the origin of the radar drawn after the first one.
    const QPoint radarOrigin(view.radar_left, view.radar_top);
    EXPECT_NE(radarOrigin, QPoint(366, 366));
    view.radarClick(0, 0);
    EXPECT_EQ(origin(), QPoint(16 * (radarOrigin.x() - 21), 16 * (radarOrigin.y() - 15)));
}

TEST_F(MapViewTest, WheelScrollsAndCtrlWheelZoomsAroundThePointer) {
    const auto wheel = [this](QPoint at, int turn, Qt::KeyboardModifiers mods) {
        QWheelEvent event(at, view.picpreview->mapToGlobal(at), QPoint(), QPoint(0, turn), Qt::NoButton, mods,
                          Qt::NoScrollPhase, false);
        QApplication::sendEvent(view.picpreview, &event);
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
    view.setScrollBarValues(0, 0, false);
    wheel({300, 200}, 120, Qt::NoModifier);
    EXPECT_EQ(origin(), QPoint(0, 0));

    view.setScrollBarValues(7856, 7936, false);
    ASSERT_EQ(view.cellX(600), 528);
    ASSERT_EQ(view.cellY(40), 498);
    wheel({600, 40}, 120, Qt::ControlModifier);
    EXPECT_EQ(zoomTool.Zoom(), 2.0f);
    // Cell (528, 498) to the middle: 32 x 528 - 336 and 32 x 498 - 252, down to whole cells.
    EXPECT_EQ(origin(), QPoint(16544, 15680));
    wheel({336, 252}, -240, Qt::ControlModifier);
    EXPECT_EQ(zoomTool.Zoom(), 0.5f);
}

TEST_F(MapViewTest, LayoutStartsAtTheInitialSizeAndFollowsResizes) {
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(&view);
    window.resize(window.sizeHint());
    window.show();
    EXPECT_EQ(view.picpreview->size(), QSize(673, 505));
    view.setParent(nullptr);
    showCentred();
    const int before = previews;
    view.resize(400 + 17, 300 + 17);
    EXPECT_EQ(view.picpreview->size(), QSize(400, 300));
    EXPECT_EQ(view.picpreview->image.size(), QSize(400, 300));
    EXPECT_EQ(view.piclevel.size(), QSize(400, 300));
    EXPECT_GT(previews, before);
    EXPECT_EQ(view.hScrollBar->maximum(), 15712) << "ranges wait for the next UpdateScrollBars";
}

}  // namespace
