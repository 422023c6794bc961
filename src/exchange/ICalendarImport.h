#pragma once

#include <QByteArray>

class ImportReading;

// Offers every VEVENT of an iCalendar text (UTF-8) to the table. False when
// libical finds no calendar in it.
bool importICalendar(const QByteArray &text, ImportReading &target);
