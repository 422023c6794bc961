#include "datelogic/AlertTexts.h"

#include "eventdata/DateText.h"
#include "eventdata/Event.h"
#include "eventdata/TimeText.h"

namespace AlertTexts {

QString dateLine(const Event &event, bool twelveHourClock)
{
    const EventDate &date = event.date;
    QString line = monthName(date.month) + QLatin1Char(' ') + QString::number(date.day);
    line += date.isEveryYear() ? QStringLiteral(", every year") : QStringLiteral(", ") + QString::number(date.year);
    if (const QString time = timeText(event.time, twelveHourClock); !time.isEmpty())
        line += QStringLiteral(" at ") + time;
    return line;
}

QString daysLeft(qint64 days)
{
    if (days == 0)
        return QStringLiteral("[ TODAY! ]");
    if (days == 1)
        return QStringLiteral("[ 1 day left ]");
    return QStringLiteral("[ %1 days left ]").arg(days);
}

QString caption(const Event &event)
{
    return (event.category.isEmpty() ? QStringLiteral("Alert") : event.category) + QLatin1Char('!');
}

} // namespace AlertTexts
