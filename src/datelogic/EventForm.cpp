#include "datelogic/EventForm.h"

#include "eventdata/DataFile.h"
#include "eventdata/DateText.h"
#include "eventdata/TimeText.h"

#include <cstdlib>

namespace {

const QString NoTime(Event::TimeWidth, QLatin1Char(' '));

// The hours as stored, on the 24-hour clock. On the 12-hour clock 1 to 12
// are read with AM or PM (12 AM is midnight); other hours are taken as typed.
int storedHours(const EventForm &form)
{
    const int hours = form.hours.toInt();
    if (!form.twelveHourClock || hours < 1 || hours > 12)
        return hours;
    return fromTwelveHour(hours, form.pm);
}

} // namespace

Event eventFromForm(const EventForm &form, Event event)
{
    event.title = form.title;
    event.date = (form.year.isEmpty() ? QString(Event::EveryYear) : form.year) +
                 twoDigits(monthNumber(form.monthName)) + twoDigits(form.day.toInt());
    // The main window shows the description on one line, as the file keeps it.
    event.description = toSingleLine(form.description);
    event.category = form.category;
    event.sound = form.sound;
    const int alertDays = form.alertDays.toInt();
    event.notifyingDays = static_cast<qint16>(form.alertOffThisYear ? -alertDays : alertDays);
    event.time = form.hours.isEmpty() ? NoTime : twoDigits(storedHours(form)) + twoDigits(form.minutes.toInt());
    return event;
}

EventForm formFromEvent(const Event &event, bool twelveHourClock, int currentYear)
{
    EventForm form{event.title,
                   event.isEveryYear() ? QString() : event.yearText().toString(),
                   monthName(event.monthText().toInt()),
                   event.dayText().toString(),
                   {},
                   {},
                   event.description,
                   event.category,
                   event.sound};
    if (event.time != NoTime) {
        form.hours = event.time.left(2);
        form.minutes = event.time.right(2);
    }
    form.twelveHourClock = twelveHourClock;
    if (twelveHourClock && !form.hours.isEmpty()) {
        // Midnight is 12 AM and noon 12 PM on the 12-hour clock.
        const TwelveHour twelve = toTwelveHour(form.hours.toInt());
        form.hours = twelve.pm ? QString::number(twelve.hour) : twoDigits(twelve.hour);
        form.pm = twelve.pm;
    }
    if (event.notifyingDays != 0)
        form.alertDays = QString::number(std::abs(event.notifyingDays));
    form.alertOffThisYear = event.notifyingDays < 0 && form.year == QString::number(currentYear);
    return form;
}
