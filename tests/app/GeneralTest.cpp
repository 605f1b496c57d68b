#include <gtest/gtest.h>

#include "app/General.h"

TEST(GeneralPaths, FileNameIsTheLastPartOfThePathAndExtensionTheTextAfterTheLastDot) {
    const std::pair<QString, QString> names[] = {{"", ""},
                                                 {"/home/me/maps/a.lvl", "a.lvl"},
                                                 {"C:\\maps\\b.lvl", "b.lvl"},
                                                 {"plain.lvl", "plain.lvl"},
                                                 {"C:\\maps\\", "maps"},
                                                 {"/home/me/maps/", "maps"}};
    for (const auto& [path, name] : names) {
        EXPECT_EQ(General::fileNameOf(path), name) << path.toStdString();
    }
    const std::pair<QString, QString> extensions[] = {
        {"a.lvl", "lvl"}, {"level.v2.LVL", "LVL"}, {"readme", "readme"}, {"odd.", ""}};
    for (const auto& [path, extension] : extensions) {
        EXPECT_EQ(General::extensionOf(path), extension) << path.toStdString();
    }
    EXPECT_TRUE(General::isLevelName("/x/a.lvl"));
    EXPECT_FALSE(General::isLevelName("/x/b.LVL"));
    EXPECT_FALSE(General::isLevelName("/x.lvl/readme"));
}
