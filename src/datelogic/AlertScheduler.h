#pragma once

#include <QDate>
#include <QMetaObject>

#include <functional>

class AlertCheck;
class Clock;
class QTimer;
struct EventTable;

// The main window's timer handler: one tick 250 ms after the start that
// loads the files and shows the alerts due, then one tick a minute that
// shows the reminders that have fallen due and, on a new day, the alerts
// that began that day.
class AlertScheduler {
public:
    static constexpr int StartupInterval = 250;
    static constexpr int RunningInterval = 60000;

    // finishStartup loads the files and shows today; it runs in the first tick.
    AlertScheduler(EventTable &table, const Clock &clock, AlertCheck &check, QTimer &timer,
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

    enum class Phase { Starting, Running };

    EventTable &table_;
    const Clock &clock_;
    AlertCheck &check_;
    QTimer &timer_;
    std::function<void()> finishStartup_;
    std::function<void()> newDay_;
    QMetaObject::Connection connection_;

    Phase phase_ = Phase::Starting;
    QDate checkedDay_;
    // Alert windows are modal and the timer goes on meanwhile: a tick that
    // arrives during a tick's work only asks that work to look once more.
    bool busy_ = false;
    bool lookAgain_ = false;
};
