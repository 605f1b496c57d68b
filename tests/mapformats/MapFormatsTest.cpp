#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <cstring>
#include <memory>

#include "TestFiles.h"
#include "mapformats/LayerCodec.h"
#include "mapformats/MapExport.h"
#include "mapformats/MapImport.h"
#include "mapformats/TmxReader.h"
#include "model/Level.h"
#include "model/LevelFile.h"

using TestFiles::record;
using TestFiles::write;
using TileMapFormat::Encoding;

namespace {

// A map of 4 x 3 cells around the given layers, with one 16 x 16 picture tileset of 266 tiles.
QByteArray tmx(const QByteArray& layers, const QByteArray& mapAttributes = "width=\"4\" height=\"3\"",
               const QByteArray& tileset =
                   "<tileset firstgid=\"1\" name=\"t\" tilewidth=\"16\" tileheight=\"16\" "
                   "tilecount=\"266\" columns=\"19\"/>") {
    return "<?xml version=\"1.0\"?>\n<map version=\"1.8\" orientation=\"orthogonal\" tilewidth=\"16\" "
           "tileheight=\"16\" " +
           mapAttributes + ">" + tileset + layers + "</map>";
}

QByteArray layer(const QByteArray& data, const QByteArray& name = "ground") {
    return "<layer id=\"1\" name=\"" + name + "\" width=\"4\" height=\"3\">" + data + "</layer>";
}

QByteArray tmj(const QByteArray& layerFields, const QByteArray& mapFields = "\"width\":4,\"height\":3",
               const QByteArray& tileset =
                   "{\"firstgid\":1,\"name\":\"t\",\"tilewidth\":16,\"tileheight\":16,"
                   "\"tilecount\":266,\"columns\":19}") {
    return "{\"type\":\"map\",\"orientation\":\"orthogonal\",\"tilewidth\":16,\"tileheight\":16," + mapFields +
           ",\"tilesets\":[" + tileset +
           "],\"layers\":[{\"type\":\"tilelayer\",\"name\":\"ground\",\"width\":4,"
           "\"height\":3," +
           layerFields + "}]}";
}

const QByteArray Csv = "1,2,0,255,\n0,7,19,20,\n191,0,0,3";
// The same twelve ids as little-endian words, in base64, compressed by other programs.
const QByteArray Base64 = "AQAAAAIAAAAAAAAA/wAAAAAAAAAHAAAAEwAAABQAAAC/AAAAAAAAAAAAAAADAAAA";
const QByteArray Zlib = "eJxjZGBgYGKAgP9Qmh2IhYFYBIj3MyAAMxADADSsAfM=";
const QByteArray Gzip = "H4sIAAAAAAACA2NkYGBgYoCA/1CaHYiFgVgEiPczIAAzEAMAgJYOpzAAAAA=";
const QByteArray Zstd = "KLUv/QRo5QAAAgMGDfBZA1/r/91iWCWlTAGX/9vr9PnfPw4BABOAKAw=";
const char* const CellsOfCsv = "0,0=1 1,0=2 3,0=255 1,1=7 2,1=19 3,1=20 0,2=191 3,2=3";

struct ImportCase {
    const char* name;
    QByteArray map;
    const char* cells;  // "x,y=value ...": every cell that is not empty afterwards
    MapImport::Options options = {};
    QByteArray extraName = {};
    QByteArray extra = {};
    const char* warning = nullptr;
    bool json = false;
};

// Imports `map` (with an extra file beside it) into `level`.
MapImport::Result importInto(Level& level, const QByteArray& map, bool json, const MapImport::Options& options = {},
                             const QByteArray& extraName = {}, const QByteArray& extra = {}) {
    QTemporaryDir dir;
    if (!extraName.isEmpty()) {
        write(dir.filePath(QString::fromLatin1(extraName)), extra);
    }
    const QString path = dir.filePath(json ? "in.tmj" : "in.tmx");
    write(path, map);
    return MapImport::import(path, options, level);
}

QString cellsOf(const Level& level) {
    QStringList found;
    for (int y = 0; y < Level::Size; ++y) {
        for (int x = 0; x < Level::Size; ++x) {
            if (level.getTile(x, y) != 0) {
                found << QStringLiteral("%1,%2=%3").arg(x).arg(y).arg(level.getTile(x, y));
            }
        }
    }
    return found.join(' ');
}

}  // namespace

