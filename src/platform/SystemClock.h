#pragma once

#include "platform/Clock.h"

class SystemClock : public Clock {
public:
    QDate today() const override { return QDate::currentDate(); }
    QDateTime now() const override { return QDateTime::currentDateTimeUtc(); } // no time zone to look up
    qint64 sinceBootMs() const override;
};
