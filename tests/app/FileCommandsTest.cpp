#include <QApplication>
#include <QDir>
#include <QDropEvent>
#include <QFile>
#include <QFileDialog>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMimeData>
#include <QTimer>
#include <QUrl>

#include "MapFixture.h"
#include "TestFiles.h"
#include "app/RecentFiles.h"
#include "model/UserSettings.h"
#include "view/DialogFolder.h"
#include "view/NameOnlyIconProvider.h"

using FileCommandsTest = WindowFixture;

TEST_F(FileCommandsTest, OpenAsksForALevelAndShowsItUnderItsFileNameAndOpeningItAgainBringsItToTheFront) {
    EXPECT_EQ(general->documents().openLevel({}), std::nullopt);  // cancelled
    EXPECT_EQ(openCount(), 0);
    const QString a = writeLevel("a.lvl");
    dialogs->chosen.push_back(a);
    general->mainMenu()->openAction()->trigger();
    EXPECT_EQ(dialogs->titles, QStringList(2, "Select an lvl to open"));
    EXPECT_EQ(dialogs->filters, QStringList(2, "*.lvl (*.lvl);;Tile maps (*.tmx *.tmj)"));
    MapWindow* map = general->activeMap();
    ASSERT_NE(map, nullptr);
    EXPECT_EQ(map->windowTitle(), QStringLiteral("a.lvl"));
    EXPECT_EQ(general->recent().entry(0), a);

    general->documents().newLevel();
    EXPECT_EQ(general->documents().openLevel(a), std::nullopt);
    EXPECT_EQ(dialogs->messages, QStringList{"Map is already open!"});
    EXPECT_EQ(openCount(), 2);
    EXPECT_EQ(general->documents().activeSlot(), 0);
    EXPECT_EQ(general->mdiArea()->activeSubWindow()->widget(), general->documents().map(0));
}

TEST_F(FileCommandsTest, FileNotReadWholeIsReportedAndOpensUnnamedOrGetsNoWindow) {
    general->documents().newLevel();
    general->documents().newLevel();
    QByteArray bmp = TestFiles::bmp8();
    bmp[28] = 4;  // biBitCount
    const QByteArray lowDepth = bmp + TestFiles::record(1, 1, 5);
    TestFiles::write(path("old.lvl"), lowDepth);
    // Mostly good records with a line of text after them: the good ones are shown, the file itself is
    // never saved over.
    TestFiles::write(path("damaged.lvl"),
                     TestFiles::record(1, 1, 5) + TestFiles::record(2, 2, 6) + QByteArray("a note\n"));
    TestFiles::write(path("notes.lvl"), "Notes for the next level, not a level.\n");
    // The value shown at (1, 1); -1 for no window at all.
    const std::pair<const char*, int> cases[] = {
        {"missing.lvl", -1}, {"notes.lvl", -1}, {"old.lvl", 0}, {"damaged.lvl", 5}};
    for (const auto& [name, cell] : cases) {
        general->activateMapItem(0);
        dialogs->messages.clear();
        dialogs->titles.clear();
        const std::optional<int> slot = general->documents().openLevel(path(name));
        EXPECT_EQ(dialogs->messages.size(), 1) << name;
        EXPECT_FALSE(general->recent().isInRecent(path(name))) << name;
        if (cell < 0) {
            EXPECT_EQ(slot, std::nullopt) << name;
            EXPECT_EQ(openCount(), 2) << name;
            EXPECT_EQ(general->documents().activeSlot(), 0) << name;
            EXPECT_FALSE(general->mainMenu()->mapActions()[2]->isVisible()) << name;
            continue;
        }
        ASSERT_TRUE(slot.has_value()) << name;
        MapWindow* map = general->activeMap();
        EXPECT_EQ(map->level().getTile(1, 1), cell) << name;
        EXPECT_TRUE(map->level().activeFile().isEmpty()) << name;
        EXPECT_TRUE(map->windowTitle().startsWith(QStringLiteral("Untitled"))) << name;
        general->mainMenu()->saveAction()->trigger();  // cancelled
        EXPECT_EQ(dialogs->titles, QStringList{"Save lvl as..."}) << name;
        EXPECT_TRUE(closeMap(*slot)) << name;
    }
    EXPECT_EQ(TestFiles::read(path("old.lvl")), lowDepth);
}

