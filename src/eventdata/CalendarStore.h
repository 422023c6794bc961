#pragma once

#include "eventdata/EventTable.h"

#include <QObject>

#include <functional>

// What one change did to the calendar, for the views that redraw on it and
// for whoever follows an event across a change of its title or date.
struct CalendarChange {
    enum class Kind {
        Added,    // after is the new event at index
        Changed,  // the event at index went from before to after
        Removed,  // before left; the former last event now sits at index
        Replaced, // the table was replaced wholesale (an import)
        Answered, // an alert's answer changed the event at index from before to after
    };
    Kind kind = Kind::Replaced;
    int index = -1;
    Event before;
    Event after;
};

// The one way to change the calendar: every change is saved (an alert's
// answer excepted, which is kept until the next save as it always was) and
// announced by changed().
class CalendarStore : public QObject {
    Q_OBJECT

public:
    using Save = std::function<void(const EventTable &)>;

    CalendarStore(EventTable &table, Save save, QObject *parent = nullptr);

    const EventTable &table() const { return table_; }

    // False, and nothing changed, when the table is full.
    bool add(const Event &event);
    void change(int index, const Event &event);
    void remove(int index);
    void replaceAll(const EventTable &table);
    // The remind-again choice or the switched-off alert of an alert window.
    void answerAlert(int index, const Event &event);

signals:
    // Sent after the table changed and before it is saved, so that the views
    // show the change behind any report of a failed save.
    void changed(const CalendarChange &change);

private:
    void announceAndSave(const CalendarChange &change);

    EventTable &table_;
    Save save_;
};
