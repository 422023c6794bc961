// Any table the program can hold comes back whole from calendar.dat.
#include "eventdata/CalendarFile.h"
#include "eventdata/DataFile.h"
#include "eventdata/EventTable.h"
#include "FuzzInput.h"

#include <QDate>

#include <cstdlib>
#include <memory>

namespace {

// Event texts are stored on one line: the windows turn line breaks into blanks.
Event eventFrom(FuzzInput &input)
{
    Event event;
    event.title = input.text(300, false);
    event.description = input.text(300, false);
    event.category = input.text(40, false);
    event.date = (input.byte() % 2 ? QStringLiteral("0000") : input.digits(4, 1900, 9999))
                 + input.digits(2, 1, 12) + input.digits(2, 1, 31);
    event.time = input.byte() % 2 ? QStringLiteral("    ") : input.digits(2, 0, 23) + input.digits(2, 0, 59);
    event.notifyingDays = input.int16();
    event.sound = input.text(300, false);
    return event;
}

bool sameStored(const Event &a, const Event &b)
{
    return a.title == b.title && a.description == b.description && a.category == b.category && a.date == b.date
           && a.time == b.time && a.notifyingDays == b.notifyingDays && a.sound == b.sound;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzInput input(data, size);
    auto table = std::make_unique<EventTable>();
    for (int count = input.below(EventTable::Capacity + 1); table->size() < count;)
        table->addEvent(eventFrom(input));
    const QDate today(2026, 12, 6);
    auto loaded = std::make_unique<EventTable>();
    QString lastCheck;
    const QStringList lines = decodeDataLines(encodeDataText(CalendarFile::format(*table, today)));
    if (CalendarFile::parse(lines, *loaded, lastCheck) != 0 || loaded->eventCount != table->eventCount
        || lastCheck != QLatin1String("20261206"))
        std::abort();
    for (int i = 0; i <= table->eventCount; ++i) {
        if (!sameStored(table->events[i], loaded->events[i]))
            std::abort();
    }
    return 0;
}
