#include "sync/SyncScheduler.h"

#include "platform/Clock.h"

#include <QTimer>

#include <algorithm>

namespace {

constexpr qint64 MsPerMinute = 60'000;

std::optional<qint64> earlier(std::optional<qint64> a, std::optional<qint64> b)
{
    if (!a || !b)
        return a ? a : b;
    return std::min(*a, *b);
}

} // namespace

SyncScheduler::SyncScheduler(const Clock &clock, QTimer &timer, std::function<void()> startPass)
    : clock_(clock), timer_(timer), startPass_(std::move(startPass))
{
    timer_.setSingleShot(true);
    connection_ = QObject::connect(&timer_, &QTimer::timeout, &timer_, [this] { tick(); });
}

SyncScheduler::~SyncScheduler()
{
    QObject::disconnect(connection_);
}

void SyncScheduler::configure(const SyncSettings &settings)
{
    if (settings != settings_) {
        settings_ = settings;
        changeDue_.reset();
        intervalDue_.reset();
        if (!settings_.isConfigured()) {
            askedDue_.reset();
            queued_ = false;
        } else if (isAutomatic()) {
            request(clock_.sinceBootMs());
        }
    }
    arm();
}

void SyncScheduler::calendarChanged()
{
    if (isAutomatic())
        changeDue_ = clock_.sinceBootMs() + ChangeDelayMs;
    arm();
}

void SyncScheduler::syncNow()
{
    if (settings_.isConfigured())
        request(clock_.sinceBootMs());
    arm();
}

void SyncScheduler::wokeUp()
{
    if (isAutomatic())
        request(clock_.sinceBootMs() + WakeDelayMs);
    arm();
}

void SyncScheduler::passFinished()
{
    running_ = false;
    if (isAutomatic())
        intervalDue_ = clock_.sinceBootMs() + settings_.interval * MsPerMinute;
    if (queued_) {
        queued_ = false;
        askedDue_ = clock_.sinceBootMs();
    }
    arm();
}

// The timer's clock stands still while the computer sleeps and this one
// does not, so a tick may come before its time: it only sets the timer anew.
void SyncScheduler::tick()
{
    const std::optional<qint64> due = nextDue();
    if (!running_ && due && *due <= clock_.sinceBootMs())
        start();
    arm();
}

bool SyncScheduler::isAutomatic() const
{
    return settings_.isConfigured() && settings_.interval > 0;
}

void SyncScheduler::request(qint64 dueMs)
{
    if (running_)
        queued_ = true;
    else
        askedDue_ = earlier(askedDue_, dueMs);
}

std::optional<qint64> SyncScheduler::nextDue() const
{
    return earlier(askedDue_, earlier(changeDue_, intervalDue_));
}

void SyncScheduler::start()
{
    askedDue_.reset();
    changeDue_.reset();
    intervalDue_.reset();
    running_ = true;
    startPass_();
}

void SyncScheduler::arm()
{
    const std::optional<qint64> due = nextDue();
    if (running_ || !due) {
        timer_.stop();
        return;
    }
    timer_.start(int(std::max<qint64>(0, *due - clock_.sinceBootMs())));
}
