#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>

#include "MapFixture.h"
#include "app/EditCommands.h"
#include "app/RightPanel.h"
#include "model/Tileset.h"
#include "walls/LevelSets.h"
#include "walls/RandomSetsPage.h"
#include "walls/SetTilePicker.h"
#include "walls/WallSetsDialog.h"
#include "walls/WallSetsPage.h"

namespace {

using Tiles = std::array<int16_t, WallSet::Entries>;

class WallsDialogTest : public MapFixture {
protected:
    void SetUp() override {
        MapFixture::SetUp();
        general->rightPanel()->createWallsButton()->click();
        d = general->editCommands()->wallsDialog();
        ASSERT_NE(d, nullptr);
        walls = d->wallSetsPage();
        changes = std::make_unique<QSignalSpy>(d, &WallSetsDialog::setsChanged);
    }
    LevelSets& sets() const { return map->levelSets(); }
    Tiles tilesOf(int set) const { return sets().wallSets()[static_cast<size_t>(set)].tiles(); }
    QWidget* tileset() const { return d->tilePicker()->picture(); }
    static QPoint middleOf(int16_t tile) { return SetTilePicker::tilePixel(tile) + QPoint(8, 8); }
    void clickTile(int16_t tile) { QTest::mouseClick(tileset(), Qt::LeftButton, {}, middleOf(tile)); }
    // Drags over the tileset from one tile to another.
    void dragTiles(int16_t from, int16_t to) {
        QTest::mousePress(tileset(), Qt::LeftButton, {}, middleOf(from));
        QTest::mouseMove(tileset(), middleOf(to));
        QTest::mouseRelease(tileset(), Qt::LeftButton, {}, middleOf(to));
    }
    void clickEntry(int entry, Qt::MouseButton button = Qt::LeftButton) {
        const int cell = WallSetsPage::CurrentCell;
        QTest::mouseClick(walls->currentPicture(), button, {},
                          QPoint((entry % 4) * cell + cell / 2, (entry / 4) * cell + cell / 2));
    }
    void clickSet(int row) { QTest::mouseClick(walls->setList(), Qt::LeftButton, {}, QPoint(30, row * 64 + 30)); }
    // The 4 x 4 block of tiles whose top-left tile is `first`, in reading order.
    static Tiles block(int16_t first) {
        Tiles tiles{};
        for (int j = 0; j < WallSet::Entries; ++j) {
            tiles[static_cast<size_t>(j)] = static_cast<int16_t>(first + j % 4 + Tileset::TilesPerRow * (j / 4));
        }
        return tiles;
    }
    QImage tilePicture(int16_t tile) const {
        return map->level()
            .tileset()
            .tilesetPicture()
            .copy(Tileset::tileSource(tile, 16))
            .convertToFormat(QImage::Format_RGB32);
    }

    WallSetsDialog* d = nullptr;
    WallSetsPage* walls = nullptr;
    std::unique_ptr<QSignalSpy> changes;
};

}  // namespace

TEST_F(WallsDialogTest, ABlockDraggedFillsThePickedSetAndAnEntryTakesOneClickedTile) {
    EXPECT_FALSE(walls->removeButton()->isEnabled());
    walls->addNewButton()->click();
    ASSERT_EQ(sets().wallSets().size(), 1u);
    EXPECT_EQ(sets().currentWallSet(), 0);
    dragTiles(2, 2 + 3 + 3 * Tileset::TilesPerRow);
    EXPECT_EQ(tilesOf(0), block(2));
    // The list, Current (at twice the size, the first entry's corner is clear of the marks) and
    // the room show the set; the room's top-left corner joins east and south, its inner wall
    // runs north-south at column 3 of row 1.
    EXPECT_EQ(walls->setList()->image().copy(20, 4, 8, 8).convertToFormat(QImage::Format_RGB32),
              tilePicture(3).copy(4, 4, 8, 8));
    EXPECT_EQ(walls->currentPicture()->image().pixel(1, 1), tilePicture(2).pixel(0, 0));
    const QImage room = walls->roomPicture()->image().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(room.copy(0, 0, 16, 16), tilePicture(block(2)[WallSet::entryOfMask(WallSet::East | WallSet::South)]));
    EXPECT_EQ(room.copy(48, 16, 16, 16), tilePicture(block(2)[WallSet::entryOfMask(WallSet::North | WallSet::South)]));

    clickEntry(9);
    clickTile(150);
    Tiles expected = block(2);
    expected[9] = 150;
    EXPECT_EQ(tilesOf(0), expected);
    clickEntry(3, Qt::RightButton);
    expected[3] = 0;
    EXPECT_EQ(tilesOf(0), expected);
    EXPECT_EQ(changes->count(), 4);
    // A block of another size fills nothing.
    dragTiles(100, 102);
    EXPECT_EQ(tilesOf(0), expected);
    EXPECT_EQ(changes->count(), 4);
}

TEST_F(WallsDialogTest, ATileOfAnotherSetOrASpecialTileIsRefusedWithTheReasonAndNothingChanges) {
    walls->addNewButton()->click();
    walls->nameEdit()->setText(QStringLiteral("Brick"));
    emit walls->nameEdit()->editingFinished();
    dragTiles(1, 1 + 3 + 3 * Tileset::TilesPerRow);
    walls->addNewButton()->click();
    EXPECT_EQ(sets().currentWallSet(), 1);
    const int before = static_cast<int>(changes->count());
    dragTiles(3, 3 + 3 + 3 * Tileset::TilesPerRow);  // overlaps Brick's last two columns
    clickEntry(0);
    clickTile(1);
    ASSERT_EQ(dialogs->messages.size(), 2);
    EXPECT_TRUE(dialogs->messages[0].contains(QStringLiteral("\"Brick\""))) << dialogs->messages[0].toStdString();
    EXPECT_TRUE(dialogs->messages[1].contains(QStringLiteral("\"Brick\"")));
    // Rows 10..13 of columns 4..7 hold the special tile 217.
    dragTiles(195, 195 + 3 + 3 * Tileset::TilesPerRow);
    ASSERT_EQ(dialogs->messages.size(), 3);
    EXPECT_TRUE(dialogs->messages[2].contains(QStringLiteral("217")));
    EXPECT_EQ(tilesOf(1), Tiles{});
    EXPECT_EQ(tilesOf(0), block(1));
    EXPECT_EQ(changes->count(), before);
}

