#include <gtest/gtest.h>
#include <QTemporaryDir>

#include "TestFiles.h"
#include "app/inihandling.h"

class IniHandling : public ::testing::Test {
protected:
    QString file() const { return dir.filePath("recent.ini"); }
    QString read(const QString& section, const QString& key, const QString& fallback = {}) const {
        return inihandling::ReadIni(section, key, fallback, file());
    }
    bool write(const QString& key, const QString& value) { return inihandling::WriteIni("Recent", key, value, file()); }
    QTemporaryDir dir;
};

TEST_F(IniHandling, WritesTheStandardTextFormat) {
    write("1", "/maps/b.lvl");
    write("0", "/maps/a b.lvl");
    EXPECT_EQ(TestFiles::read(file()), QByteArray("[Recent]\n1=/maps/b.lvl\n0=/maps/a b.lvl\n"));
}

TEST_F(IniHandling, RewritingAKeyReplacesItsLineAndKeepsEverythingElse) {
    TestFiles::write(file(),
                     "; kept comment\r\n[Other]\r\n0=x\r\n\r\n[recent]\r\n0=old\r\n5=five\r\n[Last]\r\nk=v\r\n");
    ASSERT_TRUE(write("0", "new"));
    ASSERT_TRUE(write("6", "six"));
    EXPECT_EQ(read("Recent", "0"), QStringLiteral("new"));
    EXPECT_EQ(read("RECENT", "5"), QStringLiteral("five"));
    EXPECT_EQ(read("Recent", "6"), QStringLiteral("six"));
    EXPECT_EQ(read("Other", "0"), QStringLiteral("x"));
    EXPECT_EQ(read("Last", "k"), QStringLiteral("v"));
    EXPECT_TRUE(TestFiles::read(file()).startsWith("; kept comment\n[Other]\n0=x\n"));
}

TEST_F(IniHandling, MissingFileSectionOrKeyGivesTheDefaultLongValuesSurviveAndAnUnwritableFileIsReported) {
    EXPECT_EQ(read("Recent", "0", "-"), QStringLiteral("-"));
    ASSERT_TRUE(write("1", "a"));
    EXPECT_EQ(read("Other", "1", "-"), QStringLiteral("-"));
    EXPECT_EQ(read("Recent", "2", "-"), QStringLiteral("-"));
    const QString deep = "/" + QString(3000, QLatin1Char('d')) + "/a.lvl";
    write("0", deep);
    EXPECT_EQ(read("Recent", "0"), deep);
    EXPECT_FALSE(inihandling::WriteIni("Recent", "0", "a", dir.filePath("no/such/folder/recent.ini")));
}
