#pragma once

#include "datelogic/MonthLayout.h"

#include <QDate>
#include <QString>

#include <array>

struct EventTable;

// What a day cell tells besides its number: its own date (grey cells in
// their own month and year), how many events the day list would show for it,
// and whether it is today.
struct DayMark {
    QDate date;
    int eventCount = 0;
    bool isToday = false;
};
using DayMarks = std::array<DayMark, MonthLayout::CellCount>;

DayMarks dayMarks(const MonthLayout &layout, const EventTable &table, const QDate &today);

// "Wednesday, December 9, 2026, 2 events": the cell as a screen reader says it.
QString dayCellText(const DayMark &mark);
