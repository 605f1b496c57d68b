#include <QApplication>
#include <QFileInfo>
#include <QFrame>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <functional>

#include "MapFixture.h"
#include "TestFiles.h"
#include "app/RightPanel.h"
#include "app/ToolBars.h"
#include "model/TilesetFile.h"
#include "view/LevelRenderer.h"
#include "view/Pixels.h"

using DocumentSlots = WindowFixture;

TEST_F(DocumentSlots, TenNewMapsGetNumberedCaptionsAndAnEleventhIsRefusedAndAClosedSlotIsReused) {
    for (int i = 0; i < 10; ++i) {
        ASSERT_NE(general->documents().newLevel(), nullptr) << i;
    }
    for (size_t i = 1; i < 10; ++i) {
        EXPECT_EQ(general->documents().map(i)->windowTitle(), QStringLiteral("Untitled%1").arg(i));
    }
    EXPECT_EQ(general->documents().newLevel(), nullptr);
    // The Window menu activates and checks its map.
    EXPECT_TRUE(general->mainMenu()->mapActions()[9]->isChecked());
    general->mainMenu()->mapActions()[0]->trigger();
    EXPECT_EQ(general->documents().activeSlot(), 0);
    EXPECT_TRUE(general->mainMenu()->mapActions()[0]->isChecked());
    EXPECT_FALSE(general->mainMenu()->mapActions()[9]->isChecked());
    ASSERT_TRUE(closeMap(1));
    EXPECT_FALSE(general->mainMenu()->mapActions()[1]->isVisible());
    MapWindow* map = general->documents().newLevel();
    ASSERT_NE(map, nullptr);
    EXPECT_EQ(map->mapslot(), 1);
    EXPECT_EQ(map->windowTitle(), QStringLiteral("Untitled1"));
    EXPECT_TRUE(general->mainMenu()->mapActions()[1]->isVisible());

    closeMap(9);
    general->documents().openLevels({writeLevel("a.lvl"), writeLevel("b.lvl"), writeLevel("c.lvl")});  // stops at b
    EXPECT_EQ(dialogs->messages, QStringList(2, "Error: Maximum number of maps are already open"));
    EXPECT_EQ(openCount(), 10);
}

TEST_F(DocumentSlots, OnlyAChangedMapAsksBeforeClosingAndNoKeepsItAndExitAsksEachOnce) {
    general->documents().newLevel()->level().markChanged();
    general->documents().newLevel();
    EXPECT_TRUE(closeMap(1));
    EXPECT_TRUE(dialogs->questions.isEmpty());
    EXPECT_FALSE(closeMap(0));
    EXPECT_EQ(dialogs->questions,
              QStringList{QStringLiteral("Untitled - Not all changes have been saved, do you want to proceed?")});
    dialogs->answers.push_back(true);
    EXPECT_TRUE(closeMap(0));

    // One No on exit keeps every map open.
    dialogs->questions.clear();
    general->documents().newLevel()->level().markChanged();
    general->documents().newLevel();
    general->documents().newLevel()->level().markChanged();
    dialogs->answers = {true, false};
    EXPECT_FALSE(general->close());
    EXPECT_EQ(dialogs->questions.size(), 2);
    EXPECT_EQ(openCount(), 3);
    dialogs->answers = {true, true};
    EXPECT_TRUE(general->close());
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(dialogs->questions.size(), 4);  // asked once each, not again by the closing windows
    EXPECT_EQ(openCount(), 0);
}

TEST_F(DocumentSlots, SaveInTheCloseQuestionSavesFirstAndOnlyASavedLevelCloses) {
    const struct {
        QString chosen;  // the name given in the save dialog; empty for Cancel
        bool closes;
    } cases[] = {{path("kept.lvl"), true}, {QString(), false}, {path("missing/folder.lvl"), false}};
    for (const auto& c : cases) {
        MapWindow* map = general->documents().newLevel();
        map->level().markChanged();
        map->showModified();
        dialogs->closeAnswers = {AppDialogs::CloseChoice::Save};
        dialogs->chosen = {c.chosen};
        dialogs->messages.clear();
        EXPECT_EQ(closeMap(general->documents().activeSlot()), c.closes) << c.chosen.toStdString();
        EXPECT_EQ(QFileInfo::exists(c.chosen), c.closes);
        EXPECT_EQ(dialogs->messages.size(), c.chosen.contains("missing") ? 1 : 0);
    }
    EXPECT_EQ(openCount(), 2);
    // The level that could not be saved is still changed; the Window menu and the title say so.
    EXPECT_EQ(general->mainMenu()->mapActions()[1]->text(), "Untitled1*");
    EXPECT_EQ(general->windowTitle(), "Quarn - Untitled1[*]");
    EXPECT_TRUE(general->isWindowModified());
    general->activateMapItem(0);
    EXPECT_EQ(general->mainMenu()->mapActions()[0]->text(), "Untitled*");
    EXPECT_EQ(general->windowTitle(), "Quarn - Untitled[*]");
}

