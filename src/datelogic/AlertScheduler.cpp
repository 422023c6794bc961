#include "datelogic/AlertScheduler.h"

#include "appstate/AppState.h"
#include "datelogic/AlertCheck.h"
#include "platform/Clock.h"

#include <QScopedValueRollback>
#include <QTimer>

AlertScheduler::AlertScheduler(AppState &state, const Clock &clock, AlertCheck &check, QTimer &timer,
                               std::function<void()> finishStartup)
    : state_(state), clock_(clock), check_(check), timer_(timer), finishStartup_(std::move(finishStartup))
{
    connection_ = QObject::connect(&timer_, &QTimer::timeout, &timer_, [this] { tick(); });
}

AlertScheduler::~AlertScheduler()
{
    QObject::disconnect(connection_);
}

void AlertScheduler::tick()
{
    if (timer_.interval() == RunningInterval)
        catchUp();
    else if (!busy_) // start-up ticks that come while start-up is busy are simply late
        startUp();
}

void AlertScheduler::clockChanged()
{
    if (timer_.interval() == RunningInterval)
        catchUp();
}

void AlertScheduler::startUp()
{
    {
        const QScopedValueRollback busy(busy_, true);
        if (timer_.interval() == StartupInterval) {
            finishStartup_();
            timer_.setInterval(StartupCheckInterval);
        }
        timer_.setInterval(RunningInterval);
        checkedDay_ = clock_.today();
        check_.checkAllAlerts();
    }
    catchUp();
}

void AlertScheduler::catchUp()
{
    if (busy_) {
        lookAgain_ = true;
        return;
    }
    const QScopedValueRollback busy(busy_, true);
    do {
        lookAgain_ = false;
        checkNewDay();
        showDueReminders();
    } while (lookAgain_);
}

// A program left running in the tray still reminds: on the first look of a
// new day every event without a reminder gets its regular check. Missed
// alerts are a start-up matter only.
void AlertScheduler::checkNewDay()
{
    const QDate today = clock_.today();
    if (today == checkedDay_)
        return;
    checkedDay_ = today;
    if (newDay_)
        newDay_();
    const int last = state_.eventCount;
    for (int i = 0; i <= last; ++i) {
        if (state_.events[i].remindAgain.state == Reminder::State::None)
            check_.checkEventAlert(i, AlertCheck::Pass::RegularOnly);
    }
}

// In table order, one window at a time; the clock is read anew after every
// window, so what fell due while one was open shows next.
void AlertScheduler::showDueReminders()
{
    for (;;) {
        const qint64 now = check_.reminderClock().nowMs();
        int due = 0;
        while (due <= state_.eventCount && !isDue(state_.events[due].remindAgain, now))
            ++due;
        if (due > state_.eventCount)
            return;
        state_.events[due].remindAgain = {}; // the check sets it anew when the alert shows
        check_.checkEventAlert(due);
    }
}
