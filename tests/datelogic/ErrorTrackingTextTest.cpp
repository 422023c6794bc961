#include "datelogic/ErrorTrackingText.h"

#include "programinfo/ProgramInfo.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

// Of the stored LastCheck only the first eight characters count.
TEST(ErrorTrackingText, LinesInOrder)
{
    const QStringList lines = errorTrackingText(QDate(2002, 2, 10), QDate(2002, 3, 4), "20020209junk").split("\r\n");
    const QStringList expected{
        QStringLiteral("sVersion=%1_%2").arg(ProgramInfo::Version, ProgramInfo::BuildDate),
        "DayDiff=40",
        "DisplayedDate(short)=20020304",
        "DisplayedDate(long)=March 4, 2002",
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

TEST(ErrorTrackingText, LinesOfNoValidLastCheckSaySo)
{
    const QString none = QStringLiteral("not available (no valid last-check date)");
    EXPECT_EQ(errorTrackingText({2002, 1, 1}, {}, "").split("\r\n").value(5), "LastCheck_plus1=" + none);
    EXPECT_EQ(errorTrackingText({2002, 1, 1}, {}, "20021340").split("\r\n").value(6), "LastCheck_plus30=" + none);
}
