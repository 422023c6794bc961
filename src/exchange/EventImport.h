#pragma once

#include "exchange/ImportTable.h"

#include <QByteArray>
#include <QString>

// Reads an iCalendar or vCard file's bytes, taken as the data files are
// (UTF-8, UTF-16 with a byte order mark, Windows-1252 lines). A file over the
// data files' limits, without a calendar or contact, or cut short is refused
// whole: the reading then holds no event.
ImportReading readEvents(const QByteArray &bytes, const ImportContext &context);

// The same for a file, read as the data files are: only a regular file,
// never more than their size limit.
ImportReading readEventFile(const QString &path, const ImportContext &context);

// The file's bytes read and entered into a copy of the calendar; a refused
// file leaves the copy as the calendar was.
ImportResult importEvents(const QByteArray &bytes, const EventTable &calendar, const ImportContext &context);
