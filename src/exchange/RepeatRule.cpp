#include "exchange/RepeatRule.h"

#include <algorithm>
#include <limits>

namespace {

using Frequency = RepeatRule::Frequency;
using Outcome = RepeatSearch::Outcome;

constexpr qint64 DaySeconds = qint64{24} * 60 * 60;

qint64 floorDiv(qint64 a, qint64 b)
{
    return a / b - ((a % b != 0) && ((a < 0) != (b < 0)));
}

qint64 floorMod(qint64 a, qint64 b)
{
    return a - floorDiv(a, b) * b;
}

QList<int> sortedWithin(QList<int> values, int low, int high)
{
    values.removeIf([&](int value) { return value < low || value > high; });
    std::sort(values.begin(), values.end());
    values.erase(std::unique(values.begin(), values.end()), values.end());
    return values;
}

// A list of BY values that may count from the end: -1 is the last of count.
bool holdsNumber(const QList<int> &values, int number, int count)
{
    return values.contains(number) || values.contains(number - count - 1);
}

// Week numbers as a rule with its week start counts them: week 1 is the first
// week with at least four days of its year.
class WeekNumbers {
public:
    explicit WeekNumbers(int weekStart) : weekStart_(weekStart) {}

    bool matches(QDate day, const QList<int> &numbers) const
    {
        int year = day.year();
        if (day < firstWeek(year))
            --year;
        else if (day >= firstWeek(year + 1))
            ++year;
        const int number = static_cast<int>(firstWeek(year).daysTo(day) / 7) + 1;
        return holdsNumber(numbers, number, static_cast<int>(firstWeek(year).daysTo(firstWeek(year + 1)) / 7));
    }

private:
    QDate firstWeek(int year) const
    {
        const QDate first(year, 1, 1);
        const int intoWeek = (first.dayOfWeek() - weekStart_ + 7) % 7;
        return first.addDays(intoWeek <= 3 ? -intoWeek : 7 - intoWeek);
    }

    int weekStart_;
};

// The days a rule lets through.
class DayFilter {
public:
    DayFilter(const RepeatRule &rule, bool positionsCount)
        : rule_(rule), weeks_(rule.weekStart), positionsCount_(positionsCount),
          positionsInYear_(rule.frequency == Frequency::Yearly && rule.months.isEmpty())
    {
    }

    bool matches(QDate day) const
    {
        return (rule_.months.isEmpty() || rule_.months.contains(day.month()))
               && (rule_.weekNumbers.isEmpty() || weeks_.matches(day, rule_.weekNumbers))
               && (rule_.yearDays.isEmpty() || holdsNumber(rule_.yearDays, day.dayOfYear(), day.daysInYear()))
               && (rule_.monthDays.isEmpty() || holdsNumber(rule_.monthDays, day.day(), day.daysInMonth()))
               && (rule_.weekdays.isEmpty() || weekdayMatches(day));
    }

private:
    // A position (the second Monday) counts within the month, or within the
    // year for a yearly rule without months, and only for monthly and yearly
    // rules.
    bool weekdayMatches(QDate day) const
    {
        const int dayNumber = positionsInYear_ ? day.dayOfYear() : day.day();
        const int dayCount = positionsInYear_ ? day.daysInYear() : day.daysInMonth();
        const int position = (dayNumber - 1) / 7 + 1;
        const int fromEnd = -((dayCount - dayNumber) / 7 + 1);
        return std::any_of(rule_.weekdays.cbegin(), rule_.weekdays.cend(), [&](const RepeatRule::Weekday &weekday) {
            return weekday.day == day.dayOfWeek()
                   && (!positionsCount_ || weekday.position == 0 || weekday.position == position
                       || weekday.position == fromEnd);
        });
    }

    RepeatRule rule_;
    WeekNumbers weeks_;
    bool positionsCount_;
    bool positionsInYear_;
};

// What one step of a walk (a period, or a day) holds.
struct Span {
    qint64 before = 0;             // occurrences after the start and before from
    std::optional<WallTime> first; // the first at or after from that is after the start
};

// The occurrences of a period: each of its days at each of the times, in
// order. Only indexes are worked with, so a yearly rule with every second of
// the day costs no more than one with a single time.
class DayTimes {
public:
    DayTimes(const QList<qint64> &days, const QList<int> &times) : days_(days), times_(times) {}