TEST(MapImport, HandWrittenMapsGiveExactlyTheirCells) {
    const QByteArray tsx =
        "<?xml version=\"1.0\"?><tileset name=\"ext\" tilewidth=\"16\" tileheight=\"16\" tilecount=\"300\" "
        "columns=\"19\"/>";
    const QByteArray flipped = "2147483650,0,0,0,0,0,0,0,0,0,0,1610612743";
    const QByteArray plainTiles =
        "<data><tile gid=\"9\"/><tile/><tile/><tile/><tile/><tile/><tile/><tile/>"
        "<tile/><tile/><tile/><tile gid=\"4\"/></data>";
    const QByteArray chunks =
        "<layer id=\"1\" name=\"c\" width=\"16\" height=\"16\"><data encoding=\"csv\">"
        "<chunk x=\"-16\" y=\"0\" width=\"2\" height=\"1\">0,0</chunk>"
        "<chunk x=\"1020\" y=\"1021\" width=\"2\" height=\"2\">0,5,6,0</chunk>"
        "<chunk x=\"0\" y=\"0\" width=\"4\" height=\"3\">" +
        Csv + "</chunk></data></layer>";
    const ImportCase cases[] = {
        {"csv", tmx(layer("<data encoding=\"csv\">" + Csv + "</data>")), CellsOfCsv},
        {"base64", tmx(layer("<data encoding=\"base64\">\n   " + Base64 + "\n  </data>")), CellsOfCsv},
        {"zlib", tmx(layer("<data encoding=\"base64\" compression=\"zlib\">" + Zlib + "</data>")), CellsOfCsv},
        {"gzip", tmx(layer("<data encoding=\"base64\" compression=\"gzip\">" + Gzip + "</data>")), CellsOfCsv},
        {"zstd", tmx(layer("<data encoding=\"base64\" compression=\"zstd\">" + Zstd + "</data>")), CellsOfCsv},
        {"tile elements", tmx(layer(plainTiles)), "0,0=9 3,2=4"},
        {"infinite", tmx(chunks, "width=\"4\" height=\"3\" infinite=\"1\""),
         "0,0=1 1,0=2 3,0=255 1,1=7 2,1=19 3,1=20 "
         "0,2=191 3,2=3 1021,1021=5 1020,1022=6"},
        {"external tsx",
         tmx(layer("<data encoding=\"csv\">" + Csv + "</data>"), "width=\"4\" height=\"3\"",
             "<tileset firstgid=\"1\" source=\"ext.tsx\"/>"),
         CellsOfCsv,
         {},
         "ext.tsx",
         tsx},
        {"first of several layers",
         tmx(layer("<data encoding=\"csv\">" + Csv + "</data>") +
             layer("<data encoding=\"csv\">0,0,0,0,0,0,0,0,0,0,0,9</data>", "top")),
         CellsOfCsv},
        {"named layer",
         tmx(layer("<data encoding=\"csv\">" + Csv + "</data>") +
             layer("<data encoding=\"csv\">0,0,0,0,0,0,0,0,0,0,0,9</data>", "top")),
         "3,2=9",
         {"top", false}},
        {"flips dropped",
         tmx(layer("<data encoding=\"csv\">" + flipped + "</data>")),
         "0,0=2 3,2=7",
         {{}, true},
         {},
         {},
         "2 flipped or rotated tile(s) were taken unflipped"},
        {"json csv", tmj("\"data\":[" + Csv + "]"), CellsOfCsv, {}, {}, {}, nullptr, true},
        {"json zlib",
         tmj("\"encoding\":\"base64\",\"compression\":\"zlib\",\"data\":\"" + Zlib + "\""),
         CellsOfCsv,
         {},
         {},
         {},
         nullptr,
         true},
        {"json zstd",
         tmj("\"encoding\":\"base64\",\"compression\":\"zstd\",\"data\":\"" + Zstd + "\""),
         CellsOfCsv,
         {},
         {},
         {},
         nullptr,
         true},
        {"json chunks",
         tmj("\"chunks\":[{\"x\":1022,\"y\":0,\"width\":2,\"height\":1,\"data\":[8,9]}]",
             "\"width\":4,\"height\":3,\"infinite\":true"),
         "1022,0=8 1023,0=9",
         {},
         {},
         {},
         nullptr,
         true},
        {"json external tsj",
         tmj("\"data\":[" + Csv + "]", "\"width\":4,\"height\":3", "{\"firstgid\":1,\"source\":\"e.tsj\"}"),
         CellsOfCsv,
         {},
         "e.tsj",
         "{\"tilewidth\":16,\"tileheight\":16,\"tilecount\":19,\"columns\":19}",
         nullptr,
         true},
    };
    for (const ImportCase& c : cases) {
        Level level;
        const MapImport::Result r = importInto(level, c.map, c.json, c.options, c.extraName, c.extra);
        ASSERT_TRUE(r.ok()) << c.name << ": " << r.error.toStdString();
        EXPECT_EQ(cellsOf(level), QString::fromLatin1(c.cells)) << c.name;
        if (c.warning != nullptr) {
            EXPECT_TRUE(r.warnings.join('\n').contains(QLatin1String(c.warning))) << c.name;
        }
    }
}

