#include <QApplication>
#include <QDialog>
#include <algorithm>
#include <cstdlib>
#include <functional>
#include <random>
#include <sstream>
#include <utility>
#include <vector>

#include "MapFixture.h"
#include "app/EditCommands.h"
#include "app/MainMenu.h"
#include "model/Level.h"

namespace {

// The edits stay in the cells a view at zoom 1 shows whole, so every pointer position is a real one
// and the objects lie close enough together to collide all the time.
constexpr int Columns = 40;
constexpr int Rows = 30;
constexpr int Edits = 2000;
// An edit is one step, and an interruption inside it one more at most: a round fits in the stack.
constexpr int EditsPerRound = UndoRedoStack::DefaultDepth / 2;

}  // namespace

// Rounds of random edits through every editing path of the editor, interrupted at random moments
// as a user interrupts them (another button, Ctrl, Undo, Redo, another tool, a dialog, another map
// window, a second map closed, a save, the program losing the focus): undoing all steps of a round
// gives back exactly the grid before it, redoing them all exactly the grid after it, and a map shown
// unchanged holds what was saved last. QUARN_UNDO_SEED replays another sequence.
class UndoProperty : public MapFixture {
protected:
    void SetUp() override {
        MapFixture::SetUp();
        const char* seedText = std::getenv("QUARN_UNDO_SEED");
        seed = seedText ? static_cast<unsigned>(std::strtoul(seedText, nullptr, 10)) : 20261207u;
        rng.seed(seed);
        for (int i = 0; i < Columns * Rows / 3; ++i) {
            put(cell(Columns), cell(Rows), anyTile(false));
        }
        for (int i = 0; i < 40; ++i) {
            put(cell(Columns), cell(Rows), anySpecial());
        }
        map->level().completeAfterLoad();
        map->redrawView();
        second = general->documents().newLevel();
        general->activateMapItem(map->mapslot());
        dialogs->chosen.push_back(path(QStringLiteral("property.lvl")));
        save();
    }

    void save() {
        general->documents().saveActive(false);
        saved = grid();
    }
    // One of the things that cut into a gesture, now and then; the log names it.
    void maybeInterrupt(std::ostream& log) {
        if (interrupted || pick(0, 5) != 0) {
            return;
        }
        interrupted = true;
        MainMenu& m = *general->mainMenu();
        const auto back = [this] { general->activateMapItem(map->mapslot()); };
        const std::pair<const char*, std::function<void()>> cuts[] = {
            {"button",
             [&] {
                 const Qt::MouseButtons held = QTestPrivate::qtestMouseButtons;
                 if (held != Qt::NoButton) {
                     click(anywhere(), held & Qt::LeftButton ? Qt::RightButton : Qt::LeftButton);
                 }
             }},
            {"ctrl", [&] { key(Qt::Key_Control, Qt::ControlModifier); }},
            {"undo", [&] { m.undoAction()->trigger(); }},
            {"redo", [&] { m.redoAction()->trigger(); }},
            {"tool",
             [&] {
                 const ToolId was = general->currentTool();
                 useTool(ToolId::Hand);
                 useTool(was);
             }},
            {"dialog", [&] { QDialog(general.get()).show(); }},
            {"window",
             [&] {
                 general->activateMapItem(second->mapslot());
                 back();
             }},
            {"close",
             [&] {
                 closeMap(general->documents().newLevel()->mapslot());
                 back();
             }},
            {"save", [&] { save(); }},
            {"focus",
             [&] {
                 QEvent away(QEvent::ApplicationDeactivate);
                 QApplication::sendEvent(qApp, &away);
             }},
        };
        const auto& [name, cut] = cuts[pick(0, 9)];
        log << '[' << name << "] ";
        cut();
    }
    void drag(const std::vector<QPoint>& path, Qt::MouseButton button, std::ostream& log) {
        press(path.front(), button);
        for (size_t i = 1; i < path.size(); ++i) {
            maybeInterrupt(log);
            moveTo(path[i]);
        }
        maybeInterrupt(log);
        release(path.back(), button);
    }
    void expectChangedMarkHonest() {
        // Two steps may cancel out: a map marked changed may still hold what was saved.
        if (!changed()) {
            ASSERT_TRUE(grid() == saved) << "a map shown unchanged holds what was saved";
        }
    }

