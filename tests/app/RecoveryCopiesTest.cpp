#include <QDir>
#include <QElapsedTimer>
#include <QPushButton>
#include <QTreeWidget>
#include <algorithm>
#include <tuple>

#include "MapFixture.h"
#include "TestFiles.h"
#include "app/RecentFiles.h"
#include "app/RecoveryCopies.h"
#include "app/RecoveryDialog.h"
#include "model/Level.h"
#include "model/RecoverySnapshot.h"
#include "model/RecoveryStore.h"

namespace {

using Choice = AppDialogs::RecoveryChoice;

class RecoveryCopiesTest : public WindowFixture {
protected:
    QString folder() const { return path(QStringLiteral("recovery")); }
    QStringList copies() const { return QDir(folder()).entryList({QStringLiteral("copy-*")}, QDir::Files); }
    // The level file of the one copy there is; empty when there is none.
    QString levelCopy() const { return QDir(folder()).entryList({QStringLiteral("copy-*.lvl")}, QDir::Files).value(0); }

    bool start(int delayMs = 20, int maxIntervalMs = 1000) {
        return general->recoveryCopies().start(folder(), {true, delayMs, maxIntervalMs});
    }

    // What an editor that was killed leaves: copies of a saved level with an unsaved cell, and of
    // an untitled one.
    void crashedEditor() {
        RecoveryStore store(folder());
        ASSERT_EQ(store.open(), QString());
        for (const auto& [file, caption, x, y, value] :
             {std::tuple{original, "named.lvl", 7, 8, 42}, {QString(), "Untitled1", 1, 2, 3}}) {
            Level level;
            level.putTile(static_cast<int16_t>(x), static_cast<int16_t>(y), static_cast<int16_t>(value));
            level.setActiveFile(file);
            RecoverySnapshot snapshot = RecoverySnapshot::take(level, caption);
            snapshot.base = FileStamp::of(file);
            ASSERT_EQ(store.write(RecoveryStore::newId(), snapshot), QString());
        }
    }

    MapWindow* mapTitled(const QString& caption) const {
        const QList<MapWindow*> maps = general->findChildren<MapWindow*>();
        const auto found =
            std::find_if(maps.begin(), maps.end(), [&](MapWindow* m) { return m->windowTitle() == caption; });
        return found == maps.end() ? nullptr : *found;
    }

    const QString original = path(QStringLiteral("named.lvl"));
    const QByteArray originalBytes = TestFiles::record(7, 8, 5);
};

}  // namespace

TEST_F(RecoveryCopiesTest, RestoreOpensChangedLevelsThatSaveWhereTheyBelongDiscardDeletesLaterKeeps) {
    for (Choice choice : {Choice::Later, Choice::Restore, Choice::Discard}) {
        general.reset();
        TestFiles::write(original, originalBytes);
        QDir(folder()).removeRecursively();
        crashedEditor();
        restart();
        ASSERT_TRUE(start());
        dialogs->recoveryAnswers.push_back(choice);
        general->recoveryCopies().offerRestore();
        ASSERT_EQ(dialogs->recoveryOffers, QList<int>{2});
        if (choice != Choice::Restore) {
            EXPECT_EQ(openCount(), 0);
            EXPECT_EQ(copies().size(), choice == Choice::Later ? 4 : 0);
            continue;
        }
        ASSERT_EQ(openCount(), 2);
        MapWindow* named = mapTitled(QStringLiteral("named.lvl"));
        MapWindow* untitled = mapTitled(QStringLiteral("Untitled"));
        ASSERT_TRUE(named && untitled);
        EXPECT_TRUE(named->level().changed() && untitled->level().changed());
        EXPECT_EQ(untitled->level().getTile(1, 2), 3);
        EXPECT_TRUE(untitled->level().activeFile().isEmpty());

        restart();
        ASSERT_TRUE(start());
        general->recoveryCopies().offerRestore();
        EXPECT_EQ(dialogs->recoveryOffers, QList<int>{2}) << "restored copies must be offered again after a crash";

        dialogs->recoveryAnswers.push_back(Choice::Restore);
        general->recoveryCopies().offerRestore();
        general->documents().setActiveSlot(mapTitled(QStringLiteral("named.lvl"))->mapslot());
        general->documents().saveActive(false);
        general->recoveryCopies().flush();
        EXPECT_EQ(copies().size(), 2) << "saving a level must remove its copy, and only its copy";
        dialogs->answers.push_back(true);
        EXPECT_TRUE(closeMap(mapTitled(QStringLiteral("Untitled"))->mapslot()));
        general->recoveryCopies().flush();
        EXPECT_TRUE(copies().isEmpty()) << "closing a level without saving must remove its copy";
    }
}