TEST(MapImport, EveryRefusalSaysWhyInOneLineAndLeavesTheLevelEmpty) {
    const auto csvLayer = [](const QByteArray& ids) { return tmx(layer("<data encoding=\"csv\">" + ids + "</data>")); };
    const auto packed = [](const char* compression, const QByteArray& text) {
        return tmx(layer(QByteArray("<data encoding=\"base64\"") +
                         (compression ? QByteArray(" compression=\"") + compression + "\"" : QByteArray()) + ">" +
                         text + "</data>"));
    };
    const auto withTileset = [&](const QByteArray& tileset) {
        return tmx(layer("<data encoding=\"csv\">" + Csv + "</data>"), "width=\"4\" height=\"3\"", tileset);
    };
    const QByteArray own =
        "<properties><property name=\"quarn-format\" type=\"int\" value=\"1\"/></properties>"
        "<tileset firstgid=\"1\" name=\"s\" tilewidth=\"96\" tileheight=\"96\" tilecount=\"3\" "
        "columns=\"0\"><tile id=\"1\"><properties><property name=\"quarn-tile\" type=\"int\" "
        "value=\"219\"/></properties></tile></tileset>";
    const std::pair<QByteArray, const char*> cases[] = {
        {tmx(layer("")).replace("\"orthogonal\"", "\"isometric\""), "orientation is \"isometric\""},
        {tmx(layer("")).replace("tilewidth=\"16\" tileheight=\"16\" width", "tilewidth=\"32\" tileheight=\"16\" width"),
         "its tiles are 32 x 16 pixels"},
        {tmx(layer(""), "width=\"2000\" height=\"3\""), "it is 2000 x 3 cells"},
        {csvLayer("1,2,0,300,0,0,0,0,0,0,0,0"), "(gid 300) maps beyond tile 255"},
        {withTileset("<tileset firstgid=\"5\" name=\"t\" tilewidth=\"16\" tileheight=\"16\"/>"),
         "(gid 1) belongs to no tileset"},
        {withTileset("<tileset firstgid=\"1\" name=\"big\" tilewidth=\"32\" tileheight=\"32\"/>"),
         "tileset \"big\" (used at column 0, row 0) has 32 x 32 pixel tiles"},
        {withTileset(
             "<tileset firstgid=\"1\" name=\"c\" tilewidth=\"16\" tileheight=\"16\"><tile id=\"0\"/></tileset>"),
         "is a collection of separate pictures"},
        {csvLayer("0,0,0,0,0,0,2147483650,0,0,0,0,0"), "the tile at column 2, row 1 is flipped or rotated"},
        {"<?xml version=\"1.0\"?><!DOCTYPE map [<!ENTITY a \"aaaaaaaa\"><!ENTITY b \"&a;&a;&a;&a;\">]><map>&b;</map>",
         "declares a document type or entities"},
        {packed("zlib", "eJxjZGBgYGKAgP9QGgAIQAED"), "holds 20 bytes; 12 cells need exactly 48"},
        {packed("zlib", "eJxjZGBgYGKAgP9Qmh2IhYFYBIj3MyAAMxAzAjEAPHwB9A=="), "holds more than 48 bytes"},
        {packed("gzip", "H4sIAAAAAAACA2NkYGBgYoCA/1CaHYiFgVgEiPczIAAzEDMCMQDF0Q5bNAAAAA=="),
         "holds more than 48 bytes"},
        {packed("zstd", "KLUv/QRYoQAAAQAAAAIAAAAAAAAA/wAAAAAAAAD7zrSx"), "holds 20 bytes; 12 cells"},
        {packed("zstd", "KLUv/QRYPQEA8AEAAAACAP8ABwAAABMAAAAUAAAAvwADAAAAAQAAAAMQAFsNPBQBTjKRSQ=="),
         "holds more than 48 bytes"},
        {packed("zlib", "eJxjZGBgYGKAgP9Qmh2IhYFYBIj3MyAAMxADADSs"), "zlib data is damaged or cut off"},
        {packed(nullptr, Base64.left(48)), "holds 36 bytes; 12 cells"},
        {packed(nullptr, Base64.left(60) + "!!!!"), "not base64"},
        {packed("lzma", Base64), "compressed with \"lzma\", which is not read"},
        {csvLayer("1,2,3,4,5,6,7,8,9,10,11"), "holds 11 ids"},
        {csvLayer("1,2,3,4,5,6,7,8,9,10,11,x"), "holds \"x\" where a tile id belongs"},
        {tmx("<layer name=\"c\"><data encoding=\"csv\"><chunk x=\"1023\" y=\"0\" width=\"2\" height=\"1\">4,5"
             "</chunk></data></layer>",
             "width=\"4\" height=\"3\" infinite=\"1\""),
         "tile at column 1024, row 0, outside the level"},
        {withTileset("<tileset firstgid=\"1\" source=\"../t.tsx\"/>"), "\"../t.tsx\" is not a file beside the map"},
        {withTileset("<tileset firstgid=\"1\" source=\"/etc/t.tsx\"/>"), "\"/etc/t.tsx\" is not a file beside"},
        {withTileset("<tileset firstgid=\"1\" source=\"http://example.com/t.tsx\"/>"), "is not a file beside"},
        {withTileset("<tileset firstgid=\"1\" source=\"absent.tsx\"/>"), "\"absent.tsx\" does not exist"},
        {tmx(""), "it has no tile layer"},
        {tmx(own + "<layer name=\"l\" width=\"4\" height=\"3\"><data encoding=\"csv\">0,0,0,0,0,0,0,0,2,0,0,0</data>"
                   "</layer>",
             "width=\"4\" height=\"3\"", ""),
         "special tile 219 with its bottom-left cell at column 0, row 2 has its top-left cell outside the level"},
        {"<map", "not well-formed XML"},
        {"{\"type\":\"map\",", "not valid JSON"},
        {tmj("\"data\":[1,2,3,4,5,6,7,8,9,10,11,-1]"), "holds a value that is no tile id at place 11"},
    };
    for (const auto& [map, message] : cases) {
        Level level;
        const MapImport::Result r = importInto(level, map, map.startsWith('{'));
        EXPECT_TRUE(r.error.contains(QLatin1String(message))) << message << "\n got: " << r.error.toStdString();
        EXPECT_FALSE(r.error.contains('\n')) << message;
        EXPECT_EQ(LevelFile::encodeRecords(level).size(), 0) << message;
    }
    Level level;
    const MapImport::Result missing =
        importInto(level, tmx(layer("<data encoding=\"csv\">" + Csv + "</data>")), false, {"sky", false});
    EXPECT_TRUE(missing.error.contains("no tile layer named \"sky\" (its tile layers: ground)"))
        << missing.error.toStdString();
}