    qint64 size() const { return days_.size() * qint64(times_.size()); }
    WallTime at(qint64 index) const
    {
        return days_.at(index / times_.size()) * DaySeconds + times_.at(index % times_.size());
    }
    // The index of the first occurrence at or after time; size() when there is none.
    qint64 indexFrom(WallTime time) const
    {
        const qint64 day = floorDiv(time, DaySeconds);
        const qint64 dayIndex = std::lower_bound(days_.cbegin(), days_.cend(), day) - days_.cbegin();
        qint64 timeIndex = 0;
        if (dayIndex < days_.size() && days_.at(dayIndex) == day)
            timeIndex =
                std::lower_bound(times_.cbegin(), times_.cend(), int(time - day * DaySeconds)) - times_.cbegin();
        return dayIndex * times_.size() + timeIndex;
    }

private:
    const QList<qint64> &days_;
    const QList<int> &times_;
};

Span spanOf(const DayTimes &occurrences, WallTime start, WallTime from)
{
    const qint64 afterStart = occurrences.indexFrom(start + 1);
    const qint64 fromIndex = std::max(afterStart, occurrences.indexFrom(from));
    Span span{fromIndex - afterStart, std::nullopt};
    if (fromIndex < occurrences.size())
        span.first = occurrences.at(fromIndex);
    return span;
}

// BYSETPOS: the positions it picks among a period's occurrences, in order.
QList<qint64> pickedPositions(const QList<int> &setPositions, qint64 size)
{
    QList<qint64> picked;
    for (const int position : setPositions) {
        const qint64 index = position > 0 ? position - 1 : size + position;
        if (position != 0 && index >= 0 && index < size)
            picked.append(index);
    }
    std::sort(picked.begin(), picked.end());
    picked.erase(std::unique(picked.begin(), picked.end()), picked.end());
    return picked;
}

Span pickedSpanOf(const DayTimes &occurrences, const QList<int> &setPositions, WallTime start, WallTime from)
{
    Span span;
    for (const qint64 index : pickedPositions(setPositions, occurrences.size())) {
        const WallTime time = occurrences.at(index);
        if (time > start && time < from)
            ++span.before;
        else if (time > start && !span.first)
            span.first = time;
    }
    return span;
}

// The times of day that a daily or longer rule gives each of its days.
QList<int> timesOfDay(const RepeatRule &rule, QTime start)
{
    const QList<int> hours = rule.hours.isEmpty() ? QList<int>{start.hour()} : sortedWithin(rule.hours, 0, 23);
    const QList<int> minutes = rule.minutes.isEmpty() ? QList<int>{start.minute()} : sortedWithin(rule.minutes, 0, 59);
    const QList<int> seconds = rule.seconds.isEmpty() ? QList<int>{start.second()} : sortedWithin(rule.seconds, 0, 59);
    QList<int> times;
    for (const int hour : hours) {
        for (const int minute : minutes) {
            for (const int second : seconds)
                times.append(hour * 3600 + minute * 60 + second);
        }
    }
    return times;
}

// Without any part that names days, a rule repeats on the day of its start:
// a yearly one on its month and day, a monthly one on its day of the month, a
// weekly one on its weekday.
RepeatRule withStartDays(RepeatRule rule, QDate start)
{
    if (!rule.weekNumbers.isEmpty() || !rule.yearDays.isEmpty() || !rule.monthDays.isEmpty()
        || !rule.weekdays.isEmpty())
        return rule;
    if (rule.frequency == Frequency::Yearly || rule.frequency == Frequency::Monthly)
        rule.monthDays = {start.day()};
    if (rule.frequency == Frequency::Yearly && rule.months.isEmpty())
        rule.months = {start.month()};
    if (rule.frequency == Frequency::Weekly)
        rule.weekdays = {{start.dayOfWeek(), 0}};
    return rule;
}

// Daily and longer rules, period by period: a year, month, week or day.
class CalendarWalk {
public:
    CalendarWalk(const RepeatRule &rule, WallTime start)
        : rule_(withStartDays(rule, wallDate(start))),
          filter_(rule_, rule.frequency == Frequency::Monthly || rule.frequency == Frequency::Yearly),
          times_(timesOfDay(rule, wallClock(start))), startPeriod_(periodOf(wallDate(start)))
    {
    }

    // The step whose period holds time, or the start's when that is later.
    qint64 firstStep(WallTime time) const
    {
        return std::max<qint64>(0, floorDiv(periodOf(wallDate(time)) - startPeriod_, rule_.interval));
    }
    WallTime stepStart(qint64 step) const { return firstDayOf(periodAt(step)) * DaySeconds; }

    Span span(qint64 step, WallTime start, WallTime from, qint64 &daysLeft) const
    {
        const qint64 period = periodAt(step);
        const qint64 first = firstDayOf(period);
        const qint64 length = firstDayOf(period + 1) - first;
        daysLeft -= length;
        QList<qint64> days;
        for (qint64 day = first; day < first + length; ++day) {
            if (filter_.matches(QDate::fromJulianDay(day)))
                days.append(day);
        }
        const DayTimes occurrences(days, times_);
        return rule_.setPositions.isEmpty() ? spanOf(occurrences, start, from)
                                            : pickedSpanOf(occurrences, rule_.setPositions, start, from);
    }

private:
    qint64 periodAt(qint64 step) const { return startPeriod_ + step * rule_.interval; }

