#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSysInfo>
#include <QTemporaryDir>
#include <array>
#include <functional>
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
        level.completeSpecialTiles(10, 20);
        level.setActiveFile(original);
    }
    static QString path(const QString& id, const char* suffix) { return "copy-" + id + QLatin1String(suffix); }

    // Writes one copy of a level as an editor that then ends without removing it, as a crash would.
    QString leaveCopy(const QString& original, const QString& caption) const {
        Level level;
        fill(level, original);
        const QString id = RecoveryStore::newId();
        RecoverySnapshot snapshot = RecoverySnapshot::take(level, caption);
        snapshot.base = FileStamp::of(original);
        EXPECT_EQ(openStore()->write(id, snapshot), QString());
        return id;
    }
    // Changes one field of a copy's description as an editor of another kind, or an attacker, would.
    void rewrite(const QString& id, const char* key, const QJsonValue& value) const {
        const QString description = QDir(folder()).filePath(path(id, ".json"));
        QJsonObject o = QJsonDocument::fromJson(read(description)).object();
        o.insert(key, value);  // an undefined value removes the field
        write(description, QJsonDocument(o).toJson());
    }
    // The one copy an editor starting now is offered.
    RecoveryCopy theOrphan() const {
        const QList<RecoveryCopy> left = openStore()->orphans();
        EXPECT_EQ(left.size(), 1);
        return left.value(0);
    }

    QTemporaryDir dir;
};

}  // namespace

