#pragma once

#include <QDate>
#include <QString>

// The diagnostic lines about version and date handling that the user can
// send to the makers, joined with CR LF. lastCheck is the stored yyyymmdd;
// when it is no valid date the lines computed from it say so.
QString errorTrackingText(const QDate &today, const QDate &shownDay, const QString &lastCheck);
