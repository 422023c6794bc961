#pragma once

#include "eventdata/EventDate.h"

#include <QString>
#include <QTime>

#include <optional>

// What the user asked for in an alert window during this run; never stored.
struct Reminder {
    enum class State : qint8 {
        None,    // nothing asked: a new day's check may alert the event
        Pending, // check the event again at dueMs
        Stopped, // "on next start up" or "Never": not again in this run
    };
    State state = State::None;
    qint64 dueMs = 0; // wall clock, milliseconds since the epoch
    bool operator==(const Reminder &) const = default;
};

// One reminder.
struct Event {
    // The widths of the fixed-width Date and Time texts of calendar.dat.
    static constexpr int DateWidth = 8;
    static constexpr int TimeWidth = 4;
    // What the event dialog lets the user type into the title and description.
    static constexpr int TitleLength = 64;
    static constexpr int DescriptionLength = 256;
    // The most lead days it takes: two digits.
    static constexpr int MostLeadDays = 99;

    QString title;
    QString description;
    QString category;
    EventDate date;
    std::optional<QTime> time; // none: the event has no time of day
    // The Date and Time texts of a file edited by hand that do not read back
    // as the same text; written back unchanged, so that the file keeps what it
    // held. Empty for anything the program wrote.
    QString unreadDate;
    QString unreadTime;
    QString sound;
    // Alert lead time in days; 0 = no alert; negative = alerts switched off,
    // the magnitude keeps the lead time.
    qint16 notifyingDays = 0;
    Reminder remindAgain;

    bool isEveryYear() const { return date.isEveryYear(); }
    bool operator==(const Event &) const = default;
};

// The texts the data file holds for the event's Date and Time.
QString storedDate(const Event &event);
QString storedTime(const Event &event);
// Reads a Date or Time text (fitted to its width) into the event, keeping
// the text itself when it does not read back the same.
void setStoredDate(Event &event, const QString &text);
void setStoredTime(Event &event, const QString &text);

// The title and description as the event dialog holds them, for an event
// from another program: each on one line, the title without blanks around
// it, both cut to their lengths.
void fitTextsToTheDialog(Event &event);

// Pads text on the right with blanks or cuts it to exactly width characters,
// as Date and Time require.
QString fitToWidth(const QString &text, int width);
