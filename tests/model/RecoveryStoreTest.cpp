#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <array>
#include <memory>
#include <tuple>

#include "TestFiles.h"
#include "model/Level.h"
#include "model/LevelFile.h"
#include "model/RecoverySnapshot.h"
#include "model/RecoveryStore.h"
#include "model/RecoveryWriter.h"

using TestFiles::read;
using TestFiles::write;

namespace {

class RecoveryStores : public ::testing::Test {
protected:
    QString folder() const { return dir.filePath(QStringLiteral("recovery")); }
    QStringList files() const { return QDir(folder()).entryList(QDir::Files | QDir::Hidden | QDir::System); }

    std::unique_ptr<RecoveryStore> openStore() const {
        auto store = std::make_unique<RecoveryStore>(folder());
        EXPECT_EQ(store->open(), QString());
        return store;
    }

    // A level with a special tile and a few cells, named `original`.
    static void fill(Level& level, const QString& original) {
        for (const auto& [x, y, tile] : {std::array<int16_t, 3>{0, 0, 1}, {1023, 1023, 255}, {10, 20, 219}}) {
            level.putTile(x, y, tile);
        }
        level.CompleteSpecialTiles(10, 20);
        level.activeFile = original;
    }
    static QString path(const QString& id, const char* suffix) { return "copy-" + id + QLatin1String(suffix); }

    // Writes one copy of a level as an editor that then ends without removing it, as a crash would.
    QString leaveCopy(const QString& original, const QString& caption) const {
        Level level;
        fill(level, original);
        const QString id = RecoveryStore::newId();
        EXPECT_EQ(openStore()->write(id, RecoverySnapshot::take(level, caption)), QString());
        return id;
    }

    QTemporaryDir dir;
};

}  // namespace

TEST_F(RecoveryStores, ACopyIsTheSavedLevelWithItsTilesetAndReadsBackWhole) {
    Level level;
    fill(level, dir.filePath("mine.lvl"));
    level.tilesetBlock.bytes = TestFiles::bmp8();
    level.usingDefaultTileset = false;
    auto store = openStore();
    const QString id = RecoveryStore::newId();
    {
        RecoveryWriter writer(*store);
        writer.write(id, RecoverySnapshot::take(level, QStringLiteral("mine.lvl")));
    }
    const QString saved = dir.filePath(QStringLiteral("saved.lvl"));
    ASSERT_EQ(LevelFile::SaveMap(level, saved), QString());
    EXPECT_EQ(read(store->levelPath(id)), read(saved)) << "the copy is the level as Save writes it";

    RecoveryCopy copy;
    copy.id = id;
    Level back;
    ASSERT_TRUE(store->read(copy, back).ok());
    EXPECT_FALSE(back.usingDefaultTileset);
    EXPECT_EQ(back.tilesetBlock.bytes, level.tilesetBlock.bytes);
    EXPECT_TRUE(std::equal(back.cells(), back.cells() + Level::Size * Level::Size, level.cells()));
}

TEST_F(RecoveryStores, OnlyCopiesOfEditorsThatNoLongerRunAreOfferedAndAdoptedOnesStayWithTheirTaker) {
    auto running = openStore();
    Level level;
    fill(level, QStringLiteral("/levels/a.lvl"));
    const QString id = RecoveryStore::newId();
    ASSERT_EQ(running->write(id, RecoverySnapshot::take(level, QStringLiteral("a.lvl"))), QString());
    auto other = openStore();
    EXPECT_TRUE(other->orphans().isEmpty()) << "the copy of a running editor (same process id, too) is offered";

    // The same copy under the name of a dead editor whose process id this one got after it.
    const QDir at(folder());
    const QString description = at.filePath(path(id, ".json"));
    QJsonObject o = QJsonDocument::fromJson(read(description)).object();
    ASSERT_TRUE(
        QFile::copy(at.filePath("editor-" + o["owner"].toString() + ".lock"), at.filePath("editor-ghost.lock")));
    o["owner"] = "ghost";
    write(description, QJsonDocument(o).toJson());
    const QList<RecoveryCopy> left = other->orphans();
    ASSERT_EQ(left.size(), 1);
    EXPECT_EQ(left[0].caption, QStringLiteral("a.lvl"));
    EXPECT_EQ(left[0].pid, QCoreApplication::applicationPid());
    EXPECT_LE(qAbs(left[0].time.secsTo(QDateTime::currentDateTimeUtc())), 60);
    EXPECT_FALSE(files().contains(QStringLiteral("editor-ghost.lock"))) << "the dead editor's lock stays behind";

    ASSERT_EQ(other->adopt(left[0]), QString());
    running.reset();
    EXPECT_TRUE(openStore()->orphans().isEmpty()) << "a copy taken by a running editor is offered again";
    other.reset();
    EXPECT_EQ(openStore()->orphans().size(), 1) << "the copy is lost once its taker ends without removing it";
}

TEST_F(RecoveryStores, DamagedCopiesAreReportedAndKeptAndHalfWrittenOnesClearedAway) {
    const std::tuple<const char*, const char*, QByteArray> cases[] = {
        {"unreadable description", ".json", "{\"owner\": "},
        {"tileset header cut short", ".lvl", "BM\x10"},
        {"record cut off", ".lvl", TestFiles::record(1, 1, 1) + "xy"},
    };
    for (const auto& [what, suffix, bytes] : cases) {
        const QString id = leaveCopy(QStringLiteral("/levels/b.lvl"), QStringLiteral("b.lvl"));
        const QString damaged = QDir(folder()).filePath(path(id, suffix));
        write(damaged, bytes);
        auto store = openStore();
        const QList<RecoveryCopy> left = store->orphans();
        ASSERT_EQ(left.size(), 1) << what;
        Level level;
        const LoadReport report = store->read(left[0], level);
        EXPECT_FALSE(report.ok()) << what;
        EXPECT_TRUE(report.message.contains("cannot be restored")) << report.message.toStdString();
        EXPECT_EQ(read(damaged), bytes) << what << ": the damaged copy is not kept";
        store->remove(id);
    }

    const QString id = leaveCopy(QString(), QStringLiteral("Untitled"));
    QFile::remove(QDir(folder()).filePath(path(id, ".lvl")));
    EXPECT_TRUE(openStore()->orphans().isEmpty()) << "a description without its level has nothing to restore";
    EXPECT_TRUE(files().isEmpty()) << files().join(QLatin1Char(' ')).toStdString();
}

TEST_F(RecoveryStores, ARemovalAfterAWriteWinsAndAnEditorLeavesNothingBehind) {
    Level level;
    fill(level, QString());
    {
        auto store = openStore();
        RecoveryWriter writer(*store);
        for (int i = 0; i < 3; ++i) {
            const QString id = RecoveryStore::newId();
            writer.write(id, RecoverySnapshot::take(level, QStringLiteral("Untitled")));
            writer.remove(id);
        }
    }
    EXPECT_TRUE(files().isEmpty()) << files().join(QLatin1Char(' ')).toStdString();
}
