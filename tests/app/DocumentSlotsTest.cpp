#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>

#include "AppFixture.h"
#include "TestFiles.h"
#include "app/MainMenu.h"
#include "app/RecentFiles.h"
#include "app/frmMain.h"
#include "model/TilesetFile.h"

namespace {
const QString MaximumMessage = QStringLiteral("Error: Maximum number of maps are already open");
}

using DocumentSlots = AppFixture;

TEST_F(DocumentSlots, TenNewMapsGetNumberedCaptionsAndAnEleventhIsRefused) {
    for (int i = 0; i < 10; ++i) {
        ASSERT_NE(general->NewMap(), nullptr) << i;
    }
    EXPECT_EQ(general->maps[0]->windowTitle(), QStringLiteral("Untitled"));
    for (int i = 1; i < 10; ++i) {
        EXPECT_EQ(general->maps[static_cast<size_t>(i)]->windowTitle(), QStringLiteral("Untitled%1").arg(i));
        EXPECT_EQ(general->menu->mnuMaps[static_cast<size_t>(i)]->text(), QStringLiteral("Untitled%1").arg(i));
    }
    EXPECT_EQ(general->getFreeMapSlot(), -1);
    EXPECT_EQ(general->NewMap(), nullptr);
    EXPECT_EQ(dialogs->messages, QStringList{MaximumMessage});
    EXPECT_EQ(openCount(), 10);
}

TEST_F(DocumentSlots, ClosingSlotOneLetsTheNextNewMapReuseItsSlotAndCaption) {
    for (int i = 0; i < 3; ++i) {
        general->NewMap();
    }
    ASSERT_TRUE(closeMap(1));
    EXPECT_FALSE(general->mapinuse[1]);
    EXPECT_FALSE(general->menu->mnuMaps[1]->isVisible());
    frmMain* map = general->NewMap();
    ASSERT_NE(map, nullptr);
    EXPECT_EQ(map->mapslot, 1);
    EXPECT_EQ(map->windowTitle(), QStringLiteral("Untitled1"));
    EXPECT_TRUE(general->menu->mnuMaps[1]->isVisible());
}

TEST_F(DocumentSlots, ChangedMapAsksBeforeClosingAndNoKeepsIt) {
    frmMain* map = general->NewMap();
    map->level.mapchanged = true;
    EXPECT_FALSE(closeMap(0));
    EXPECT_EQ(dialogs->questions,
              QStringList{QStringLiteral("Untitled - Not all changes have been saved, do you want to proceed?")});
    EXPECT_TRUE(general->mapinuse[0]);
    dialogs->answers.push_back(true);
    EXPECT_TRUE(closeMap(0));
    EXPECT_FALSE(general->mapinuse[0]);
}

TEST_F(DocumentSlots, UnchangedMapClosesWithoutAQuestion) {
    general->NewMap();
    EXPECT_TRUE(closeMap(0));
    EXPECT_TRUE(dialogs->questions.isEmpty());
}