TEST_F(RecoveryStores, ACopyIsTheSavedLevelWithItsTilesetAndReadsBackWhole) {
    Level level;
    fill(level, dir.filePath("mine.lvl"));
    level.tilesetBlock().setBytes(TestFiles::bmp8());
    level.setUsingDefaultTileset(false);
    auto store = openStore();
    const QString id = RecoveryStore::newId();
    {
        RecoveryWriter writer(*store);
        writer.write(id, RecoverySnapshot::take(level, QStringLiteral("mine.lvl")));
    }
    const QString saved = dir.filePath(QStringLiteral("saved.lvl"));
    ASSERT_EQ(LevelFile::saveLevel(level, saved), QString());
    EXPECT_EQ(read(store->levelPath(id)), read(saved)) << "the copy is the level as Save writes it";

    RecoveryCopy copy;
    copy.id = id;
    Level back;
    ASSERT_TRUE(store->read(copy, back).ok());
    EXPECT_FALSE(back.usingDefaultTileset());
    EXPECT_EQ(back.tilesetBlock().bytes(), level.tilesetBlock().bytes());
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
    const QString owner = QJsonDocument::fromJson(read(at.filePath(path(id, ".json"))))["owner"].toString();
    ASSERT_TRUE(QFile::copy(at.filePath("editor-" + owner + ".lock"), at.filePath("editor-ghost.lock")));
    rewrite(id, "owner", "ghost");
    const RecoveryCopy left = theOrphan();
    EXPECT_EQ(left.caption, QStringLiteral("a.lvl"));
    EXPECT_EQ(left.pid, QCoreApplication::applicationPid());
    EXPECT_LE(qAbs(left.time.secsTo(QDateTime::currentDateTimeUtc())), 60);
    EXPECT_FALSE(files().contains(QStringLiteral("editor-ghost.lock"))) << "the dead editor's lock stays behind";

    ASSERT_EQ(other->adopt(left), QString());
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
        RecoveryCopy copy = theOrphan();
        Level level;
        const LoadReport report = openStore()->read(copy, level);
        EXPECT_FALSE(report.ok()) << what;
        EXPECT_TRUE(report.message.contains("cannot be restored")) << report.message.toStdString();
        EXPECT_EQ(read(damaged), bytes) << what << ": the damaged copy is not kept";
        openStore()->remove(id);
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

TEST_F(RecoveryStores, ACopyIsBoundToItsFileAgainOnlyWhileTheFileIsWhatTheCopyBeganWith) {
    using Change = FileStamp::Change;
    const QString level = dir.filePath(QStringLiteral("level.lvl"));
    const QByteArray before = TestFiles::record(1, 1, 1);
    // Whether the file was there when the copy began, what happened to it then, what restoring finds.
    const std::tuple<const char*, bool, std::function<void()>, Change> cases[] = {
        {"untouched", true, [] {}, Change::None},
        {"other bytes of the same size and time", true,
         [&] {
             const QDateTime time = QFileInfo(level).lastModified();
             write(level, TestFiles::record(2, 2, 2));
             QFile file(level);
             ASSERT_TRUE(file.open(QIODevice::ReadWrite) && file.setFileTime(time, QFileDevice::FileModificationTime));
         },
         Change::Written},
        {"saved again", true, [&] { write(level, before + before); }, Change::Written},
        {"deleted", true, [&] { QFile::remove(level); }, Change::Removed},
        {"never saved to", false, [] {}, Change::None},
        {"saved to by another program", false, [&] { write(level, before); }, Change::Written},
    };
    for (const auto& [what, existed, change, expected] : cases) {
        QFile::remove(level);
        if (existed) {
            write(level, before);
        }
        const QString id = leaveCopy(level, QStringLiteral("level.lvl"));
        change();
        const QByteArray after = QFile::exists(level) ? read(level) : QByteArray("gone");
        RecoveryCopy copy = theOrphan();
        EXPECT_EQ(copy.fileChange, expected) << what;
        Level back;
        ASSERT_TRUE(openStore()->read(copy, back).ok()) << what;
        EXPECT_EQ(back.activeFile(), expected == Change::None ? level : QString()) << what;
        EXPECT_EQ(QFile::exists(level) ? read(level) : QByteArray("gone"), after)
            << what << ": restoring touched the file";
        openStore()->remove(id);
    }

    write(level, before);  // copies of older editors say nothing of their file, nor does a damaged stamp
    const QString id = leaveCopy(level, QStringLiteral("level.lvl"));
    for (const QJsonValue& stamp : {QJsonValue(), QJsonValue(QJsonObject{{"exists", true}, {"size", 4}})}) {
        rewrite(id, "file", stamp);
        EXPECT_EQ(theOrphan().fileChange, Change::Unknown);
    }
}

TEST_F(RecoveryStores, DescriptionsThatWouldNamePathsOutsideTheFolderAreRefusedAndTouchNothing) {
    // A dead editor's lock beside the folder, where the owner "/../../victim" leads once "editor-" exists.
    const QString victim = dir.filePath(QStringLiteral("victim.lock"));
    const QByteArray lock = "999999999\nquarn\n" + QSysInfo::machineHostName().toUtf8() + "\n";
    write(victim, lock);
    ASSERT_TRUE(QDir(folder()).mkpath(QStringLiteral("editor-")));
    const QString nul(1, QChar(0));
    const std::pair<const char*, QString> hostile[] = {
        {"owner", "/../../victim"},          {"owner", "../victim"},
        {"owner", "x" + nul + "/../victim"}, {"owner", QString(5000, QLatin1Char('a'))},
        {"original", "levels/a.lvl"},        {"original", "/etc/passwd" + nul + ".lvl"},
    };
    for (const auto& [key, value] : hostile) {
        const QString id = leaveCopy(QString(), QStringLiteral("Untitled"));
        rewrite(id, key, value);
        const RecoveryCopy copy = theOrphan();
        EXPECT_EQ(copy.problem, QStringLiteral("its description is damaged")) << key << " " << value.toStdString();
        EXPECT_EQ(read(victim), lock) << value.toStdString();
        openStore()->remove(id);
    }
    const QString id = leaveCopy(QString(), QStringLiteral("Untitled"));
    rewrite(id, "original", "/levels/../levels/./a.lvl");
    rewrite(id, "caption", "\n" + QString(5000, QLatin1Char('c')));
    const RecoveryCopy cleaned = theOrphan();
    EXPECT_EQ(std::tuple(cleaned.original, cleaned.caption), std::tuple("/levels/a.lvl", QString(255, 'c')));
}
