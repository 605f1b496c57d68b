#include <gtest/gtest.h>

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
    EXPECT_EQ(o["bitsPerPixel"].toInt(), 8);
    EXPECT_EQ(o["tilesetBytes"].toInt(), TestFiles::bmp8().size());
    EXPECT_EQ(o["records"].toInt(), 5);
    EXPECT_EQ(o["skipped"].toInt(), 0);
    EXPECT_EQ(o["cells"].toInt(), 4) << "a special tile counts once";
    EXPECT_EQ(o["special"].toObject()["217"].toInt(), 2);
    EXPECT_EQ(o["special"].toObject()["219"].toInt(), 1);
    EXPECT_EQ(o["special"].toObject()["220"].toInt(), 0);
}

TEST(QuarnLvl, ExitStatusSeparatesBadInputFromBadUsage) {
    QTemporaryDir dir;
    const QString plain = dir.filePath("plain.lvl");
    TestFiles::write(plain, TestFiles::record(2, 3, 4));
    EXPECT_EQ(quarnLvl({}).status, 2);
    EXPECT_EQ(quarnLvl({"frobnicate"}).status, 2);
    EXPECT_EQ(quarnLvl({"info"}).status, 2);
    EXPECT_EQ(quarnLvl({"resave", plain}).status, 2);
    for (const char* cmd : {"info", "resave", "export-tileset", "render"}) {
        const ToolRun help = quarnLvl({cmd, "--help"});
        EXPECT_EQ(help.status, 0) << cmd;
        EXPECT_TRUE(help.out.startsWith("Usage: quarn-lvl")) << cmd;
    }
    EXPECT_EQ(quarnLvl({"info", dir.filePath("absent.lvl")}).status, 1);
    const ToolRun noTileset = quarnLvl({"export-tileset", plain, dir.filePath("x.bmp")});
    EXPECT_EQ(noTileset.status, 1);
    EXPECT_FALSE(noTileset.err.isEmpty());
    const QString damaged = dir.filePath("damaged.lvl");
    TestFiles::write(damaged, TestFiles::record(2, 3, 4) + QByteArray("\x01", 1));
    const ToolRun d = quarnLvl({"info", damaged});
    EXPECT_EQ(d.status, 1);
    EXPECT_TRUE(d.err.contains("damaged.lvl"));
}

TEST(QuarnLvl, ResaveUsesTheEditorsSaveWithBackup) {
    QTemporaryDir dir;
    const QString in = dir.filePath("in.lvl");
    const QString out = dir.filePath("out.lvl");
    TestFiles::write(in, TestFiles::record(9, 9, 9) + TestFiles::record(0, 0, 1));
    TestFiles::write(out, "old");
    ASSERT_EQ(quarnLvl({"resave", in, out}).status, 0);
    EXPECT_EQ(TestFiles::read(out), TestFiles::record(0, 0, 1) + TestFiles::record(9, 9, 9));
    EXPECT_EQ(TestFiles::read(out + ".bak"), QByteArray("old"));
    const QString bmp = dir.filePath("t.bmp");
    const QString withTileset = dir.filePath("withtileset.lvl");
    TestFiles::write(withTileset, TestFiles::bmp8(9) + TestFiles::record(1, 1, 1));
    ASSERT_EQ(quarnLvl({"export-tileset", withTileset, bmp}).status, 0);
    EXPECT_EQ(TestFiles::read(bmp), TestFiles::bmp8(9));
}
