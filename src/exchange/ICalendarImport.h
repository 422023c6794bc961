#pragma once

#include <QByteArray>

class ImportTable;

// Offers every VEVENT of an iCalendar text (UTF-8) to the table. False when
// libical finds no calendar in it.
bool importICalendar(const QByteArray &text, ImportTable &target);
