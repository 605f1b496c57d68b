#include <QApplication>

#include "MapFixture.h"
#include "app/RightPanel.h"
#include "view/Pixels.h"

using PanelInWindow = WindowFixture;

TEST_F(PanelInWindow, RadarShrinksWithALowWindowAndGrowsBackShowingNothingWithoutAMap) {
    RightPanel* panel = general->rightPanel();
    PictureBox* radar = general->radar();
    const int top = radar->y();
    general->resize(1200, 500);
    QApplication::processEvents();
    const int room = panel->height() - top - 14;
    ASSERT_GT(room, 0);
    ASSERT_LT(room, 288);
    EXPECT_EQ(radar->size(), QSize(room, room));
    EXPECT_EQ(radar->image.size(), QSize(room, room));

    general->resize(1200, 1100);
    QApplication::processEvents();
    EXPECT_EQ(radar->size(), QSize(288, 288));
    EXPECT_TRUE(Pixels::all(radar->image, radar->image.rect(), Pixels::Black));
}
