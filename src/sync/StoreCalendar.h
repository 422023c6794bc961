#pragma once

#include "sync/LocalCalendar.h"

#include <QHash>
#include <QObject>

class CalendarStore;
struct CalendarChange;
struct Event;

// The program's calendar as a sync pass sees it. Every change goes through
// the store, so the windows and calendar.dat follow; changes made here are
// told apart from the user's, so that a pass's own writes never ask for
// another pass. An event's key is its title, which the calendar keeps
// unique; a title the user changes during the run is followed, so that the
// event stays the same one for the sync.
class StoreCalendar : public QObject, public LocalCalendar {
    Q_OBJECT

public:
    explicit StoreCalendar(CalendarStore &store, QObject *parent = nullptr);

    std::vector<LocalItem> items() const override;
    CalendarFields fields(const QString &key) const override;
    LocalItem add(const CalendarFields &fields) override;
    LocalItem replace(const QString &key, const CalendarFields &fields) override;
    void remove(const QString &key) override;
    int room() const override;

    // The key an event had at the last pass, as it is now: the title the
    // user gave it since, or the same key when it kept its title.
    QString followedKey(const QString &key) const { return renamed_.value(key, key); }
    // A pass begins from the keys as they are now.
    void forgetRenames() { renamed_.clear(); }

signals:
    // The user (or anything but a sync pass) changed the calendar.
    void changedElsewhere();

private:
    void noteChange(const CalendarChange &change);
    int indexOf(const QString &key) const;
    Event eventFor(const CalendarFields &fields, int except) const;
    LocalItem itemAt(int index) const;

    CalendarStore &store_;
    bool writing_ = false;
    QHash<QString, QString> renamed_; // a key at the last pass to the title now
};

// What the sync exchanges of an event, and back: a switched-off alert keeps
// its lead days.
CalendarFields fieldsOf(const Event &event);
// Can the sync hold this event? Not when its date or time is a hand-edited
// text that does not read.
bool isSyncable(const Event &event);
