#include <gtest/gtest.h>

#include <array>

#include "model/Level.h"
#include "model/LevelEdit.h"
#include "model/LevelObserver.h"

namespace {

struct Recorder : LevelObserver {
    void redrawCell(int, int, bool) override {}
    void redrawView() override {}
    void undoRedoChanged(bool u, bool r) override {
        canUndo = u;
        canRedo = r;
    }
    void tilesetChanged(bool) override {}
    bool canUndo = false;
    bool canRedo = false;
};

class UndoRedo : public ::testing::Test {
protected:
    void SetUp() override { level.setObserver(&view); }

    // One edit as the tools make it.
    void paint(std::initializer_list<std::array<int16_t, 3>> cells) {
        LevelEdit edit(level);
        for (const auto& c : cells) {
            edit.setTile(c[0], c[1], c[2]);
        }
        edit.commit();
    }

    Level level;
    Recorder view;
};

}  // namespace

// Fewer steps kept than the limits allow is the property test's to find: it undoes rounds of up to
// ten. Whatever limit bites, the steps farthest from the present go first and the newest one stays.
TEST_F(UndoRedo, KeepsTheNewestStepsWithinItsDepthAndByteLimit) {
    UndoRedoStack& history = level.undoStack();
    const auto all = [&](void (UndoRedoStack::*step)(), bool (UndoRedoStack::*can)() const) {
        int n = 0;
        for (; (history.*can)(); ++n) {
            (history.*step)();
        }
        return n;
    };
    const auto paintSteps = [&](int16_t from, int16_t to) {
        for (int16_t i = from; i < to; ++i) {
            paint({{{i, 0, 1}}, {{i, 1, 1}}});  // 8 bytes a step
        }
    };
    paintSteps(0, 11);
    EXPECT_EQ(all(&UndoRedoStack::undo, &UndoRedoStack::canUndo), 10);
    EXPECT_EQ(level.getTile(0, 0), 1) << "the first edit fell off the stack";
    history.undo();  // nothing left: no change, nothing to redo
    EXPECT_EQ(all(&UndoRedoStack::redo, &UndoRedoStack::canRedo), 10);
    history.setDepth(1000);
    paintSteps(11, 30);
    for (int i = 0; i < 5; ++i) {
        history.undo();
    }
    history.setDepth(10);  // drops 19 undo steps, keeps the 5 to redo
    EXPECT_EQ(history.bytes(), 10u * 8);
    EXPECT_EQ(all(&UndoRedoStack::redo, &UndoRedoStack::canRedo), 5);
    EXPECT_EQ(all(&UndoRedoStack::undo, &UndoRedoStack::canUndo), 10);
    EXPECT_EQ(level.getTile(19, 1), 1);
    EXPECT_EQ(level.getTile(20, 1), 0);

    history.setByteLimit(3 * 8 + 4);  // nothing to undo: the steps redo reaches last go
    EXPECT_EQ(all(&UndoRedoStack::redo, &UndoRedoStack::canRedo), 3);
    EXPECT_EQ(level.getTile(22, 0), 1);
    paint({{{0, 5, 2}}, {{1, 5, 2}}, {{2, 5, 2}}, {{3, 5, 2}}, {{4, 5, 2}}, {{5, 5, 2}}, {{6, 5, 2}}, {{7, 5, 2}}});
    EXPECT_EQ(history.bytes(), 8u * 4) << "a step over the limit alone is kept";
    EXPECT_EQ(all(&UndoRedoStack::undo, &UndoRedoStack::canUndo), 1);
    EXPECT_EQ(level.getTile(7, 5), 0);
}

// An edit that changed nothing is no step; one destroyed without a commit takes its cells back,
// and stops a debug build, as it is a programming error.
TEST_F(UndoRedo, AnEditEmptiesRedoPushesOnlyChangesAndIsTakenBackUnlessCommitted) {
    paint({{{1, 1, 3}}});
    level.undoStack().undo();
    ASSERT_TRUE(view.canRedo);
    paint({{{2, 2, 0}}});
    EXPECT_FALSE(view.canUndo) << "an edit that changed no cell is no step";
    EXPECT_FALSE(view.canRedo) << "nothing can be redone past a new edit";
    EXPECT_DEBUG_DEATH(
        {
            LevelEdit dropped(level);
            dropped.setTile(4, 4, 7);
        },
        "never committed");
    EXPECT_EQ(level.getTile(4, 4), 0);
    EXPECT_FALSE(view.canUndo);
}

// Undoing or redoing back to the saved step is the saved level again, until that step can no
// longer be reached: a new edit discarded it from the redo stack, or it fell off the undo stack,
// which keeps the ten newest steps.
TEST_F(UndoRedo, TheSavedStepIsTheCleanStateUntilItCanNoLongerBeReached) {
    paint({{{0, 0, 1}}});
    level.markSaved();
    paint({{{0, 0, 2}}});
    level.undoStack().undo();
    EXPECT_FALSE(level.changed());
    level.undoStack().undo();
    EXPECT_TRUE(level.changed());
    level.undoStack().redo();
    EXPECT_FALSE(level.changed());
    level.undoStack().undo();
    paint({{{0, 0, 1}}});
    EXPECT_TRUE(level.changed()) << "the same cells by another step are not the saved step";
    level.markSaved();
    for (int16_t i = 0; i < UndoRedoStack::DefaultDepth; ++i) {
        paint({{{i, 1, 5}}});
    }
    for (int i = 0; i < UndoRedoStack::DefaultDepth; ++i) {
        level.undoStack().undo();
    }
    EXPECT_FALSE(level.changed()) << "ten steps back is still within reach";
    for (int i = 0; i <= UndoRedoStack::DefaultDepth; ++i) {
        level.undoStack().redo();
    }
    EXPECT_FALSE(view.canRedo) << "the empty stack's redo pushed nothing";
    paint({{{0, 2, 5}}});
    for (int i = 0; i <= UndoRedoStack::DefaultDepth; ++i) {
        level.undoStack().undo();
    }
    EXPECT_FALSE(view.canUndo);
    EXPECT_EQ(level.getTile(0, 1), 5) << "the first of eleven steps fell off the stack";
    EXPECT_TRUE(level.changed()) << "and the saved step with it";
}
