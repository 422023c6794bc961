#include "datelogic/EventChecks.h"

#include "eventdata/DateText.h"
#include "eventdata/EventTable.h"

namespace {

bool isFourDigitYear(const QString &text)
{
    return text.size() == 4 && boxNumber(text) >= 1000;
}

bool hasDuplicateTitle(const EventTable &table, const QString &title, int editedIndex)
{
    for (int i = 0; i <= table.eventCount; ++i) {
        if (i != editedIndex && table.events[i].title == title)
            return true;
    }
    return false;
}

} // namespace

std::optional<CheckMessage> checkEventForm(const EventTable &table, const EventForm &form, int editedIndex,
                                           const QDate &today)
{
    std::optional<CheckMessage> message;
    const auto fail = [&message](const char *title, const QString &text) {
        message = CheckMessage{QLatin1String(title), text};
    };
    const int currentYear = today.year();
    const int year = boxNumber(form.year);
    const int month = monthNumber(form.monthName);
    const int day = boxNumber(form.day);

    if (hasDuplicateTitle(table, form.title, editedIndex))
        fail("Duplicate title",
             QStringLiteral("An event with this title does already exist. Please choose another title."));
    if (form.title.isEmpty())
        fail("Title is missing",
             QStringLiteral("The event must have a title! It is the title that is displayed in the calendar, "
                            "so you might want to use a self-explaining title."));
    if (!form.year.isEmpty() && (year < currentYear || year > currentYear + 10))
        fail("Year out of range",
             QStringLiteral("The year must be within the interval %1 and %2.").arg(currentYear).arg(currentYear + 10));
    if (form.year.isEmpty() && form.monthName == QLatin1String("February") && form.day == QLatin1String("29"))
        fail("Invalid date", QStringLiteral("February 29th does not occur every year."));
    // An empty year counts as year 0, a leap year: 29 February is left to the check above.
    if (day == 0 || day > daysInMonth(month, year))
        fail("Invalid date", QStringLiteral("The date you have entered for your event does not exist."));
    if (!form.hours.isEmpty() || !form.minutes.isEmpty()) {
        const int hours = form.hours.isEmpty() ? -1 : boxNumber(form.hours);
        const int minutes = form.minutes.isEmpty() ? -1 : boxNumber(form.minutes);
        if (hours < 0 || hours > 23 || minutes < 0 || minutes > 59)
            fail("Invalid time",
                 QStringLiteral("The time you have entered for your event does not exist (or have wrong format.) "
                                "Leave both field blank to ignore the time."));
    }
    if (const QDate date(year, month, day); isFourDigitYear(form.year) && date.isValid() && date < today)
        fail("Invalid date", QStringLiteral("The date you have entered for your event has already occured."));
    return message;
}
