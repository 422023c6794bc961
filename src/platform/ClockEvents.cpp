#include "platform/ClockEvents.h"

#include <QAbstractNativeEventFilter>
#include <QCoreApplication>
#include <QSocketNotifier>

#ifdef Q_OS_WIN
#include <windows.h>
#endif
#ifdef Q_OS_LINUX
#include <QDBusConnection>

#include <ctime>
#include <sys/timerfd.h>
#include <unistd.h>
#endif

namespace {

#ifdef Q_OS_WIN
// Windows tells every top-level window about a set clock and a resume.
class TimeChangeFilter : public QAbstractNativeEventFilter {
public:
    explicit TimeChangeFilter(std::function<void()> changed) : changed_(std::move(changed)) {}

    bool nativeEventFilter(const QByteArray &eventType, void *message, qintptr *) override
    {
        if (eventType != "windows_generic_MSG")
            return false;
        const auto *msg = static_cast<const MSG *>(message);
        const bool resumed = msg->message == WM_POWERBROADCAST
                             && (msg->wParam == PBT_APMRESUMEAUTOMATIC || msg->wParam == PBT_APMRESUMESUSPEND);
        if (resumed || msg->message == WM_TIMECHANGE) // the reminders may open a window: not from in here
            QMetaObject::invokeMethod(QCoreApplication::instance(), changed_, Qt::QueuedConnection);
        return false;
    }

private:
    std::function<void()> changed_;
};
#endif

} // namespace

ClockEvents::ClockEvents(std::function<void()> changed) : changed_(std::move(changed))
{
#ifdef Q_OS_WIN
    windowsFilter_ = std::make_unique<TimeChangeFilter>(changed_);
    QCoreApplication::instance()->installNativeEventFilter(windowsFilter_.get());
#endif
#ifdef Q_OS_LINUX
    timerFd_ = timerfd_create(CLOCK_REALTIME, TFD_NONBLOCK | TFD_CLOEXEC);
    if (timerFd_ >= 0) {
        armClockSetTimer();
        notifier_ = std::make_unique<QSocketNotifier>(timerFd_, QSocketNotifier::Read);
        connect(notifier_.get(), &QSocketNotifier::activated, this, &ClockEvents::clockSetTimerFired);
    }
    // Without a system bus (or logind) the set-clock timer, which the kernel
    // also cancels on resume, and the minute tick remain.
    QDBusConnection::systemBus().connect(QStringLiteral("org.freedesktop.login1"),
                                         QStringLiteral("/org/freedesktop/login1"),
                                         QStringLiteral("org.freedesktop.login1.Manager"),
                                         QStringLiteral("PrepareForSleep"), this, SLOT(prepareForSleep(bool)));
#endif
}

ClockEvents::~ClockEvents()
{
#ifdef Q_OS_WIN
    QCoreApplication::instance()->removeNativeEventFilter(windowsFilter_.get());
#endif
#ifdef Q_OS_LINUX
    notifier_.reset();
    if (timerFd_ >= 0)
        close(timerFd_);
#endif
}

void ClockEvents::prepareForSleep(bool goingToSleep)
{
    if (!goingToSleep)
        changed_();
}

#ifdef Q_OS_LINUX
// An absolute timer far ahead that the kernel cancels whenever the wall
// clock is set; it never expires in practice.
void ClockEvents::armClockSetTimer()
{
    constexpr time_t CenturySeconds = time_t(100) * 365 * 24 * 3600;
    itimerspec far{};
    clock_gettime(CLOCK_REALTIME, &far.it_value);
    far.it_value.tv_sec += CenturySeconds;
    timerfd_settime(timerFd_, TFD_TIMER_ABSTIME | TFD_TIMER_CANCEL_ON_SET, &far, nullptr);
}

void ClockEvents::clockSetTimerFired()
{
    quint64 expirations = 0;
    // Fails with ECANCELED after a set clock; either way the timer is armed
    // again before anything else runs, so it cannot fire twice for one change.
    [[maybe_unused]] const ssize_t bytes = ::read(timerFd_, &expirations, sizeof expirations);
    armClockSetTimer();
    changed_();
}
#endif
