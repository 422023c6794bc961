// Any table the program can hold comes back whole from calendar.dat.
#include "eventdata/CalendarFile.h"
#include "eventdata/DataFile.h"
#include "eventdata/EventTable.h"
#include "FuzzInput.h"

#include <QDate>

#include <cstdlib>
#include <memory>

namespace {

// A Date or Time text as a file edited by hand may hold it: digits, blanks
// and other characters, shorter or longer than its width.
QString handTyped(FuzzInput &input, int maxLength)
{
    static const QString characters = QStringLiteral("0123456789 x:-");
    QString text;
    for (int length = input.below(maxLength + 1); text.size() < length;)
        text += characters.at(input.below(int(characters.size())));
    return text;
}

// Event texts are stored on one line: the windows turn line breaks into blanks.
Event eventFrom(FuzzInput &input)
{
    Event event;
    event.title = input.text(300, false);
    event.description = input.text(300, false);
    event.category = input.text(40, false);
    // Dates and times the program sets, or any text a file edited by hand holds.
    if (input.byte() % 4 == 0)
        setStoredDate(event, handTyped(input, 10));
    else
        event.date = {input.byte() % 2 ? 0 : 1900 + input.below(8100), 1 + input.below(12), 1 + input.below(31)};
    if (input.byte() % 4 == 0)
        setStoredTime(event, handTyped(input, 6));
    else if (input.byte() % 2)
        event.time = QTime(input.below(24), input.below(60));
    event.notifyingDays = input.int16();
    event.sound = input.text(300, false);
    return event;
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
    if (failed(CalendarFile::parse(lines, *loaded, lastCheck)) || loaded->eventCount != table->eventCount
        || lastCheck != QLatin1String("20261206"))
        std::abort();
    for (int i = 0; i <= table->eventCount; ++i) {
        if (table->events[i] != loaded->events[i])
            std::abort();
    }
    return 0;
}
