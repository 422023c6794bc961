#include "datelogic/AlertScheduler.h"

#include "datelogic/AlertCheck.h"
#include "eventdata/EventTable.h"
#include "platform/Clock.h"

#include <QScopedValueRollback>
#include <QTimer>

AlertScheduler::AlertScheduler(EventTable &table, const Clock &clock, AlertCheck &check, QTimer &timer,
                               std::function<void()> finishStartup)
    : table_(table), clock_(clock), check_(check), timer_(timer), finishStartup_(std::move(finishStartup))
{
    timer_.setInterval(StartupInterval);
    connection_ = QObject::connect(&timer_, &QTimer::timeout, &timer_, [this] { tick(); });
}

AlertScheduler::~AlertScheduler()
{
    QObject::disconnect(connection_);
}

void AlertScheduler::tick()
{
    if (phase_ == Phase::Running)
        catchUp();
    else if (!busy_) // start-up ticks that come while start-up is busy are simply late
        startUp();
}

void AlertScheduler::clockChanged()
{
    if (phase_ == Phase::Running)
        catchUp();
}

void AlertScheduler::startUp()
{
    {
        const QScopedValueRollback busy(busy_, true);
        finishStartup_();
        phase_ = Phase::Running;
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
    const int last = table_.eventCount;
    for (int i = 0; i <= last; ++i) {
        if (table_.events[i].remindAgain.state == Reminder::State::None)
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
        while (due <= table_.eventCount && !isDue(table_.events[due].remindAgain, now))
            ++due;
        if (due > table_.eventCount)
            return;
        table_.events[due].remindAgain = {}; // the check sets it anew when the alert shows
        check_.checkEventAlert(due);
    }
}