    // Years, months, weeks (from the week start on) or days, numbered on.
    qint64 periodOf(QDate day) const
    {
        switch (rule_.frequency) {
        case Frequency::Yearly:
            return day.year();
        case Frequency::Monthly:
            return day.year() * 12LL + day.month() - 1;
        case Frequency::Weekly:
            return floorDiv(day.toJulianDay() - (rule_.weekStart - 1), 7); // Julian day 0 is a Monday
        default:
            return day.toJulianDay();
        }
    }

    qint64 firstDayOf(qint64 period) const
    {
        switch (rule_.frequency) {
        case Frequency::Yearly:
            return QDate(int(period), 1, 1).toJulianDay();
        case Frequency::Monthly:
            return QDate(int(floorDiv(period, 12)), int(floorMod(period, 12)) + 1, 1).toJulianDay();
        case Frequency::Weekly:
            return period * 7 + (rule_.weekStart - 1);
        default:
            return period;
        }
    }

    RepeatRule rule_;
    DayFilter filter_;
    QList<int> times_;
    qint64 startPeriod_;
};

// Hourly, minutely and secondly rules, day by day. A day holds perDay periods
// (hours, minutes or seconds); those on the rule's grid whose hour, minute and
// second it allows each hold the same offsets (the minutes and seconds an
// hourly rule adds, say). The allowed periods are kept by their remainder
// modulo the interval, so that finding a day's periods costs no walk through
// them.
class ClockWalk {
public:
    ClockWalk(const RepeatRule &rule, WallTime start)
        : filter_(rule, false), unit_(unitOf(rule.frequency)), perDay_(int(DaySeconds / unitOf(rule.frequency))),
          interval_(rule.interval), startPeriod_(floorDiv(start, unit_)), startDay_(floorDiv(start, DaySeconds))
    {
        offsets_ = pickedOffsets(rule, wallClock(start));
        groupAllowedPeriods(rule);
    }

    qint64 firstStep(WallTime time) const { return std::max(startDay_, floorDiv(time, DaySeconds)); }
    WallTime stepStart(qint64 day) const { return day * DaySeconds; }

    Span span(qint64 day, WallTime start, WallTime from, qint64 &daysLeft) const
    {
        --daysLeft;
        if (offsets_.isEmpty() || !filter_.matches(QDate::fromJulianDay(day)))
            return {};
        const qint64 remainder = floorMod(startPeriod_ - day * perDay_, interval_);
        if (remainder >= groupStarts_.size() - 1)
            return {};
        const auto first = periods_.cbegin() + groupStarts_.at(remainder);
        const auto last = periods_.cbegin() + groupStarts_.at(remainder + 1);
        const qint64 afterStart = indexFrom(first, last, day, start + 1);
        const qint64 fromIndex = std::max(afterStart, indexFrom(first, last, day, from));
        Span span{fromIndex - afterStart, std::nullopt};
        if (fromIndex < (last - first) * offsets_.size())
            span.first = day * DaySeconds + qint64(first[fromIndex / offsets_.size()]) * unit_
                         + offsets_.at(fromIndex % offsets_.size());
        return span;
    }

private:
    static int unitOf(Frequency frequency)
    {
        return frequency == Frequency::Hourly ? 3600 : frequency == Frequency::Minutely ? 60 : 1;
    }

    // Within its period an occurrence lies at the minutes and seconds an
    // hourly rule names (or its start's), at the seconds a minutely one names;
    // BYSETPOS picks among them.
    QList<int> pickedOffsets(const RepeatRule &rule, QTime start) const
    {
        QList<int> offsets{0};
        if (unit_ == 3600) {
            const QList<int> minutes =
                rule.minutes.isEmpty() ? QList<int>{start.minute()} : sortedWithin(rule.minutes, 0, 59);
            offsets.clear();
            for (const int minute : minutes)
                offsets.append(minute * 60);
        }
        if (unit_ >= 60) {
            const QList<int> seconds =
                rule.seconds.isEmpty() ? QList<int>{start.second()} : sortedWithin(rule.seconds, 0, 59);
            QList<int> withSeconds;
            for (const int offset : offsets) {
                for (const int second : seconds)
                    withSeconds.append(offset + second);
            }
            offsets = withSeconds;
        }
        if (rule.setPositions.isEmpty())
            return offsets;
        QList<int> picked;
        for (const qint64 index : pickedPositions(rule.setPositions, offsets.size()))
            picked.append(offsets.at(index));
        return picked;
    }

