#include "eventdata/CalendarFile.h"
#include "eventdata/EventTable.h"
#include "FuzzRoundTrip.h"

#include <QDate>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    return checkRoundTrip<EventTable>(
        data, size,
        [](const QStringList &lines, EventTable &table) {
            QString lastCheck;
            return CalendarFile::parse(lines, table, lastCheck);
        },
        [](const EventTable &table) { return CalendarFile::format(table, QDate(2026, 12, 6)); });
}
