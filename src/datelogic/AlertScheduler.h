#pragma once

#include <QDate>
#include <QMetaObject>

#include <functional>

class AlertCheck;
class Clock;
class QTimer;
struct AppState;

// The main window's timer handler. The timer's interval is the scheduler's
// state: 250 ms until the start-up tick, 800 ms inside it, then one tick a
// minute that shows the reminders that have fallen due and, on a new day,
// the alerts that began that day.
class AlertScheduler {
public:
    static constexpr int StartupInterval = 250;
    static constexpr int StartupCheckInterval = 800;
    static constexpr int RunningInterval = 60000;

    // finishStartup loads the files and shows today; it runs in the first tick.
    AlertScheduler(AppState &state, const Clock &clock, AlertCheck &check, QTimer &timer,
                   std::function<void()> finishStartup);
    ~AlertScheduler();
    AlertScheduler(const AlertScheduler &) = delete;
    AlertScheduler &operator=(const AlertScheduler &) = delete;

    // Runs on the first look of each new day, before that day's alerts.
    void onNewDay(std::function<void()> handler) { newDay_ = std::move(handler); }

    void tick();
    // The computer woke from sleep or the wall clock was set: catch up at
    // once instead of at the next minute tick.
    void clockChanged();

private:
    void startUp();
    void catchUp();
    void checkNewDay();
    void showDueReminders();

    AppState &state_;
    const Clock &clock_;
    AlertCheck &check_;
    QTimer &timer_;
    std::function<void()> finishStartup_;
    std::function<void()> newDay_;
    QMetaObject::Connection connection_;

    QDate checkedDay_;
    // Alert windows are modal and the timer goes on meanwhile: a tick that
    // arrives during a tick's work only asks that work to look once more.
    bool busy_ = false;
    bool lookAgain_ = false;
};
