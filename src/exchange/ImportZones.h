#pragma once

#include "exchange/RepeatRule.h"

#include <QSet>
#include <QString>
#include <QTimeZone>

#include <optional>

// libical's own name for its zone type, declared here as its header does.
typedef struct _icaltimezone icaltimezone; // NOLINT(bugprone-reserved-identifier)
typedef struct icalcomponent_impl icalcomponent;

// The clock an event's times are given on: a zone that libical holds (the
// file's own definition, or one of the system's it knows by name), a zone
// Qt knows, or the local time of the computer.
class EventClock {
public:
    // lastYear: libical works out a zone's changes up to the year of a time
    // it converts; times after that year take the offset that year ends with.
    static EventClock ofLibical(icaltimezone *zone, int lastYear);
    static EventClock ofZone(const QTimeZone &zone);
    static EventClock local();

    qint64 secondsSinceEpochOf(WallTime time) const;
    WallTime wallTimeOf(qint64 secondsSinceEpoch) const;

private:
    icaltimezone *libicalZone_ = nullptr;
    int lastYear_ = 0;
    std::optional<QTimeZone> zone_;
};

// The zone Qt knows for a name a file gives without defining it: an IANA
// name (also at the end of a longer path), a Windows zone ID, or the offset of
// a Windows display name such as "(UTC-05:00) Eastern Time (US & Canada)".
struct NamedZone {
    std::optional<QTimeZone> zone; // none when nothing is known: local time
    QString used;                  // for the report: the IANA name, the offset, or "local time"
    bool byIanaName = false;       // the name itself was an IANA name
};
NamedZone zoneNamed(const QString &name);

// The TZIDs of the VTIMEZONEs in a parsed file, at any depth, whose changes
// libical would work out without bound: one whose observances repeat on more
// days a year than real zones do (or at times of day), or which, with the
// zones taken before it, would hold more changes up to lastYear than any real
// set of zones does. No time may be converted in such a zone; libical works
// out a zone's changes only when it converts.
QSet<QString> costlyZones(icalcomponent *root, int lastYear);

// Where libical reads its own zone files. Where the system has none that
// libical reads (Windows), the program brings them; this must come before any
// other libical call, as libical reads the folder's index once, at its first
// use of a zone.
void setLibicalZoneFolder(const QString &folder);
