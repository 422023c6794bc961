#include "eventdata/TimeText.h"

#include "eventdata/DateText.h"
#include "eventdata/Event.h"
#include "eventdata/NumberText.h"

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

QString timeText(const QString &storedTime, bool twelveHourClock)
{
    if (storedTime.size() != Event::TimeWidth)
        return {};
    const int hours = digitsValue(QStringView(storedTime).left(2));
    const int minutes = digitsValue(QStringView(storedTime).right(2));
    if (hours < 0 || hours > 23 || minutes < 0 || minutes > 59)
        return {};
    const QString mm = storedTime.right(2);
    if (!twelveHourClock)
        return storedTime.left(2) + QLatin1Char(':') + mm;
    // Morning hours keep their two digits, afternoon hours drop the zero.
    const TwelveHour twelve = toTwelveHour(hours);
    if (twelve.pm)
        return QString::number(twelve.hour) + QLatin1Char(':') + mm + QStringLiteral(" PM");
    return twoDigits(twelve.hour) + QLatin1Char(':') + mm + QStringLiteral(" AM");
}