TEST_F(DocumentSlots, CloseQuestionKeepsTheWorkOnEnterAndOnEscape) {
    AppDialogs real;
    using Choice = AppDialogs::CloseChoice;
    const auto answer = [&](const std::function<void(QMessageBox*)>& press) {
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr);
            EXPECT_EQ(box->standardButtons(), QMessageBox::Yes | QMessageBox::No | QMessageBox::Save);
            press(box);
        });
        return real.askToClose(general.get(), QStringLiteral("Untitled - Not all changes have been saved"));
    };
    EXPECT_EQ(answer([](QMessageBox* box) { QTest::keyClick(box, Qt::Key_Return); }), Choice::Stay);
    EXPECT_EQ(answer([](QMessageBox* box) { QTest::keyClick(box, Qt::Key_Escape); }), Choice::Stay);
    EXPECT_EQ(answer([](QMessageBox* box) { box->button(QMessageBox::Yes)->click(); }), Choice::Proceed);
    // Save answers to its letter, as Yes and No do.
    EXPECT_EQ(answer([](QMessageBox* box) { QTest::keyClick(box, Qt::Key_S); }), Choice::Save);
}

TEST_F(DocumentSlots, LevelCommandsAreOffWithoutAMapAndFollowTheActiveOneAndTheLastToCloseClearsThePanel) {
    MainMenu* m = general->mainMenu();
    const auto levelCommands = {m->saveAction(),          m->saveAsAction(),         m->importTilesetAction(),
                                m->exportTilesetAction(), m->discardTilesetAction(), m->undoAction(),
                                m->redoAction()};
    const auto mapCommands = {m->cutAction(),
                              m->copyAction(),
                              m->pasteAction(),
                              m->replaceAction(),
                              m->mirrorAction(),
                              m->flipAction(),
                              general->toolBars()->gridAction(),
                              general->toolBars()->tileNumbersAction()};
    expectEnabled(levelCommands, false);
    expectEnabled(mapCommands, false);
    EXPECT_FALSE(general->rightPanel()->createWallsButton()->isEnabled());
    EXPECT_TRUE(general->toolButton(ToolId::Hand)->isChecked());

    MapWindow* first = general->documents().newLevel();
    expectEnabled(mapCommands, true);
    EXPECT_TRUE(general->rightPanel()->createWallsButton()->isEnabled());
    EXPECT_TRUE(general->rightPanel()->leftsel()->isVisible());
    paintUndoable(first, 3, 3, 7);
    MapWindow* last = general->documents().newLevel();
    EXPECT_FALSE(m->undoAction()->isEnabled());
    general->activateMapItem(0);
    expectEnabled({m->undoAction()}, true);
    expectEnabled({m->redoAction()}, false);
    m->undoAction()->trigger();
    EXPECT_EQ(first->level().getTile(3, 3), 0);
    expectEnabled({m->undoAction()}, false);
    expectEnabled({m->redoAction()}, true);
    m->redoAction()->trigger();
    EXPECT_EQ(first->level().getTile(3, 3), 7);

    TestFiles::write(path("tiles.bmp"), TestFiles::bmp8());
    ASSERT_TRUE(TilesetFile::importTileset(last->level(), path("tiles.bmp")).isEmpty());
    paintUndoable(last, 1, 1, 1);
    first->level().markSaved();
    closeMap(0);
    expectEnabled({m->saveAction(), m->exportTilesetAction(), m->undoAction()}, true);
    last->level().markSaved();
    general->radar()->image().fill(Qt::white);
    closeMap(1);
    expectEnabled(levelCommands, false);
    expectEnabled(mapCommands, false);
    EXPECT_EQ(general->activeMap(), nullptr);
    EXPECT_TRUE(general->positionLabel()->text().isEmpty());
    // Nothing is left of the last map's tileset, tile markers and overview.
    const QImage& picker = general->rightPanel()->tilesetPicture()->image();
    EXPECT_EQ(picker.pixel(100, 40), picker.pixel(0, 0));
    EXPECT_EQ(picker.pixel(300, 220), picker.pixel(0, 0));
    EXPECT_FALSE(general->rightPanel()->leftsel()->isVisible());
    EXPECT_EQ(general->radar()->image().pixel(5, 5), qRgb(0, 0, 0));
}

