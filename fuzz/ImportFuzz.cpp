#include "exchange/EventImport.h"

#include <QDate>

#include <cstdlib>

// Any bytes, as an iCalendar or a vCard file (the first line decides), are
// read without a crash, hang or leak; a refused file leaves the table as it was.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    EventTable calendar;
    calendar.addEvent(Event{});
    const ImportResult result =
        importEvents(QByteArray(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size)), calendar,
                     ImportContext{QDate(2026, 12, 6), {}});
    if (result.report.refused() && result.table.size() != 1)
        std::abort();
    return 0;
}
