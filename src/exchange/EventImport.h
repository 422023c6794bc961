#pragma once

#include "exchange/ImportTable.h"

#include <QByteArray>
#include <QString>

// An import into a copy of the calendar: table is what the calendar becomes
// when the user keeps the import, report what it did or why it refused.
struct ImportResult {
    EventTable table;
    ImportReport report;
};

// Imports an iCalendar or vCard file's bytes, taken as the data files are
// (UTF-8, UTF-16 with a byte order mark, Windows-1252 lines). A file over the
// data files' limits, without a calendar or contact, or cut short is refused
// whole, and the table is then the calendar as it was.
ImportResult importEvents(const QByteArray &bytes, const EventTable &calendar, const ImportContext &context);

// The same for a file, read as the data files are: only a regular file,
// never more than their size limit.
ImportResult importEventFile(const QString &path, const EventTable &calendar, const ImportContext &context);
