#include <QAction>
#include <QDir>
#include <QFile>

#include "MapFixture.h"
#include "app/DocumentManager.h"
#include "app/MainMenu.h"
#include "app/ToolBars.h"
#include "model/LevelFile.h"
#include "walls/LevelSets.h"
#include "walls/SetsFile.h"

namespace {

// Brick: tiles 101..116 in the set's own layout, so piece(mask) is 101 + the entry of the mask.
WallSet brick() {
    std::array<int16_t, WallSet::Entries> tiles{};
    for (int i = 0; i < WallSet::Entries; ++i) {
        tiles[static_cast<size_t>(i)] = static_cast<int16_t>(101 + i);
    }
    return WallSet(QStringLiteral("Brick"), tiles);
}

int16_t piece(int mask) {
    return static_cast<int16_t>(101 + WallSet::entryOfMask(mask));
}

constexpr int N = WallSet::North;
constexpr int E = WallSet::East;
constexpr int S = WallSet::South;
constexpr int W = WallSet::West;

}  // namespace

class PaintModesTest : public MapFixture {
protected:
    void SetUp() override {
        MapFixture::SetUp();
        LevelSets& sets = map->levelSets();
        sets.addWallSet(brick());
        sets.addRandomSet(RandomSet(QStringLiteral("Floor"), {{21, 3}, {22, 1}, {23, 0}}));
        sets.setCurrentWallSet(0);
        sets.setCurrentRandomSet(0);
    }
    void TearDown() override {
        general->toolBars()->togglePaintMode(PaintMode::Plain);
        MapFixture::TearDown();
    }
    PaintMode mode() const { return general->toolBars()->paintMode(); }
    // Every cell of the box holds a tile of the random set that can be drawn.
    void expectDrawn(int x0, int y0, int x1, int y1) const {
        EXPECT_EQ(count(21, x0, y0, x1, y1) + count(22, x0, y0, x1, y1), (x1 - x0 + 1) * (y1 - y0 + 1));
    }
};

TEST_F(PaintModesTest, WAndNSwitchOneModeAtATimeAndLettersWithModifiersDoNot) {
    key(Qt::Key_W);
    EXPECT_EQ(mode(), PaintMode::Walls);
    key(Qt::Key_N);
    EXPECT_EQ(mode(), PaintMode::Random);
    EXPECT_FALSE(general->toolBars()->wallsAction()->isChecked());
    key(Qt::Key_N, Qt::ControlModifier);
    EXPECT_EQ(mode(), PaintMode::Random);
    key(Qt::Key_N);
    EXPECT_EQ(mode(), PaintMode::Plain);
}

TEST_F(PaintModesTest, RectanglesDrawClosedOrFilledRoomsThatJoinWallsAroundThemInOneStep) {
    put(6, 1, piece(0));   // a lone wall just above the room's top edge
    putObject(2, 2, 217);  // a special tile on the outline, with its covered cells, stays
    key(Qt::Key_W);
    useTool(ToolId::Rectangle);
    drag({at(2, 2), at(5, 3), at(8, 5)});
    EXPECT_EQ(tile(2, 2), 217);
    EXPECT_EQ(tile(3, 2), -1);
    EXPECT_EQ(tile(4, 2), piece(E)) << "a special tile is no wall to join";
    EXPECT_EQ(tile(2, 4), piece(S));
    EXPECT_EQ(tile(8, 2), piece(S | W));
    EXPECT_EQ(tile(8, 5), piece(N | W));
    EXPECT_EQ(tile(2, 5), piece(N | E));
    EXPECT_EQ(tile(6, 2), piece(N | E | W)) << "the wall above joins the edge";
    EXPECT_EQ(tile(6, 1), piece(S)) << "and the edge joins it";
    EXPECT_EQ(tile(5, 4), 0) << "a closed room is empty inside";

    undo();
    EXPECT_EQ(tile(6, 1), piece(0)) << "undo puts the neighbour back too";
    EXPECT_EQ(count(piece(E | W)), 0);

    useTool(ToolId::Rectangle);
    QTest::mousePress(view(), Qt::LeftButton, Qt::ShiftModifier, at(10, 10));
    QTest::mouseMove(view(), at(14, 13));
    QTest::mouseRelease(view(), Qt::LeftButton, Qt::ShiftModifier, at(14, 13));
    EXPECT_EQ(tile(12, 11), piece(N | E | S | W)) << "Shift fills the room";
    EXPECT_EQ(tile(10, 10), piece(E | S));
    EXPECT_EQ(tile(14, 13), piece(N | W));
}

