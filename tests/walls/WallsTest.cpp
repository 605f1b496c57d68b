#include <QApplication>
#include <QFrame>
#include <QPainter>
#include <QPushButton>
#include <QTest>

#include "MapFixture.h"
#include "app/EditCommands.h"
#include "app/RightPanel.h"
#include "model/Tileset.h"
#include "walls/WallSetsDialog.h"

// Out-of-range entries and sets are ignored rather than written past their storage.
TEST(WallSets, EntriesAndSetsOutsideTheirRangeAreIgnored) {
    WallDef set;
    set.setWall(5, 20);
    set.setWall(16, 7);
    set.setWall(-1, 7);
    for (int j = 0; j < WallDef::Entries; ++j) {
        EXPECT_EQ(set.getWall(j), j == 5 ? 20 : 0);
    }
    WallTiles list;
    EXPECT_EQ(list.UBnd(), -1);
    list.AddWallTile(set);
    list.ReplaceWallTile(1, WallDef());
    list.ReplaceWallTile(-1, WallDef());
    EXPECT_EQ(list.UBnd(), 0);
    EXPECT_EQ(list.getWallTile(0).getWall(5), 20);
}

namespace {

class WallsDialogTest : public MapFixture {
protected:
    WallSetsDialog* open() {
        general->rightPanel()->cmdCreateWalls->click();
        return general->editCommands()->wallsDialog();
    }
    // The 64 x 64 block that the preview shows in slot `row` (0..3).
    QImage shownSet(WallSetsDialog* d, int row) const {
        return d->picpreviewwalls->image.copy(0, row * 64, 64, 64).convertToFormat(QImage::Format_RGB32);
    }
    QImage blockWith(int entry, int16_t tile) const {
        QImage block = WallSetsDialog::defaultPicture().convertToFormat(QImage::Format_RGB32);
        QPainter(&block).drawImage((entry % 4) * 16, (entry / 4) * 16,
                                   map->level().tileset.pictileset().copy(Tileset::tileSource(tile, 16)));
        return block;
    }
};

}  // namespace

TEST_F(WallsDialogTest, OpensForTheActiveMapWithOnlyAddNewActive) {
    WallSetsDialog* d = open();
    ASSERT_NE(d, nullptr);
    EXPECT_TRUE(d->isVisible());
    EXPECT_EQ(d->windowTitle(), QStringLiteral("Create Walltiles"));
    EXPECT_TRUE(d->cmdAddNew->isEnabled());
    EXPECT_FALSE(d->cmdReplace->isEnabled());
    EXPECT_FALSE(d->cmdRemove->isEnabled());
    EXPECT_TRUE(general->isEnabled());  // not modal
    QImage black(64, 64, QImage::Format_RGB32);
    black.fill(Qt::black);
    EXPECT_EQ(shownSet(d, 0), black);
}

TEST_F(WallsDialogTest, AddNewShowsAnEmptySetAndTheScrollBarReachesEverySetToPick) {
    WallSetsDialog* d = open();
    d->cmdAddNew->click();
    EXPECT_EQ(map->walltiles().UBnd(), 0);
    EXPECT_EQ(shownSet(d, 0), WallSetsDialog::defaultPicture());
    for (int i = 0; i < 4; ++i) {
        d->cmdAddNew->click();
    }
    EXPECT_EQ(d->vScrollBar->maximum(), 4);
    WallDef marked;
    marked.setWall(5, 20);
    map->walltiles().ReplaceWallTile(2, marked);
    d->vScrollBar->setValue(1);  // sets 1..4 shown
    EXPECT_EQ(shownSet(d, 1), blockWith(5, 20));
    EXPECT_EQ(shownSet(d, 0), WallSetsDialog::defaultPicture());
    // The picked set is marked where it shows.
    QTest::mouseClick(d->picpreviewwalls, Qt::LeftButton, Qt::NoModifier, QPoint(30, 140));
    EXPECT_EQ(d->picked, 3);
    EXPECT_EQ(d->selwall->y(), 128);
}

TEST_F(WallsDialogTest, EachMapKeepsItsOwnSetsAndTheDialogFollowsTheActiveMap) {
    WallSetsDialog* d = open();
    d->cmdAddNew->click();
    d->cmdAddNew->click();
    MapWindow* first = map;
    map = general->NewMap();
    d = open();
    EXPECT_EQ(map->walltiles().UBnd(), -1);
    d->cmdAddNew->click();
    EXPECT_EQ(map->walltiles().UBnd(), 0);
    EXPECT_EQ(first->walltiles().UBnd(), 1);
    EXPECT_EQ(d->vScrollBar->maximum(), 0);
}

TEST_F(WallsDialogTest, DialogClosesWithItsMap) {
    WallSetsDialog* d = open();
    map->parentWidget()->close();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(d->isVisible());
    d->cmdAddNew->click();  // bound to nothing: no effect, no crash
}
