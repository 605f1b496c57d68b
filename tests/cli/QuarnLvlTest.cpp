#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <cstdio>
#include <iterator>
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

TEST(QuarnLvl, SaysWhatItFoundInItsOwnWordsAndPassesOnNoQtWarning) {
    QTemporaryDir dir;
    const QString damaged = dir.filePath("damaged.lvl");
    write(damaged, record(1, 1, 5) + record(2000, 1, 5));
    // Without it Qt warns on standard error as soon as drawing starts.
    const QByteArray runtime = qgetenv("XDG_RUNTIME_DIR");
    qunsetenv("XDG_RUNTIME_DIR");
    const QList<QStringList> runs = {{"info", damaged},
                                     {"render", damaged, dir.filePath("out.png"), "--region", "0,0,4,4"},
                                     {"resave", damaged, dir.filePath("again.lvl")},
                                     {"export-tileset", damaged, dir.filePath("t.bmp")}};
    for (const QStringList& args : runs) {
        const ToolRun r = quarnLvl(args);
        for (const QByteArray& line : r.err.trimmed().split('\n')) {
            EXPECT_TRUE(line.startsWith("quarn-lvl: " + QFile::encodeName(damaged) + ": ")) << line.toStdString();
        }
    }
    if (!runtime.isNull()) {
        qputenv("XDG_RUNTIME_DIR", runtime);
    }
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

TEST(QuarnLvl, CheckAndInfoTakeFilesAndFoldersAndReportEveryEntryAndProblemInTheGivenOrder) {
    QTemporaryDir dir;
    QDir(dir.path()).mkpath("levels/sub");
    const QString good = dir.filePath("levels/a-good.lvl");
    const QString damaged = dir.filePath("levels/b-damaged.lvl");
    const QString objects = dir.filePath("levels/sub/c-objects.lvl");
    const QString twice = dir.filePath("levels/d-twice.lvl");
    const QString absent = dir.filePath("absent.lvl");
    const QByteArray levels = QFile::encodeName(dir.filePath("levels/"));
    write(good, record(1, 1, 5) + record(10, 10, 219));
    write(damaged, record(1, 1, 5) + record(2, 2, 5) + record(2000, 1, 5) + QByteArray("\x01\x02", 2));
    // One 219 reaches past the last column; the other covers an ordinary tile, which is lost on loading.
    write(objects, record(1020, 0, 219) + record(10, 10, 219) + record(12, 12, 5));
    write(twice, record(5, 6, 40) + record(5, 6, 41));
    write(dir.filePath("levels/notes.txt"), "not a level");
    // Names a folder walk meets that are no readable file, or no text.
    QFile::link("nowhere.lvl", dir.filePath("levels/e-dangling.lvl"));
    QFile::link("f-loop.lvl", dir.filePath("levels/f-loop.lvl"));
    const QByteArray notUtf8 = levels + "g\xff.lvl";
    const QByteArray newline = levels + "h\nline.lvl";
    for (const QByteArray& name : {notUtf8, newline}) {
        std::FILE* f = std::fopen(name.constData(), "wb");
        std::fwrite(record(1, 1, 5).constData(), 1, 4, f);
        std::fwrite("\x01", 1, 1, f);
        std::fclose(f);
    }

    const ToolRun check = quarnLvl({"check", absent, dir.filePath("levels"), "--jobs", "3"});
    EXPECT_EQ(check.status, 1);
    const QList<QByteArray> lines = check.out.trimmed().split('\n');
    // Each line: the name byte for byte (a newline escaped) and what was found.
    const std::pair<QByteArray, const char*> expected[] = {
        {QFile::encodeName(absent), "does not exist"},
        {QFile::encodeName(damaged), "1 record(s) lie outside the 1024 x 1024 grid"},
        {QFile::encodeName(damaged), "cut off"},
        {QFile::encodeName(twice), "warning: column 5, row 6 is given tile 41 after tile 40; tile 41 is ignored"},
        {levels + "e-dangling.lvl", "is a symbolic link to a file that does not exist"},
        {levels + "f-loop.lvl", "symbolic links lead round in a circle"},
        {notUtf8, "cut off"},
        {levels + "h\\nline.lvl", "cut off"},
        {QFile::encodeName(objects), "column 1020, row 0 leaves the grid"},
        {QFile::encodeName(objects), "column 10, row 10 covers 1 used cell"}};
    ASSERT_EQ(lines.size(), std::size(expected)) << check.out.toStdString();
    for (size_t i = 0; i < std::size(expected); ++i) {
        const auto& [name, found] = expected[i];
        EXPECT_TRUE(lines[i].startsWith(name + ": ") && lines[i].contains(found)) << lines[i].toStdString();
    }

    const ToolRun clean = quarnLvl({"check", good});
    EXPECT_EQ(clean.status, 0);
    EXPECT_TRUE(clean.out.isEmpty());
    // A cell given twice is a warning that fails the file only when asked to.
    EXPECT_EQ(quarnLvl({"check", twice}).status, 0);
    EXPECT_EQ(quarnLvl({"check", "--strict", twice}).status, 1);

    // JSON Lines: one object per file, in the order given, each with its name; a name that is not UTF-8
    // also comes as its bytes.
    const ToolRun info = quarnLvl({"info", "--json", dir.filePath("levels"), good, "--jobs", "2"});
    EXPECT_EQ(info.status, 1);
    const QList<QByteArray> objectsOut = info.out.trimmed().split('\n');
    const QStringList files = {good,
                               damaged,
                               twice,
                               dir.filePath("levels/e-dangling.lvl"),
                               dir.filePath("levels/f-loop.lvl"),
                               QString::fromUtf8(notUtf8),
                               QString::fromUtf8(newline),
                               objects,
                               good};
    ASSERT_EQ(objectsOut.size(), files.size()) << info.out.toStdString();
    for (qsizetype i = 0; i < objectsOut.size(); ++i) {
        QJsonParseError error{};
        const QJsonObject o = QJsonDocument::fromJson(objectsOut[i], &error).object();
        EXPECT_EQ(error.error, QJsonParseError::NoError);
        EXPECT_EQ(o["file"].toString(), files[i]);
        EXPECT_EQ(o["skipped"].toInt(), i == 1 ? 2 : i == 5 || i == 6 ? 1 : 0);
        EXPECT_EQ(o["fileBytes"].toString().toLatin1(), i == 5 ? notUtf8.toHex() : QByteArray());
    }
    const QJsonObject o = QJsonDocument::fromJson(quarnLvl({"check", "--json", objects}).out).object();
    EXPECT_FALSE(o["ok"].toBool());
    EXPECT_EQ(o["problems"].toArray().size(), 2);

    EXPECT_EQ(quarnLvl({"check", "--jobs", "0", good}).status, 2);
    EXPECT_EQ(quarnLvl({"info", "--strict", good}).status, 2);
    std::remove(notUtf8.constData());  // QTemporaryDir cannot name it
}

TEST(QuarnLvl, RetileJoinsTheWallsOfALevelByItsSetsFileAndInfoAndCheckReportTheSets) {
    QTemporaryDir dir;
    const QString file = dir.filePath("w.lvl");
    const QString sets = file + ".sets.json";
    // A line of three lone posts (entry 15, tile 116) beside a special tile, which stays.
    const QByteArray level = record(4, 2, 116) + record(5, 2, 116) + record(6, 2, 116) + record(7, 2, 217);
    write(file, level);
    EXPECT_EQ(quarnLvl({"retile", file}).status, 1);  // no sets file yet
    write(sets, R"({"version":1,"seed":7,"wallSets":[{"name":"Brick","tiles":[[101,102,103,104],[105,106,107,108],
        [109,110,111,112],[113,114,115,116]]}],"randomSets":[{"name":"Floor","tiles":[[21,1]]}]})");
    const ToolRun r = quarnLvl({"retile", file});
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_EQ(read(file + ".bak"), level);
    // The ends (east only, west only) and the middle (east and west) of a row of walls.
    EXPECT_EQ(read(file), record(4, 2, 113) + record(5, 2, 114) + record(6, 2, 115) + record(7, 2, 217));
    EXPECT_EQ(quarnLvl({"retile", file}).out, "0 wall cell(s) changed\n");

    const ToolRun info = quarnLvl({"info", "--json", file});
    const QJsonObject o = QJsonDocument::fromJson(info.out).object()["sets"].toObject();
    EXPECT_EQ(o["wallSets"].toArray(), QJsonArray({"Brick"}));
    EXPECT_EQ(o["randomSets"].toArray(), QJsonArray({"Floor"}));
    EXPECT_TRUE(quarnLvl({"info", file}).out.contains("wall sets:      1 (Brick)\n"));
    EXPECT_EQ(quarnLvl({"check", file}).status, 0);
    write(sets, R"({"version":1,"wallSets":[{"name":"Brick","tiles":[[219]]}]})");
    const ToolRun check = quarnLvl({"check", file});
    EXPECT_EQ(check.status, 1);
    EXPECT_TRUE(check.out.contains("w.lvl.sets.json: the tiles of wall set 1")) << check.out.toStdString();
    EXPECT_EQ(quarnLvl({"info", file}).status, 1);
    EXPECT_EQ(quarnLvl({"retile", file}).status, 1);
}