TEST_F(FileCommandsTest, DroppedLevelsAreOpenedInOrder) {
    const QString a = writeLevel("a.lvl");
    const QString c = writeLevel("c.lvl");
    TestFiles::write(path("notes.txt"), "x");
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(a), QUrl::fromLocalFile(path("notes.txt")), QUrl::fromLocalFile(c)});
    QDragEnterEvent enter(QPoint(100, 100), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(general.get(), &enter);
    ASSERT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(100, 100), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(general.get(), &drop);
    ASSERT_EQ(openCount(), 2);
    EXPECT_EQ(general->documents().map(0)->level().activeFile(), a);
    EXPECT_EQ(general->documents().map(1)->level().activeFile(), c);
}

TEST_F(FileCommandsTest, SavingANewMapTakesTheNameAskedForAndSaveAsOffersItAndAFailedSaveKeepsIt) {
    MapWindow* map = general->documents().newLevel();
    map->level().markChanged();
    const QString target = path("new.lvl");
    dialogs->chosen.push_back(target);
    general->mainMenu()->saveAction()->trigger();
    EXPECT_EQ(dialogs->titles, QStringList{"Save lvl as..."});
    EXPECT_EQ(dialogs->starts, QStringList{QString()}) << "a new level starts in the last folder";
    EXPECT_TRUE(QFile::exists(target));
    EXPECT_EQ(map->level().activeFile(), target);
    EXPECT_EQ(map->windowTitle(), QStringLiteral("new.lvl"));
    EXPECT_EQ(general->mainMenu()->mapActions()[0]->text(), QStringLiteral("new.lvl"));
    EXPECT_EQ(general->recent().entry(0), target);
    EXPECT_FALSE(map->level().changed());
    EXPECT_FALSE(map->parentWidget()->isWindowModified());
    // An edit after the save shows in the caption; undoing it is the saved level again.
    paintUndoable(map, 1, 1, 1);
    EXPECT_TRUE(map->parentWidget()->isWindowModified());
    general->mainMenu()->undoAction()->trigger();
    EXPECT_FALSE(map->parentWidget()->isWindowModified());

    // Save As to the level's own name is no new name: the recent list keeps its order.
    general->documents().openLevel(writeLevel("b.lvl"));
    closeMap(1);
    dialogs->chosen.push_back(target);
    general->documents().saveActive(true);
    EXPECT_EQ(dialogs->starts.last(), target) << "the dialog offers the level's own file";
    EXPECT_EQ(map->windowTitle(), QStringLiteral("new.lvl"));
    EXPECT_EQ(general->recent().entry(0), path("b.lvl"));

    const QString nowhere = path("no/such/folder/x.lvl");
    dialogs->chosen.push_back(nowhere);
    general->documents().saveActive(true);
    EXPECT_EQ(dialogs->messages.size(), 1);
    EXPECT_EQ(map->level().activeFile(), target);
    EXPECT_EQ(map->windowTitle(), QStringLiteral("new.lvl"));
    EXPECT_FALSE(general->recent().isInRecent(nowhere));
    EXPECT_EQ(DialogFolder::last(), dir.path()) << "a failed save is not where the next dialog starts";
}