TEST_F(DocumentSlots, BackgroundMapsDropTheirLevelImageAndShowTheirLevelWhenActivatedAgain) {
    MapWindow* first = general->documents().newLevel();
    MapWindow* second = general->documents().newLevel();
    ASSERT_EQ(general->documents().activeSlot(), 1);
    EXPECT_TRUE(first->view()->levelImage().isNull());
    // A cell that changed while the map lay in the background must show once it is active again.
    const ViewTransform view = first->view()->transform();
    first->level().putTile(static_cast<int16_t>(view.startX()), static_cast<int16_t>(view.startY()), 172);
    first->view()->redrawCell(static_cast<int16_t>(view.startX()), static_cast<int16_t>(view.startY()), true);
    EXPECT_TRUE(first->view()->levelImage().isNull());
    general->mainMenu()->mapActions()[0]->trigger();
    EXPECT_TRUE(second->view()->levelImage().isNull());
    QImage expected(first->view()->viewSurface()->image().size(), QImage::Format_RGB32);
    LevelRenderer().drawLevel(expected, first->level(), first->view()->transform(), false);
    EXPECT_EQ(first->view()->levelImage(), expected);
    EXPECT_EQ(first->view()->viewSurface()->image(), expected);
}

TEST_F(DocumentSlots, NewWindowsCascadeInsideTheWindowAreaAndArrangementsFillItInRowsOrColumns) {
    const QRect area(QPoint(0, 0), general->mdiArea()->viewport()->size());
    QList<QRect> placed;
    for (int i = 0; i < 4; ++i) {
        general->documents().newLevel();
        placed << general->mdiArea()->activeSubWindow()->geometry();
        EXPECT_TRUE(area.contains(placed.last())) << i;
        if (i > 0) {
            EXPECT_GT(placed[i].left(), placed[i - 1].left());
            EXPECT_GT(placed[i].top(), placed[i - 1].top());
        }
    }
    EXPECT_EQ(placed[0].topLeft(), QPoint(0, 0));
    EXPECT_GE(placed[0].width(), area.width() * 4 / 5);
    EXPECT_EQ(placed[3].size(), placed[0].size());

    const QSize room = general->mdiArea()->viewport()->size();
    for (const bool rows : {true, false}) {
        (rows ? general->mainMenu()->tileHorizontallyAction() : general->mainMenu()->tileVerticallyAction())->trigger();
        int next = 0;
        for (QMdiSubWindow* w : general->mdiArea()->subWindowList(QMdiArea::CreationOrder)) {
            const QRect g = w->geometry();
            EXPECT_EQ(rows ? g.top() : g.left(), next);
            EXPECT_EQ(rows ? g.width() : g.height(), rows ? room.width() : room.height());
            next = (rows ? g.bottom() : g.right()) + 1;
        }
        EXPECT_EQ(next, rows ? room.height() : room.width());
    }
}

TEST_F(DocumentSlots, RadarShrinksWithALowWindowAndGrowsBackShowingNothingWithoutAMap) {
    RightPanel* panel = general->rightPanel();
    PictureBox* radar = general->radar();
    const int top = radar->y();
    general->resize(1200, 500);
    QApplication::processEvents();
    const int room = panel->height() - top - 14;
    ASSERT_GT(room, 0);
    ASSERT_LT(room, 288);
    EXPECT_EQ(radar->size(), QSize(room, room));
    EXPECT_EQ(radar->image().size(), QSize(room, room));

    general->resize(1200, 1100);
    QApplication::processEvents();
    EXPECT_EQ(radar->size(), QSize(288, 288));
    EXPECT_TRUE(Pixels::all(radar->image(), radar->image().rect(), Pixels::Black));
}
