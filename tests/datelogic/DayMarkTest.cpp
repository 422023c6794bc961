#include "datelogic/DayMark.h"

#include "eventdata/EventTable.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

#include <numeric>

namespace {

const QDate Today(2026, 12, 6);

struct CountRow {
    const char *name;
    int year, month; // the month shown
    std::vector<const char *> dates;
    QDate cellDate;
    int count; // on cellDate, and in the whole grid
};

class DayMarkCounts : public ::testing::TestWithParam<CountRow> {};

} // namespace

TEST_P(DayMarkCounts, CountTheDayListsEventsOnTheCellsOwnDate)
{
    const CountRow &row = GetParam();
    EventTable table;
    for (const char *date : row.dates)
        table.addEvent(makeEvent(QStringLiteral("E%1").arg(table.size()), QString::fromLatin1(date)));
    const DayMarks marks = dayMarks(MonthLayout(row.year, row.month), table, Today);
    const auto cell = std::find_if(marks.begin(), marks.end(), [&](const DayMark &m) { return m.date == row.cellDate; });
    ASSERT_NE(cell, marks.end());
    EXPECT_EQ(cell->eventCount, row.count);
    const int total = std::accumulate(marks.begin(), marks.end(), 0,
                                      [](int sum, const DayMark &m) { return sum + m.eventCount; });
    EXPECT_EQ(total, row.count) << "no other cell is marked";
}

// December 2026 shows November 23 in its first cell and January 3, 2027 in its last.
INSTANTIATE_TEST_SUITE_P(
    Rows, DayMarkCounts,
    ::testing::Values(CountRow{"OneTime", 2026, 12, {"20261209"}, QDate(2026, 12, 9), 1},
                      CountRow{"OneTimeOfAnotherYear", 2026, 12, {"20271209"}, QDate(2026, 12, 9), 0},
                      CountRow{"EveryYear", 2026, 12, {"00001209"}, QDate(2026, 12, 9), 1},
                      CountRow{"TwoOnOneDay", 2026, 12, {"00001209", "20261209"}, QDate(2026, 12, 9), 2},
                      CountRow{"GreyFirstCell", 2026, 12, {"20261123"}, QDate(2026, 11, 23), 1},
                      CountRow{"GreyLastCellInTheNextYear", 2026, 12, {"20270103"}, QDate(2027, 1, 3), 1},
                      CountRow{"GreyLastCellEveryYear", 2026, 12, {"00000103"}, QDate(2027, 1, 3), 1},
                      CountRow{"LeapDayEveryYear", 2028, 2, {"00000229"}, QDate(2028, 2, 29), 1},
                      CountRow{"LeapDayOneTime", 2028, 2, {"20280229"}, QDate(2028, 2, 29), 1},
                      CountRow{"LeapDayInACommonYear", 2027, 2, {"00000229"}, QDate(2027, 3, 1), 0}),
    [](const ::testing::TestParamInfo<CountRow> &info) { return std::string(info.param.name); });

TEST(DayMarkToday, FramesOnlyTodaysCellGreyCellsIncluded)
{
    struct Row {
        const char *name;
        QDate today;
        int cell; // -1: today is not in the grid
    };
    const MonthLayout december(2026, 12);
    for (const Row &row : {Row{"InTheMonth", QDate(2026, 12, 6), 13}, Row{"FirstGreyCell", QDate(2026, 11, 23), 0},
                           Row{"LastGreyCell", QDate(2027, 1, 3), 41}, Row{"AfterTheGrid", QDate(2027, 1, 4), -1},
                           Row{"BeforeTheGrid", QDate(2026, 11, 22), -1}}) {
        const DayMarks marks = dayMarks(december, EventTable{}, row.today);
        for (int k = 0; k < MonthLayout::CellCount; ++k)
            EXPECT_EQ(marks[k].isToday, k == row.cell) << row.name << " cell " << k;
    }
}

TEST(DayCellText, FullDateAndHowManyEvents)
{
    struct Row {
        QDate date;
        int count;
        const char *text;
    };
    for (const Row &row : {Row{QDate(2026, 12, 9), 2, "Wednesday, December 9, 2026, 2 events"},
                           Row{QDate(2027, 1, 3), 1, "Sunday, January 3, 2027, 1 event"},
                           Row{QDate(2026, 11, 23), 0, "Monday, November 23, 2026, no events"}})
        EXPECT_EQ(dayCellText(DayMark{row.date, row.count, false}), row.text) << row.text;
}
