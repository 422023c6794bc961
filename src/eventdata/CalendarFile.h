#pragma once

#include "eventdata/FileErrors.h"
#include "eventdata/DataFile.h"

#include <QDate>

class Clock;
struct EventTable;

// calendar.dat: the event table and LastCheck, the date of the previous save.
class CalendarFile {
public:
    static const QString FileName;
    // What a failure of the file means to the user.
    static FileStakes stakes();

    CalendarFile(const QString &dataFolder, FileErrorReporter &reporter, const Clock &clock);

    // Reads the events and drops one-time events of past years. After a
    // failure the table is empty and LastCheck keeps its value.
    bool loadCalendar(EventTable &table, QString &LastCheck, MissingFile missing = MissingFile::IsAnError);
    // Writes the table with today as LastCheck; LastCheck itself is not
    // changed, so during a run it keeps the date of the previous save.
    bool saveCalendar(const EventTable &table);

    // The file's text for a table, as saved.
    static QString format(const EventTable &table, const QDate &today);
    // Fills the table from the file's lines.
    // Text without any event or LastCheck line is no calendar: unreadable.
    static FileError parse(const QStringList &lines, EventTable &table, QString &lastCheck);

private:
    DataFile file_;
    const Clock &clock_;
};
