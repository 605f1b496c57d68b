#include <gtest/gtest.h>
#include <QImage>

#include "app/General.h"

TEST(GeneralPaths, FileNameIsTheLastPartOfThePathAndExtensionTheTextAfterTheLastDot) {
    const std::pair<QString, QString> names[] = {{"", ""},
                                                 {"/home/me/maps/a.lvl", "a.lvl"},
                                                 {"C:\\maps\\b.lvl", "b.lvl"},
                                                 {"plain.lvl", "plain.lvl"},
                                                 {"C:\\maps\\", "maps"},
                                                 {"/home/me/maps/", "maps"}};
    for (const auto& [path, name] : names) {
        EXPECT_EQ(General::GetFileName(path), name) << path.toStdString();
    }
    const std::pair<QString, QString> extensions[] = {
        {"a.lvl", "lvl"}, {"level.v2.LVL", "LVL"}, {"readme", "readme"}, {"odd.", ""}};
    for (const auto& [path, extension] : extensions) {
        EXPECT_EQ(General::GetExtension(path), extension) << path.toStdString();
    }
    EXPECT_TRUE(General::isLevelName("/x/a.lvl"));
    EXPECT_FALSE(General::isLevelName("/x/b.LVL"));
    EXPECT_FALSE(General::isLevelName("/x.lvl/readme"));
}

TEST(GeneralCommandLine, OnlyTextInsideDoubleQuotesNamesFiles) {
    const QStringList names = General::quotedFileNames("quarn.exe \"C:\\my maps\\a.lvl\" \"b.LVL\" c.lvl \"d e.lvl\"");
    EXPECT_EQ(names, (QStringList{"C:\\my maps\\a.lvl", "b.LVL", "d e.lvl"}));
    EXPECT_TRUE(General::quotedFileNames("c.lvl d.lvl").isEmpty());
}

TEST(GeneralDrawing, RectangleOutlineCoversItsFourSidesOnly) {
    QImage surface(20, 40, QImage::Format_RGB32);
    surface.fill(Qt::black);
    const QRgb yellow = qRgb(255, 255, 0);
    General::DrawRectangle(surface, 0, 18, 17, 36, yellow);
    for (const QPoint corner : {QPoint(0, 18), QPoint(17, 36), QPoint(17, 18), QPoint(0, 36)}) {
        EXPECT_EQ(surface.pixel(corner), yellow);
    }
    for (const QPoint outside : {QPoint(8, 27), QPoint(18, 18), QPoint(0, 17)}) {
        EXPECT_EQ(surface.pixel(outside), qRgb(0, 0, 0));
    }
}
