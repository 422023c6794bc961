#include "datelogic/EventForm.h"

#include "eventdata/AsciiText.h"
#include "eventdata/DataFile.h"
#include "eventdata/DateText.h"
#include "eventdata/TimeText.h"

#include <algorithm>
#include <cstdlib>

namespace {

// The hours as stored, on the 24-hour clock. On the 12-hour clock 1 to 12
// are read with AM or PM (12 AM is midnight); other hours are taken as typed.
int storedHours(const EventForm &form)
{
    const int hours = boxNumber(form.hours);
    if (!form.twelveHourClock || hours < 1 || hours > 12)
        return hours;
    return fromTwelveHour(hours, form.pm);
}

} // namespace

int boxNumber(const QString &text)
{
    const qsizetype digits = std::find_if_not(text.begin(), text.end(), isAsciiDigit) - text.begin();
    return std::max(0, digitsValue(QStringView(text).left(digits)));
}

Event eventFromForm(const EventForm &form, Event event)
{
    event.title = form.title;
    event.date = {form.year.isEmpty() ? 0 : boxNumber(form.year), monthNumber(form.monthName), boxNumber(form.day)};
    event.unreadDate.clear();
    // The main window shows the description on one line, as the file keeps it.
    event.description = toSingleLine(form.description);
    event.category = form.category;
    event.sound = form.sound;
    const int alertDays = form.alertDays.toInt();
    event.notifyingDays = static_cast<qint16>(form.alertOffThisYear ? -alertDays : alertDays);
    event.time = form.hours.isEmpty() ? std::nullopt : std::optional(QTime(storedHours(form), boxNumber(form.minutes)));
    event.unreadTime.clear();
    return event;
}

EventForm formFromEvent(const Event &event, bool twelveHourClock, int currentYear)
{
    const EventDate &date = event.date;
    EventForm form{event.title,
                   date.isEveryYear() ? QString() : QString::number(date.year),
                   monthName(date.month),
                   date.day < 0 ? QString() : twoDigits(date.day),
                   {},
                   {},
                   event.description,
                   event.category,
                   event.sound};
    form.twelveHourClock = twelveHourClock;
    if (event.time) {
        form.hours = twoDigits(event.time->hour());
        form.minutes = twoDigits(event.time->minute());
    }
    if (twelveHourClock && event.time) {
        // Midnight is 12 AM and noon 12 PM on the 12-hour clock.
        const TwelveHour twelve = toTwelveHour(event.time->hour());
        form.hours = twelve.pm ? QString::number(twelve.hour) : twoDigits(twelve.hour);
        form.pm = twelve.pm;
    }
    if (event.notifyingDays != 0)
        form.alertDays = QString::number(std::abs(event.notifyingDays));
    form.alertOffThisYear = event.notifyingDays < 0 && form.year == QString::number(currentYear);
    return form;
}
