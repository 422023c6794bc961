#pragma once

#include <QDate>
#include <QString>
#include <QStringView>
#include <QTime>

#include <compare>
#include <optional>

// The day an event falls on. Year 0 is every year. A field that a stored text
// did not spell in digits is -1; such a date falls on no day.
struct EventDate {
    int year = 0;
    int month = 0;
    int day = 0;

    // What is taken for a text that spells no date at all.
    static constexpr EventDate none() { return {-1, -1, -1}; }

    bool isEveryYear() const { return year == 0; }
    // Every field read from its digits; the month and day need not name a real day.
    bool isReadable() const { return year >= 0 && month >= 0 && day >= 0; }
    // The real day in the given year, invalid when there is none (31 April).
    QDate inYear(int y) const { return QDate(y, month, day); }
    // Some year has this day: a date edited by hand into 31 April or a month
    // in letters shows on no day, and other programs cannot take it.
    bool fallsOnADay() const;
    auto operator<=>(const EventDate &) const = default;
};

// The value of a text made only of ASCII digits (at most nine), -1 for
// anything else, the empty text included. The one reader of the numbers in
// the fixed-width texts of the data files.
int digitsValue(QStringView text);

// The stored form yyyymmdd, the year 0000 for every year; what follows the
// eight characters is not read. Each field is read on its own, so that a
// past year is still known when the month is not.
EventDate readEventDate(QStringView yyyymmdd);
QString eventDateText(const EventDate &date);

// The stored form hhmm on the 24-hour clock; none for a text that names no
// time of day (the four blanks of an event without one among them).
std::optional<QTime> readEventTime(QStringView hhmm);
// hhmm, or four blanks for no time of day.
QString eventTimeText(const std::optional<QTime> &time);
