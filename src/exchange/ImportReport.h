#pragma once

#include "eventdata/FileErrors.h"

#include <QList>
#include <QString>

#include <array>

// Why an event of an imported file was left out.
enum class SkipReason {
    AlreadyThere, // an event with the same title and date is in the calendar
    TitleTaken,   // another event has the title on another date
    Past,         // a one-time event of an earlier year, or a repeat that has ended
    Cancelled,
    NoRoom,      // the calendar is full
    Unusable,    // no title, no date or no such date
    NeverOccurs, // a repeat rule without an occurrence in the years the searches look at
    ChangedDate, // one date of a repeating event moved or changed; the series decides
};
constexpr int SkipReasonCount = 8;

// A time zone that a file names and does not define in a way the import can
// use, and what was taken instead: another zone's name, an offset such as
// "UTC-05:00", or "local time".
struct ZoneChoice {
    QString name;
    QString used;
    bool defined = false; // the file defines it, with more changes than are worked out
    bool operator==(const ZoneChoice &) const = default;
};

// What an import did, or why it refused the whole file.
struct ImportReport {
    enum class Refusal { None, NotACalendar, Truncated, FileError };
    Refusal refusal = Refusal::None;
    FileError fileError = FileError::None; // when refusal is FileError

    int imported = 0;
    std::array<int, SkipReasonCount> skipped{};
    int repeatsAsOneTime = 0; // repeating events taken as their next date only
    int february29Moved = 0;  // every-year events moved to 28 February
    int withoutBirthday = 0;  // contacts without a birthday
    // Each zone once, in the order the events name them; beyond a few the
    // report only counts them.
    static constexpr int MostZonesNamed = 3;
    QList<ZoneChoice> zones;
    int moreZones = 0;

    bool refused() const { return refusal != Refusal::None; }
    int &skippedFor(SkipReason reason) { return skipped[static_cast<int>(reason)]; }
    int skippedFor(SkipReason reason) const { return skipped[static_cast<int>(reason)]; }
};

// The report window's caption and text.
QString importReportTitle(const ImportReport &report);
QString importReportText(const ImportReport &report);