TEST_F(WallsDialogTest, RemoveAsksForASetWithTilesAndReplaceMovesCurrentOntoTheClickedSet) {
    for (int i = 0; i < 3; ++i) {
        walls->addNewButton()->click();
    }
    dragTiles(100, 100 + 3 + 3 * Tileset::TilesPerRow);  // set 2
    clickSet(0);
    dragTiles(1, 1 + 3 + 3 * Tileset::TilesPerRow);  // set 0
    // Current (set 0) onto set 2, which has tiles: asked, refused, then agreed.
    dialogs->answers = {false, true};
    walls->replaceButton()->click();
    clickSet(2);
    EXPECT_EQ(tilesOf(2), block(100));
    walls->replaceButton()->click();
    clickSet(2);
    EXPECT_EQ(dialogs->questions.size(), 2);
    ASSERT_EQ(sets().wallSets().size(), 2u);
    EXPECT_EQ(tilesOf(1), block(1));
    EXPECT_EQ(tilesOf(0), Tiles{});
    EXPECT_EQ(sets().currentWallSet(), 1);
    EXPECT_EQ(sets().wallSetOf(100), -1);

    dialogs->answers = {false, true};
    walls->removeButton()->click();
    EXPECT_EQ(sets().wallSets().size(), 2u);
    walls->removeButton()->click();
    EXPECT_EQ(sets().wallSets().size(), 1u);
    walls->removeButton()->click();  // the empty one goes without a question
    EXPECT_EQ(dialogs->questions.size(), 4);
    EXPECT_TRUE(sets().wallSets().empty());
    EXPECT_EQ(sets().currentWallSet(), -1);
}

TEST_F(WallsDialogTest, RandomSetsTakeClickedTilesWithEditableWeightsButNoSpecialTile) {
    d->tabs()->setCurrentWidget(d->randomSetsPage());
    RandomSetsPage* page = d->randomSetsPage();
    page->addNewButton()->click();
    ASSERT_EQ(sets().randomSets().size(), 1u);
    clickTile(5);
    clickTile(7);
    clickTile(217);
    clickTile(5);  // already there: its row is selected
    const auto entries = [this] { return sets().randomSets()[0].entries(); };
    EXPECT_EQ(entries(), (std::vector<RandomSet::Entry>{{5, 1}, {7, 1}}));
    EXPECT_EQ(page->entryTable()->currentRow(), 0);
    EXPECT_EQ(dialogs->messages.size(), 1);
    EXPECT_TRUE(sets().wallSets().empty());
    page->weightBox(1)->setValue(40);
    page->weightBox(0)->setValue(page->weightBox(0)->maximum());
    EXPECT_EQ(entries(), (std::vector<RandomSet::Entry>{{5, RandomSetsPage::MaxWeight}, {7, 40}}));
    page->entryTable()->selectRow(0);
    page->removeTileButton()->click();
    EXPECT_EQ(entries(), (std::vector<RandomSet::Entry>{{7, 40}}));
    page->setList()->item(0)->setText(QStringLiteral("Grass"));
    EXPECT_EQ(sets().randomSets()[0].name(), QStringLiteral("Grass"));
    EXPECT_EQ(changes->count(), 7);

    dialogs->answers = {false};
    page->removeButton()->click();
    EXPECT_EQ(sets().randomSets().size(), 1u);
    dialogs->answers = {true};
    page->removeButton()->click();
    EXPECT_TRUE(sets().randomSets().empty());
    EXPECT_EQ(page->entryTable()->rowCount(), 0);
}

TEST_F(WallsDialogTest, EachMapKeepsItsOwnSetsAndTheDialogFollowsTheActiveMapAndClosesWithIt) {
    walls->addNewButton()->click();
    walls->addNewButton()->click();
    MapWindow* first = map;
    map = general->documents().newLevel();
    EXPECT_EQ(d->boundMap(), map);
    EXPECT_EQ(walls->scrollBar()->maximum(), 0);
    walls->addNewButton()->click();
    EXPECT_EQ(map->levelSets().wallSets().size(), 1u);
    EXPECT_EQ(first->levelSets().wallSets().size(), 2u);
    // The sets are saved with the level: changing them asks before the map closes.
    EXPECT_TRUE(map->level().changed());
    EXPECT_FALSE(map->parentWidget()->close());
    // Closing the bound map hands the dialog to the map that becomes active; closing the last one closes it.
    dialogs->closeAnswers = {AppDialogs::CloseChoice::Proceed, AppDialogs::CloseChoice::Proceed};
    map->parentWidget()->close();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(d->boundMap(), first);
    EXPECT_EQ(walls->scrollBar()->maximum(), 1);
    EXPECT_TRUE(d->isVisible());
    ASSERT_TRUE(closeMap(first->mapslot()));
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(d->isVisible());
    EXPECT_FALSE(walls->addNewButton()->isEnabled());

    map = general->documents().newLevel();
    general->rightPanel()->createWallsButton()->click();
    EXPECT_TRUE(walls->addNewButton()->isEnabled());
    QTest::keyClick(d, Qt::Key_Escape);
    EXPECT_FALSE(d->isVisible());
}
