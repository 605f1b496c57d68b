#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/stat.h>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <csignal>
#include <random>
#include <tuple>

#include "TestFiles.h"
#include "model/Level.h"
#include "model/LevelFile.h"
#include "model/LevelFileLeftovers.h"
#include "model/TilesetFile.h"

using TestFiles::bmp8;
using TestFiles::read;
using TestFiles::record;
using TestFiles::write;

namespace {

class LevelFiles : public ::testing::Test {
protected:
    QString path(const char* name) const { return dir.filePath(QString::fromLatin1(name)); }
    // Writes `bytes` as the file `name` and opens it into `level`.
    LoadReport load(Level& level, const char* name, const QByteArray& bytes) const {
        write(path(name), bytes);
        return LevelFile::openLevel(level, path(name));
    }

    QTemporaryDir dir;
};

}  // namespace

TEST_F(LevelFiles, RecordsAreWrittenInRowOrderWithTheDocumentedBytesAndTheLastVersionBackedUp) {
    Level level;
    level.putTile(1023, 1023, 255);
    level.putTile(300, 17, 5);
    level.putTile(0, 0, 1);
    level.putTile(9, 9, -1);  // covered cells are never written
    ASSERT_EQ(LevelFile::saveLevel(level, path("a.lvl")), QString());
    EXPECT_EQ(read(path("a.lvl")), QByteArray::fromHex("00000001 2C110105 FFF33FFF"));
    EXPECT_FALSE(QFile::exists(path("a.lvl.bak"))) << "a first save has nothing to back up";

    const QByteArray first = read(path("a.lvl"));
    level.putTile(2, 2, 2);
    ASSERT_EQ(LevelFile::saveLevel(level, path("a.lvl")), QString());
    level.putTile(3, 3, 3);
    ASSERT_EQ(LevelFile::saveLevel(level, path("a.lvl")), QString());
    EXPECT_EQ(read(path("a.lvl.bak")), first.left(4) + record(2, 2, 2) + first.mid(4));
}

TEST_F(LevelFiles, FirstRecordForACellWinsAndZeroTilesChangeNothing) {
    Level empty;
    const LoadReport none = load(empty, "empty.lvl", {});
    EXPECT_TRUE(none.ok() && none.message.isEmpty() && none.records == 0) << "an empty file is an empty level";

    Level level;
    const LoadReport report = load(
        level, "b.lvl", record(5, 6, 0) + record(5, 6, 40) + record(5, 6, 41) + record(5, 6, 40) + record(7, 7, 217));
    ASSERT_TRUE(report.ok() && report.message.isEmpty());
    EXPECT_EQ(level.getTile(5, 6), 40);
    EXPECT_EQ(level.getTile(8, 8), -1) << "special tiles are completed after loading";
    EXPECT_TRUE(level.usingDefaultTileset());
    EXPECT_EQ(report.kept, 2);
    // Only another tile is worth a word; the same tile again changes nothing.
    ASSERT_EQ(report.repeatedCellCount, 1);
    const LoadReport::RepeatedCell& repeated = report.repeatedCells.at(0);
    EXPECT_EQ(std::tuple(repeated.column, repeated.row, repeated.kept, repeated.ignored), std::tuple(5, 6, 40, 41));
}

TEST_F(LevelFiles, EmbeddedTilesetIsCarriedWholeIncludingBytesAfterThePixels) {
    const QByteArray block = bmp8(3, QByteArray("trailing data kept"));
    const QByteArray body = record(1, 2, 3) + record(0, 0, 9);
    Level level;
    ASSERT_TRUE(load(level, "t.lvl", block + body).ok());
    EXPECT_FALSE(level.usingDefaultTileset());
    ASSERT_EQ(LevelFile::saveLevel(level, path("t.lvl")), QString());
    EXPECT_EQ(read(path("t.lvl")), block + record(0, 0, 9) + record(1, 2, 3)) << "records come back in row order";

    // The discarded block stays in memory but is neither saved nor exported.
    TilesetFile::discardTileset(level);
    EXPECT_TRUE(level.changed());
    ASSERT_EQ(LevelFile::saveLevel(level, path("t.lvl")), QString());
    EXPECT_EQ(read(path("t.lvl")), record(0, 0, 9) + record(1, 2, 3));
    EXPECT_NE(TilesetFile::exportTileset(level, path("none.bmp")), QString());
}