namespace {

// A level as loading a file makes it: every ordinary tile number somewhere, special tiles in the open,
// against the right and bottom edges and in the corner, with the level's own tileset or the default one.
std::unique_ptr<Level> richLevel(const QString& folder, bool ownTileset) {
    QByteArray records = ownTileset ? TestFiles::bmp8(9) : QByteArray();
    for (int t = 1; t <= 255; ++t) {
        records += record(t % 40, t / 40, t == 217 || t == 219 || t == 220 ? 1 : t);
    }
    int n = 0;
    for (int y = 20; y < 1024; y += 37) {
        for (int x = 0; x < 1024; x += 53, ++n) {
            records += record(x, y, n % 3 == 0 ? 217 : n % 3 == 1 ? 219 : 220);
        }
    }
    for (const auto& [x, y, t] : {std::tuple{1022, 1022, 217},
                                  {1019, 100, 219},
                                  {300, 1020, 220},
                                  {1023, 1023, 219},
                                  {0, 1023, 217},
                                  {700, 1019, 220},
                                  {701, 1018, 2}}) {
        records += record(x, y, t);
    }
    const QString file = QDir(folder).filePath("rich.lvl");
    write(file, records);
    auto level = std::make_unique<Level>();
    EXPECT_TRUE(LevelFile::openLevel(*level, file).ok());
    return level;
}

}  // namespace

