#include "datelogic/ErrorTrackingText.h"

#include "appstate/ProgramInfo.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

TEST(ErrorTrackingText, LinesInOrder)
{
    const QStringList lines =
        errorTrackingText(QDate(2002, 2, 10), "DisplayedDate(short)=20020210\r\nDisplayedDate(long)=February 10, 2002",
                          "20020209")
            .split("\r\n");
    const QStringList expected{
        QStringLiteral("sVersion=%1_%2").arg(ProgramInfo::Version, ProgramInfo::BuildDate),
        "DayDiff=40",
        "DisplayedDate(short)=20020210",
        "DisplayedDate(long)=February 10, 2002",
        "RealDate=2002210",
        "LastCheck=20020209",
        "LastCheck_plus1=20020210",
        "LastCheck_plus30=20020311",
        "",
        QStringLiteral("If an error occurs, please copy these data and send them to %1. Thank you for your help!")
            .arg(ProgramInfo::SupportMail),
    };
    EXPECT_EQ(lines, expected);
}

// Line by line: DayDiff (1), RealDate (3), and the LastCheck lines (4 to 6)
// with an empty displayed date.
TEST(ErrorTrackingText, DatesAndTheirArithmetic)
{
    const struct {
        const char *name;
        QDate today;
        const char *lastCheck;
        int line;
        const char *text;
    } rows[] = {
        {"day of origin", {2002, 1, 1}, "", 1, "DayDiff=0"},
        {"day after", {2002, 1, 2}, "", 1, "DayDiff=1"},
        {"day before", {2001, 12, 31}, "", 1, "DayDiff=-1"},
        {"no leading zeros", {2002, 11, 5}, "", 3, "RealDate=2002115"},
        {"two-digit month and day", {2012, 12, 31}, "", 3, "RealDate=20121231"},
        {"first eight characters", {2002, 1, 1}, "20041231junk", 4, "LastCheck=20041231"},
        {"plus one into a new year", {2002, 1, 1}, "20041231", 5, "LastCheck_plus1=20050101"},
        {"plus one onto a leap day", {2002, 1, 1}, "20040228", 5, "LastCheck_plus1=20040229"},
        {"plus one past 28 February 1900", {2002, 1, 1}, "19000228", 5, "LastCheck_plus1=19000301"},
        {"plus thirty across February", {2002, 1, 1}, "20020228", 6, "LastCheck_plus30=20020330"},
        {"plus thirty into a new year", {2002, 1, 1}, "20021215", 6, "LastCheck_plus30=20030114"},
        {"plus one of nothing", {2002, 1, 1}, "", 5, "LastCheck_plus1=not available (no valid last-check date)"},
        {"plus thirty of no date", {2002, 1, 1}, "20021340", 6, "LastCheck_plus30=not available (no valid last-check date)"},
        {"plus one of a short text", {2002, 1, 1}, "2002", 5, "LastCheck_plus1=not available (no valid last-check date)"},
    };
    for (const auto &row : rows)
        EXPECT_EQ(errorTrackingText(row.today, {}, row.lastCheck).split("\r\n").value(row.line), row.text) << row.name;
}
