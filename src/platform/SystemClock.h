#pragma once

#include "platform/Clock.h"

class SystemClock : public Clock {
public:
    QDate today() const override { return QDate::currentDate(); }
    QDateTime now() const override { return QDateTime::currentDateTime(); }
    qint64 sinceBootMs() const override;
};
