#pragma once

#include <QStringList>

class ImportReading;

// Adds every VEVENT of an iCalendar file, given as its lines, to the
// reading. False when libical finds no calendar in it.
bool importICalendar(const QStringList &lines, ImportReading &target);
