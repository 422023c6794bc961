#include "eventdata/EventDate.h"

#include "eventdata/AsciiText.h"
#include "eventdata/DateText.h"

namespace {

constexpr int TimeWidth = 4;

int fieldValue(QStringView text, qsizetype from, qsizetype width)
{
    return text.size() >= from + width ? digitsValue(text.mid(from, width)) : -1;
}

} // namespace

int digitsValue(QStringView text)
{
    if (text.isEmpty() || text.size() > 9)
        return -1;
    int value = 0;
    for (QChar c : text) {
        if (!isAsciiDigit(c))
            return -1;
        value = value * 10 + (c.unicode() - '0');
    }
    return value;
}

bool EventDate::fallsOnADay() const
{
    constexpr int LeapYear = 2000; // every year's 29 February is a day
    return isReadable() && inYear(isEveryYear() ? LeapYear : year).isValid();
}

EventDate readEventDate(QStringView yyyymmdd)
{
    return {fieldValue(yyyymmdd, 0, 4), fieldValue(yyyymmdd, 4, 2), fieldValue(yyyymmdd, 6, 2)};
}

QString eventDateText(const EventDate &date)
{
    return QStringLiteral("%1").arg(date.year, 4, 10, QLatin1Char('0')) + twoDigits(date.month) + twoDigits(date.day);
}

std::optional<QTime> readEventTime(QStringView hhmm)
{
    if (hhmm.size() != TimeWidth)
        return std::nullopt;
    const int hours = fieldValue(hhmm, 0, 2);
    const int minutes = fieldValue(hhmm, 2, 2);
    if (hours < 0 || hours > 23 || minutes < 0 || minutes > 59)
        return std::nullopt;
    return QTime(hours, minutes);
}

QString eventTimeText(const std::optional<QTime> &time)
{
    if (!time)
        return QString(TimeWidth, QLatin1Char(' '));
    return twoDigits(time->hour()) + twoDigits(time->minute());
}
