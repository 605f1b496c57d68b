#include <QDropEvent>
#include <QMimeData>
#include <QUrl>

#include "MapFixture.h"
#include "TestFiles.h"

using ImportExportMapTest = WindowFixture;

namespace {

QByteArray twoLayerMap(const QByteArray& groundIds) {
    const QByteArray layer = "<layer name=\"%1\" width=\"2\" height=\"1\"><data encoding=\"csv\">%2</data></layer>";
    return "<map orientation=\"orthogonal\" width=\"2\" height=\"1\" tilewidth=\"16\" tileheight=\"16\">"
           "<tileset firstgid=\"1\" name=\"t\" tilewidth=\"16\" tileheight=\"16\" columns=\"19\"/>" +
           QByteArray(layer).replace("%1", "ground").replace("%2", groundIds) +
           QByteArray(layer).replace("%1", "top").replace("%2", "0,9") + "</map>";
}

}  // namespace

TEST_F(ImportExportMapTest, ExportedMapOpensAsAnUnnamedLevelThatSaveAsksANameFor) {
    general->documents().openLevel(writeLevel("a.lvl", {{20, 3, 7}, {4, 5, 219}}));
    dialogs->chosen.push_back(path("a.tmj"));
    general->mainMenu()->exportMapAction()->trigger();
    EXPECT_EQ(dialogs->starts.last(), path("a.tmx"));
    EXPECT_EQ(dialogs->filters.last(), "TMX map (*.tmx);;JSON map (*.tmj)");
    EXPECT_TRUE(QFile::exists(path("a.png")) && QFile::exists(path("a-219.png")));

    const std::optional<int> slot = general->documents().openLevel(path("a.tmj"));
    ASSERT_TRUE(slot.has_value());
    MapWindow* imported = general->documents().map(*slot);
    EXPECT_EQ(imported->windowTitle(), "Imported from a.tmj");
    EXPECT_TRUE(imported->level().activeFile().isEmpty());
    EXPECT_EQ(tile(4, 5, imported), 219);
    EXPECT_EQ(tile(9, 10, imported), -1);
    EXPECT_EQ(tile(20, 3, imported), 7);
    EXPECT_EQ(dialogs->messages, QStringList());
    dialogs->chosen.push_back(path("b.lvl"));
    general->documents().saveActive(false);
    EXPECT_EQ(dialogs->titles.last(), "Save lvl as...");
    EXPECT_EQ(TestFiles::read(path("b.lvl")), TestFiles::read(path("a.lvl")));
}

TEST_F(ImportExportMapTest, SeveralLayersOfferAChoiceAndFlippedTilesAreTakenUnflippedOnlyWhenAgreed) {
    TestFiles::write(path("m.tmx"), twoLayerMap("2147483651,0"));
    dialogs->layerChoice = "top";
    std::optional<int> slot = general->documents().openLevel(path("m.tmx"));
    ASSERT_TRUE(slot.has_value());
    EXPECT_EQ(dialogs->layerOffers, QList<QStringList>{QStringList({"ground", "top"})});
    EXPECT_EQ(tile(1, 0, general->documents().map(*slot)), 9);
    EXPECT_EQ(tile(0, 0, general->documents().map(*slot)), 0);

    dialogs->layerChoice = "ground";
    dialogs->answers = {false, true};
    EXPECT_EQ(general->documents().openLevel(path("m.tmx")), std::nullopt);
    EXPECT_EQ(openCount(), 1);
    ASSERT_EQ(dialogs->questions.size(), 1);
    EXPECT_TRUE(dialogs->questions[0].contains("is flipped or rotated")) << dialogs->questions[0].toStdString();
    slot = general->documents().openLevel(path("m.tmx"));
    ASSERT_TRUE(slot.has_value());
    EXPECT_EQ(tile(0, 0, general->documents().map(*slot)), 3);
    EXPECT_TRUE(dialogs->messages.join(' ').contains("1 flipped or rotated tile(s) were taken unflipped"));

    dialogs->layerChoice.clear();
    EXPECT_EQ(general->documents().openLevel(path("m.tmx")), std::nullopt);
    EXPECT_EQ(openCount(), 2);
}

TEST_F(ImportExportMapTest, DroppedMapsOpenAndARefusedOneSaysWhy) {
    TestFiles::write(path("d.tmx"), twoLayerMap("5,6"));
    TestFiles::write(path("bad.tmj"), "{\"type\":\"map\",\"orientation\":\"hexagonal\"}");
    dialogs->layerChoice = "ground";
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(path("bad.tmj")), QUrl::fromLocalFile(path("d.tmx"))});
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(general.get(), &enter);
    QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(general.get(), &drop);
    EXPECT_EQ(openCount(), 1);
    ASSERT_EQ(dialogs->messages.size(), 1);
    EXPECT_TRUE(dialogs->messages[0].contains("orientation is \"hexagonal\""));
    EXPECT_EQ(tile(1, 0, general->activeMap()), 6);
}
