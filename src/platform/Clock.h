#pragma once

#include <QDate>
#include <QDateTime>

// The system's clocks, faked in tests.
class Clock {
public:
    virtual ~Clock() = default;
    virtual QDate today() const = 0;
    // The wall clock, which the user or the network may set.
    virtual QDateTime now() const = 0;
    // Milliseconds of a clock that nobody sets and that goes on counting
    // while the computer sleeps.
    virtual qint64 sinceBootMs() const = 0;
};
