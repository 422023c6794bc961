#include "exchange/ICalendarRule.h"

#include <libical/ical.h>

#include <QByteArray>

namespace {

using Frequency = RepeatRule::Frequency;

template <size_t Size> QList<int> listOf(const short (&values)[Size])
{
    QList<int> list;
    for (size_t i = 0; i < Size && values[i] != ICAL_RECURRENCE_ARRAY_MAX; ++i)
        list.append(values[i]);
    return list;
}

// libical counts weekdays from Sunday = 1; here Monday is 1.
int weekdayOf(icalrecurrencetype_weekday weekday)
{
    return (static_cast<int>(weekday) + 5) % 7 + 1;
}

QList<RepeatRule::Weekday> weekdaysOf(const icalrecurrencetype &recurrence)
{
    QList<RepeatRule::Weekday> weekdays;
    for (const int day : listOf(recurrence.by_day)) {
        const icalrecurrencetype_weekday weekday = icalrecurrencetype_day_day_of_week(static_cast<short>(day));
        if (weekday != ICAL_NO_WEEKDAY)
            weekdays.append({weekdayOf(weekday), icalrecurrencetype_day_position(static_cast<short>(day))});
    }
    return weekdays;
}

// A leap month (5L) belongs to other calendars; it never matches.
QList<int> monthsOf(const icalrecurrencetype &recurrence)
{
    QList<int> months;
    for (const int month : listOf(recurrence.by_month))
        months.append(icalrecurrencetype_month_is_leap(static_cast<short>(month))
                          ? 0
                          : icalrecurrencetype_month_month(static_cast<short>(month)));
    return months;
}

std::optional<WallTime> untilOf(const icaltimetype &until)
{
    if (icaltime_is_null_time(until) || !QDate(until.year, until.month, until.day).isValid())
        return std::nullopt;
    const QDate day(until.year, until.month, until.day);
    return until.is_date ? wallTime(day.addDays(1), QTime(0, 0)) - 1
                         : wallTime(day, QTime(until.hour, until.minute, until.second));
}

constexpr Frequency Frequencies[] = {Frequency::Secondly, Frequency::Minutely, Frequency::Hourly, Frequency::Daily,
                                     Frequency::Weekly,   Frequency::Monthly,  Frequency::Yearly};

} // namespace

std::optional<RepeatRule> repeatRuleOf(const icalrecurrencetype &recurrence)
{
    const int frequency = static_cast<int>(recurrence.freq) - static_cast<int>(ICAL_SECONDLY_RECURRENCE);
    const bool gregorian =
        !recurrence.rscale || QByteArray(recurrence.rscale).compare("GREGORIAN", Qt::CaseInsensitive) == 0;
    if (frequency < 0 || frequency >= int(std::size(Frequencies)) || !gregorian)
        return std::nullopt;
    RepeatRule rule;
    rule.frequency = Frequencies[frequency];
    rule.interval = recurrence.interval;
    rule.count = recurrence.count;
    rule.until = untilOf(recurrence.until);
    rule.seconds = listOf(recurrence.by_second);
    rule.minutes = listOf(recurrence.by_minute);
    rule.hours = listOf(recurrence.by_hour);
    rule.weekdays = weekdaysOf(recurrence);
    rule.monthDays = listOf(recurrence.by_month_day);
    rule.yearDays = listOf(recurrence.by_year_day);
    rule.weekNumbers = listOf(recurrence.by_week_no);
    rule.months = monthsOf(recurrence);
    rule.setPositions = listOf(recurrence.by_set_pos);
    rule.weekStart = recurrence.week_start == ICAL_NO_WEEKDAY ? 1 : weekdayOf(recurrence.week_start);
    return rule;
}
