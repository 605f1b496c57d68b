#include <QSet>
#include <vector>

#include "MapFixture.h"
#include "app/frmGeneral.h"
#include "app/frmMain.h"

namespace {}  // namespace

class LineToolTest : public MapFixture {
protected:
    void SetUp() override {
        MapFixture::SetUp();
        useTool(ToolId::Line);
        map->setTilesetLeft(5);
        map->setTilesetRight(9);
    }
};

TEST_F(LineToolTest, LinesFollowBresenhamAndThickOnesRepeatItOverTheBrushSquare) {
    drag({at(0, 0), at(2, 1)});
    EXPECT_EQ(tile(0, 0) + tile(1, 1) + tile(2, 1), 15);
    EXPECT_EQ(count(5), 3);
    undo();
    struct Case {
        int width;
        QPoint from, to;
        QRect box;  // every written cell lies inside, and the box holds `cells` of them
    };
    const Case cases[] = {
        {0, {5, 5}, {5, 9}, {5, 5, 1, 5}},
        {0, {10, 0}, {0, 0}, {0, 0, 11, 1}},
        {1, {0, 0}, {4, 0}, {0, 0, 6, 2}},  // 2 x 2 brush: one row and column more
        {2, {10, 10}, {10, 20}, {9, 9, 4, 14}},
    };
    for (const Case& c : cases) {
        map->setLineWidth(c.width);
        drag({at(c.from.x(), c.from.y()), at(c.to.x(), c.to.y())});
        const QRect b = c.box;
        EXPECT_EQ(count(5, b.left(), b.top(), b.right(), b.bottom()), b.width() * b.height()) << c.width;
        EXPECT_EQ(count(5), b.width() * b.height()) << c.width;
        undo();
    }
}

TEST_F(LineToolTest, RectangleWritesOnlyItsOutlineAsOneStep) {
    put(3, 3, 77);
    useTool(ToolId::Rectangle);
    drag({at(2, 2), at(7, 7), at(5, 4)});
    EXPECT_EQ(count(5), 10);
    EXPECT_EQ(count(5, 2, 2, 5, 2), 4);
    EXPECT_EQ(count(5, 2, 4, 5, 4), 4);
    EXPECT_EQ(tile(3, 3), 77);
    EXPECT_EQ(tile(4, 3), 0);
    EXPECT_EQ(undoSteps(), 1);
}

TEST_F(LineToolTest, EllipseIsAClosedRingThroughItsBoxMiddles) {
    useTool(ToolId::Ellipse);
    drag({at(0, 0), at(4, 9), at(10, 10)});
    EXPECT_EQ(undoSteps(), 1);
    for (const QPoint p : {QPoint(10, 5), QPoint(5, 10), QPoint(0, 5), QPoint(5, 0)}) {
        EXPECT_GT(count(5, p.x() - 1, p.y() - 1, p.x() + 1, p.y() + 1), 0) << p.x() << "," << p.y();
    }
    // Closed: walking 4-connected from the centre through unwritten cells never leaves the box.
    ASSERT_EQ(tile(5, 5), 0);
    std::vector<QPoint> todo{{5, 5}};
    QSet<int> seen{5 * 1024 + 5};
    while (!todo.empty()) {
        const QPoint p = todo.back();
        todo.pop_back();
        ASSERT_TRUE(p.x() > 0 && p.x() < 10 && p.y() > 0 && p.y() < 10) << p.x() << "," << p.y();
        for (const QPoint d : {QPoint(1, 0), QPoint(-1, 0), QPoint(0, 1), QPoint(0, -1)}) {
            const QPoint n = p + d;
            if (tile(n.x(), n.y()) != 5 && !seen.contains(n.y() * 1024 + n.x())) {
                seen.insert(n.y() * 1024 + n.x());
                todo.push_back(n);
            }
        }
    }
}

TEST_F(LineToolTest, PreviewIsDrawnOnTheViewOnlyAndWipedByTheNextRedraw) {
    ASSERT_NE(tilePicture(5), shown(3, 3));
    press(at(0, 3));
    moveTo(at(6, 3));
    EXPECT_EQ(count(5), 0);
    EXPECT_EQ(shown(3, 3), tilePicture(5));
    // The next cell repaints the view first, so only the line to the new cell is shown.
    moveTo(at(0, 8));
    EXPECT_NE(shown(6, 3), tilePicture(5));
    EXPECT_EQ(shown(0, 6), tilePicture(5));
    map->updatePreview(true);
    EXPECT_NE(shown(0, 6), tilePicture(5));
    release(at(0, 8));
    EXPECT_EQ(count(5), 6);
    EXPECT_EQ(shown(0, 6), tilePicture(5));
}

TEST_F(LineToolTest, ReleaseOutsideTheGridDropsTheGesture) {
    drag({at(1, 1), at(3, 1)});
    drag({at(5, 5), at(8, 8), QPoint(-30, 40)});
    EXPECT_EQ(count(5), 3);
    EXPECT_EQ(undoSteps(), 1);
    EXPECT_NE(shown(8, 8), tilePicture(5));
}

TEST_F(LineToolTest, LinesEmptyTheSpecialTilesTheyCrossAndNeverDrawOne) {
    putObject(10, 10, 219);
    drag({at(8, 12), at(20, 12)});
    EXPECT_EQ(count(219), 0);
    EXPECT_EQ(count(-1), 0);
    EXPECT_EQ(count(5, 10, 10, 15, 15), 6);
    EXPECT_EQ(count(0, 10, 10, 15, 15), 30);
    map->setTilesetLeft(217);
    drag({at(1, 1), at(9, 1)});
    EXPECT_EQ(count(0, 0, 0, 9, 9), 100);
    EXPECT_EQ(undoSteps(), 1);
}