TEST_F(DocumentSlots, ExitAsksEveryChangedMapAndOneNoKeepsThemAllOpen) {
    general->NewMap()->level.mapchanged = true;
    general->NewMap();
    general->NewMap()->level.mapchanged = true;
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

TEST_F(DocumentSlots, ClosingTheLastMapDisablesTheLevelCommands) {
    general->NewMap();
    frmMain* last = general->NewMap();
    TestFiles::write(path(QStringLiteral("tiles.bmp")), TestFiles::bmp8());
    ASSERT_TRUE(TilesetFile::ImportTileset(last->level, path(QStringLiteral("tiles.bmp"))).isEmpty());
    Changes batch;
    last->level.setTile(1, 1, 1, batch, true);
    last->level.undoredo.AddToUndo(std::make_unique<Changes>(batch));
    closeMap(0);
    for (QAction* a : {general->menu->mnuSave, general->topButton(QStringLiteral("Save")),
                       general->menu->mnuExportTileset, general->menu->mnuUndo}) {
        EXPECT_TRUE(a->isEnabled()) << a->text().toStdString();
    }
    last->level.mapchanged = false;
    closeMap(1);
    for (QAction* a : {general->menu->mnuSave, general->menu->mnuSaveAs, general->menu->mnuImportTileset,
                       general->topButton(QStringLiteral("Save")), general->menu->mnuUndo, general->menu->mnuRedo,
                       general->menu->mnuExportTileset, general->menu->mnudiscardtileset}) {
        EXPECT_FALSE(a->isEnabled()) << a->text().toStdString();
    }
    EXPECT_EQ(general->activeMap(), nullptr);
    EXPECT_TRUE(general->lblposition->text().isEmpty());
}

TEST_F(DocumentSlots, StartUpDisablesTheLevelCommandsAndSelectsTheHand) {
    for (QAction* a : {general->menu->mnuSave, general->menu->mnuSaveAs, general->menu->mnuImportTileset,
                       general->menu->mnuExportTileset, general->menu->mnudiscardtileset, general->menu->mnuUndo,
                       general->menu->mnuRedo, general->topButton(QStringLiteral("Undo"))}) {
        EXPECT_FALSE(a->isEnabled()) << a->text().toStdString();
    }
    EXPECT_TRUE(general->menu->mnuNew->isEnabled());
    EXPECT_EQ(general->currentTool, 3);
    EXPECT_TRUE(general->toolButton(3)->isChecked());
    EXPECT_EQ(openCount(), 0);
}

TEST_F(DocumentSlots, WindowMenuChecksTheActiveMapAndActivatesTheChosenOne) {
    frmMain* first = general->NewMap();
    frmMain* second = general->NewMap();
    first->tilesetleft = 5;
    first->usinggrid = true;
    second->tilesetright = 9;
    EXPECT_EQ(general->activemap, 1);
    EXPECT_TRUE(general->menu->mnuMaps[1]->isChecked());
    general->menu->mnuMaps[0]->trigger();
    EXPECT_EQ(general->activemap, 0);
    EXPECT_TRUE(general->menu->mnuMaps[0]->isChecked());
    EXPECT_FALSE(general->menu->mnuMaps[1]->isChecked());
    EXPECT_TRUE(general->topButton(QStringLiteral("Grid"))->isChecked());
    general->menu->mnuMaps[1]->trigger();
    EXPECT_EQ(general->activemap, 1);
    EXPECT_FALSE(general->topButton(QStringLiteral("Grid"))->isChecked());
}

TEST_F(DocumentSlots, ActivationShowsTheMapsOwnUndoRedoAndTilesetState) {
    frmMain* first = general->NewMap();
    Changes batch;
    first->level.setTile(3, 3, 7, batch, true);
    first->level.undoredo.AddToUndo(std::make_unique<Changes>(batch));
    general->NewMap();
    EXPECT_FALSE(general->menu->mnuUndo->isEnabled());
    general->mnuMaps_Click(0);
    EXPECT_TRUE(general->menu->mnuUndo->isEnabled());
    EXPECT_FALSE(general->menu->mnuRedo->isEnabled());
    general->menu->mnuUndo->trigger();
    EXPECT_EQ(first->level.getTile(3, 3), 0);
    EXPECT_FALSE(general->menu->mnuUndo->isEnabled());
    EXPECT_TRUE(general->topButton(QStringLiteral("Redo"))->isEnabled());
    general->topButton(QStringLiteral("Redo"))->trigger();
    EXPECT_EQ(first->level.getTile(3, 3), 7);
}

TEST_F(DocumentSlots, WindowArrangementsFillTheAreaInRowsOrColumns) {
    for (int i = 0; i < 3; ++i) {
        general->NewMap();
    }
    const QSize room = general->mdi->viewport()->size();
    general->menu->mnuTileH->trigger();
    int top = 0;
    for (QMdiSubWindow* w : general->mdi->subWindowList(QMdiArea::CreationOrder)) {
        EXPECT_EQ(w->geometry().top(), top);
        EXPECT_EQ(w->width(), room.width());
        top = w->geometry().bottom() + 1;
    }
    EXPECT_EQ(top, room.height());
    general->menu->mnuTileV->trigger();
    int left = 0;
    for (QMdiSubWindow* w : general->mdi->subWindowList(QMdiArea::CreationOrder)) {
        EXPECT_EQ(w->geometry().left(), left);
        EXPECT_EQ(w->height(), room.height());
        left = w->geometry().right() + 1;
    }
    EXPECT_EQ(left, room.width());
}

TEST_F(DocumentSlots, NewWindowsCascadeInsideTheWindowArea) {
    const QRect area(QPoint(0, 0), general->mdi->viewport()->size());
    QList<QRect> placed;
    for (int i = 0; i < 4; ++i) {
        general->NewMap();
        placed << general->mdi->activeSubWindow()->geometry();
        EXPECT_TRUE(area.contains(placed.last())) << i;
    }
    EXPECT_EQ(placed[0].topLeft(), QPoint(0, 0));
    for (int i = 1; i < 4; ++i) {
        EXPECT_GT(placed[i].left(), placed[i - 1].left());
        EXPECT_GT(placed[i].top(), placed[i - 1].top());
    }
    EXPECT_GE(placed[0].width(), area.width() * 4 / 5);
    EXPECT_EQ(placed[3].size(), placed[0].size());
}
