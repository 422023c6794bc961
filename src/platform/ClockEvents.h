#pragma once

#include <QObject>

#include <functional>
#include <memory>

class QAbstractNativeEventFilter;
class QSocketNotifier;

// Tells when the computer woke from sleep or the wall clock was set. On Linux
// a timer that the kernel cancels whenever the clock is set, and logind's
// PrepareForSleep signal on the system bus; on Windows the power and time
// change messages of the window system. Neither wakes the program otherwise.
class ClockEvents : public QObject {
    Q_OBJECT

public:
    explicit ClockEvents(std::function<void()> changed);
    ~ClockEvents() override;
    ClockEvents(const ClockEvents &) = delete;
    ClockEvents &operator=(const ClockEvents &) = delete;

private slots:
    void prepareForSleep(bool goingToSleep);

private:
    std::function<void()> changed_;
#ifdef Q_OS_LINUX
    void armClockSetTimer();
    void clockSetTimerFired();

    int timerFd_ = -1;
    std::unique_ptr<QSocketNotifier> notifier_;
#endif
#ifdef Q_OS_WIN
    std::unique_ptr<QAbstractNativeEventFilter> windowsFilter_;
#endif
};
