#include <gtest/gtest.h>
#include <QTemporaryDir>

#include "TestFiles.h"
#include "app/inihandling.h"

using inihandling::ReadIni;
using inihandling::WriteIni;

class IniHandling : public ::testing::Test {
protected:
    QString file() const { return dir.filePath(QStringLiteral("recent.ini")); }
    QTemporaryDir dir;
};

TEST_F(IniHandling, MissingFileSectionOrKeyGivesTheDefault) {
    EXPECT_EQ(ReadIni(QStringLiteral("Recent"), QStringLiteral("0"), QStringLiteral("-"), file()), QStringLiteral("-"));
    ASSERT_TRUE(WriteIni(QStringLiteral("Recent"), QStringLiteral("0"), QStringLiteral("a"), file()));
    EXPECT_EQ(ReadIni(QStringLiteral("Other"), QStringLiteral("0"), {}, file()), QString());
    EXPECT_EQ(ReadIni(QStringLiteral("Recent"), QStringLiteral("1"), {}, file()), QString());
}

TEST_F(IniHandling, WritesTheStandardTextFormat) {
    WriteIni(QStringLiteral("Recent"), QStringLiteral("1"), QStringLiteral("/maps/b.lvl"), file());
    WriteIni(QStringLiteral("Recent"), QStringLiteral("0"), QStringLiteral("/maps/a b.lvl"), file());
    EXPECT_EQ(TestFiles::read(file()), QByteArray("[Recent]\n1=/maps/b.lvl\n0=/maps/a b.lvl\n"));
}

TEST_F(IniHandling, RewritingAKeyReplacesItsLineAndKeepsEverythingElse) {
    TestFiles::write(file(),
                     "; kept comment\r\n[Other]\r\n0=x\r\n\r\n[recent]\r\n0=old\r\n5=five\r\n[Last]\r\nk=v\r\n");
    ASSERT_TRUE(WriteIni(QStringLiteral("Recent"), QStringLiteral("0"), QStringLiteral("new"), file()));
    ASSERT_TRUE(WriteIni(QStringLiteral("Recent"), QStringLiteral("6"), QStringLiteral("six"), file()));
    EXPECT_EQ(ReadIni(QStringLiteral("Recent"), QStringLiteral("0"), {}, file()), QStringLiteral("new"));
    EXPECT_EQ(ReadIni(QStringLiteral("RECENT"), QStringLiteral("5"), {}, file()), QStringLiteral("five"));
    EXPECT_EQ(ReadIni(QStringLiteral("Recent"), QStringLiteral("6"), {}, file()), QStringLiteral("six"));
    EXPECT_EQ(ReadIni(QStringLiteral("Other"), QStringLiteral("0"), {}, file()), QStringLiteral("x"));
    EXPECT_EQ(ReadIni(QStringLiteral("Last"), QStringLiteral("k"), {}, file()), QStringLiteral("v"));
    EXPECT_TRUE(TestFiles::read(file()).startsWith("; kept comment\n[Other]\n0=x\n"));
}

TEST_F(IniHandling, ValuesLongerThanAnyFixedBufferSurvive) {
    const QString deep = QStringLiteral("/") + QString(3000, QLatin1Char('d')) + QStringLiteral("/a.lvl");
    WriteIni(QStringLiteral("Recent"), QStringLiteral("0"), deep, file());
    EXPECT_EQ(ReadIni(QStringLiteral("Recent"), QStringLiteral("0"), {}, file()), deep);
}

TEST_F(IniHandling, UnwritableFileIsReported) {
    EXPECT_FALSE(WriteIni(QStringLiteral("Recent"), QStringLiteral("0"), QStringLiteral("a"),
                          dir.filePath(QStringLiteral("no/such/folder/recent.ini"))));
}
