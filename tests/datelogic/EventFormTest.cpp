#include "datelogic/EventForm.h"

#include "TestSupport.h"

#include <gtest/gtest.h>

namespace {

EventForm timedForm(const QString &hours, const QString &minutes, bool twelveHourClock = false, bool pm = false)
{
    EventForm form{"Dentist", "2027", "March", "5", hours, minutes};
    form.twelveHourClock = twelveHourClock;
    form.pm = pm;
    return form;
}

} // namespace

TEST(EventForm, FormIsStoredAsTypedAndWhatItDoesNotShowIsKept)
{
    EventForm form = timedForm("9", "5");
    form.description = QStringLiteral("Bring\nthe forms");
    form.category = QStringLiteral("Meeting");
    form.sound = QStringLiteral("/sounds/bell.wav");
    Event before = makeEvent("Old", "20261224");
    before.remindAgain = {Reminder::State::Pending, 5};
    const Event event = eventFromForm(form, before);
    EXPECT_EQ(event.title, "Dentist");
    EXPECT_EQ(event.date, (EventDate{2027, 3, 5}));
    EXPECT_EQ(event.time, QTime(9, 5));
    EXPECT_EQ(event.description, "Bring the forms"); // one line, as the main window shows it
    EXPECT_EQ(event.category, "Meeting");
    EXPECT_EQ(event.sound, "/sounds/bell.wav");
    EXPECT_EQ(event.remindAgain, before.remindAgain);
    // On the 12-hour clock only 1 to 12 are read with AM or PM (those are rows of the round trip below); other hours
    // are taken as typed.
    EXPECT_EQ(eventFromForm(timedForm("0", "15", true, true), Event()).time, QTime(0, 15));
    EXPECT_EQ(eventFromForm(timedForm("13", "30", true, true), Event()).time, QTime(13, 30));
    EXPECT_EQ(eventFromForm(timedForm("3", "30", false, true), Event()).time, QTime(3, 30))
        << "PM on the 24-hour clock";
}

// Shown and stored again unchanged, on either clock.
TEST(EventForm, StoredTimesShowOnTheUsersClock)
{
    // clang-format off
    const struct { const char *stored; bool twelveHourClock; const char *hours, *minutes; bool pm; } rows[] = {
        {"    ", true, "", "", false},    {"0000", false, "00", "00", false}, {"0000", true, "12", "00", false},
        {"0100", true, "01", "00", false}, {"1159", true, "11", "59", false}, {"1200", true, "12", "00", true},
        {"1300", true, "1", "00", true},   {"2359", true, "11", "59", true},
    };
    // clang-format on
    for (const auto &row : rows) {
        Event event = makeEvent("Timed", "20261220");
        setStoredTime(event, QLatin1String(row.stored));
        const EventForm form = formFromEvent(event, row.twelveHourClock, 2026);
        const std::string name = std::string(row.stored) + (row.twelveHourClock ? " on 12 hours" : " on 24 hours");
        EXPECT_EQ(form.hours, row.hours) << name;
        EXPECT_EQ(form.minutes, row.minutes) << name;
        EXPECT_EQ(form.pm, row.pm) << name;
        EXPECT_EQ(storedTime(eventFromForm(form, event)), row.stored) << name;
    }
}

// The lead time is stored negated while switched off; the dialog shows that only for an event of this year.
TEST(EventForm, DateAndLeadTimeShowForAChange)
{
    // afterChange: stored again with the box left as shown.
    const struct {
        const char *name, *date;
        qint16 notifyingDays;
        const char *alertDays;
        bool offThisYear;
        qint16 afterChange;
    } rows[] = {
        {"every year, switched off", "00000314", -3, "3", false, 3},
        {"switched off this year", "20261230", -2, "2", true, -2},
        {"switched off, next year", "20270101", -2, "2", false, 2},
        {"on", "20261230", 7, "7", false, 7},
        {"no alert, on a day 00 that a hand edit left", "20261200", 0, "", false, 0},
    };
    for (const auto &row : rows) {
        const EventForm form = formFromEvent(makeEvent("e", row.date, row.notifyingDays), false, 2026);
        EXPECT_EQ(form.day, QString(row.date).right(2)) << row.name;
        EXPECT_EQ(form.alertDays, row.alertDays) << row.name;
        EXPECT_EQ(form.alertOffThisYear, row.offThisYear) << row.name;
        const Event changed = eventFromForm(form, Event());
        EXPECT_EQ(storedDate(changed), row.date) << row.name;
        EXPECT_EQ(changed.notifyingDays, row.afterChange) << row.name;
    }
}
