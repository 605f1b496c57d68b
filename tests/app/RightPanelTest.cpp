#include <QApplication>
#include <QLabel>
#include <QPushButton>

#include "MapFixture.h"
#include "app/RightPanel.h"
#include "view/Pixels.h"

using PanelInWindow = WindowFixture;

TEST_F(PanelInWindow, ToggleCollapsesAndExpandsThePanel) {
    RightPanel* panel = general->rightPanel();
    const auto expectExpanded = [panel](bool expanded) {
        EXPECT_EQ(panel->togglerightpanel->text(), expanded ? "->" : "<-");
        EXPECT_EQ(panel->pictileset->isVisible(), expanded);
        EXPECT_EQ(panel->picradar->isVisible(), expanded);
        EXPECT_EQ(panel->picsmalltilepreview->isVisible(), !expanded);
    };
    expectExpanded(true);
    QTest::mouseClick(panel->togglerightpanel, Qt::LeftButton);
    expectExpanded(false);
    QTest::mouseClick(panel->togglerightpanel, Qt::LeftButton);
    expectExpanded(true);
}

TEST_F(PanelInWindow, RadarShrinksWithALowWindowAndGrowsBackCentredShowingNothingWithoutAMap) {
    RightPanel* panel = general->rightPanel();
    PictureBox* radar = general->radar();
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

    general->resize(1200, 1100);
    QApplication::processEvents();
    EXPECT_EQ(radar->size(), QSize(288, 288));
    EXPECT_EQ(radar->x(), panel->width() / 2 - 144);
    EXPECT_TRUE(Pixels::all(radar->image, radar->image.rect(), Pixels::Black));
}

TEST_F(PanelInWindow, LastMapClosingClearsTheTilesetPickerAndTheRadar) {
    MapWindow* map = general->NewMap();
    const QImage tiles = map->level().tileset.pictileset().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(general->rightPanel()->pictileset->image, tiles);
    EXPECT_TRUE(general->rightPanel()->leftsel->isVisible());
    general->radar()->image.fill(Qt::white);
    closeMap(0);
    const QImage& picker = general->rightPanel()->pictileset->image;
    const QRgb blank = picker.pixel(0, 0);
    EXPECT_EQ(picker.pixel(100, 40), blank);
    EXPECT_EQ(picker.pixel(300, 220), blank);
    EXPECT_NE(picker, tiles);
    EXPECT_FALSE(general->rightPanel()->leftsel->isVisible());
    EXPECT_EQ(general->radar()->image.pixel(5, 5), qRgb(0, 0, 0));
}
