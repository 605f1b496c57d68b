#include <QApplication>
#include <QFrame>
#include <QHelpEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QToolTip>
#include <tuple>

#include "MapFixture.h"
#include "app/RightPanel.h"
#include "app/TilesetTileInfo.h"

class TilesetPicking : public WindowFixture {
protected:
    void SetUp() override {
        WindowFixture::SetUp();
        map = general->documents().newLevel();
        picker = general->rightPanel()->tilesetPicture();
    }
    void click(Qt::MouseButton button, QPoint at) { QTest::mouseClick(picker, button, Qt::NoModifier, at); }
    void send(QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons held) {
        QMouseEvent event(type, QPointF(at), picker->mapToGlobal(QPointF(at)), button, held, Qt::NoModifier);
        QApplication::sendEvent(picker, &event);
    }
    QPoint leftMarker() const { return general->rightPanel()->leftsel()->pos(); }
    QPoint rightMarker() const { return general->rightPanel()->rightsel()->pos(); }
    QImage tile(int n) const { return picker->image().copy(((n - 1) % 19) * 16, ((n - 1) / 19) * 16, 16, 16); }
    QImage preview(int top) const { return general->rightPanel()->tilePreview()->image().copy(1, top, 16, 16); }
    // Both tiles and markers are still the defaults.
    void expectUnchanged(int left = 1, QPoint leftAt = {0, 0}) {
        EXPECT_EQ(map->tilesetLeft(), left);
        EXPECT_EQ(map->tilesetRight(), 2);
        EXPECT_EQ(leftMarker(), leftAt);
        EXPECT_EQ(rightMarker(), QPoint(16, 0));
    }

    PictureBox* picker = nullptr;
};

TEST_F(TilesetPicking, ClicksPickTheRedAndYellowTilesOfTheActiveMapWhichTheTipThePreviewAndTheNamesShow) {
    const QLabel* names = general->findChild<TilesetTileInfo*>()->tilesLabel();
    for (const auto& [button, at, tile, marker] : {std::tuple{Qt::LeftButton, QPoint(303, 159), 190, QPoint(288, 144)},
                                                   {Qt::LeftButton, QPoint(40, 40), 41, QPoint(32, 32)},
                                                   {Qt::RightButton, QPoint(100, 5), 7, QPoint(96, 0)}}) {
        QHelpEvent help(QEvent::ToolTip, at, picker->mapToGlobal(at));
        QApplication::sendEvent(picker, &help);
        EXPECT_EQ(QToolTip::text(), QStringLiteral("Tile %1").arg(tile)) << "the tip names the tile a click picks";
        click(button, at);
        const bool left = button == Qt::LeftButton;
        EXPECT_EQ(left ? map->tilesetLeft() : map->tilesetRight(), tile) << tile;
        EXPECT_EQ(left ? leftMarker() : rightMarker(), marker) << tile;
        EXPECT_EQ(left ? map->tilesetRight() : map->tilesetLeft(), left ? 2 : 41) << tile;
    }
    EXPECT_EQ(preview(1), tile(41));
    EXPECT_EQ(names->text(), QString::fromUtf8("Left 41 \u00b7 Right 7"));

    // Another map starts from the first tiles; switching back shows the first map's own again.
    MapWindow* first = map;
    map = general->documents().newLevel();
    expectUnchanged();
    EXPECT_EQ(names->text(), QString::fromUtf8("Left 1 \u00b7 Right 2"));
    click(Qt::LeftButton, {60, 5});  // 4, into the second map
    EXPECT_EQ(map->tilesetLeft(), 4);
    general->activateMapItem(0);
    EXPECT_EQ(first->tilesetLeft(), 41);
    EXPECT_EQ(leftMarker(), QPoint(32, 32));
    EXPECT_EQ(rightMarker(), QPoint(96, 0));
    EXPECT_EQ(preview(19), tile(7));
    EXPECT_EQ(names->text(), QString::fromUtf8("Left 41 \u00b7 Right 7"));
    const QImage& small = general->rightPanel()->tilePreview()->image();
    EXPECT_EQ(small.pixel(0, 0), qRgb(255, 0, 0));
    EXPECT_EQ(small.pixel(17, 17), qRgb(255, 0, 0));
    EXPECT_EQ(small.pixel(0, 18), qRgb(255, 255, 0));
    EXPECT_EQ(small.pixel(17, 36), qRgb(255, 255, 0));
}

TEST_F(TilesetPicking, ClicksOnTheLeftOrTopEdgeAndTilesPastTheLastCellValuePickNothing) {
    // Sent as events: a click helper would take (0, 0) for "the middle of the widget".
    for (const QPoint at : {QPoint(0, 20), QPoint(20, 0), QPoint(0, 0)}) {
        for (const Qt::MouseButton button : {Qt::LeftButton, Qt::RightButton}) {
            send(QEvent::MouseButtonPress, at, button, button);
            send(QEvent::MouseButtonRelease, at, button, Qt::NoButton);
        }
    }
    expectUnchanged();
    ASSERT_GE(picker->image().height(), 224);
    click(Qt::LeftButton, {7 * 16 + 5, 13 * 16 + 5});    // tile 255
    click(Qt::LeftButton, {8 * 16 + 5, 13 * 16 + 5});    // tile 256
    click(Qt::RightButton, {18 * 16 + 5, 13 * 16 + 5});  // tile 266
    expectUnchanged(255, {7 * 16, 13 * 16});
    for (int n : {0, -1, 300}) {
        general->setLeftTile(n);
        general->setRightTile(n);
    }
    expectUnchanged(255, {7 * 16, 13 * 16});
}

TEST_F(TilesetPicking, DraggingWithTheLeftButtonKeepsPickingAndReleasingHandsTheKeyboardToTheMapView) {
    general->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(general.get()));
    picker->setFocus();
    send(QEvent::MouseButtonPress, {5, 5}, Qt::LeftButton, Qt::LeftButton);
    EXPECT_TRUE(general->mouseIsDown());
    send(QEvent::MouseMove, {21, 5}, Qt::NoButton, Qt::LeftButton);
    EXPECT_EQ(map->tilesetLeft(), 2);
    send(QEvent::MouseMove, {37, 5}, Qt::NoButton, Qt::LeftButton);
    send(QEvent::MouseButtonRelease, {37, 5}, Qt::LeftButton, Qt::NoButton);
    EXPECT_EQ(map->tilesetLeft(), 3);
    EXPECT_FALSE(general->mouseIsDown());
    EXPECT_TRUE(map->view()->viewSurface()->hasFocus());
    send(QEvent::MouseMove, {60, 5}, Qt::NoButton, Qt::NoButton);
    EXPECT_EQ(map->tilesetLeft(), 3);
}
