#pragma once

#include "datelogic/ReminderClock.h"

#include <QString>

struct EventTable;
class CalendarStore;
class Clock;

// The alert window as the checks see it.
class AlertWindow {
public:
    virtual ~AlertWindow() = default;
    // Shows the event at index (missed: its day has passed) in front of other
    // programs and returns the remind-again choice when it has closed.
    virtual RemindAnswer showAlert(int index, bool missed) = 0;
};

// Decides whether an event's alert is due, shows it, and records the answer.
class AlertCheck {
public:
    enum class Pass {
        All,         // regular and missed alerts
        RegularOnly, // only events whose alert period is running today
    };

    // lastCheck: the stored date of the previous save of the calendar.
    AlertCheck(EventTable &table, const QString &lastCheck, CalendarStore &store, const Clock &clock,
               AlertWindow &window);

    void checkEventAlert(int index, Pass pass = Pass::All);
    void checkAllAlerts();

    // The clock the answers' reminders are due by.
    ReminderClock &reminderClock() { return reminderClock_; }

private:
    RemindAnswer alertWindowOpen(int index, bool missed);
    void recordAnswer(int index, const RemindAnswer &answer);

    EventTable &table_;
    const QString &lastCheck_;
    CalendarStore &store_;
    const Clock &clock_;
    AlertWindow &window_;
    ReminderClock reminderClock_;
};