    // The periods of a day whose hour, minute and second the rule allows,
    // grouped by their remainder modulo the interval.
    void groupAllowedPeriods(const RepeatRule &rule)
    {
        const QList<int> hours = sortedWithin(rule.hours, 0, 23);
        const QList<int> minutes = unit_ < 3600 ? sortedWithin(rule.minutes, 0, 59) : QList<int>{};
        const QList<int> seconds = unit_ < 60 ? sortedWithin(rule.seconds, 0, 59) : QList<int>{};
        const auto allows = [](const QList<int> &values, bool given, int value) {
            return !given || std::binary_search(values.cbegin(), values.cend(), value);
        };
        const int groups = int(std::min<qint64>(interval_, perDay_));
        QList<QList<int>> byRemainder(groups);
        for (int period = 0; period < perDay_; ++period) {
            const int second = period * unit_;
            if (allows(hours, !rule.hours.isEmpty(), second / 3600)
                && allows(minutes, unit_ < 3600 && !rule.minutes.isEmpty(), second / 60 % 60)
                && allows(seconds, unit_ < 60 && !rule.seconds.isEmpty(), second % 60))
                byRemainder[period % interval_].append(period);
        }
        groupStarts_.append(0);
        for (const QList<int> &group : byRemainder) {
            periods_ += group;
            groupStarts_.append(int(periods_.size()));
        }
    }

    // The index, among the day's occurrences in the group, of the first at or
    // after time.
    qint64 indexFrom(QList<int>::const_iterator first, QList<int>::const_iterator last, qint64 day, WallTime time) const
    {
        const qint64 intoDay = std::clamp<qint64>(time - day * DaySeconds, 0, DaySeconds);
        const int period = int(intoDay / unit_);
        const auto found = std::lower_bound(first, last, period);
        qint64 index = (found - first) * offsets_.size();
        if (found != last && *found == period)
            index += std::lower_bound(offsets_.cbegin(), offsets_.cend(), int(intoDay - qint64(period) * unit_))
                     - offsets_.cbegin();
        return index;
    }

    DayFilter filter_;
    int unit_;
    int perDay_;
    qint64 interval_;
    qint64 startPeriod_;
    qint64 startDay_;
    QList<int> offsets_;
    QList<int> periods_;
    QList<int> groupStarts_;
};

// The walk both kinds share: count what lies before from (for a COUNT), then
// the first occurrence at or after it, step by step up to the limit.
template <class Walk>
RepeatSearch search(const Walk &walk, const RepeatRule &rule, WallTime start, WallTime from, WallTime limit,
                    qint64 &daysLeft)
{
    qint64 left = rule.count > 0 ? rule.count - 1 : std::numeric_limits<qint64>::max(); // the start was one
    const WallTime end = rule.until ? std::min(limit, *rule.until) : limit;
    for (qint64 step = walk.firstStep(rule.count > 0 ? start : from); walk.stepStart(step) <= end; ++step) {
        if (daysLeft <= 0)
            return {Outcome::GaveUp};
        const Span span = walk.span(step, start, from, daysLeft);
        if (span.before >= left)
            return {Outcome::Ended};
        left -= span.before;
        if (span.first && rule.until && *span.first > *rule.until)
            return {Outcome::Ended};
        if (span.first)
            return *span.first <= limit ? RepeatSearch{Outcome::Found, *span.first} : RepeatSearch{Outcome::NotWithin};
    }
    return {rule.until && *rule.until <= limit ? Outcome::Ended : Outcome::NotWithin};
}

} // namespace

WallTime wallTime(QDate date, QTime time)
{
    return date.toJulianDay() * DaySeconds + time.msecsSinceStartOfDay() / 1000;
}

QDate wallDate(WallTime time)
{
    return QDate::fromJulianDay(floorDiv(time, DaySeconds));
}

QTime wallClock(WallTime time)
{
    return QTime::fromMSecsSinceStartOfDay(int(floorMod(time, DaySeconds) * 1000));
}

RepeatSearch firstOccurrence(const RepeatRule &rule, WallTime start, WallTime from, WallTime limit, qint64 &daysLeft)
{
    if (start >= from)
        return {Outcome::Found, start};
    if (rule.count == 1 || (rule.until && *rule.until < from))
        return {Outcome::Ended};
    RepeatRule checked = rule;
    checked.interval = std::max(1, rule.interval);
    if (rule.frequency <= Frequency::Hourly)
        return search(ClockWalk(checked, start), checked, start, from, limit, daysLeft);
    return search(CalendarWalk(checked, start), checked, start, from, limit, daysLeft);
}
