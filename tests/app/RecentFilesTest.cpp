#include <gtest/gtest.h>
#include <QAction>
#include <QMenu>
#include <QTemporaryDir>
#include <memory>

#include "app/RecentFiles.h"
#include "app/inihandling.h"

class RecentList : public ::testing::Test {
protected:
    void SetUp() override { reopen(); }
    // A new list on the same file, as after a restart.
    void reopen() {
        list.reset();
        menu = std::make_unique<QMenu>();
        list = std::make_unique<RecentFiles>(menu.get(), ini());
    }
    QString ini() const { return dir.filePath(QStringLiteral("recent.ini")); }
    QString stored(int key) const {
        return inihandling::ReadIni(QStringLiteral("Recent"), QString::number(key), QStringLiteral("<missing>"), ini());
    }
    static QString name(int i) { return QStringLiteral("/maps/level%1.lvl").arg(i); }
    void addNames(int count) {
        for (int i = 0; i < count; ++i) {
            list->AddRecent(name(i));
        }
    }

    QTemporaryDir dir;
    std::unique_ptr<QMenu> menu;
    std::unique_ptr<RecentFiles> list;
};

TEST_F(RecentList, StartsEmptyWithOnlyTheFirstItemShownAndNoFileWritten) {
    EXPECT_FALSE(QFile::exists(ini()));
    EXPECT_TRUE(list->mnulstRecent(0)->isVisible());
    EXPECT_FALSE(list->mnulstRecent(0)->isEnabled());
    for (int i = 1; i < RecentFiles::Count; ++i) {
        EXPECT_FALSE(list->mnulstRecent(i)->isVisible()) << i;
    }
}

TEST_F(RecentList, ElevenFilesLeaveTheNewestTenNewestFirst) {
    addNames(11);
    for (int i = 0; i < RecentFiles::Count; ++i) {
        EXPECT_EQ(list->entry(i), name(10 - i)) << i;
        EXPECT_EQ(stored(i), name(10 - i)) << i;
        EXPECT_TRUE(list->mnulstRecent(i)->isVisible()) << i;
    }
    EXPECT_FALSE(list->isInRecent(name(0)));
}

TEST_F(RecentList, MovingPositionFourToTheTopShiftsOnlyThePositionsAboveIt) {
    addNames(10);  // position p holds name(9 - p)
    list->MoveRecentToTop(4);
    const QStringList expected{name(5), name(9), name(8), name(7), name(6),
                               name(4), name(3), name(2), name(1), name(0)};
    for (int i = 0; i < RecentFiles::Count; ++i) {
        EXPECT_EQ(list->entry(i), expected[i]) << i;
        EXPECT_EQ(stored(i), expected[i]) << i;
    }
    list->MoveRecentToTop(0);
    EXPECT_EQ(list->entry(0), name(5));
}

TEST_F(RecentList, AddingAListedNameLeavesTheListAsItIs) {
    addNames(3);
    list->AddRecent(name(0));
    EXPECT_EQ(list->entry(0), name(2));
    EXPECT_EQ(list->entry(2), name(0));
    EXPECT_FALSE(list->mnulstRecent(3)->isVisible());
}

TEST_F(RecentList, NamesDifferingOnlyInLetterCaseAreSeparateEntries) {
    list->AddRecent(QStringLiteral("/maps/A.lvl"));
    list->AddRecent(QStringLiteral("/maps/a.lvl"));
    EXPECT_EQ(list->entry(0), QStringLiteral("/maps/a.lvl"));
    EXPECT_EQ(list->entry(1), QStringLiteral("/maps/A.lvl"));
}

TEST_F(RecentList, SurvivesARestart) {
    addNames(4);
    reopen();
    EXPECT_EQ(list->entry(0), name(3));
    EXPECT_EQ(list->entry(3), name(0));
    EXPECT_TRUE(list->mnulstRecent(3)->isVisible());
    EXPECT_FALSE(list->mnulstRecent(4)->isVisible());
    EXPECT_TRUE(list->mnulstRecent(0)->isEnabled());
}

TEST_F(RecentList, NamesThatWouldBreakTheFileAreNotRecorded) {
    list->AddRecent(QStringLiteral("/maps/two\nlines.lvl"));
    list->AddRecent(QString());
    EXPECT_EQ(list->entry(0), QString());
    EXPECT_FALSE(QFile::exists(ini()));
}

TEST_F(RecentList, AmpersandsShowAsTheyAreInTheMenu) {
    list->AddRecent(QStringLiteral("/maps/rock&roll.lvl"));
    EXPECT_EQ(list->mnulstRecent(0)->text(), QStringLiteral("/maps/rock&&roll.lvl"));
    EXPECT_EQ(list->entry(0), QStringLiteral("/maps/rock&roll.lvl"));
}
