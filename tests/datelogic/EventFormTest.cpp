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

TEST(EventForm, DateAndTimeAreStoredAsTyped)
{
    const struct {
        const char *name;
        EventForm form;
        const char *date;
        const char *time;
    } rows[] = {
        {"one-time", {"t", "2027", "March", "5", "", ""}, "20270305", "    "},
        {"every year", {"t", "", "December", "31", "", ""}, "00001231", "    "},
        {"first day of the year", {"t", "2027", "January", "1", "", ""}, "20270101", "    "},
        {"midnight", timedForm("0", "0"), "20270305", "0000"},
        {"last minute", timedForm("23", "59"), "20270305", "2359"},
        {"single digits", timedForm("9", "5"), "20270305", "0905"},
        {"12 AM is midnight", timedForm("12", "30", true, false), "20270305", "0030"},
        {"12 PM is noon", timedForm("12", "30", true, true), "20270305", "1230"},
        {"1 AM", timedForm("1", "00", true, false), "20270305", "0100"},
        {"11 AM", timedForm("11", "00", true, false), "20270305", "1100"},
        {"1 PM", timedForm("1", "00", true, true), "20270305", "1300"},
        {"11 PM", timedForm("11", "59", true, true), "20270305", "2359"},
        {"0 with PM is taken as typed", timedForm("0", "15", true, true), "20270305", "0015"},
        {"13 with PM is taken as typed", timedForm("13", "30", true, true), "20270305", "1330"},
        {"PM on the 24-hour clock is no PM", timedForm("3", "30", false, true), "20270305", "0330"},
    };
    for (const auto &row : rows) {
        const Event event = eventFromForm(row.form, Event());
        EXPECT_EQ(event.date, row.date) << row.name;
        EXPECT_EQ(event.time, row.time) << row.name;
    }
}

TEST(EventForm, LeadTimeIsNegatedWhenSwitchedOffThisYear)
{
    const struct {
        const char *name;
        const char *alertDays;
        bool off;
        qint16 stored;
    } rows[] = {
        {"no alert", "", false, 0},      {"no alert, switched off", "", true, 0}, {"one day", "1", false, 1},
        {"one day, switched off", "1", true, -1}, {"99 days", "99", false, 99}, {"99 days, switched off", "99", true, -99},
    };
    for (const auto &row : rows) {
        EventForm form = timedForm("", "");
        form.alertDays = QLatin1String(row.alertDays);
        form.alertOffThisYear = row.off;
        EXPECT_EQ(eventFromForm(form, Event()).notifyingDays, row.stored) << row.name;
    }
}

TEST(EventForm, TextsAreCopiedAndWhatTheFormDoesNotShowIsKept)
{
    EventForm form = timedForm("", "");
    form.description = QStringLiteral("Bring\nthe forms");
    form.category = QStringLiteral("Meeting");
    form.sound = QStringLiteral("/sounds/bell.wav");
    Event before = makeEvent("Old", "20261224");
    before.remindAgain = {Reminder::State::Pending, 5};
    const Event event = eventFromForm(form, before);
    EXPECT_EQ(event.title, "Dentist");
    EXPECT_EQ(event.description, "Bring the forms"); // one line, as the main window shows it
    EXPECT_EQ(event.category, "Meeting");
    EXPECT_EQ(event.sound, "/sounds/bell.wav");
    EXPECT_EQ(event.remindAgain, before.remindAgain);
}

TEST(EventForm, StoredTimesShowOnTheUsersClock)
{
    const struct {
        const char *name;
        const char *stored;
        bool twelveHourClock;
        const char *hours;
        const char *minutes;
        bool pm;
    } rows[] = {
        {"no time", "    ", true, "", "", false},
        {"24-hour midnight", "0000", false, "00", "00", false},
        {"24-hour last minute", "2359", false, "23", "59", false},
        {"midnight", "0000", true, "12", "00", false},
        {"half past midnight", "0030", true, "12", "30", false},
        {"1 AM", "0100", true, "01", "00", false},
        {"last minute before noon", "1159", true, "11", "59", false},
        {"noon", "1200", true, "12", "00", true},
        {"1 PM", "1300", true, "1", "00", true},
        {"last minute", "2359", true, "11", "59", true},
    };
    for (const auto &row : rows) {
        Event event = makeEvent("Timed", "20261220");
        event.time = QLatin1String(row.stored);
        const EventForm form = formFromEvent(event, row.twelveHourClock, 2026);
        EXPECT_EQ(form.hours, row.hours) << row.name;
        EXPECT_EQ(form.minutes, row.minutes) << row.name;
        EXPECT_EQ(form.pm, row.pm) << row.name;
        EXPECT_EQ(eventFromForm(form, event).time, row.stored) << row.name << ": changed by a round trip";
    }
}

TEST(EventForm, DateAndLeadTimeShowForAChange)
{
    const struct {
        const char *name;
        const char *date;
        qint16 notifyingDays;
        const char *year;
        const char *alertDays;
        bool offThisYear;
        qint16 afterChange; // stored again with the box left as shown
    } rows[] = {
        {"every year, switched off", "00000314", -3, "", "3", false, 3},
        {"switched off this year", "20261230", -2, "2026", "2", true, -2},
        {"switched off, next year", "20270101", -2, "2027", "2", false, 2},
        {"on", "20261230", 7, "2026", "7", false, 7},
        {"no alert", "20261230", 0, "2026", "", false, 0},
        {"beyond two digits", "20261230", 120, "2026", "120", false, 120},
    };
    for (const auto &row : rows) {
        const EventForm form = formFromEvent(makeEvent("e", row.date, row.notifyingDays), false, 2026);
        EXPECT_EQ(form.year, row.year) << row.name;
        EXPECT_EQ(form.day, QLatin1String(row.date).mid(6)) << row.name;
        EXPECT_EQ(form.alertDays, row.alertDays) << row.name;
        EXPECT_EQ(form.alertOffThisYear, row.offThisYear) << row.name;
        EXPECT_EQ(eventFromForm(form, Event()).date, row.date) << row.name;
        EXPECT_EQ(eventFromForm(form, Event()).notifyingDays, row.afterChange) << row.name;
    }
    EXPECT_EQ(formFromEvent(makeEvent("e", "20260101"), false, 2026).monthName, "January");
    EXPECT_EQ(formFromEvent(makeEvent("e", "20261231"), false, 2026).monthName, "December");
}
