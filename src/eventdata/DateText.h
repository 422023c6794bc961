#pragma once

#include <QString>
#include <QStringList>

// Month names and the fixed text forms of stored dates. The month names are
// English whatever the system's locale.

QString monthName(int month);         // "" outside 1..12
int monthNumber(const QString &name); // 0 for anything but an exact month name
const QStringList &monthNames();      // "January" .. "December"
bool isLeapYear(int year);
int daysInMonth(int month, int year); // 0 outside 1..12
QString twoDigits(int number);        // 7 -> "07", 12 -> "12"
