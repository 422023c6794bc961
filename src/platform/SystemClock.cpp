#include "platform/SystemClock.h"

#ifdef Q_OS_WIN
#include <windows.h>
#else
#include <ctime>
#endif

qint64 SystemClock::sinceBootMs() const
{
#ifdef Q_OS_WIN
    return qint64(GetTickCount64()); // counts on through sleep and hibernation
#else
    timespec time{};
    clock_gettime(CLOCK_BOOTTIME, &time); // unlike CLOCK_MONOTONIC it counts through suspend
    return qint64(time.tv_sec) * 1000 + time.tv_nsec / 1000000;
#endif
}
