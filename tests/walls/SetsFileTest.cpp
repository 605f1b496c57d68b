#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "TestFiles.h"
#include "walls/SetsFile.h"

namespace {

LevelSets sampleSets() {
    LevelSets sets;
    std::array<int16_t, WallSet::Entries> brick{};
    for (int i = 0; i < WallSet::Entries; ++i) {
        brick[static_cast<size_t>(i)] = static_cast<int16_t>(101 + i);
    }
    sets.addWallSet(WallSet(QStringLiteral("Brick \"old\" ✓"), brick));
    sets.addWallSet(WallSet(QStringLiteral("Sparse"), {1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 255}));
    sets.addRandomSet(RandomSet(QStringLiteral("Floor"), {{21, 10}, {22, 3}, {23, 0}}));
    sets.addRandomSet(RandomSet(QStringLiteral(""), {}));
    sets.setSeed(4294967295u);
    return sets;
}

}  // namespace

TEST(SetsFile, SavesBesideTheLevelKeepsABackupAndReadsBackTheSameSets) {
    QTemporaryDir dir;
    const QString level = dir.filePath("a.lvl");
    const QString path = SetsFile::setsPathFor(level);
    EXPECT_EQ(path, dir.filePath("a.lvl.sets.json"));
    LevelSets none;
    EXPECT_TRUE(SetsFile::saveBeside(none, level).isEmpty());
    EXPECT_FALSE(QFile::exists(path));
    const SetsFile::ReadResult missing = SetsFile::read(path);
    EXPECT_TRUE(missing.ok() && !missing.found && missing.sets.isEmpty());

    LevelSets sets = sampleSets();
    ASSERT_TRUE(sets.changed());
    ASSERT_EQ(SetsFile::saveBeside(sets, level), QString());
    EXPECT_FALSE(sets.changed());
    const QByteArray first = TestFiles::read(path);
    sets.setSeed(5);
    ASSERT_EQ(SetsFile::saveBeside(sets, level), QString());
    EXPECT_EQ(TestFiles::read(path + ".bak"), first);
    const SetsFile::ReadResult back = SetsFile::read(path);
    ASSERT_TRUE(back.ok() && back.found) << back.error.toStdString();
    EXPECT_EQ(back.sets, sets);
    EXPECT_FALSE(back.sets.changed());
    EXPECT_EQ(back.sets.currentWallSet(), 0);
    EXPECT_EQ(back.sets.currentRandomSet(), 0);
    EXPECT_EQ(back.sets.wallSetOf(255), 1);
    EXPECT_EQ(SetsFile::read(QFile::encodeName(path)).sets, sets);
}

TEST(SetsFile, RefusesDamagedAndHostileFilesWholeWithAReason) {
    const QByteArray wall = R"({"name":"W","tiles":[[1,2,3,4],[5,6,7,8],[9,10,11,12],[13,14,15,16]]})";
    const auto file = [](const QByteArray& walls, const QByteArray& randoms = "[]", const QByteArray& head = "") {
        return "{" + head + R"("version":1,"seed":3,"wallSets":)" + walls + R"(,"randomSets":)" + randoms + "}";
    };
    QByteArray manyWalls = "[";
    for (int i = 0; i < 257; ++i) {
        manyWalls += QByteArray(i ? "," : "") + R"({"name":"x","tiles":[[0,0,0,0],[0,0,0,0],[0,0,0,0],[0,0,0,0]]})";
    }
    QByteArray manyEntries = R"([{"name":"r","tiles":[)";
    for (int i = 0; i < 257; ++i) {
        manyEntries += QByteArray(i ? "," : "") + "[1,1]";
    }
    const QList<QByteArray> hostile = {
        "not json",
        "[1,2]",
        R"({"version":2})",
        R"({"seed":1})",
        file("[" + wall + "]", "[]", R"("version":"1",)").replace(R"("version":1,)", ""),
        file("{}"),
        file("[" + wall + "," + QByteArray(wall).replace("[1,2,3,4]", "[20,21,22,4]") + "]"),
        file(QByteArray("[" + wall + "]").replace("16]", "256]")),
        file(QByteArray("[" + wall + "]").replace("16]", "219]")),
        file(QByteArray("[" + wall + "]").replace("16]", "1.5]")),
        file(QByteArray("[" + wall + "]").replace("[13,14,15,16]", "")),
        file(QByteArray("[" + wall + "]").replace(R"("W")", '"' + QByteArray(101, 'n') + '"')),
        // Qt's parser passes control characters inside strings; a name must not carry them into messages.
        file(QByteArray("[" + wall + "]").replace(R"("W")", QByteArray("\"W\nall\"", 7))),
        file("[]", QByteArray("[{\"name\":\"r\x01\",\"tiles\":[[5,1]]}]", 31)),
        file(manyWalls + "]"),
        file("[]", manyEntries + "]}]"),
        file("[]", R"([{"name":"r","tiles":[[0,1]]}])"),
        file("[]", R"([{"name":"r","tiles":[[217,1]]}])"),
        file("[]", R"([{"name":"r","tiles":[[5,-1]]}])"),
        file("[]", R"([{"name":"r","tiles":[[5,1e12]]}])"),
        file("[]", R"([{"name":"r","tiles":[[5]]}])"),
        file("[]", "[]", R"("seed":-1,)").replace(R"("seed":3,)", ""),
        file("[]", "[]") + QByteArray(SetsFile::MaxBytes, ' '),
    };
    ASSERT_TRUE(SetsFile::parse(file("[" + wall + "]", R"([{"name":"r","tiles":[[5,2]]}])"), "x").ok());
    QTemporaryDir dir;
    const QString path = dir.filePath("n.lvl.sets.json");
    for (const QByteArray& bytes : hostile) {
        TestFiles::write(path, bytes);
        const SetsFile::ReadResult r = SetsFile::read(path);
        EXPECT_FALSE(r.ok()) << bytes.left(200).toStdString();
        EXPECT_TRUE(r.found);
        EXPECT_TRUE(r.sets.isEmpty());
        EXPECT_TRUE(r.error.startsWith("n.lvl.sets.json: ")) << r.error.toStdString();
    }
    TestFiles::write(path, file("[" + wall + "," + QByteArray(wall).replace("[1,2,3,4]", "[20,21,22,4]") + "]"));
    EXPECT_TRUE(SetsFile::read(path).error.contains("a tile belongs to two wall sets"));
}
