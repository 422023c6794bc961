#include "eventdata/EventTable.h"

#include "eventdata/FileErrors.h"

#include <QtGlobal>

bool EventTable::addEvent(const Event &event)
{
    if (isFull())
        return false;
    ++eventCount;
    events[eventCount] = event;
    events[eventCount].remindAgain = {};
    return true;
}

void EventTable::removeEvent(int index)
{
    Q_ASSERT(index >= 0 && index <= eventCount);
    if (index != eventCount)
        events[index] = events[eventCount];
    --eventCount;
}

FileError EventTable::purgePastEvents(int currentYear)
{
    int i = 0;
    while (i <= eventCount) {
        const int year = events[i].date.year;
        if (year < 0)
            return FileError::TypeMismatch;
        if (year != 0 && year < currentYear)
            removeEvent(i); // slot i now holds the former last event: examine it again
        else
            ++i;
    }
    return FileError::None;
}

int EventTable::indexOfTitle(const QString &title) const
{
    for (int i = 0; i <= eventCount; ++i) {
        if (events[i].title == title)
            return i;
    }
    return -1;
}
