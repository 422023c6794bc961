#include "datelogic/ErrorTrackingText.h"

#include "TestSupport.h"

#include <gtest/gtest.h>

namespace {

QStringList linesFor(const QDate &today, const QString &lastCheck, const QString &displayed = QString())
{
    return errorTrackingText(today, displayed, lastCheck).split(QStringLiteral("\r\n"));
}

} // namespace

TEST(ErrorTrackingText, LinesInOrder)
{
    const QStringList lines = linesFor(QDate(2002, 2, 10), QStringLiteral("20020209"),
                                       QStringLiteral("DisplayedDate(short)=20020210\r\nDisplayedDate(long)=February 10, 2002"));
    ASSERT_EQ(lines.size(), 10);
    EXPECT_TRUE(lines[0].startsWith("sVersion=1.21_"));
    EXPECT_EQ(lines[1], "DayDiff=40");
    EXPECT_EQ(lines[2], "DisplayedDate(short)=20020210");
    EXPECT_EQ(lines[3], "DisplayedDate(long)=February 10, 2002");
    EXPECT_EQ(lines[4], "RealDate=2002210");
    EXPECT_EQ(lines[5], "LastCheck=20020209");
    EXPECT_EQ(lines[6], "LastCheck_plus1=20020210");
    EXPECT_EQ(lines[7], "LastCheck_plus30=20020311");
    EXPECT_EQ(lines[8], "");
    EXPECT_TRUE(lines[9].startsWith("If an error occurs, please copy these data and send them to "));
}

TEST(ErrorTrackingText, DayDiffCountsFromTheFirstOfJanuary2002)
{
    EXPECT_EQ(linesFor(QDate(2002, 1, 1), "20020101")[1], "DayDiff=0");
    EXPECT_EQ(linesFor(QDate(2002, 1, 2), "20020101")[1], "DayDiff=1");
    EXPECT_EQ(linesFor(QDate(2001, 12, 31), "20020101")[1], "DayDiff=-1");
}

TEST(ErrorTrackingText, RealDateDropsLeadingZeros)
{
    EXPECT_EQ(linesFor(QDate(2002, 11, 5), "20020101")[3], "RealDate=2002115");
    EXPECT_EQ(linesFor(QDate(2002, 11, 1), "20020101")[3], linesFor(QDate(2002, 1, 11), "20020101")[3]);
}

TEST(ErrorTrackingText, LastCheckArithmeticRollsOverMonthsYearsAndLeapDays)
{
    QStringList lines = linesFor(QDate(2002, 3, 1), "20020228");
    EXPECT_EQ(lines[5], "LastCheck_plus1=20020301");
    EXPECT_EQ(lines[6], "LastCheck_plus30=20020330");
    EXPECT_EQ(linesFor(QDate(2005, 1, 1), "20041231")[5], "LastCheck_plus1=20050101");
    EXPECT_EQ(linesFor(QDate(2004, 3, 1), "20040228")[5], "LastCheck_plus1=20040229");
}

TEST(ErrorTrackingText, InvalidLastCheckStillGivesEveryLine)
{
    for (const QString &bad : {QString(), QStringLiteral("2002"), QStringLiteral("20021340"), QStringLiteral("abcdefgh")}) {
        const QStringList lines = linesFor(QDate(2002, 3, 1), bad);
        ASSERT_EQ(lines.size(), 9) << bad.toStdString(); // the empty displayed date is one empty line
        EXPECT_TRUE(lines[5].startsWith("LastCheck_plus1=not available"));
        EXPECT_TRUE(lines[6].startsWith("LastCheck_plus30=not available"));
    }
}
