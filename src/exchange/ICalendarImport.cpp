#include "exchange/ICalendarImport.h"

#include "datelogic/MonthLayout.h"
#include "eventdata/DateText.h"
#include "exchange/ICalendarRule.h"
#include "exchange/ImportText.h"
#include "exchange/ImportTable.h"
#include "exchange/ImportZones.h"

#include <libical/ical.h>

#include <QDateTime>
#include <QHash>

#include <algorithm>
#include <memory>
#include <optional>
#include <utility>

namespace {

struct ComponentFree {
    void operator()(icalcomponent *component) const { icalcomponent_free(component); }
};
using Component = std::unique_ptr<icalcomponent, ComponentFree>;

constexpr int SecondsPerDay = 24 * 60 * 60;
// The days of the calendar that one repeat rule, and all rules of one import
// together, may look at: a rule counted from year 1 on, or a file full of
// rules that never occur, must not hold the import up.
constexpr qint64 DaysPerRule = 400000;
constexpr qint64 DaysPerImport = 4000000;

QString textOf(const char *utf8)
{
    return utf8 ? QString::fromUtf8(utf8) : QString();
}

WallTime wallTimeOf(const icaltimetype &time)
{
    return wallTime(QDate(time.year, time.month, time.day),
                    time.is_date ? QTime(0, 0) : QTime(time.hour, time.minute, time.second));
}

// A yearly rule that gives one day in every year: the event repeats every year.
bool isEveryYear(const icalrecurrencetype &rule)
{
    return rule.freq == ICAL_YEARLY_RECURRENCE && rule.interval <= 1 && rule.count == 0
           && icaltime_is_null_time(rule.until) && rule.by_day[0] == ICAL_RECURRENCE_ARRAY_MAX
           && rule.by_year_day[0] == ICAL_RECURRENCE_ARRAY_MAX && rule.by_week_no[0] == ICAL_RECURRENCE_ARRAY_MAX
           && rule.by_set_pos[0] == ICAL_RECURRENCE_ARRAY_MAX && rule.by_month[1] == ICAL_RECURRENCE_ARRAY_MAX
           && rule.by_month_day[1] == ICAL_RECURRENCE_ARRAY_MAX;
}

// When an event starts: on the wall clock of its zone, and that clock.
struct Start {
    WallTime wall;
    EventClock clock;
    bool allDay;

    // As the local clock shows it; a day stays the day it is.
    QDateTime local() const
    {
        if (allDay)
            return QDateTime(wallDate(wall), QTime(0, 0));
        return QDateTime::fromSecsSinceEpoch(clock.secondsSinceEpochOf(wall));
    }
    Start at(WallTime time) const { return {time, clock, allDay}; }
};

class EventReader {
public:
    EventReader(ImportReading &target, const QSet<QString> &costlyZones)
        : target_(target), costlyZones_(costlyZones), lastYear_(target.context().today.year() + ShownYearsAhead)
    {
    }
    void read(icalcomponent *vevent);
    void skip(SkipReason reason) { target_.skip(reason); }
    bool stopped() const { return target_.stopped(); }

private:
    EventClock clockOf(icalcomponent *vevent, const icaltimetype &start);
    EventClock clockNamed(const QString &name);
    void noteZone(const QString &name, const QString &used);
    std::optional<EventDate> dateOf(icalcomponent *vevent, const Start &start, QDateTime &local, bool &repeating);
    std::optional<Start> nextOccurrence(const icalrecurrencetype &recurrence, const Start &start);
    qint16 leadDays(icalcomponent *vevent, const Start &start) const;