TEST(MapExport, EveryEncodingOfBothFormsComesBackAsTheSameLevel) {
    QTemporaryDir dir;
    for (const bool ownTileset : {false, true}) {
        const std::unique_ptr<Level> level = richLevel(dir.path(), ownTileset);
        for (const Encoding encoding :
             {Encoding::Csv, Encoding::Base64, Encoding::Base64Zlib, Encoding::Base64Gzip, Encoding::Base64Zstd}) {
            for (const char* suffix : {"tmx", "tmj"}) {
                const QString what =
                    QStringLiteral("%1 %2 %3").arg(suffix, LayerCodec::compressionName(encoding)).arg(ownTileset);
                const QString path = dir.filePath(QStringLiteral("out.%1").arg(suffix));
                ASSERT_EQ(MapExport::write(*level, path, encoding), QString()) << what.toStdString();
                Level back;
                const MapImport::Result r = MapImport::import(path, {}, back);
                ASSERT_TRUE(r.ok()) << r.error.toStdString();
                EXPECT_EQ(r.warnings, QStringList()) << what.toStdString();
                EXPECT_EQ(std::memcmp(back.cells(), level->cells(), sizeof(int16_t) * Level::Size * Level::Size), 0)
                    << what.toStdString();
                EXPECT_EQ(back.usingDefaultTileset(), !ownTileset) << what.toStdString();
                EXPECT_EQ(back.tilesetBlock().bytes(), ownTileset ? level->tilesetBlock().bytes() : QByteArray())
                    << what.toStdString();
                EXPECT_TRUE(back.activeFile().isEmpty());
            }
        }
    }
}

TEST(MapExport, SpecialTileStandsOnTheBottomLeftCellOfItsSquareWhichIsOtherwiseEmpty) {
    QTemporaryDir dir;
    write(dir.filePath("s.lvl"), record(10, 10, 219) + record(40, 3, 217) + record(41, 3, 5));
    Level level;
    ASSERT_TRUE(LevelFile::openLevel(level, dir.filePath("s.lvl")).ok());
    const QString path = dir.filePath("s.tmx");
    ASSERT_EQ(MapExport::write(level, path, Encoding::Csv), QString());
    TileMap map;
    ASSERT_EQ(TmxReader::readMap(TestFiles::read(path), path, {}, map), QString());
    std::vector<uint32_t> expected(static_cast<size_t>(Level::Size) * Level::Size, 0);
    expected[15 * Level::Size + 10] = 268;  // the second tile of the special tiles, which start after 266
    expected[4 * Level::Size + 40] = 267;
    EXPECT_EQ(map.cells, expected);
    ASSERT_EQ(map.tilesets.size(), 2u);
    EXPECT_EQ(map.tilesets[1].firstGid, 267u);
    EXPECT_EQ(map.tilesets[1].tiles[1].properties.value("quarn-tile"), "219");
    EXPECT_EQ(QImage(dir.filePath("s-219.png")).size(), QSize(96, 96));
    EXPECT_EQ(QImage(dir.filePath("s.png")).size(), QSize(304, 224));
}

