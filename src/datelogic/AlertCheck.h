#pragma once

#include "datelogic/ReminderClock.h"

struct AppState;
class Clock;

// The alert window as the checks see it.
class AlertWindow {
public:
    virtual ~AlertWindow() = default;
    // Shows the event AlertEventIndex (AlertMissed tells whether its day has
    // passed) in front of other programs and returns when it has closed,
    // leaving the remind-again choice in DialogResult.
    virtual void showAlert() = 0;
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

    // The clock the answers' reminders are due by.
    ReminderClock &reminderClock() { return reminderClock_; }

private:
    void alertWindowOpen(int index, bool missed);
    void recordAnswer(int index);

    AppState &state_;
    const Clock &clock_;
    AlertWindow &window_;
    ReminderClock reminderClock_;
};
