#include <gtest/gtest.h>

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>

#include "TestFiles.h"

namespace {

struct ToolRun {
    int status = -1;
    QByteArray out;
    QByteArray err;
};

ToolRun quarnLvl(const QStringList& args) {
    QProcess p;
    p.start(QStringLiteral(QUARN_LVL_PATH), args);
    p.waitForFinished(60000);
    return {p.exitCode(), p.readAllStandardOutput(), p.readAllStandardError()};
}

}  // namespace

TEST(QuarnLvl, InfoReportsTilesetRecordsCellsAndSpecialTilesAsJson) {
    QTemporaryDir dir;
    const QString file = dir.filePath("lv.lvl");
    TestFiles::write(file, TestFiles::bmp8() + TestFiles::record(1, 1, 5) + TestFiles::record(1, 1, 6) +
                               TestFiles::record(10, 10, 219) + TestFiles::record(20, 20, 217) +
                               TestFiles::record(30, 30, 217));
    const ToolRun r = quarnLvl({"info", file, "--json"});
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    const QJsonObject o = QJsonDocument::fromJson(r.out).object();
    EXPECT_EQ(o["tileset"].toString(), "embedded");
    EXPECT_EQ(o["tilesetBytes"].toInt(), TestFiles::bmp8().size());
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
    TestFiles::write(lvl, TestFiles::record(2, 3, 4));
    TestFiles::write(dir.filePath("damaged.lvl"), TestFiles::record(2, 3, 4) + QByteArray("\x01", 1));
    // Zoom 2 of the whole map would be 32768 x 32768 pixels; export needs a level with a tileset.
    const QList<QStringList> usageErrors = {{},
                                            {"frobnicate"},
                                            {"info"},
                                            {"resave", lvl},
                                            {"render", lvl},
                                            {"render", lvl, out, "--zoom", "3"},
                                            {"render", lvl, out, "--zoom"},
                                            {"render", lvl, out, "--zoom", "2"},
                                            {"render", lvl, out, "--region", "1020,0,10,10"},
                                            {"render", lvl, out, "--region", "1,2,3"},
                                            {"render", lvl, out, "--region", "0,0,0,5"},
                                            {"render", lvl, out, "--frobnicate"}};
    const QList<QStringList> inputErrors = {{"info", dir.filePath("absent.lvl")},
                                            {"render", dir.filePath("absent.lvl"), out},
                                            {"render", lvl, dir.filePath("no/such/dir/out.png"), "--region", "0,0,4,4"},
                                            {"export-tileset", lvl, dir.filePath("x.bmp")}};
    for (const QStringList& args : usageErrors + inputErrors) {
        const ToolRun r = quarnLvl(args);
        EXPECT_EQ(r.status, usageErrors.contains(args) ? 2 : 1) << args.join(' ').toStdString();
        EXPECT_FALSE(r.err.isEmpty()) << args.join(' ').toStdString();
    }
    EXPECT_FALSE(QFile::exists(out));
    EXPECT_TRUE(quarnLvl({"info", dir.filePath("damaged.lvl")}).err.contains("damaged.lvl"));
    for (const char* cmd : {"info", "resave", "export-tileset", "render"}) {
        const ToolRun help = quarnLvl({cmd, "--help"});
        EXPECT_EQ(help.status, 0) << cmd;
        EXPECT_TRUE(help.out.startsWith("Usage: quarn-lvl")) << cmd;
    }
}

TEST(QuarnLvl, ResaveUsesTheEditorsSaveWithBackupAndExportCopiesTheTileset) {
    QTemporaryDir dir;
    const QString in = dir.filePath("in.lvl");
    const QString out = dir.filePath("out.lvl");
    TestFiles::write(in, TestFiles::record(9, 9, 9) + TestFiles::record(0, 0, 1));
    TestFiles::write(out, "old");
    ASSERT_EQ(quarnLvl({"resave", in, out}).status, 0);
    EXPECT_EQ(TestFiles::read(out), TestFiles::record(0, 0, 1) + TestFiles::record(9, 9, 9));
    EXPECT_EQ(TestFiles::read(out + ".bak"), QByteArray("old"));
    const QString bmp = dir.filePath("t.bmp");
    TestFiles::write(in, TestFiles::bmp8(9) + TestFiles::record(1, 1, 1));
    ASSERT_EQ(quarnLvl({"export-tileset", in, bmp}).status, 0);
    EXPECT_EQ(TestFiles::read(bmp), TestFiles::bmp8(9));
}
