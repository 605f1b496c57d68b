#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <memory>
#include <vector>

#include "TestFiles.h"

using TestFiles::bmp8;
using TestFiles::quarnLvl;
using TestFiles::read;
using TestFiles::record;
using TestFiles::ToolRun;
using TestFiles::write;

TEST(QuarnLvl, InfoReportsTilesetRecordsCellsAndSpecialTilesAsJson) {
    QTemporaryDir dir;
    const QString file = dir.filePath("lv.lvl");
    write(file,
          bmp8() + record(1, 1, 5) + record(1, 1, 6) + record(10, 10, 219) + record(20, 20, 217) + record(30, 30, 217));
    const ToolRun r = quarnLvl({"info", file, "--json"});
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    const QJsonObject o = QJsonDocument::fromJson(r.out).object();
    EXPECT_EQ(o["tileset"].toString(), "embedded");
    EXPECT_EQ(o["tilesetBytes"].toInt(), bmp8().size());
    // A special tile counts as one cell.
    for (const auto& [key, value] : {std::pair{"bitsPerPixel", 8}, {"records", 5}, {"skipped", 0}, {"cells", 4}}) {
        EXPECT_EQ(o[key].toInt(), value) << key;
    }
    const QJsonObject special = o["special"].toObject();
    EXPECT_EQ(QJsonObject({{"217", 2}, {"219", 1}, {"220", 0}}), special);
}

TEST(QuarnLvl, ExitStatusSeparatesBadUsageFromBadInput) {
    QTemporaryDir dir;
    const QString lvl = dir.filePath("plain.lvl");
    const QString out = dir.filePath("out.png");
    write(lvl, record(2, 3, 4));
    write(dir.filePath("notes.lvl"), "not a level\n");
    // Command lines as typed, $L the plain level, $O the picture, $D the folder. Zoom 2 of the whole map would be
    // 32768 x 32768 pixels; export needs a level with a tileset. Which files the loader refuses is its own matter.
    const auto runs = [&](QString lines) {
        QList<QStringList> all;
        for (const QString& line : lines.replace("$L", lvl).replace("$O", out).replace("$D", dir.path()).split('|')) {
            all << line.split(' ', Qt::SkipEmptyParts);
        }
        return all;
    };
    const QList<QStringList> usageErrors = runs(
        "|frobnicate|info|resave $L|render $L|render $L $O --zoom 3|render $L $O --zoom|render $L $O --zoom 2|"
        "render $L $O --region 1020,0,10,10|render $L $O --region 1,2,3|render $L $O --region 0,0,0,5|"
        "render $L $O --region 5,0,2147483647,1|render $L $O --region 2147483647,0,1,1|"
        "render $L $O --region -1,0,4,4|render $L $O --frobnicate");
    const QList<QStringList> inputErrors = runs(
        "resave $D/notes.lvl $D/notes2.lvl|info $D/absent.lvl|render $D/absent.lvl $O|"
        "render $L $D/no/such/dir/out.png --region 0,0,4,4|export-tileset $L $D/x.bmp");
    for (const QStringList& args : usageErrors + inputErrors) {
        const ToolRun r = quarnLvl(args);
        EXPECT_EQ(r.status, usageErrors.contains(args) ? 2 : 1) << args.join(' ').toStdString();
        EXPECT_FALSE(r.err.isEmpty()) << args.join(' ').toStdString();
    }
    EXPECT_FALSE(QFile::exists(out));
    // Names whose bytes are not UTF-8 are refused rather than written under a changed name.
    QProcess shell;
    shell.setWorkingDirectory(dir.path());
    shell.start(QStringLiteral("/bin/sh"),
                {"-c", QStringLiteral("\"$0\" resave plain.lvl \"$(printf 'out\\377.lvl')\""), QUARN_LVL_PATH});
    shell.waitForFinished(60000);
    EXPECT_EQ(shell.exitCode(), 1) << shell.readAllStandardError().toStdString();
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).filter("out"), QStringList());
    for (const char* cmd : {"info", "check", "resave", "export-tileset", "render"}) {
        const ToolRun help = quarnLvl({cmd, "--help"});
        const ToolRun version = quarnLvl({cmd, "--version"});
        EXPECT_TRUE(help.status == 0 && help.out.startsWith("Usage: quarn-lvl")) << cmd;
        EXPECT_TRUE(version.status == 0 && version.out.startsWith("quarn-lvl 0.")) << cmd;
    }
}

TEST(QuarnLvl, AHostileTilesetIsDrawnWithTheDefaultPicturesAndCarriedAndExportedUnchanged) {
    QTemporaryDir dir;
    // Too large to be shown; which pictures are shown, and how, is the tileset's own matter.
    const QByteArray block = TestFiles::bmp(32, 1048576, 8, 1, QByteArray("\0\1", 2));
    const QString file = dir.filePath("tall.lvl");
    const QByteArray level = block + record(3, 2, 219);
    write(file, level);
    const ToolRun info = quarnLvl({"info", file});
    EXPECT_EQ(info.status, 0);
    // Every note of the load is printed, not only those about damaged records.
    EXPECT_TRUE(info.err.contains("cannot be shown"));
    EXPECT_EQ(quarnLvl({"render", file, dir.filePath("out.png"), "--zoom", "1/2", "--region", "0,0,8,8"}).status, 0);
    ASSERT_EQ(quarnLvl({"resave", file, dir.filePath("again.lvl")}).status, 0);
    EXPECT_EQ(read(dir.filePath("again.lvl")), level);
    ASSERT_EQ(quarnLvl({"export-tileset", file, dir.filePath("t.bmp")}).status, 0);
    EXPECT_EQ(read(dir.filePath("t.bmp")), block);
}

