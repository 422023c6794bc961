#include "eventdata/TimeText.h"

#include "eventdata/DateText.h"

TwelveHour toTwelveHour(int hour24)
{
    const int hour = hour24 % 12;
    return {hour == 0 ? 12 : hour, hour24 >= 12};
}

int fromTwelveHour(int hour12, bool pm)
{
    if (hour12 < 1 || hour12 > 12)
        return -1;
    return hour12 % 12 + (pm ? 12 : 0);
}

QString timeText(const std::optional<QTime> &time, bool twelveHourClock)
{
    if (!time)
        return {};
    const QString mm = twoDigits(time->minute());
    if (!twelveHourClock)
        return twoDigits(time->hour()) + QLatin1Char(':') + mm;
    // Morning hours keep their two digits, afternoon hours drop the zero.
    const TwelveHour twelve = toTwelveHour(time->hour());
    if (twelve.pm)
        return QString::number(twelve.hour) + QLatin1Char(':') + mm + QStringLiteral(" PM");
    return twoDigits(twelve.hour) + QLatin1Char(':') + mm + QStringLiteral(" AM");
}
