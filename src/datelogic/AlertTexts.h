#pragma once

#include <QString>

struct Event;

// What the alert window says of its event.
namespace AlertTexts {

// "December 9, 2026 at 14:30", or "December 9, every year" for an event of
// every year, which has no single year to name.
QString dateLine(const Event &event, bool twelveHourClock);
// "[ TODAY! ]", "[ 1 day left ]", "[ 3 days left ]".
QString daysLeft(qint64 days);
// The caption: the event's category, or "Alert" without one.
QString caption(const Event &event);

} // namespace AlertTexts
