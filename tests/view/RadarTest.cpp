#include <gtest/gtest.h>

#include <QPainter>

#include "model/Level.h"
#include "view/DrawRectangle.h"
#include "view/Radar.h"

namespace {

const QRgb Red = qRgb(255, 0, 0);
const QRgb White = qRgb(255, 255, 255);
const QRgb Yellow = qRgb(255, 255, 0);
const QRgb Black = qRgb(0, 0, 0);

class RadarTest : public ::testing::Test {
protected:
    // The initial window's 673 x 505 view at zoom 1 with its origin at (h, v).
    static ViewTransform view(int h, int v) {
        ViewTransform t;
        t.hValue = h;
        t.vValue = v;
        t.width = 673;
        t.height = 505;
        return t;
    }
    QPoint draw(const ViewTransform& v, const std::optional<QRectF>& selection = std::nullopt) {
        return Radar::draw(radar, level.pic1024.picture(), v, selection);
    }
    void mark(int16_t x, int16_t y) {
        level.putTile(x, y, 172);
        level.UpdateLevelTile(x, y);
    }

    Level level;
    QImage radar{288, 288, QImage::Format_RGB32};
};

TEST_F(RadarTest, RedFrameMarksTheViewAroundItsCentreCell) {
    mark(512, 512);
    EXPECT_EQ(draw(view(7856, 7936)), QPoint(366, 366));
    for (int x = 124; x <= 166; ++x) {
        EXPECT_EQ(radar.pixel(x, 129), Red) << x;
        EXPECT_EQ(radar.pixel(x, 161), Red) << x;
    }
    for (int y = 129; y <= 161; ++y) {
        EXPECT_EQ(radar.pixel(124, y), Red) << y;
        EXPECT_EQ(radar.pixel(166, y), Red) << y;
    }
    EXPECT_EQ(radar.pixel(123, 129), Black);
    EXPECT_EQ(radar.pixel(167, 161), Black);
    EXPECT_EQ(radar.pixel(125, 130), Black);
    EXPECT_EQ(radar.pixel(512 - 366, 512 - 366), Red) << "the overview shows through";
}

TEST_F(RadarTest, ViewFrameShrinksAsTheZoomGrows) {
    ViewTransform twice = view(0, 0);
    twice.Zoom = 2.0f;
    draw(twice);
    // hw = nearest(673 / 32 / 2 - 1) = 10: the frame runs from x = 134 to 156.
    EXPECT_EQ(radar.pixel(134, 140), Red);
    EXPECT_EQ(radar.pixel(156, 140), Red);
    EXPECT_EQ(radar.pixel(133, 140), Black);
}

TEST_F(RadarTest, MapEdgesShowAsWhiteLinesAndNothingBeyondThem) {
    mark(3, 4);
    EXPECT_EQ(draw(view(0, 0)), QPoint(-125, -130));
    for (int i = 0; i < 288; ++i) {
        EXPECT_EQ(radar.pixel(125, i), White) << i;
        EXPECT_EQ(radar.pixel(i, 130), White) << i;
    }
    EXPECT_EQ(radar.pixel(128, 134), Red);
    for (int y = 0; y < 129; ++y) {
        for (int x = 0; x < 124; ++x) {
            ASSERT_EQ(radar.pixel(x, y), Black) << x << "," << y;
        }
    }

    // At the largest origin the centre cell is (1003, 1009), so radar_left = 857 and
    // radar_top = 863: the right edge line lies at 288 - 121 - 2 = 165, the bottom one at 159.
    mark(1020, 1000);
    EXPECT_EQ(draw(view(15719, 15887)), QPoint(857, 863));
    for (int i = 0; i < 288; ++i) {
        EXPECT_EQ(radar.pixel(165, i), White) << i;
        EXPECT_EQ(radar.pixel(i, 159), White) << i;
    }
    EXPECT_EQ(radar.pixel(1020 - 857, 1000 - 863), Red);
    EXPECT_EQ(radar.pixel(200, 200), Black);
}

TEST_F(RadarTest, TopEdgeSpansATallRadarsFullWidth) {
    radar = QImage(200, 300, QImage::Format_RGB32);
    const QPoint origin = draw(view(0, 0));
    ASSERT_LT(origin.y(), 0);
    for (int x = 0; x < 200; ++x) {
        EXPECT_EQ(radar.pixel(x, -origin.y()), White) << x;
    }
}

TEST_F(RadarTest, SelectionFrameIsDottedYellow) {
    const ViewTransform v = view(7856, 7936);
    draw(v);
    const QImage without = radar.copy();
    // Left 32, top 48, 160 x 80 pixels: x from nearest(2 + 124) to nearest(12 + 124), y from 132 to 137.
    draw(v, QRectF(32, 48, 160, 80));
    int yellow = 0;
    int other = 0;
    for (int x = 126; x <= 136; ++x) {
        (radar.pixel(x, 132) == Yellow ? yellow : other) += 1;
    }
    EXPECT_GT(yellow, 2);
    EXPECT_GT(other, 2) << "dotted, not solid";
    for (int y = 0; y < 288; ++y) {
        for (int x = 0; x < 288; ++x) {
            ASSERT_NE(without.pixel(x, y), Yellow);
        }
    }
    // The frame after it is solid again.
    draw(v);
    EXPECT_EQ(radar, without);
}

TEST_F(RadarTest, ClickBringsTheClickedCellToTheMiddleWithinTheRanges) {
    const ViewTransform v = view(7856, 7936);
    EXPECT_EQ(Radar::originForClick(v, {366, 366}, 144, 144, 15719, 15887), QPoint(7824, 7920));
    EXPECT_EQ(Radar::originForClick(v, {-125, -130}, 3, 4, 15719, 15887), QPoint(0, 0));
    EXPECT_EQ(Radar::originForClick(v, {857, 863}, 280, 280, 15719, 15887), QPoint(15719, 15887));
    // One pixel per cell: (400 + 200.7) - 336 rounds down to 264, (400 + 100) - 252 is 248.
    ViewTransform pixels = v;
    pixels.Zoom = 1.0f / 16;
    EXPECT_EQ(Radar::originForClick(pixels, {400, 400}, 200.7, 100, 351, 519), QPoint(264, 248));
}

TEST(DrawRectangle, DrawsTheOutlineGrownByTheOffsetAndKeepsThePenColour) {
    QImage image(40, 40, QImage::Format_RGB32);
    image.fill(Qt::black);
    QPainter p(&image);
    p.setPen(QColor(1, 2, 3));
    DrawRectangle(p, 10, 20, 12, 18, QColor(255, 0, 0), 2);
    EXPECT_EQ(p.pen().color(), QColor(1, 2, 3));
    p.end();
    EXPECT_EQ(image.pixel(8, 10), Red);
    EXPECT_EQ(image.pixel(22, 20), Red);
    EXPECT_EQ(image.pixel(15, 10), Red);
    EXPECT_EQ(image.pixel(8, 15), Red);
    EXPECT_EQ(image.pixel(10, 12), Black);
    EXPECT_EQ(image.pixel(15, 15), Black);
}

}  // namespace
