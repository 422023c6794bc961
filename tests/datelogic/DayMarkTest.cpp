#include "datelogic/DayMark.h"

#include "eventdata/EventTable.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

// December 2026 shows November 23 in its first cell and January 3, 2027 in
// its last; each cell counts the events of its own date, grey cells included.
TEST(DayMark, CountsTheDayListsEventsOnTheCellsOwnDate)
{
    const struct {
        const char *name;
        std::vector<const char *> dates;
        QDate date;
        int count; // on that date's cell, and in the whole grid
    } rows[] = {
        {"two on one day", {"00001209", "20261209"}, {2026, 12, 9}, 2},
        {"one-time of another year", {"20271209"}, {2026, 12, 9}, 0},
        {"grey first cell", {"20261123"}, {2026, 11, 23}, 1},
        {"grey last cell in the next year", {"20270103"}, {2027, 1, 3}, 1},
    };
    for (const auto &row : rows) {
        EventTable table;
        for (const char *date : row.dates)
            table.addEvent(makeEvent(QStringLiteral("E%1").arg(table.size()), QString::fromLatin1(date)));
        const DayMarks marks = dayMarks(MonthLayout(2026, 12), table, QDate(2026, 12, 6));
        int total = 0, onDate = -1;
        for (const DayMark &mark : marks) {
            total += mark.eventCount;
            onDate = mark.date == row.date ? mark.eventCount : onDate;
        }
        EXPECT_EQ(onDate, row.count) << row.name;
        EXPECT_EQ(total, row.count) << row.name << ": no other cell is marked";
    }
}

TEST(DayMark, FramesOnlyTodaysCellGreyCellsIncluded)
{
    const MonthLayout december(2026, 12);
    for (const auto &[today, cell] : {std::pair{QDate(2026, 11, 23), 0}, {QDate(2027, 1, 3), 41}, {QDate(2027, 1, 4), -1}}) {
        const DayMarks marks = dayMarks(december, EventTable{}, today);
        for (int k = 0; k < MonthLayout::CellCount; ++k)
            EXPECT_EQ(marks[k].isToday, k == cell) << today.toString(Qt::ISODate).toStdString() << " cell " << k;
    }
}

TEST(DayMark, CellTextIsTheFullDateAndHowManyEvents)
{
    EXPECT_EQ(dayCellText({QDate(2026, 12, 9), 2, false}), "Wednesday, December 9, 2026, 2 events");
    EXPECT_EQ(dayCellText({QDate(2027, 1, 3), 1, false}), "Sunday, January 3, 2027, 1 event");
    EXPECT_EQ(dayCellText({QDate(2026, 11, 23), 0, false}), "Monday, November 23, 2026, no events");
}
