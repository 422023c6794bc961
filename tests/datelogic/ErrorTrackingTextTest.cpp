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

// The LastCheck lines (4 to 6) of a stored text that is longer or no date.
TEST(ErrorTrackingText, LastCheckLinesOfOddTexts)
{
    const struct {
        const char *lastCheck;
        int line;
        const char *text;
    } rows[] = {
        {"20041231junk", 4, "LastCheck=20041231"},
        {"20041231junk", 5, "LastCheck_plus1=20050101"},
        {"", 5, "LastCheck_plus1=not available (no valid last-check date)"},
        {"20021340", 6, "LastCheck_plus30=not available (no valid last-check date)"},
    };
    for (const auto &row : rows)
        EXPECT_EQ(errorTrackingText({2002, 1, 1}, {}, row.lastCheck).split("\r\n").value(row.line), row.text)
            << row.lastCheck << " line " << row.line;
}