TEST_F(LevelFiles, MostlyReadableRecordsOpenUnnamedAndMostlyDamagedOnesAreNoLevelWithoutATileset) {
    const QByteArray outside = record(1024, 1, 12);
    const QByteArray cutOff("\x01\x02", 2);
    // Half of the records on the grid is enough; a tileset block says the file is a level whatever follows.
    const std::tuple<QByteArray, qint64, qint64> cases[] = {
        {record(1, 1, 11) + outside + record(1, 4095, 13) + record(2, 2, 14) + record(3, 3, 15) + cutOff, 3, 3},
        {record(1, 1, 11) + cutOff, 1, 1},
        {record(1, 1, 11) + outside + outside, -1, 0},
        {record(1, 1, 11) + record(2, 2, 12) + outside + outside + cutOff, -1, 0},
        {bmp8() + outside + outside, 2, 0}};
    for (const auto& [body, skipped, kept] : cases) {
        Level level;
        const LoadReport report = load(level, "d.lvl", body);
        EXPECT_EQ(report.ok(), skipped >= 0) << report.message.toStdString();
        if (skipped < 0) {
            EXPECT_TRUE(report.refusal.startsWith(QStringLiteral("is not a level file: it has no tileset")));
            continue;
        }
        EXPECT_EQ(report.skipped, skipped);
        EXPECT_EQ(report.kept, kept);
        EXPECT_TRUE(report.message.contains(QStringLiteral("d.lvl")) &&
                    report.message.contains(QStringLiteral("%1 record").arg(skipped)));
        EXPECT_EQ(level.activeFile(), QString()) << "a damaged file is never the level's name";
    }
}

TEST_F(LevelFiles, WhatIsNoRegularFileOrHoldsNoLevelOrAHostileHeaderIsRefusedWithoutReadingOn) {
    ASSERT_EQ(::mkfifo(QFile::encodeName(path("fifo.lvl")).constData(), 0600), 0);
    ASSERT_TRUE(QFile::link(path("nowhere.lvl"), path("dangling.lvl")) &&
                QFile::link(path("loop.lvl"), path("loop.lvl")));
    // Sizes patched into an otherwise valid header: bfSize at byte 2, biSizeImage at byte 34. Without a
    // reason, the message names the file and says what is wrong with the header.
    const std::tuple<QString, QByteArray, const char*> cases[] = {
        {QStringLiteral("/dev/zero"), {}, "is not a regular file"},
        {path("fifo.lvl"), {}, "is not a regular file"},
        {dir.path(), {}, "is a folder"},
        {path("absent.lvl"), {}, "does not exist"},
        {path("dangling.lvl"), {}, "is a symbolic link to a file that does not exist"},
        {path("loop.lvl"), {}, "cannot be read: its symbolic links lead round in a circle"},
        {path("notes.lvl"), "Notes for the next level, not a level.\n", "is not a level file"},
        {path("todo.lvl"), "TODO: add the boss room!\n", "is not a level file"},
        {path("zeros.lvl"), QByteArray(4096, '\0'), "is not a level file"},
        {path("short.lvl"), QByteArray("BM\x10\x00", 4), nullptr},
        {path("huge.lvl"), bmp8().replace(2, 4, "\xFF\xFF\xFF\x7F"), nullptr},
        {path("pastend.lvl"), bmp8().chopped(100), nullptr},
        {path("tiny.lvl"), bmp8().replace(2, 4, QByteArray("\x3C\0\0\0", 4)), nullptr},
        {path("pixels.lvl"), bmp8().replace(36, 1, "\x7F"), nullptr}};
    for (const auto& [name, bytes, reason] : cases) {
        if (!bytes.isEmpty()) {
            write(name, bytes);
        }
        Level level;
        const LoadReport report = LevelFile::openLevel(level, name);
        EXPECT_EQ(report.outcome, LoadReport::Outcome::Failed) << name.toStdString();
        if (!reason) {
            EXPECT_TRUE(report.message.contains(QFileInfo(name).fileName())) << report.message.toStdString();
            continue;
        }
        EXPECT_EQ(report.message, QStringLiteral("\"%1\" %2.").arg(name, QLatin1String(reason)));
        EXPECT_TRUE(report.refusal.startsWith(QLatin1String(reason))) << report.refusal.toStdString();
        EXPECT_EQ(TilesetFile::importTileset(level, name).isEmpty(), false) << name.toStdString();
    }
}

