#include <gtest/gtest.h>
#include <QImage>

#include "app/General.h"

using General::GetExtension;
using General::GetFileName;

TEST(GeneralPaths, FileNameIsTheLastPartOfThePath) {
    EXPECT_EQ(GetFileName(QString()), QString());
    EXPECT_EQ(GetFileName(QStringLiteral("/home/me/maps/a.lvl")), QStringLiteral("a.lvl"));
    EXPECT_EQ(GetFileName(QStringLiteral("C:\\maps\\b.lvl")), QStringLiteral("b.lvl"));
    EXPECT_EQ(GetFileName(QStringLiteral("plain.lvl")), QStringLiteral("plain.lvl"));
}

TEST(GeneralPaths, PathEndingInASeparatorGivesTheFolderName) {
    EXPECT_EQ(GetFileName(QStringLiteral("C:\\maps\\")), QStringLiteral("maps"));
    EXPECT_EQ(GetFileName(QStringLiteral("/home/me/maps/")), QStringLiteral("maps"));
}

TEST(GeneralPaths, ExtensionIsTheTextAfterTheLastDot) {
    EXPECT_EQ(GetExtension(QStringLiteral("a.lvl")), QStringLiteral("lvl"));
    EXPECT_EQ(GetExtension(QStringLiteral("level.v2.LVL")), QStringLiteral("LVL"));
    EXPECT_EQ(GetExtension(QStringLiteral("readme")), QStringLiteral("readme"));
    EXPECT_EQ(GetExtension(QStringLiteral("odd.")), QString());
}

TEST(GeneralPaths, OnlyLowerCaseLvlCountsAsALevel) {
    EXPECT_TRUE(General::isLevelName(QStringLiteral("/x/a.lvl")));
    EXPECT_FALSE(General::isLevelName(QStringLiteral("/x/b.LVL")));
    EXPECT_FALSE(General::isLevelName(QStringLiteral("/x.lvl/readme")));
}

TEST(GeneralCommandLine, OnlyTextInsideDoubleQuotesNamesFiles) {
    const QStringList names =
        General::quotedFileNames(QStringLiteral("quarn.exe \"C:\\my maps\\a.lvl\" \"b.LVL\" c.lvl \"d e.lvl\""));
    EXPECT_EQ(names,
              (QStringList{QStringLiteral("C:\\my maps\\a.lvl"), QStringLiteral("b.LVL"), QStringLiteral("d e.lvl")}));
    EXPECT_TRUE(General::quotedFileNames(QStringLiteral("c.lvl d.lvl")).isEmpty());
}

TEST(GeneralDrawing, RectangleOutlineCoversItsFourSidesOnly) {
    QImage surface(20, 40, QImage::Format_RGB32);
    surface.fill(Qt::black);
    General::DrawRectangle(surface, 0, 18, 17, 36, qRgb(255, 255, 0));
    const QRgb yellow = qRgb(255, 255, 0);
    EXPECT_EQ(surface.pixel(0, 18), yellow);
    EXPECT_EQ(surface.pixel(17, 36), yellow);
    EXPECT_EQ(surface.pixel(17, 18), yellow);
    EXPECT_EQ(surface.pixel(0, 36), yellow);
    EXPECT_EQ(surface.pixel(8, 27), qRgb(0, 0, 0));
    EXPECT_EQ(surface.pixel(18, 18), qRgb(0, 0, 0));
    EXPECT_EQ(surface.pixel(0, 17), qRgb(0, 0, 0));
}
