#include "datelogic/DayMark.h"

#include "eventdata/EventTable.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

#include <map>

// December 2026 shows November 23 first and January 3, 2027 last; each cell
// counts the events of its own date, grey cells too, none of another year.
TEST(DayMark, CountsTheDayListsEventsOnTheCellsOwnDate)
{
    EventTable table;
    for (const char *date : {"00001209", "20261209", "20271209", "20261123", "20270103"})
        table.addEvent(makeEvent(QStringLiteral("E%1").arg(table.size()), QString::fromLatin1(date)));
    const DayMarks marks = dayMarks(MonthLayout(2026, 12), table, QDate(2026, 12, 6));
    const std::map<QDate, int> counts{{QDate(2026, 12, 9), 2}, {QDate(2026, 11, 23), 1}, {QDate(2027, 1, 3), 1}};
    for (const DayMark &mark : marks) {
        const auto count = counts.find(mark.date);
        EXPECT_EQ(mark.eventCount, count == counts.end() ? 0 : count->second) << qPrintable(mark.date.toString());
    }
}

TEST(DayMark, FramesOnlyTodaysCellGreyCellsIncluded)
{
    const std::pair<QDate, int> rows[] = {{{2026, 11, 23}, 0}, {{2027, 1, 3}, 41}, {{2027, 1, 4}, -1}};
    for (const auto &[today, cell] : rows) {
        const DayMarks marks = dayMarks(MonthLayout(2026, 12), EventTable{}, today);
        for (int k = 0; k < MonthLayout::CellCount; ++k)
            EXPECT_EQ(marks[k].isToday, k == cell) << qPrintable(today.toString()) << " cell " << k;
    }
}

TEST(DayMark, CellTextIsTheFullDateAndHowManyEvents)
{
    EXPECT_EQ(dayCellText({QDate(2026, 12, 9), 2, false}), "Wednesday, December 9, 2026, 2 events");
    EXPECT_EQ(dayCellText({QDate(2027, 1, 3), 1, false}), "Sunday, January 3, 2027, 1 event");
    EXPECT_EQ(dayCellText({QDate(2026, 11, 23), 0, false}), "Monday, November 23, 2026, no events");
}
