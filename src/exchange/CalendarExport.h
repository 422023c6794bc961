#pragma once

#include <QDateTime>
#include <QString>

struct Event;
struct EventTable;

// The table as an iCalendar text that other calendar programs read: one
// VEVENT per event. stamp is the moment of the export (DTSTAMP).
QString exportCalendar(const EventTable &table, const QDateTime &stamp);

// The same event gets the same UID on every export: it stands for what
// identifies an event here, its title, date and time, and for the twin-th of
// events that share all three (0 for the first), so that no two events of a
// table share a UID.
QString eventUid(const Event &event, int twin = 0);

// Every-year events start in this year, a leap year, so that every stored
// month and day exists and the text does not change from one year to the next.
constexpr int EveryYearBaseYear = 2000;
