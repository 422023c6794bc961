#include "datelogic/AlertScheduler.h"

#include "core/AppState.h"
#include "datelogic/AlertCheck.h"
#include "platform/Clock.h"

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
    if (ticking_) {
        // Start-up ticks that come while start-up is busy are simply late;
        // minute ticks count time and must not be lost.
        if (timer_.interval() == RunningInterval)
            ++deferredTicks_;
        return;
    }
    ticking_ = true;
    if (timer_.interval() == StartupInterval) {
        finishStartup_();
        timer_.setInterval(StartupCheckInterval);
    }
    if (timer_.interval() == StartupCheckInterval) {
        timer_.setInterval(RunningInterval);
        checkedDay_ = clock_.today();
        check_.CheckAllAlerts();
    } else {
        checkNewDay();
    }
    countDown();
    while (deferredTicks_ > 0) {
        --deferredTicks_;
        checkNewDay();
        countDown();
    }
    ticking_ = false;
}

// A program left running in the tray still reminds: on the first tick of a
// new day every event without a pending delay or a "not again" answer gets
// its regular check. Missed alerts are a start-up matter only.
void AlertScheduler::checkNewDay()
{
    const QDate today = clock_.today();
    if (today == checkedDay_)
        return;
    checkedDay_ = today;
    const int last = state_.EventCount;
    for (int i = 0; i <= last; ++i) {
        if (state_.Events[i].RemindCountdown == 0)
            check_.CheckEventAlert(i, AlertCheck::Pass::RegularOnly);
    }
}

void AlertScheduler::countDown()
{
    const int last = state_.EventCount;
    for (int i = 0; i <= last; ++i) {
        qint16 &countdown = state_.Events[i].RemindCountdown;
        if (countdown > 0 && --countdown == 0)
            check_.CheckEventAlert(i);
    }
}