TEST(MapImport, PictureTilesetsBecomeTheLevelsOwnEightBitTileset) {
    QTemporaryDir dir;
    // Eight tiles a row with a margin and spacing: tile t of the level is tile t - 1 of the picture.
    QImage picture(2 + 8 * 17, 2 + 2 * 17, QImage::Format_RGB32);
    picture.fill(Qt::white);
    for (int id = 0; id < 16; ++id) {
        for (int y = 0; y < 16; ++y) {
            for (int x = 0; x < 16; ++x) {
                picture.setPixel(2 + id % 8 * 17 + x, 2 + id / 8 * 17 + y,
                                 qRgb(id * 10, x < 8 ? 50 : 150, y < 8 ? 5 : 9));
            }
        }
    }
    picture.save(dir.filePath("p.png"));
    const QByteArray tileset =
        "<tileset firstgid=\"1\" name=\"p\" tilewidth=\"16\" tileheight=\"16\" margin=\"2\" "
        "spacing=\"1\" tilecount=\"16\" columns=\"8\"><image source=\"p.png\"/></tileset>";
    const QByteArray map = tmx(layer("<data encoding=\"csv\">" + Csv + "</data>"), "width=\"4\" height=\"3\"", tileset);
    write(dir.filePath("m.tmx"), map);
    Level level;
    const MapImport::Result r = MapImport::import(dir.filePath("m.tmx"), {}, level);
    ASSERT_TRUE(r.ok()) << r.error.toStdString();
    EXPECT_EQ(r.warnings, QStringList());
    EXPECT_FALSE(level.usingDefaultTileset());
    EXPECT_EQ(level.tilesetBlock().bitsPerPixel(), 8);
    for (const int t : {1, 8, 9, 16}) {
        const QPoint at = Tileset::tileSource(t, 16).topLeft();
        EXPECT_EQ(level.tileset().tilesetPicture().pixel(at + QPoint(3, 5)), qRgb((t - 1) * 10, 50, 5)) << t;
    }
    // The same tiles in more colours than a bitmap of 256 can hold.
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            picture.setPixel(x, y, qRgb(x, y, (x * y) & 255));
        }
    }
    picture.save(dir.filePath("p.png"));
    Level reduced;
    const MapImport::Result many = MapImport::import(dir.filePath("m.tmx"), {}, reduced);
    EXPECT_TRUE(many.warnings.join(' ').contains("have more than 256 colours; they were reduced to 256"));
    EXPECT_EQ(reduced.tilesetBlock().bitsPerPixel(), 8);
}

TEST(MapCommands, ExportAndImportOnTheCommandLine) {
    QTemporaryDir dir;
    const QString lvl = dir.filePath("a.lvl");
    write(lvl, record(3, 4, 219) + record(9, 9, 7));
    const QString flipped = dir.filePath("f.tmx");
    write(flipped, tmx(layer("<data encoding=\"csv\">2147483650,0,0,0,0,0,0,0,0,0,0,0</data>") +
                       layer("<data encoding=\"csv\">" + Csv + "</data>", "top")));
    using TestFiles::quarnLvl;
    EXPECT_EQ(quarnLvl({"export-map", lvl, dir.filePath("a.tmj"), "--encoding", "base64-zstd"}).status, 0);
    EXPECT_EQ(quarnLvl({"import-map", dir.filePath("a.tmj"), dir.filePath("b.lvl")}).status, 0);
    EXPECT_EQ(TestFiles::read(dir.filePath("b.lvl")), TestFiles::read(lvl));
    for (const QStringList& wrong : {QStringList{"export-map", lvl},
                                     {"export-map", lvl, "x.tmx", "--encoding", "rle"},
                                     {"import-map", flipped, "x.lvl", "--layer"}}) {
        EXPECT_EQ(quarnLvl(wrong).status, 2) << wrong.join(' ').toStdString();
    }
    const TestFiles::ToolRun refused = quarnLvl({"import-map", flipped, dir.filePath("c.lvl")});
    EXPECT_EQ(refused.status, 1);
    EXPECT_TRUE(refused.err.contains("is flipped or rotated")) << refused.err.toStdString();
    EXPECT_FALSE(QFile::exists(dir.filePath("c.lvl")));
    const TestFiles::ToolRun lenient = quarnLvl({"import-map", flipped, dir.filePath("c.lvl"), "--lenient"});
    EXPECT_EQ(lenient.status, 0);
    EXPECT_TRUE(lenient.err.contains("1 flipped or rotated tile(s) were taken unflipped"));
    EXPECT_TRUE(lenient.err.contains("took layer \"ground\"; left out: top"));
    EXPECT_EQ(TestFiles::read(dir.filePath("c.lvl")), record(0, 0, 2));
    EXPECT_EQ(quarnLvl({"import-map", flipped, dir.filePath("d.lvl"), "--layer", "top"}).status, 0);
    EXPECT_EQ(TestFiles::read(dir.filePath("d.lvl")).size(), 8 * 4);
}