TEST_F(FileCommandsTest, FileDialogsNeverStartAmongSpecialFilesNorReadAFileToListIt) {
    ASSERT_TRUE(QFile::link("/proc", path("kernel")));
    for (const QString special : {"/proc/x.lvl", "/sys/x", "/dev/x", "/run/x", "/nowhere/x", "kernel/x"}) {
        DialogFolder::remember(path("a.lvl"));
        DialogFolder::remember(QDir(dir.path()).filePath(special));
        EXPECT_EQ(DialogFolder::last(), dir.path()) << special.toStdString();
    }
    // Also when an older version remembered it.
    userSettings()->setValue(QStringLiteral("Dialogs/lastFolder"), QStringLiteral("/proc"));
    for (const bool save : {false, true}) {
        QTimer::singleShot(0, [] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            EXPECT_FALSE(dialog->directory().absolutePath().startsWith("/proc"));
            EXPECT_NE(dynamic_cast<NameOnlyIconProvider*>(dialog->iconProvider()), nullptr);
            dialog->reject();
        });
        Dialogs real;
        EXPECT_TRUE(
            (save ? real.saveFile(general.get(), "t", "*.lvl (*.lvl)", {}) : real.openFile(general.get(), "t", {}))
                .isEmpty());
    }
    // The name alone gives the type: a picture's bytes are not looked at.
    ASSERT_TRUE(QImage(2, 2, QImage::Format_RGB32).save(path("picture"), "PNG"));
    ASSERT_TRUE(QFile::copy(path("picture"), path("picture.png")));
    const NameOnlyIconProvider icons;
    EXPECT_EQ(icons.type(QFileInfo(path("picture.png"))), QFileIconProvider().type(QFileInfo(path("picture.png"))));
    EXPECT_NE(icons.type(QFileInfo(path("picture"))), icons.type(QFileInfo(path("picture.png"))));
}

TEST_F(FileCommandsTest, RecentItemOpensItsFileAndMovesItToTheTopAndOneThatIsGoneIsReportedAndKept) {
    QStringList names;
    for (int i = 0; i < 6; ++i) {
        names << writeLevel(QStringLiteral("l%1.lvl").arg(i));
        general->recent().addRecent(names.last());
    }
    ASSERT_EQ(general->recent().entry(4), names[1]);
    general->mainMenu()->recent()->recentActions(4)->trigger();
    EXPECT_EQ(general->activeMap()->level().activeFile(), names[1]);
    EXPECT_EQ(general->recent().entry(0), names[1]);
    closeMap(0);
    QFile::remove(names[1]);
    general->documents().openRecentItem(0);
    EXPECT_EQ(dialogs->messages, QStringList{"Error: The file does not longer exist!"});
    EXPECT_EQ(general->recent().entry(0), names[1]) << "a file that is gone stays listed";
    EXPECT_EQ(openCount(), 0);
}

TEST_F(FileCommandsTest, ImportExportAndDiscardFollowTheLevelsOwnTilesetAndAFileWithoutOneIsRefused) {
    general->documents().newLevel();
    TestFiles::write(path("plain.lvl"), TestFiles::record(1, 1, 1));
    dialogs->chosen.push_back(path("plain.lvl"));
    general->mainMenu()->importTilesetAction()->trigger();
    EXPECT_EQ(dialogs->messages.size(), 1);
    dialogs->messages.clear();
    TestFiles::write(path("tiles.bmp"), TestFiles::bmp8(40));
    dialogs->chosen.push_back(path("tiles.bmp"));
    general->mainMenu()->importTilesetAction()->trigger();
    EXPECT_EQ(dialogs->titles.last(), QStringLiteral("Select an tileset to open"));
    expectEnabled({general->mainMenu()->exportTilesetAction(), general->mainMenu()->discardTilesetAction()}, true);

    dialogs->chosen.push_back(path("out.bmp"));
    general->mainMenu()->exportTilesetAction()->trigger();
    EXPECT_EQ(dialogs->titles.last(), QStringLiteral("Save Tileset as bmp"));
    EXPECT_EQ(TestFiles::read(path("out.bmp")), TestFiles::bmp8(40));

    general->mainMenu()->discardTilesetAction()->trigger();
    EXPECT_FALSE(general->mainMenu()->exportTilesetAction()->isEnabled());
    EXPECT_TRUE(dialogs->messages.isEmpty());
}