TEST_F(PaintModesTest, AFastDiagonalPencilDragLeavesAnUnbrokenWallAndTheEraserRejoinsWhatIsLeft) {
    key(Qt::Key_W);
    useTool(ToolId::Pencil);
    drag({at(2, 2), at(6, 6)});
    // Every wall cell but the ends has exactly two wall neighbours: one unbroken line.
    int walls = 0;
    for (int y = 1; y <= 7; ++y) {
        for (int x = 1; x <= 7; ++x) {
            if (tile(x, y) >= 101 && tile(x, y) <= 116) {
                ++walls;
            }
        }
    }
    EXPECT_EQ(walls, 9);
    // The ends join their one neighbour only.
    const bool down = tile(2, 3) != 0;
    EXPECT_EQ(tile(2, 2), piece(down ? S : E));
    EXPECT_TRUE(tile(6, 6) == piece(N) || tile(6, 6) == piece(W)) << tile(6, 6);

    const QPoint next = down ? QPoint(2, 3) : QPoint(3, 2);
    const int16_t before = tile(next.x(), next.y());
    useTool(ToolId::Eraser);
    click(at(next.x(), next.y()));
    EXPECT_EQ(tile(next.x(), next.y()), 0);
    EXPECT_EQ(tile(2, 2), piece(0)) << "the end left alone is a lone piece";
    undo();
    EXPECT_EQ(tile(next.x(), next.y()), before) << "the erasing is one step";
    EXPECT_EQ(tile(2, 2), piece(down ? S : E));
}

TEST_F(PaintModesTest, RandomModeDrawsTheLeftTileFromTheSetRepeatablyAndLeavesTheRightTileAndEraserPlain) {
    key(Qt::Key_N);
    stroke(ToolId::Pencil, 0, {{2, 2}, {12, 2}});
    expectDrawn(2, 2, 12, 2);
    EXPECT_EQ(count(23), 0) << "weight 0 is never drawn";
    EXPECT_GT(count(21, 2, 2, 12, 2), count(22, 2, 2, 12, 2)) << "weight 3 against weight 1";
    std::vector<int16_t> row;
    for (int x = 2; x <= 12; ++x) {
        row.push_back(tile(x, 2));
    }
    undo();
    map->level().undoStack().redo();
    for (int x = 2; x <= 12; ++x) {
        EXPECT_EQ(tile(x, 2), row[static_cast<size_t>(x - 2)]);
    }

    stroke(ToolId::Pencil, 0, {{2, 4}, {6, 4}}, Qt::RightButton);
    EXPECT_EQ(count(6, 2, 4, 6, 4), 5);
    stroke(ToolId::Eraser, 0, {{2, 4}, {6, 4}});
    EXPECT_EQ(count(0, 2, 4, 6, 4), 5);

    // The bucket draws every cell of the region, also where a drawn tile equals the region's own.
    useTool(ToolId::Bucket);
    general->toolBars()->fillInScreenAction()->setChecked(true);
    for (int x = 0; x < 20; ++x) {
        put(x, 20, 9);
        put(x, 26, 9);
    }
    for (int y = 21; y < 26; ++y) {
        for (int x = 0; x < 20; ++x) {
            put(x, y, 21);
        }
    }
    click(at(5, 23));
    expectDrawn(0, 21, 19, 25);
    EXPECT_GT(count(22, 0, 21, 19, 25), 0);
    EXPECT_EQ(count(9, 0, 20, 19, 20), 20) << "the fill stays in its region";
}

TEST_F(PaintModesTest, ReTileWallsFixesTheSelectionOrTheMap) {
    put(3, 3, piece(0));
    put(4, 3, piece(0));
    put(30, 30, piece(0));
    put(30, 31, piece(0));
    select(0, 0, 10, 10);
    general->mainMenu()->retileWallsAction()->trigger();
    EXPECT_EQ(tile(3, 3), piece(E));
    EXPECT_EQ(tile(30, 30), piece(0)) << "outside the selection";
    undo();
    EXPECT_EQ(tile(3, 3), piece(0));
}

TEST_F(PaintModesTest, SetsTravelWithTheLevelAndADamagedSetsFileIsNeverSavedOver) {
    const QString level = QDir(dir.path()).filePath(QStringLiteral("room.lvl"));
    dialogs->chosen = {level};
    general->documents().saveActive(true);
    ASSERT_TRUE(QFile::exists(SetsFile::setsPathFor(level)));
    EXPECT_EQ(SetsFile::read(SetsFile::setsPathFor(level)).sets, map->levelSets());

    // A level saved without sets leaves no file.
    MapWindow* other = general->documents().newLevel();
    const QString plain = QDir(dir.path()).filePath(QStringLiteral("plain.lvl"));
    dialogs->chosen = {plain};
    general->documents().saveActive(true);
    EXPECT_FALSE(QFile::exists(SetsFile::setsPathFor(plain)));
    ASSERT_TRUE(closeMap(other->mapslot()));

    const QByteArray damaged = "{\"version\": 1, \"wallSets\": 7}";
    {
        QFile f(SetsFile::setsPathFor(plain));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(damaged);
    }
    const int messages = dialogs->messages.size();
    ASSERT_TRUE(general->documents().openLevel(plain));
    ASSERT_EQ(dialogs->messages.size(), messages + 1);
    EXPECT_TRUE(dialogs->messages.last().contains(QStringLiteral("plain.lvl.sets.json")));
    MapWindow* reopened = general->documents().activeMap();
    EXPECT_TRUE(reopened->levelSets().isEmpty());
    write(1, 1, 9, false);
    general->documents().saveActive(false);
    QFile f(SetsFile::setsPathFor(plain));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), damaged);
}