    int pick(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); }
    int16_t cell(int limit) { return static_cast<int16_t>(pick(0, limit - 1)); }
    QPoint anywhere() { return at(cell(Columns), cell(Rows)); }
    int16_t anySpecial() {
        static constexpr int16_t specials[] = {217, 219, 220};
        return specials[pick(0, 2)];
    }
    int16_t anyTile(bool special = true) {
        static constexpr int16_t tiles[] = {0, 1, 2, 3, 5, 218};
        return special && pick(0, 2) == 0 ? anySpecial() : tiles[pick(0, 5)];
    }
    Qt::MouseButton anyButton() { return pick(0, 1) ? Qt::LeftButton : Qt::RightButton; }
    void selectSomething() {
        const int x = cell(Columns);
        const int y = cell(Rows);
        select(x, y, std::min(x + pick(0, 9), Columns - 1), std::min(y + pick(0, 9), Rows - 1));
    }
    // A click on a cell of the area outside the selection ends a moved or pasted block by writing it.
    void applySelection() {
        for (const QPoint& p :
             {QPoint(0, 0), QPoint(Columns - 1, 0), QPoint(0, Rows - 1), QPoint(Columns - 1, Rows - 1)}) {
            if (!map->sel().isInSelection(p.x(), p.y())) {
                click(at(p.x(), p.y()));
                return;
            }
        }
        key(Qt::Key_Escape);
    }
    void randomEdit(std::ostream& log) {
        interrupted = false;
        static constexpr const char* names[] = {"pencil", "eraser", "shape",  "polyline", "bucket", "move",
                                                "paste",  "cut",    "delete", "mirror",   "flip",   "replace"};
        static constexpr ToolId tools[] = {ToolId::Pencil, ToolId::Eraser, ToolId::Line, ToolId::Polyline,
                                           ToolId::Bucket};
        static constexpr ToolId shapes[] = {ToolId::Line, ToolId::Rectangle, ToolId::Ellipse};
        const int kind = pick(0, 11);
        log << names[kind] << ' ';
        MainMenu& m = *general->mainMenu();
        if (kind < 5) {
            useTool(kind == 2 ? shapes[pick(0, 2)] : tools[kind]);
            map->setTilesetLeft(anyTile());
            map->setTilesetRight(anyTile());
            map->setLineWidth(pick(0, 2));
        } else if (kind < 11) {
            selectSomething();
        }
        switch (kind) {
            case 0:
            case 1:
            case 2: {
                std::vector<QPoint> path{anywhere(), anywhere()};
                for (int i = kind == 2 ? 0 : pick(0, 4); i > 0; --i) {
                    path.push_back(anywhere());
                }
                drag(path, anyButton(), log);
                break;
            }
            case 3:
                map->setTilesetRight(anyTile(false));  // a special right tile would not end the polyline
                for (int i = pick(1, 4); i > 0; --i) {
                    click(anywhere());
                    maybeInterrupt(log);
                }
                click(anywhere(), Qt::RightButton);
                break;
            case 4:
                click(anywhere(), anyButton());
                break;
            case 6:
                m.copyAction()->trigger();
                m.pasteAction()->trigger();
                [[fallthrough]];
            case 5:
                drag({at(map->sel().rect().x1, map->sel().rect().y1), anywhere()}, Qt::LeftButton, log);
                maybeInterrupt(log);
                applySelection();
                break;
            case 7:
                m.cutAction()->trigger();
                break;
            case 8:
                key(Qt::Key_Delete);
                break;
            case 9:
            case 10:
                (kind == 9 ? m.mirrorAction() : m.flipAction())->trigger();
                key(Qt::Key_Escape);
                break;
            default: {
                // Empty cells only in the selection: over the whole map each such step would take a
                // million cells, its undo and its redo too.
                const bool inSelection = pick(0, 1) == 1;
                int16_t src = anyTile();
                int16_t dest = anyTile();
                if (inSelection) {
                    selectSomething();
                } else {
                    src = src == 0 ? anySpecial() : src;
                    dest = dest == 0 ? anySpecial() : dest;
                }
                general->editCommands()->replaceTiles(pick(0, 3), src, dest, inSelection);
                key(Qt::Key_Escape);
                break;
            }
        }
    }

    unsigned seed = 0;
    std::mt19937 rng;
    MapWindow* second = nullptr;
    std::vector<int16_t> saved;
    bool interrupted = false;
};

TEST_F(UndoProperty, UndoRestoresAndRedoRepeatsEveryStepExactly) {
    int done = 0;
    for (int round = 0; done < Edits; ++round) {
        SCOPED_TRACE(testing::Message() << "seed " << seed << ", round " << round);
        std::ostringstream log;
        const std::vector<int16_t> start = grid();
        // No more steps than the stack holds: an edit that changed cells without a step shows as a
        // grid that undoing every step does not bring back.
        map->level().undoStack().clearUndo();
        const bool savedAtStart = pick(0, 3) == 0;
        if (savedAtStart) {
            save();
        }
        for (int edits = pick(1, EditsPerRound); edits > 0 && done < Edits; --edits, ++done) {
            randomEdit(log);
            expectChangedMarkHonest();
        }
        general->endGesture();
        const std::vector<int16_t> end = grid();
        int undone = 0;
        for (; canUndo() && undone <= UndoRedoStack::DefaultDepth; ++undone) {
            general->mainMenu()->undoAction()->trigger();
            expectChangedMarkHonest();
        }
        ASSERT_TRUE(grid() == start) << "after undoing " << log.str();
        if (savedAtStart && grid() == saved) {
            EXPECT_FALSE(changed()) << "undone back to the save " << log.str();
        }
        for (int i = 0; i < undone; ++i) {
            general->mainMenu()->redoAction()->trigger();
            expectChangedMarkHonest();
        }
        ASSERT_TRUE(grid() == end) << "after redoing " << log.str();
    }
}
