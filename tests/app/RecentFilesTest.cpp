#include <gtest/gtest.h>
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
    QString ini() const { return dir.filePath("recent.ini"); }
    QString stored(int key) const { return inihandling::readIni("Recent", QString::number(key), "<missing>", ini()); }
    static QString name(int i) { return QStringLiteral("/maps/level%1.lvl").arg(i); }
    void addNames(int count) {
        for (int i = 0; i < count; ++i) {
            list->addRecent(name(i));
        }
    }
    // The list and its file hold `names`, newest first, and nothing after them.
    void expectList(const QStringList& names) {
        for (int i = 0; i < RecentFiles::Count; ++i) {
            EXPECT_EQ(list->entry(i), names.value(i)) << i;
            EXPECT_EQ(stored(i), names.value(i)) << i;
        }
    }
    // The first `count` items are visible, the rest hidden.
    void expectShown(int count) {
        for (int i = 0; i < RecentFiles::Count; ++i) {
            EXPECT_EQ(list->recentActions(i)->isVisible(), i < count) << i;
        }
    }

    QTemporaryDir dir;
    std::unique_ptr<QMenu> menu;
    std::unique_ptr<RecentFiles> list;
};

TEST_F(RecentList, StartsEmptyWithoutWritingAFileAndSurvivesARestart) {
    EXPECT_FALSE(QFile::exists(ini()));
    expectShown(1);
    EXPECT_FALSE(list->recentActions(0)->isEnabled());
    addNames(4);
    reopen();
    EXPECT_EQ(list->entry(0), name(3));
    EXPECT_EQ(list->entry(3), name(0));
    expectShown(4);
    EXPECT_TRUE(list->recentActions(0)->isEnabled());
}

TEST_F(RecentList, ElevenFilesLeaveTheNewestTenAndMovingPositionFourToTheTopShiftsOnlyThoseAboveIt) {
    addNames(11);  // position p holds name(10 - p)
    expectList({name(10), name(9), name(8), name(7), name(6), name(5), name(4), name(3), name(2), name(1)});
    expectShown(RecentFiles::Count);
    list->moveRecentToTop(4);
    expectList({name(6), name(10), name(9), name(8), name(7), name(5), name(4), name(3), name(2), name(1)});
}

TEST_F(RecentList, AListedNameStaysWhereItIsLetterCaseCountsAndNamesThatWouldBreakTheFileAreLeftOut) {
    list->addRecent("/maps/two\nlines.lvl");
    list->addRecent(QString());
    EXPECT_FALSE(QFile::exists(ini()));
    addNames(3);
    list->addRecent(name(0));
    list->addRecent("/maps/LEVEL0.lvl");
    list->addRecent("/maps/rock&roll.lvl");
    expectList({"/maps/rock&roll.lvl", "/maps/LEVEL0.lvl", name(2), name(1), name(0)});
    expectShown(5);
    EXPECT_EQ(list->recentActions(0)->text(), QStringLiteral("/maps/rock&&roll.lvl"));
}
