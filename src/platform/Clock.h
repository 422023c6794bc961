#pragma once

#include <QDate>

// Today's date, from the system clock in the program and from a fixed date in
// tests.
class Clock {
public:
    virtual ~Clock() = default;
    virtual QDate today() const = 0;
};
