#include <gtest/gtest.h>
#include <tuple>

#include "model/Level.h"
#include "view/Pixels.h"
#include "view/Radar.h"

namespace {

using namespace Pixels;

class RadarTest : public ::testing::Test {
protected:
    // The initial window's 673 x 505 view with its origin at (h, v).
    static ViewTransform view(int h, int v, float zoom = 1.0f) { return {zoom, h, v, 673, 505}; }
    QPoint draw(const ViewTransform& v, const std::optional<QRectF>& selection = std::nullopt) {
        Radar::Base fresh;
        return Radar::draw(radar, level.overview().picture(), level.overview().version(), fresh, v, selection);
    }
    void mark(QPoint cell) {
        level.putTile(static_cast<int16_t>(cell.x()), static_cast<int16_t>(cell.y()), 172);
        level.redrawCell(static_cast<int16_t>(cell.x()), static_cast<int16_t>(cell.y()));
    }

    Level level;
    QImage radar{288, 288, QImage::Format_RGB32};
};

TEST_F(RadarTest, RedFrameMarksTheViewAroundItsCentreCellAndShrinksAsTheZoomGrows) {
    mark({512, 512});
    EXPECT_EQ(draw(view(7856, 7936)), QPoint(366, 366));
    for (const QRect side :
         {QRect(124, 129, 43, 1), QRect(124, 161, 43, 1), QRect(124, 129, 1, 33), QRect(166, 129, 1, 33)}) {
        EXPECT_TRUE(all(radar, side, Red)) << side.x() << "," << side.y();
    }
    EXPECT_EQ(count(radar, QRect(123, 128, 45, 35), Red), 2 * 43 + 2 * 31 + 1) << "a thin frame, the overview inside";
    EXPECT_EQ(radar.pixel(512 - 366, 512 - 366), Red);

    // hw = nearest(673 / 32 / 2 - 1) = 10: the frame runs from x = 134 to 156.
    draw(view(0, 0, 2.0f));
    EXPECT_EQ(radar.pixel(134, 140), Red);
    EXPECT_EQ(radar.pixel(156, 140), Red);
    EXPECT_EQ(count(radar, QRect(133, 140, 25, 1), Red), 2);
}

TEST_F(RadarTest, MapEdgesShowAsWhiteLinesAndNothingBeyondThem) {
    // At the largest origin the centre cell is (1003, 1009): the right edge lies at 288 - 121 - 2 = 165.
    const std::tuple<QPoint, QPoint, QPoint, int, int, QRect> cases[] = {
        {{0, 0}, {-125, -130}, {3, 4}, 125, 130, QRect(0, 0, 124, 129)},
        {{15719, 15887}, {857, 863}, {1020, 1000}, 165, 159, QRect(167, 162, 121, 126)}};
    for (const auto& [scroll, origin, cell, edgeX, edgeY, beyond] : cases) {
        mark(cell);
        EXPECT_EQ(draw(view(scroll.x(), scroll.y())), origin);
        EXPECT_TRUE(all(radar, QRect(edgeX, 0, 1, 288), White)) << edgeX;
        EXPECT_TRUE(all(radar, QRect(0, edgeY, 288, 1), White)) << edgeY;
        EXPECT_EQ(radar.pixel(cell.x() - origin.x(), cell.y() - origin.y()), Red);
        EXPECT_TRUE(all(radar, beyond, Black)) << edgeX;
    }
}

TEST_F(RadarTest, SelectionFrameIsDottedYellow) {
    const ViewTransform v = view(7856, 7936);
    draw(v);
    const QImage without = radar.copy();
    EXPECT_EQ(count(without, without.rect(), Yellow), 0);
    // Left 32, top 48, 160 x 80 pixels: x from nearest(2 + 124) to nearest(12 + 124), y from 132 to 137.
    draw(v, QRectF(32, 48, 160, 80));
    const int yellow = count(radar, QRect(126, 132, 11, 1), Yellow);
    EXPECT_GT(yellow, 2);
    EXPECT_LT(yellow, 9) << "dotted, not solid";
    draw(v);
    EXPECT_EQ(radar, without) << "the frame after it is solid again";
}

TEST_F(RadarTest, ClickBringsTheClickedCellToTheMiddleWithinTheRanges) {
    const ViewTransform v = view(7856, 7936);
    EXPECT_EQ(Radar::originForClick(v, {-125, -130}, 3, 4, 15719, 15887), QPoint(0, 0));
    EXPECT_EQ(Radar::originForClick(v, {857, 863}, 280, 280, 15719, 15887), QPoint(15719, 15887));
    // One pixel per cell: (400 + 200.7) - 336 rounds down to 264, (400 + 100) - 252 is 248.
    EXPECT_EQ(Radar::originForClick(view(7856, 7936, 1.0f / 16), {400, 400}, 200.7, 100, 351, 519), QPoint(264, 248));
}

}  // namespace

TEST_F(RadarTest, AKeptOverviewPartIsReusedOnlyWhileTheOverviewAndThePlaceStayTheSame) {
    Radar::Base base;
    QImage cached(radar.size(), QImage::Format_RGB32);
    const auto drawBoth = [&](const ViewTransform& v, const std::optional<QRectF>& selection) {
        Radar::draw(cached, level.overview().picture(), level.overview().version(), base, v, selection);
        draw(v, selection);
        return cached == radar;
    };
    EXPECT_TRUE(drawBoth(view(7856, 7936), std::nullopt));
    // Only the frame moves: the kept part is copied back under the new frame.
    EXPECT_TRUE(drawBoth(view(7856, 7936), QRectF(10, 10, 64, 48)));
    // A cell written since, and a view moved elsewhere (past the map's edge), are drawn anew.
    mark({520, 515});
    EXPECT_TRUE(drawBoth(view(7856, 7936), QRectF(10, 10, 64, 48)));
    EXPECT_EQ(cached.pixel(520 - 366, 515 - 366), Red);
    EXPECT_TRUE(drawBoth(view(0, 0), std::nullopt));
    EXPECT_TRUE(drawBoth(view(7856, 7936), std::nullopt));
}