TEST_F(RecoveryCopiesTest, EditsGoingOnAreCopiedWithinTheLongestInterval) {
    ASSERT_TRUE(start(300, 400));
    MapWindow* map = general->documents().newLevel();
    map->level().markChanged();
    // Edits every 50 ms never leave the 300 ms quiet spell, but the copy may lag at most 400 ms.
    QElapsedTimer editing;
    editing.start();
    bool copiedWhileEditing = false;
    for (int16_t x = 0; x < 20 && !copiedWhileEditing; ++x) {
        paintUndoable(map, x, 0, 9);
        QTest::qWait(50);
        copiedWhileEditing = !levelCopy().isEmpty();
    }
    EXPECT_TRUE(copiedWhileEditing) << "no copy within " << editing.elapsed() << " ms of steady edits";
}

TEST_F(RecoveryCopiesTest, ACopyOfALevelSavedSinceOpensUnnamedSoThatSaveKeepsTheNewerFile) {
    TestFiles::write(original, originalBytes);
    crashedEditor();
    const QByteArray newer = TestFiles::record(9, 9, 9) + originalBytes;
    TestFiles::write(original, newer);
    const QByteArray sets = R"({"version": 1, "seed": 3, "randomSets": [{"name": "Floor", "tiles": [[21, 1]]}]})";
    TestFiles::write(original + QStringLiteral(".sets.json"), sets);
    ASSERT_TRUE(start());
    dialogs->recoveryAnswers.push_back(Choice::Restore);
    general->recoveryCopies().offerRestore();

    ASSERT_NE(mapTitled(QStringLiteral("Recovered from named.lvl")), nullptr);
    general->documents().setActiveSlot(mapTitled(QStringLiteral("Recovered from named.lvl"))->mapslot());
    EXPECT_EQ(mapTitled(QStringLiteral("Recovered from named.lvl"))->levelSets().randomSets().size(), 1u)
        << "the sets beside the file come with the copy";
    EXPECT_TRUE(dialogs->messages.value(0).startsWith("\"named.lvl\" was saved after this copy was made."));
    EXPECT_FALSE(general->recent().isInRecent(original));
    general->documents().saveActive(false);
    EXPECT_EQ(dialogs->starts, QStringList{QString()}) << "Save must ask for a name, offering none";
    EXPECT_EQ(TestFiles::read(original), newer);
    EXPECT_EQ(TestFiles::read(original + QStringLiteral(".sets.json")), sets);
}

TEST_F(RecoveryCopiesTest, TheOfferRestoresOrDiscardsOnlyTickedCopiesAndAsksOnceBeforeDiscarding) {
    QList<RecoveryCopy> two(2);
    two[1].id = QStringLiteral("second");
    RecoveryDialog offer(two, *dialogs);
    offer.copyList()->topLevelItem(0)->setCheckState(0, Qt::Unchecked);
    dialogs->answers = {false, true};
    offer.discardButton()->click();
    EXPECT_EQ(offer.choice(), Choice::Later) << "No to the question must keep the copies";
    offer.discardButton()->click();
    EXPECT_EQ(offer.choice(), Choice::Discard);
    EXPECT_EQ(dialogs->questions.size(), 2);
    EXPECT_TRUE(offer.picked().size() == 1 && offer.picked()[0].id == QStringLiteral("second"));
    offer.copyList()->topLevelItem(1)->setCheckState(0, Qt::Unchecked);
    EXPECT_FALSE(offer.restoreButton()->isEnabled() || offer.discardButton()->isEnabled());
}
