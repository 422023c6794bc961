#include "eventdata/EventTable.h"

#include "eventdata/FileErrors.h"
#include "eventdata/NumberText.h"

#include <QtGlobal>

bool EventTable::AddEvent(const Event &event)
{
    if (isFull())
        return false;
    ++EventCount;
    Events[EventCount] = event;
    Events[EventCount].RemindAgain = {};
    return true;
}

void EventTable::RemoveEvent(int index)
{
    Q_ASSERT(index >= 0 && index <= EventCount);
    if (index != EventCount)
        Events[index] = Events[EventCount];
    --EventCount;
}

int EventTable::PurgePastEvents(int currentYear)
{
    int i = 0;
    while (i <= EventCount) {
        const QStringView yearText = Events[i].yearText();
        const int year = yearText.size() == 4 ? digitsValue(yearText) : -1;
        if (year < 0)
            return FileError::TypeMismatch;
        if (year != 0 && year < currentYear)
            RemoveEvent(i); // slot i now holds the former last event: examine it again
        else
            ++i;
    }
    return 0;
}

int EventTable::indexOfTitle(const QString &title) const
{
    for (int i = 0; i <= EventCount; ++i) {
        if (Events[i].Title == title)
            return i;
    }
    return -1;
}
