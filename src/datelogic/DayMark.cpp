#include "datelogic/DayMark.h"

#include "datelogic/Occurrence.h"
#include "eventdata/EventTable.h"

#include <QLocale>

DayMarks dayMarks(const MonthLayout &layout, const EventTable &table, const QDate &today)
{
    DayMarks marks;
    for (int k = 0; k < MonthLayout::CellCount; ++k) {
        DayMark &mark = marks[k];
        mark.date = layout.date(k);
        mark.isToday = mark.date == today;
        for (int i = 0; i <= table.eventCount; ++i) {
            if (eventOnDate(table.events[i], mark.date.day(), mark.date.month(), mark.date.year()))
                ++mark.eventCount;
        }
    }
    return marks;
}

QString dayCellText(const DayMark &mark)
{
    const QDate &date = mark.date;
    const QString events = mark.eventCount == 0   ? QStringLiteral("no events")
                           : mark.eventCount == 1 ? QStringLiteral("1 event")
                                                  : QStringLiteral("%1 events").arg(mark.eventCount);
    // The C locale names the weekday in English, as the rest of the program speaks.
    return QLocale::c().dayName(date.dayOfWeek()) + QStringLiteral(", ")
           + dateHeading(date.year(), date.month(), date.day()) + QStringLiteral(", ") + events;
}
