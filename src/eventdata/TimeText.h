#pragma once

#include <QString>
#include <QTime>

#include <optional>

// An hour of the 24-hour clock as the 12-hour clock names it: midnight is
// 12 AM, noon 12 PM.
struct TwelveHour {
    int hour = 12; // 1..12
    bool pm = false;
};
TwelveHour toTwelveHour(int hour24);
// The 24-hour clock's hour, or -1 when hour12 lies outside 1..12.
int fromTwelveHour(int hour12, bool pm);

// A time of day as the user reads it: "09:30" on the 24-hour clock,
// "09:30 AM" or "1:05 PM" on the 12-hour clock. Empty for an event without
// a time.
QString timeText(const std::optional<QTime> &time, bool twelveHourClock);
