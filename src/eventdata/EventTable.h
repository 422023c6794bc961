#pragma once

#include "eventdata/Event.h"
#include "eventdata/FileErrors.h"

#include <array>

// The fixed table of all events. EventCount is the index of the last used
// slot (-1 when empty); slots above it are never read. The order of the
// slots carries no meaning.
struct EventTable {
    static constexpr int Capacity = 256;

    std::array<Event, Capacity> events{};
    qint16 eventCount = -1;

    int size() const { return eventCount + 1; }
    bool isFull() const { return eventCount >= Capacity - 1; }

    // Appends an event without a reminder; false (and nothing added) when
    // the table is full.
    bool addEvent(const Event &event);
    // Moves the last event into the freed slot.
    void removeEvent(int index);
    // Drops every one-time event of a year before currentYear. A type mismatch
    // when an event's Date does not begin with four digits (the table is then
    // left partly purged; callers discard it).
    FileError purgePastEvents(int currentYear);

    // Index of the first event with exactly this title, -1 when there is none.
    int indexOfTitle(const QString &title) const;
};
