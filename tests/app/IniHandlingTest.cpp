#include <gtest/gtest.h>
#include <QTemporaryDir>

#include "TestFiles.h"
#include "app/inihandling.h"

class IniHandling : public ::testing::Test {
protected:
    QString file() const { return dir.filePath("recent.ini"); }
    QString read(const QString& section, const QString& key, const QString& fallback = {}) const {
        return inihandling::readIni(section, key, fallback, file());
    }
    bool write(const QString& key, const QString& value) { return inihandling::writeIni("Recent", key, value, file()); }
    QTemporaryDir dir;
};

TEST_F(IniHandling, RewritingAKeyReplacesItsLineAndKeepsEverythingElseInTheStandardTextFormat) {
    TestFiles::write(file(),
                     "; kept comment\r\n[Other]\r\n0=x\r\n\r\n[recent]\r\n0=old\r\n5=five\r\n[Last]\r\nk=v\r\n");
    ASSERT_TRUE(write("0", "new"));
    ASSERT_TRUE(write("6", "/maps/a b.lvl"));
    EXPECT_EQ(TestFiles::read(file()),
              QByteArray("; kept comment\n[Other]\n0=x\n\n[recent]\n0=new\n5=five\n6=/maps/a b.lvl\n[Last]\nk=v\n"));
    EXPECT_EQ(read("RECENT", "5"), QStringLiteral("five"));
    EXPECT_EQ(read("Recent", "6"), QStringLiteral("/maps/a b.lvl"));
}

TEST_F(IniHandling, MissingFileSectionOrKeyGivesTheDefaultAndLongValuesSurvive) {
    EXPECT_EQ(read("Recent", "0", "-"), QStringLiteral("-"));
    ASSERT_TRUE(write("1", "a"));
    EXPECT_EQ(TestFiles::read(file()), QByteArray("[Recent]\n1=a\n"));
    EXPECT_EQ(read("Other", "1", "-"), QStringLiteral("-"));
    EXPECT_EQ(read("Recent", "2", "-"), QStringLiteral("-"));
    const QString deep = "/" + QString(3000, QLatin1Char('d')) + "/a.lvl";
    write("0", deep);
    EXPECT_EQ(read("Recent", "0"), deep);
}