TEST(QuarnLvl, ConcurrentSavesOfOneFileNeverLeaveABrokenLevelOrBackup) {
    QTemporaryDir dir;
    const QString target = dir.filePath("shared.lvl");
    // Levels large enough that the saves overlap; each saves to records in row order as read.
    QList<QByteArray> versions;
    for (int v = 0; v < 4; ++v) {
        QByteArray records;
        for (int y = 0; y < 200; ++y) {
            for (int x = 0; x < 200; ++x) {
                records += record(x, y, 1 + (x + y + v * 50) % 200);
            }
        }
        write(dir.filePath(QStringLiteral("in%1.lvl").arg(v)), records);
        versions << records;
    }
    write(target, versions[0]);
    for (int round = 0; round < 3; ++round) {
        std::vector<std::unique_ptr<QProcess>> saves;
        for (int v = 0; v < 4; ++v) {
            saves.push_back(std::make_unique<QProcess>());
            saves.back()->start(QStringLiteral(QUARN_LVL_PATH),
                                {"resave", dir.filePath(QStringLiteral("in%1.lvl").arg(v)), target});
        }
        for (auto& p : saves) {
            p->waitForFinished(60000);
            EXPECT_TRUE(p->exitCode() == 0 || !p->readAllStandardError().isEmpty()) << "a failure says why";
        }
        EXPECT_TRUE(versions.contains(read(target))) << "round " << round;
        EXPECT_TRUE(versions.contains(read(target + ".bak"))) << "round " << round;
    }
}

TEST(QuarnLvl, CheckAndInfoTakeFilesAndFoldersAndReportEveryProblemInTheGivenOrder) {
    QTemporaryDir dir;
    QDir(dir.path()).mkpath("levels/sub");
    const QString good = dir.filePath("levels/a-good.lvl");
    const QString damaged = dir.filePath("levels/b-damaged.lvl");
    const QString objects = dir.filePath("levels/sub/c-objects.lvl");
    const QString absent = dir.filePath("absent.lvl");
    write(good, record(1, 1, 5) + record(10, 10, 219));
    write(damaged, record(1, 1, 5) + record(2000, 1, 5) + QByteArray("\x01\x02", 2));
    // One 219 reaches past the last column; the other covers an ordinary tile, which is lost on loading.
    write(objects, record(1020, 0, 219) + record(10, 10, 219) + record(12, 12, 5));
    write(dir.filePath("levels/notes.txt"), "not a level");

    const ToolRun check = quarnLvl({"check", absent, dir.filePath("levels"), "--jobs", "3"});
    EXPECT_EQ(check.status, 1);
    QStringList lines = QString::fromUtf8(check.out).split('\n', Qt::SkipEmptyParts);
    const QStringList expected = {absent, damaged, damaged, objects, objects};
    ASSERT_EQ(lines.size(), expected.size()) << check.out.toStdString();
    for (qsizetype i = 0; i < lines.size(); ++i) {
        EXPECT_TRUE(lines[i].startsWith(expected[i] + ": ")) << lines[i].toStdString();
    }
    EXPECT_TRUE(lines[1].contains("outside the 1024 x 1024 grid") && lines[2].contains("cut off"));
    EXPECT_TRUE(lines[3].contains("column 1020, row 0 leaves the grid"));
    EXPECT_TRUE(lines[4].contains("column 10, row 10 covers 1 used cell"));

    const ToolRun clean = quarnLvl({"check", good});
    EXPECT_EQ(clean.status, 0);
    EXPECT_TRUE(clean.out.isEmpty());

    // JSON Lines: one object per file, in the order given, each with its name.
    const ToolRun info = quarnLvl({"info", "--json", dir.filePath("levels"), good, "--jobs", "2"});
    EXPECT_EQ(info.status, 1);
    lines = QString::fromUtf8(info.out).split('\n', Qt::SkipEmptyParts);
    const QStringList files = {good, damaged, objects, good};
    ASSERT_EQ(lines.size(), files.size()) << info.out.toStdString();
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QJsonObject o = QJsonDocument::fromJson(lines[i].toUtf8()).object();
        EXPECT_EQ(o["file"].toString(), files[i]);
        EXPECT_EQ(o["skipped"].toInt(), i == 1 ? 2 : 0);
    }
    const QJsonObject o = QJsonDocument::fromJson(quarnLvl({"check", "--json", objects}).out).object();
    EXPECT_FALSE(o["ok"].toBool());
    EXPECT_EQ(o["problems"].toArray().size(), 2);

    EXPECT_EQ(quarnLvl({"check", "--jobs", "0", good}).status, 2);
}