TEST_F(LevelFiles, ASaveThatCannotBeWrittenWholeKeepsTheOldFileAndBackupAndSaysWhy) {
    Level level;
    level.putTile(1, 1, 1);
    QString error = LevelFile::saveLevel(level, path("missing-folder/x.lvl"));
    EXPECT_TRUE(error.contains(QStringLiteral("x.lvl"))) << error.toStdString();
    EXPECT_NE(LevelFile::saveLevel(level, dir.path()), QString()) << "a folder is never a save target";

    const QByteArray previous(256 * 1024, 'p');
    write(path("a.lvl"), previous);
    write(path("a.lvl.bak"), "older");
    // Files this process writes stop at 64 KiB, as a full disk stops them: the new level (4 bytes) fits,
    // the copy of the previous version does not.
    rlimit saved{};
    ::getrlimit(RLIMIT_FSIZE, &saved);
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit limit = saved;
    limit.rlim_cur = 64 * 1024;
    ::setrlimit(RLIMIT_FSIZE, &limit);
    error = LevelFile::saveLevel(level, path("a.lvl"));
    ::setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);
    EXPECT_TRUE(error.contains(QStringLiteral("a.lvl.bak")) && error.contains(QStringLiteral("larger than the system")))
        << error.toStdString();
    EXPECT_EQ(read(path("a.lvl.bak")), QByteArray("older"));
    EXPECT_EQ(read(path("a.lvl")), previous);

    QFile::remove(path("a.lvl.bak"));
    ASSERT_TRUE(QDir(dir.path()).mkpath(QStringLiteral("a.lvl.bak/inside")));
    error = LevelFile::saveLevel(level, path("a.lvl"));
    EXPECT_TRUE(error.endsWith(QStringLiteral("a.lvl.bak\": it is a folder."))) << error.toStdString();
    EXPECT_EQ(read(path("a.lvl")), previous);
    EXPECT_TRUE(QFileInfo(path("a.lvl.bak/inside")).isDir());
}

TEST_F(LevelFiles, ASaveRemovesTheStaleTemporaryFilesOfItsOwnEarlierSavesAndNothingElse) {
    const auto untouchedForMinutes = [&](const QString& name) {
        write(dir.filePath(name), "left over");
        QFile file(dir.filePath(name));
        file.open(QIODevice::ReadWrite);
        file.setFileTime(QDateTime::currentDateTime().addSecs(-2 * LevelFileLeftovers::StaleSeconds),
                         QFileDevice::FileModificationTime);
    };
    // Temporary files are named as QSaveFile names them: six random letters of both cases.
    const QStringList leftovers = {"a.lvl.bak.QwErTy", "a.lvl.XyzAbc"};
    const QStringList others = {"a.lvl.backup",      "a.lvl.bak.BACKUP",   "a.lvl.bak.AbCdE",
                                "a.lvl.bak.AbCdEfG", "a.lvl.bak.Ab1dEf",   "b.lvl.bak.AbCdEf",
                                "xa.lvl.AbCdEf",     "a.lvl.bak.AbCdEf.x", "target"};
    for (const QString& name : leftovers + others) {
        untouchedForMinutes(name);
    }
    write(path("a.lvl.bak.FrEsHx"), "being written by another save right now");
    ASSERT_TRUE(QFile::link(path("target"), path("a.lvl.LiNkEd")) && QDir(dir.path()).mkdir("a.lvl.DiReCt"));
    Level level;
    level.putTile(2, 2, 2);
    ASSERT_EQ(LevelFile::saveLevel(level, path("a.lvl")), QString());
    for (const QString& name : leftovers + others + QStringList{"a.lvl.bak.FrEsHx", "a.lvl.LiNkEd", "a.lvl.DiReCt"}) {
        EXPECT_EQ(QFileInfo::exists(dir.filePath(name)), !leftovers.contains(name)) << name.toStdString();
    }
}

TEST_F(LevelFiles, ArbitraryBytesNeverCrashAndARefusalSaysWhy) {
    std::mt19937 random(20261206);
    for (int round = 0; round < 60; ++round) {
        QByteArray bytes(static_cast<qsizetype>(random() % 3000), '\0');
        for (auto& b : bytes) {
            b = static_cast<char>(random() & 0xFF);
        }
        if (round % 2 == 0) {
            // Half of them pretend to carry a tileset, so the header checks see hostile numbers too.
            bytes = bmp8().left(static_cast<qsizetype>(random() % 1200)) + bytes + QByteArray(2, '\0');
            bytes[0] = 'B';
            bytes[1] = 'M';
        }
        Level level;
        const LoadReport report = load(level, "random.lvl", bytes);
        EXPECT_TRUE(report.ok() || !report.message.isEmpty()) << "round " << round;
    }
}
