#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QTest>

#include "AppFixture.h"
#include "app/RightPanel.h"
#include "app/frmMain.h"
#include "view/PictureBox.h"

TEST(RadarFit, RadarThatFitsKeepsItsSize) {
    EXPECT_EQ(RightPanel::fittedRadarSize(700, 344, 288), 288);
    EXPECT_EQ(RightPanel::fittedRadarSize(344 + 288 + 14, 344, 288), 288);
}

TEST(RadarFit, RadarThatNoLongerFitsTakesTheRoomLeft) {
    EXPECT_EQ(RightPanel::fittedRadarSize(344 + 287 + 14, 344, 288), 287);
    EXPECT_EQ(RightPanel::fittedRadarSize(400, 344, 288), 42);
    EXPECT_EQ(RightPanel::fittedRadarSize(344 + 14, 344, 288), 0);
}

TEST(RadarFit, PanelShorterThanTheRadarTopGivesNoRadar) {
    EXPECT_EQ(RightPanel::fittedRadarSize(300, 344, 288), 0);
    EXPECT_EQ(RightPanel::fittedRadarSize(300, 344, 0), 0);
}

TEST(RadarFit, SmallRadarGrowsBackIntoTheRoomUpToItsFullSize) {
    EXPECT_EQ(RightPanel::fittedRadarSize(500, 344, 0), 142);
    EXPECT_EQ(RightPanel::fittedRadarSize(500, 344, 100), 142);
    EXPECT_EQ(RightPanel::fittedRadarSize(1200, 344, 100), 288);
}

using PanelInWindow = AppFixture;

TEST_F(PanelInWindow, ToggleCollapsesAndExpandsThePanel) {
    RightPanel* panel = general->picRightBar;
    ASSERT_EQ(panel->togglerightpanel->text(), QStringLiteral("->"));
    EXPECT_EQ(panel->width(), 307);
    EXPECT_FALSE(panel->picsmalltilepreview->isVisible());
    QTest::mouseClick(panel->togglerightpanel, Qt::LeftButton);
    EXPECT_EQ(panel->togglerightpanel->text(), QStringLiteral("<-"));
    EXPECT_EQ(panel->width(), 27);
    EXPECT_FALSE(panel->pictileset->isVisible());
    EXPECT_FALSE(panel->picradar->isVisible());
    EXPECT_FALSE(panel->separatorLine->isVisible());
    EXPECT_FALSE(panel->Label5->isVisible());
    EXPECT_TRUE(panel->picsmalltilepreview->isVisible());
    QTest::mouseClick(panel->togglerightpanel, Qt::LeftButton);
    EXPECT_EQ(panel->togglerightpanel->text(), QStringLiteral("->"));
    EXPECT_EQ(panel->width(), 307);
    EXPECT_TRUE(panel->pictileset->isVisible());
    EXPECT_TRUE(panel->picradar->isVisible());
    EXPECT_TRUE(panel->Label5->isVisible());
    EXPECT_FALSE(panel->picsmalltilepreview->isVisible());
}

TEST_F(PanelInWindow, RadarShrinksWithALowWindowAndGrowsBackCentred) {
    RightPanel* panel = general->picRightBar;
    PictureBox* radar = general->picradar;
    EXPECT_EQ(radar->size(), QSize(288, 288));
    const int top = radar->y();
    general->resize(1200, 500);
    QApplication::processEvents();
    const int room = panel->height() - top - 14;
    ASSERT_GT(room, 0);
    ASSERT_LT(room, 288);
    EXPECT_EQ(radar->size(), QSize(room, room));
    EXPECT_EQ(radar->x(), panel->width() / 2 - room / 2);
    EXPECT_EQ(radar->image.size(), QSize(room, room));

    general->resize(1200, 200);
    QApplication::processEvents();
    EXPECT_EQ(radar->height(), 0);

    general->resize(1200, 1100);
    QApplication::processEvents();
    EXPECT_EQ(radar->size(), QSize(288, 288));
    EXPECT_EQ(radar->x(), panel->width() / 2 - 144);
}

TEST_F(PanelInWindow, ResizingWithNoMapOpenDrawsNothingInTheRadar) {
    general->resize(1200, 500);
    QApplication::processEvents();
    general->resize(1200, 900);
    QApplication::processEvents();
    const QImage& radar = general->picradar->image;
    for (int y = 0; y < radar.height(); y += 7) {
        for (int x = 0; x < radar.width(); x += 7) {
            ASSERT_EQ(radar.pixel(x, y), qRgb(0, 0, 0)) << x << "," << y;
        }
    }
}

TEST_F(PanelInWindow, LastMapClosingClearsTheTilesetPickerAndTheRadar) {
    frmMain* map = general->NewMap();
    const QImage tiles = map->level.tileset.pictileset().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(general->picRightBar->pictileset->image, tiles);
    EXPECT_TRUE(general->picRightBar->leftsel->isVisible());
    general->picradar->image.fill(Qt::white);
    closeMap(0);
    const QImage& picker = general->picRightBar->pictileset->image;
    const QRgb blank = picker.pixel(0, 0);
    EXPECT_EQ(picker.pixel(100, 40), blank);
    EXPECT_EQ(picker.pixel(300, 220), blank);
    EXPECT_NE(picker, tiles);
    EXPECT_FALSE(general->picRightBar->leftsel->isVisible());
    EXPECT_EQ(general->picradar->image.pixel(5, 5), qRgb(0, 0, 0));
}