    ImportReading &target_;
    QSet<QString> costlyZones_;
    int lastYear_;
    qint64 daysLeft_ = DaysPerImport;
    QHash<QString, EventClock> namedClocks_;
    QSet<QString> notedZones_;
};

EventClock EventReader::clockOf(icalcomponent *vevent, const icaltimetype &start)
{
    if (icaltime_is_utc(start))
        return EventClock::ofZone(QTimeZone::utc());
    icalproperty *property = icalcomponent_get_first_property(vevent, ICAL_DTSTART_PROPERTY);
    icalparameter *tzid = icalproperty_get_first_parameter(property, ICAL_TZID_PARAMETER);
    if (!tzid || start.is_date)
        return EventClock::local();
    const QString name = textOf(icalparameter_get_tzid(tzid));
    // libical holds the file's own definition, or a zone of the system's by that name.
    if (start.zone && !costlyZones_.contains(name))
        return EventClock::ofLibical(const_cast<icaltimezone *>(start.zone), lastYear_);
    return clockNamed(name);
}

EventClock EventReader::clockNamed(const QString &name)
{
    if (const auto known = namedClocks_.constFind(name); known != namedClocks_.cend())
        return *known;
    const NamedZone named = zoneNamed(name);
    if (!named.byIanaName || costlyZones_.contains(name))
        noteZone(name, named.used);
    EventClock clock = named.zone ? EventClock::ofZone(*named.zone) : EventClock::local();
    namedClocks_.insert(name, clock);
    return clock;
}

void EventReader::noteZone(const QString &name, const QString &used)
{
    if (notedZones_.contains(name))
        return;
    notedZones_.insert(name);
    if (target_.report.zones.size() < ImportReport::MostZonesNamed)
        target_.report.zones.append({name, used.isEmpty() ? name : used, costlyZones_.contains(name)});
    else
        ++target_.report.moreZones;
}

// The next occurrence from today on, in the years the searches look at; none
// (and the reason counted) when there is none.
std::optional<Start> EventReader::nextOccurrence(const icalrecurrencetype &recurrence, const Start &start)
{
    std::optional<RepeatRule> rule = repeatRuleOf(recurrence);
    if (!rule) {
        target_.skip(SkipReason::Unusable);
        return std::nullopt;
    }
    const QDate today = target_.context().today;
    if (icaltime_is_utc(recurrence.until) && !start.allDay)
        rule->until = start.clock.wallTimeOf(icaltime_as_timet(recurrence.until));
    const WallTime from = start.allDay ? wallTime(today, QTime(0, 0))
                                       : start.clock.wallTimeOf(QDateTime(today, QTime(0, 0)).toSecsSinceEpoch());
    const WallTime limit = wallTime(QDate(lastYear_, 12, 31), QTime(23, 59, 59));
    const qint64 given = std::min(DaysPerRule, daysLeft_);
    qint64 days = given;
    const RepeatSearch next = firstOccurrence(*rule, start.wall, from, limit, days);
    daysLeft_ -= given - std::max<qint64>(days, 0);
    if (next.outcome == RepeatSearch::Outcome::Found)
        return start.at(next.at);
    target_.skip(next.outcome == RepeatSearch::Outcome::Ended ? SkipReason::Past : SkipReason::NeverOccurs);
    return std::nullopt;
}

// The stored date, with local set to the start as the calendar keeps it;
// none when the event is left out (and the reason counted).
std::optional<EventDate> EventReader::dateOf(icalcomponent *vevent, const Start &start, QDateTime &local,
                                             bool &repeating)
{
    local = start.local();
    icalproperty *ruleProperty = icalcomponent_get_first_property(vevent, ICAL_RRULE_PROPERTY);
    if (!ruleProperty)
        return importedDate(local.date().year(), local.date().month(), local.date().day());
    const icalrecurrencetype rule = icalproperty_get_rrule(ruleProperty);
    if (isEveryYear(rule)) {
        const int month = rule.by_month[0] != ICAL_RECURRENCE_ARRAY_MAX ? rule.by_month[0] : local.date().month();
        const int day = rule.by_month_day[0] > 0 && rule.by_month_day[0] != ICAL_RECURRENCE_ARRAY_MAX
                            ? rule.by_month_day[0]
                            : local.date().day();
        return importedDate(0, month, day);
    }
    const std::optional<Start> next = nextOccurrence(rule, start);
    if (!next)
        return std::nullopt;
    repeating = true;
    local = next->local();
    return importedDate(local.date().year(), local.date().month(), local.date().day());
}

// The earliest alarm before the start, in whole days rounded up; an alarm
// less than a day before still alerts on the day before.
qint16 EventReader::leadDays(icalcomponent *vevent, const Start &start) const
{
    const qint64 startTime = start.local().toSecsSinceEpoch();
    qint64 earliest = -1;
    for (icalcomponent *alarm = icalcomponent_get_first_component(vevent, ICAL_VALARM_COMPONENT); alarm;
         alarm = icalcomponent_get_next_component(vevent, ICAL_VALARM_COMPONENT)) {
        icalproperty *triggerProperty = icalcomponent_get_first_property(alarm, ICAL_TRIGGER_PROPERTY);
        if (!triggerProperty)
            continue;
        const icaltriggertype trigger = icalproperty_get_trigger(triggerProperty);
        qint64 before = -static_cast<qint64>(icaldurationtype_as_int(trigger.duration));
        if (icaltime_is_utc(trigger.time))
            before = startTime - icaltime_as_timet(trigger.time);
        else if (!icaltime_is_null_time(trigger.time)
                 && QDate(trigger.time.year, trigger.time.month, trigger.time.day).isValid())
            before = startTime - start.clock.secondsSinceEpochOf(wallTimeOf(trigger.time));
        earliest = std::max(earliest, before);
    }
    if (earliest < 0)
        return 0;
    const qint64 days = std::max<qint64>(1, (earliest + SecondsPerDay - 1) / SecondsPerDay);
    return static_cast<qint16>(std::min<qint64>(days, Event::MostLeadDays));
}

void EventReader::read(icalcomponent *vevent)
{
    if (icalcomponent_get_status(vevent) == ICAL_STATUS_CANCELLED) {
        target_.skip(SkipReason::Cancelled);
        return;
    }
    const icaltimetype start = icalcomponent_get_dtstart(vevent);
    if (icaltime_is_null_time(start) || !QDate(start.year, start.month, start.day).isValid()) {
        target_.skip(SkipReason::Unusable);
        return;
    }
    const Start begin{wallTimeOf(start), clockOf(vevent, start), start.is_date != 0};
    Event event;
    QDateTime local;
    bool repeating = false;
    const std::optional<EventDate> date = dateOf(vevent, begin, local, repeating);
    if (!date)
        return;
    event.date = *date;
    if (!begin.allDay)
        event.time = QTime(local.time().hour(), local.time().minute());
    event.title = textOf(icalcomponent_get_summary(vevent));
    event.description = textOf(icalcomponent_get_description(vevent));
    // libical gives each item of the CATEGORIES list as a property of its own,
    // its escaped commas as commas.
    if (icalproperty *categories = icalcomponent_get_first_property(vevent, ICAL_CATEGORIES_PROPERTY))
        event.category = target_.categoryFor(textOf(icalproperty_get_categories(categories)));
    event.notifyingDays = leadDays(vevent, begin);
    target_.add(event, repeating);
}

// The UIDs of the series of a calendar: its components without RECURRENCE-ID.
QSet<QByteArray> seriesOf(icalcomponent *calendar)
{
    QSet<QByteArray> series;
    for (icalcomponent *vevent = icalcomponent_get_first_component(calendar, ICAL_VEVENT_COMPONENT); vevent;
         vevent = icalcomponent_get_next_component(calendar, ICAL_VEVENT_COMPONENT)) {
        if (!icalcomponent_get_first_property(vevent, ICAL_RECURRENCEID_PROPERTY))
            series.insert(QByteArray(icalcomponent_get_uid(vevent)));
    }
    return series;
}

// A component with RECURRENCE-ID changes one date of a series; where the file
// holds the series, the series decides and the change is left out.
void readCalendar(icalcomponent *calendar, EventReader &reader)
{
    const QSet<QByteArray> series = seriesOf(calendar);
    for (icalcomponent *vevent = icalcomponent_get_first_component(calendar, ICAL_VEVENT_COMPONENT);
         vevent && !reader.stopped(); vevent = icalcomponent_get_next_component(calendar, ICAL_VEVENT_COMPONENT)) {
        if (icalcomponent_get_first_property(vevent, ICAL_RECURRENCEID_PROPERTY)
            && series.contains(QByteArray(icalcomponent_get_uid(vevent))))
            reader.skip(SkipReason::ChangedDate);
        else
            reader.read(vevent);
    }
}

// Several calendars in one file come inside one root.
QList<icalcomponent *> calendarsOf(icalcomponent *root)
{
    if (icalcomponent_isa(root) == ICAL_VCALENDAR_COMPONENT)
        return {root};
    QList<icalcomponent *> calendars;
    for (icalcomponent *calendar = icalcomponent_get_first_component(root, ICAL_VCALENDAR_COMPONENT); calendar;
         calendar = icalcomponent_get_next_component(root, ICAL_VCALENDAR_COMPONENT))
        calendars.append(calendar);
    return calendars;
}

// libical frees a calendar's zones one by one, each found by a walk through
// all of them: a file of thousands of zones would take minutes to let go. No
// calendar needs more than a few, so those after the first MostZones never
// reach libical; the events that name them take their zone by name. Their
// TZIDs are added to leftOut.
QByteArray withFewZones(const QStringList &lines, QSet<QString> &leftOut)
{
    constexpr int MostZones = 100;
    QStringList kept;
    int zones = 0;
    bool leavingOut = false;
    QString tzid;
    for (const QString &line : lines) {
        if (isLine(line, QLatin1StringView("BEGIN:VTIMEZONE")) && ++zones > MostZones)
            leavingOut = true;
        if (!leavingOut) {
            kept << line;
            continue;
        }
        if (line.startsWith(QLatin1String("TZID:"), Qt::CaseInsensitive))
            tzid = line.mid(5);
        else if (!tzid.isEmpty() && (line.startsWith(u' ') || line.startsWith(u'\t')))
            tzid += QStringView(line).mid(1); // a long name goes on in the next line
        else if (!tzid.isEmpty())
            leftOut.insert(std::exchange(tzid, QString()));
        leavingOut = !isLine(line, QLatin1StringView("END:VTIMEZONE"));
    }
    return kept.join(QStringLiteral("\r\n")).toUtf8();
}

} // namespace

bool importICalendar(const QStringList &lines, ImportReading &target)
{
    QSet<QString> costly;
    Component root(icalparser_parse_string(withFewZones(lines, costly).constData()));
    if (!root)
        return false;
    costly |= costlyZones(root.get(), target.context().today.year() + ShownYearsAhead);
    const QList<icalcomponent *> calendars = calendarsOf(root.get());
    EventReader reader(target, costly);
    for (icalcomponent *calendar : calendars)
        readCalendar(calendar, reader);
    return !calendars.isEmpty();
}
