#include <gtest/gtest.h>

#include <array>

#include "history/EditTransaction.h"
#include "model/Level.h"
#include "model/LevelObserver.h"

namespace {

struct Recorder : LevelObserver {
    void UpdateLevelTile(int, int, bool) override {}
    void UpdateLevel() override { ++full; }
    void undoRedoChanged(bool u, bool r) override {
        canUndo = u;
        canRedo = r;
    }
    void tilesetChanged(bool) override {}
    int full = 0;
    bool canUndo = false;
    bool canRedo = false;
};

class UndoRedo : public ::testing::Test {
protected:
    void SetUp() override { level.setObserver(&view); }

    // One edit as the tools make it.
    void paint(std::initializer_list<std::array<int16_t, 3>> cells) {
        EditTransaction transaction(level);
        for (const auto& c : cells) {
            level.setTile(c[0], c[1], c[2], transaction.batch(), true);
        }
        transaction.commit();
    }

    Level level;
    Recorder view;
};

}  // namespace

// Fewer than ten steps kept is the property test's to find: it undoes rounds of up to ten.
TEST_F(UndoRedo, KeepsTheTenNewestSteps) {
    for (int16_t i = 0; i < 11; ++i) {
        paint({{{i, 0, static_cast<int16_t>(i + 1)}}});
    }
    for (int i = 0; i < 10; ++i) {
        level.undoredo.Undo();
    }
    EXPECT_FALSE(view.canUndo);
    EXPECT_EQ(level.getTile(0, 0), 1) << "the first edit fell off the stack";
    level.undoredo.Undo();  // nothing left: no change, no crash
    EXPECT_EQ(level.getTile(0, 0), 1);
    for (int i = 0; i < 10; ++i) {
        level.undoredo.Redo();
    }
    EXPECT_FALSE(view.canRedo) << "the empty stack's undo pushed nothing to redo";
    EXPECT_EQ(level.getTile(10, 0), 11);
}

TEST_F(UndoRedo, AnEditEmptiesRedoAndPushesOnlyWhenCommitted) {
    paint({{{1, 1, 3}}});
    level.undoredo.Undo();
    ASSERT_TRUE(view.canRedo);
    {
        EditTransaction dropped(level);
        level.setTile(4, 4, 7, dropped.batch(), true);
    }
    EXPECT_FALSE(view.canUndo) << "an edit destroyed without a commit pushes nothing";
    EXPECT_FALSE(view.canRedo) << "nothing can be redone past a new edit";
    const int redraws = view.full;
    EditTransaction real(level);
    level.setTile(5, 5, 7, real.batch(), true);
    real.commit(EditTransaction::Mark::IfCellsChanged, EditTransaction::Redraw::None);
    EXPECT_EQ(view.full, redraws) << "the caller has drawn its cells";
}
