#include <QApplication>
#include <QFrame>
#include <QPainter>
#include <QPushButton>
#include <QTest>

#include "MapFixture.h"
#include "app/EditCommands.h"
#include "app/RightPanel.h"
#include "model/Tileset.h"
#include "view/Pixels.h"
#include "walls/WallSetsDialog.h"

namespace {

class WallsDialogTest : public MapFixture {
protected:
    WallSetsDialog* open() {
        general->rightPanel()->createWallsButton()->click();
        return general->editCommands()->wallsDialog();
    }
    // The 64 x 64 block that the preview shows in slot `row` (0..3).
    QImage shownSet(WallSetsDialog* d, int row) const {
        return d->wallPreview()->image().copy(0, row * 64, 64, 64).convertToFormat(QImage::Format_RGB32);
    }
    QImage blockWith(int entry, int16_t tile) const {
        QImage block = WallSetsDialog::defaultPicture().convertToFormat(QImage::Format_RGB32);
        QPainter(&block).drawImage((entry % 4) * 16, (entry / 4) * 16,
                                   map->level().tileset().tilesetPicture().copy(Tileset::tileSource(tile, 16)));
        return block;
    }
};

}  // namespace

// Only Add New has something to act on; the dialog is not modal, and shows black until a set exists.
TEST_F(WallsDialogTest, AddNewShowsAnEmptySetAndTheScrollBarReachesEverySetToPick) {
    WallSetsDialog* d = open();
    ASSERT_NE(d, nullptr);
    EXPECT_TRUE(d->isVisible());
    EXPECT_FALSE(d->replaceButton()->isEnabled());
    EXPECT_FALSE(d->removeButton()->isEnabled());
    EXPECT_TRUE(general->isEnabled());
    EXPECT_TRUE(Pixels::all(d->wallPreview()->image(), d->wallPreview()->image().rect(), Pixels::Black));
    d->addNewButton()->click();
    EXPECT_EQ(map->walltiles().lastIndex(), 0);
    EXPECT_EQ(shownSet(d, 0), WallSetsDialog::defaultPicture());
    for (int i = 0; i < 4; ++i) {
        d->addNewButton()->click();
    }
    // Entries and sets out of range are ignored rather than written past their storage.
    WallDef marked;
    marked.setWall(5, 20);
    marked.setWall(16, 7);
    marked.setWall(-1, 7);
    map->walltiles().replaceWallSet(2, marked);
    map->walltiles().replaceWallSet(5, marked);
    map->walltiles().replaceWallSet(-1, marked);
    d->vScrollBar()->setValue(1);  // sets 1..4 shown
    EXPECT_EQ(d->vScrollBar()->maximum(), 4);
    EXPECT_EQ(shownSet(d, 1), blockWith(5, 20));
    EXPECT_EQ(shownSet(d, 0), WallSetsDialog::defaultPicture());
    // The picked set is marked where it shows.
    QTest::mouseClick(d->wallPreview(), Qt::LeftButton, Qt::NoModifier, QPoint(30, 140));
    EXPECT_EQ(d->picked(), 3);
    EXPECT_EQ(d->selwall()->y(), 128);
}

TEST_F(WallsDialogTest, EachMapKeepsItsOwnSetsAndTheDialogFollowsTheActiveMapAndClosesWithIt) {
    WallSetsDialog* d = open();
    d->addNewButton()->click();
    d->addNewButton()->click();
    MapWindow* first = map;
    map = general->documents().newLevel();
    d = open();
    EXPECT_EQ(map->walltiles().lastIndex(), -1);
    d->addNewButton()->click();
    EXPECT_EQ(map->walltiles().lastIndex(), 0);
    EXPECT_EQ(first->walltiles().lastIndex(), 1);
    EXPECT_EQ(d->vScrollBar()->maximum(), 0);
    map->parentWidget()->close();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(d->isVisible());
    d->addNewButton()->click();  // bound to nothing now, not to the map still open
    EXPECT_EQ(first->walltiles().lastIndex(), 1);
}
