#pragma once

#include "datelogic/ReminderClock.h"

struct AppState;
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

    AlertCheck(AppState &state, const Clock &clock, AlertWindow &window);

    void checkEventAlert(int index, Pass pass = Pass::All);
    void checkAllAlerts();
    RemindAnswer alertWindowOpen(int index, bool missed);

    // The clock the answers' reminders are due by.
    ReminderClock &reminderClock() { return reminderClock_; }

private:
    void recordAnswer(int index, const RemindAnswer &answer);

    AppState &state_;
    const Clock &clock_;
    AlertWindow &window_;
    ReminderClock reminderClock_;
};
