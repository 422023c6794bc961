#pragma once

#include <QString>

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

// One reminder. Date and Time are fixed-width texts: Date is yyyymmdd with
// the year "0000" for an event that recurs every year, Time is hhmm on the
// 24-hour clock or four blanks when the event has no time of day.
struct Event {
    static constexpr int DateWidth = 8;
    static constexpr int TimeWidth = 4;
    static constexpr auto EveryYear = QLatin1StringView("0000");
    // What the event dialog lets the user type into the title and description.
    static constexpr int TitleLength = 64;
    static constexpr int DescriptionLength = 256;

    QString title;
    QString description;
    QString category;
    QString date = QString(DateWidth, QLatin1Char(' '));
    QString time = QString(TimeWidth, QLatin1Char(' '));
    QString sound;
    // Alert lead time in days; 0 = no alert; negative = alerts switched off,
    // the magnitude keeps the lead time.
    qint16 notifyingDays = 0;
    Reminder remindAgain;

    QStringView yearText() const { return QStringView(date).mid(0, 4); }
    QStringView monthText() const { return QStringView(date).mid(4, 2); }
    QStringView dayText() const { return QStringView(date).mid(6, 2); }
    bool isEveryYear() const { return yearText() == EveryYear; }
};

// Pads text on the right with blanks or cuts it to exactly width characters,
// as Date and Time require.
QString fitToWidth(const QString &text, int width);
