#include <QSignalSpy>

#include "MapFixture.h"
#include "app/RecentFiles.h"

using DocumentManagerTest = WindowFixture;

// The window follows the documents only through their signals, so each change of the slots has to
// announce itself once, in slot terms.
TEST_F(DocumentManagerTest, SlotChangesAreAnnouncedAndTheLowestFreeSlotIsTakenAgain) {
    DocumentManager& documents = general->documents();
    QSignalSpy added(&documents, &DocumentManager::documentAdded);
    QSignalSpy removed(&documents, &DocumentManager::documentRemoved);
    QSignalSpy activated(&documents, &DocumentManager::activeDocumentChanged);
    QSignalSpy lastClosed(&documents, &DocumentManager::lastDocumentClosed);
    for (int i = 0; i < 3; ++i) {
        documents.newLevel();
    }
    EXPECT_EQ(added.count(), 3);
    EXPECT_EQ(documents.freeSlot(), 3);
    general->activateMapItem(0);
    EXPECT_EQ(activated.takeLast().at(0).toInt(), 0);
    general->activateMapItem(2);

    // Closing the active level makes the one active before it the active one again.
    ASSERT_TRUE(closeMap(2));
    EXPECT_EQ(removed.takeFirst().at(0).toInt(), 2);
    EXPECT_EQ(documents.activeSlot(), 0);
    EXPECT_EQ(documents.activeMap(), documents.map(0));
    ASSERT_TRUE(closeMap(1));
    EXPECT_EQ(documents.freeSlot(), 1);
    EXPECT_EQ(documents.openMaps(), QList<MapWindow*>{documents.map(0)});
    EXPECT_EQ(lastClosed.count(), 0);
    MapWindow* again = documents.newLevel();
    EXPECT_EQ(again->mapslot(), 1);
    EXPECT_EQ(again->windowTitle(), QStringLiteral("Untitled1"));

    ASSERT_TRUE(closeMap(0));
    ASSERT_TRUE(closeMap(1));
    EXPECT_EQ(lastClosed.count(), 1);
    EXPECT_EQ(documents.activeMap(), nullptr);
    EXPECT_EQ(documents.freeSlot(), 0);
}

// With every slot taken nothing is asked or read: the user only hears that no slot is left.
TEST_F(DocumentManagerTest, WithEverySlotTakenOpeningAsksForNoFileAndReportsTheMaximum) {
    DocumentManager& documents = general->documents();
    for (int i = 0; i < DocumentManager::SlotCount; ++i) {
        documents.newLevel();
    }
    EXPECT_EQ(documents.freeSlot(), -1);
    const QString level = writeLevel("a.lvl");
    dialogs->chosen.push_back(level);
    EXPECT_EQ(documents.openLevel({}), std::nullopt);
    EXPECT_EQ(documents.openLevel(level), std::nullopt);
    EXPECT_TRUE(dialogs->titles.isEmpty());
    EXPECT_EQ(dialogs->messages, QStringList(2, DocumentManager::maximumMessage()));
    EXPECT_FALSE(general->recent().isInRecent(level));
}
