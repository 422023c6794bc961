#include "sync/ServerEvent.h"

#include "programinfo/ProgramInfo.h"
#include "exchange/CalendarExport.h"

#include <libical/ical.h>

#include <memory>
#include <vector>

namespace {

struct ComponentFree {
    void operator()(icalcomponent *component) const { icalcomponent_free(component); }
};
using Component = std::unique_ptr<icalcomponent, ComponentFree>;

constexpr qint64 SecondsPerDay = qint64{24} * 60 * 60;
// Our own properties: what other programs have no place for.
constexpr const char *AlertOffName = "X-TARROWBY-ALERT-OFF"; // value: the lead days kept
constexpr const char *SoundName = "X-TARROWBY-SOUND";

QString textOf(const char *utf8)
{
    return utf8 ? QString::fromUtf8(utf8) : QString();
}

std::vector<icalproperty *> propertiesOf(icalcomponent *component, icalproperty_kind kind)
{
    std::vector<icalproperty *> found;
    for (icalproperty *p = icalcomponent_get_first_property(component, kind); p;
         p = icalcomponent_get_next_property(component, kind))
        found.push_back(p);
    return found;
}

icalproperty *xProperty(icalcomponent *vevent, const char *name)
{
    for (icalproperty *p : propertiesOf(vevent, ICAL_X_PROPERTY))
        if (qstricmp(icalproperty_get_x_name(p), name) == 0)
            return p;
    return nullptr;
}

void removeProperty(icalcomponent *component, icalproperty *property)
{
    icalcomponent_remove_property(component, property);
    icalproperty_free(property);
}

void removeAll(icalcomponent *component, icalproperty_kind kind)
{
    for (icalproperty *p : propertiesOf(component, kind))
        removeProperty(component, p);
}

qint64 secondsOf(const icaltimetype &time)
{
    return icaltime_as_timet_with_zone(time, time.zone ? time.zone : icaltimezone_get_utc_timezone());
}

// The calendar's own alarm: the first one that rings whole days before the
// start. Any other alarm belongs to another program.
icalcomponent *ownAlarm(icalcomponent *vevent)
{
    for (icalcomponent *alarm = icalcomponent_get_first_component(vevent, ICAL_VALARM_COMPONENT); alarm;
         alarm = icalcomponent_get_next_component(vevent, ICAL_VALARM_COMPONENT)) {
        icalproperty *trigger = icalcomponent_get_first_property(alarm, ICAL_TRIGGER_PROPERTY);
        icalparameter *related = trigger ? icalproperty_get_first_parameter(trigger, ICAL_RELATED_PARAMETER) : nullptr;
        if (!trigger || (related && icalparameter_get_related(related) == ICAL_RELATED_END))
            continue;
        const icaltriggertype when = icalproperty_get_trigger(trigger);
        const icaldurationtype before = when.duration;
        if (icaltime_is_null_time(when.time) && before.is_neg && before.hours == 0 && before.minutes == 0
            && before.seconds == 0 && (before.days > 0 || before.weeks > 0))
            return alarm;
    }
    return nullptr;
}

void readAlert(icalcomponent *vevent, CalendarFields &fields)
{
    if (icalproperty *off = xProperty(vevent, AlertOffName)) {
        fields.alertOff = true;
        fields.leadDays = qMax(0, textOf(icalproperty_get_x(off)).trimmed().toInt());
    } else if (icalcomponent *alarm = ownAlarm(vevent)) {
        const icaldurationtype before =
            icalproperty_get_trigger(icalcomponent_get_first_property(alarm, ICAL_TRIGGER_PROPERTY)).duration;
        fields.leadDays = static_cast<int>(before.weeks * 7 + before.days);
    }
}

// libical reads each of several categories into a property of its own.
QString firstCategory(icalcomponent *vevent)
{
    icalproperty *categories = icalcomponent_get_first_property(vevent, ICAL_CATEGORIES_PROPERTY);
    return categories ? textOf(icalproperty_get_categories(categories)).trimmed() : QString();
}

bool hasZoneName(icalcomponent *vevent)
{
    icalproperty *start = icalcomponent_get_first_property(vevent, ICAL_DTSTART_PROPERTY);
    return start && icalproperty_get_first_parameter(start, ICAL_TZID_PARAMETER);
}

// The start on the local wall clock, or a problem with it.
HoldProblem readStart(icalcomponent *vevent, CalendarFields &fields)
{
    const icaltimetype start = icalcomponent_get_dtstart(vevent);
    if (icaltime_is_null_time(start) || !icaltime_is_valid_time(start))
        return HoldProblem::NoStart;
    QDate date(start.year, start.month, start.day);
    if (!start.is_date) {
        QDateTime wall(date, QTime(start.hour, start.minute), Qt::LocalTime);
        if (start.zone)
            wall = QDateTime::fromSecsSinceEpoch(icaltime_as_timet_with_zone(start, start.zone)).toLocalTime();
        else if (hasZoneName(vevent))
            return HoldProblem::UnknownZone;
        date = wall.date();
        fields.time = QTime(wall.time().hour(), wall.time().minute());
    }
    fields.date = {date.year(), date.month(), date.day()};
    return date.isValid() ? HoldProblem::None : HoldProblem::NoStart;
}

bool isNone(const short *byRule)
{
    return byRule[0] == ICAL_RECURRENCE_ARRAY_MAX;
}

// At most one value, and that one the start's own.
bool isStartOnly(const short *byRule, int startValue)
{
    return isNone(byRule) || (byRule[0] == startValue && byRule[1] == ICAL_RECURRENCE_ARRAY_MAX);
}

// Once a year on the start's month and day, for ever.
bool isEveryYear(const icalrecurrencetype &rule, const EventDate &start)
{
    return rule.freq == ICAL_YEARLY_RECURRENCE && rule.interval <= 1 && rule.count == 0
           && icaltime_is_null_time(rule.until) && isNone(rule.by_second) && isNone(rule.by_minute)
           && isNone(rule.by_hour) && isNone(rule.by_day) && isNone(rule.by_year_day) && isNone(rule.by_week_no)
           && isNone(rule.by_set_pos) && isStartOnly(rule.by_month, start.month)
           && isStartOnly(rule.by_month_day, start.day);
}

HoldProblem readRepeat(icalcomponent *vevent, CalendarFields &fields)
{
    const std::vector<icalproperty *> rules = propertiesOf(vevent, ICAL_RRULE_PROPERTY);
    if (icalcomponent_get_first_property(vevent, ICAL_RDATE_PROPERTY)
        || icalcomponent_get_first_property(vevent, ICAL_EXDATE_PROPERTY) || rules.size() > 1)
        return HoldProblem::Repeats;
    if (rules.empty())
        return HoldProblem::None;
    if (!isEveryYear(icalproperty_get_rrule(rules[0]), fields.date))
        return HoldProblem::Repeats;
    fields.date.year = 0;
    return HoldProblem::None;
}

HoldProblem readLength(icalcomponent *vevent)
{
    qint64 seconds = 0;
    if (icalproperty *duration = icalcomponent_get_first_property(vevent, ICAL_DURATION_PROPERTY))
        seconds = icaldurationtype_as_int(icalproperty_get_duration(duration));
    else if (icalcomponent_get_first_property(vevent, ICAL_DTEND_PROPERTY))
        seconds = secondsOf(icalcomponent_get_dtend(vevent)) - secondsOf(icalcomponent_get_dtstart(vevent));
    return seconds > SecondsPerDay ? HoldProblem::SeveralDays : HoldProblem::None;
}

// The fields as far as they can be read, and the first reason the calendar
// cannot hold the event.
HoldProblem readFields(icalcomponent *vevent, CalendarFields &fields)
{
    fields.title = textOf(icalcomponent_get_summary(vevent));
    fields.description = textOf(icalcomponent_get_description(vevent));
    fields.category = firstCategory(vevent);
    if (icalproperty *sound = xProperty(vevent, SoundName))
        fields.sound = textOf(icalproperty_get_x(sound));
    readAlert(vevent, fields);
    HoldProblem problem = readStart(vevent, fields);
    if (problem == HoldProblem::None)
        problem = readRepeat(vevent, fields);
    if (problem == HoldProblem::None)
        problem = readLength(vevent);
    if (problem == HoldProblem::None && fields.title.trimmed().isEmpty())
        problem = HoldProblem::Untitled;
    return problem;
}

// The one event of a calendar resource; a resource that holds something
// else, or changed occurrences beside it, has none the calendar can hold.
icalcomponent *onlyEvent(icalcomponent *root, HoldProblem &problem)
{
    if (!root || icalcomponent_isa(root) != ICAL_VCALENDAR_COMPONENT) {
        problem = HoldProblem::Unreadable;
        return nullptr;
    }
    const int events = icalcomponent_count_components(root, ICAL_VEVENT_COMPONENT);
    const int others = icalcomponent_count_components(root, ICAL_VTODO_COMPONENT)
                       + icalcomponent_count_components(root, ICAL_VJOURNAL_COMPONENT);
    icalcomponent *vevent = icalcomponent_get_first_component(root, ICAL_VEVENT_COMPONENT);
    if (events != 1 || others != 0)
        problem = events > 1 ? HoldProblem::Repeats : HoldProblem::NotAnEvent;
    else if (icalcomponent_get_first_property(vevent, ICAL_RECURRENCEID_PROPERTY))
        problem = HoldProblem::Repeats;
    return problem == HoldProblem::None ? vevent : nullptr;
}

Component parse(const QByteArray &ics)
{
    return Component(ics.isEmpty() ? nullptr : icalparser_parse_string(ics.constData()));
}

QByteArray textOf(icalcomponent *root)
{
    icalcomponent_strip_errors(root); // libical's notes on lines it could not read
    char *text = icalcomponent_as_ical_string_r(root);
    QByteArray bytes(text);
    icalmemory_free_buffer(text);
    return bytes;
}

} // namespace

ServerEvent readServerEvent(const QByteArray &ics, QDate today)
{
    ServerEvent event;
    const Component root = parse(ics);
    icalcomponent *vevent = onlyEvent(root.get(), event.problem);
    if (!vevent) {
        if (icalcomponent *any = root ? icalcomponent_get_first_real_component(root.get()) : nullptr)
            event.uid = textOf(icalcomponent_get_uid(any));
        return event;
    }
    event.uid = textOf(icalcomponent_get_uid(vevent));
    event.problem = readFields(vevent, event.fields);
    if (event.problem == HoldProblem::None && event.fields.date.year != 0 && event.fields.date.year < today.year())
        event.problem = HoldProblem::Past;
    return event;
}

namespace {

using TextProperty = icalproperty *(*)(const char *);

void putText(icalcomponent *vevent, icalproperty_kind kind, TextProperty make, const QString &text)
{
    removeAll(vevent, kind);
    if (!text.isEmpty())
        icalcomponent_add_property(vevent, make(text.toUtf8().constData()));
}

void putX(icalcomponent *vevent, const char *name, const QString &value)
{
    while (icalproperty *old = xProperty(vevent, name))
        removeProperty(vevent, old);
    if (value.isEmpty())
        return;
    icalproperty *property = icalproperty_new_x(value.toUtf8().constData());
    icalproperty_set_x_name(property, name);
    icalcomponent_add_property(vevent, property);
}

// Only the first category is the calendar's; the others stay.
void putCategory(icalcomponent *vevent, const QString &category)
{
    icalproperty *first = icalcomponent_get_first_property(vevent, ICAL_CATEGORIES_PROPERTY);
    if (first && category.isEmpty())
        removeProperty(vevent, first);
    else if (first)
        icalproperty_set_categories(first, category.toUtf8().constData());
    else if (!category.isEmpty())
        icalcomponent_add_property(vevent, icalproperty_new_categories(category.toUtf8().constData()));
}

void putAlert(icalcomponent *vevent, const CalendarFields &fields)
{
    putX(vevent, AlertOffName, fields.alertOff ? QString::number(fields.leadDays) : QString());
    icalcomponent *alarm = ownAlarm(vevent);
    if (fields.alertOff || fields.leadDays <= 0) {
        if (alarm) {
            icalcomponent_remove_component(vevent, alarm);
            icalcomponent_free(alarm);
        }
        return;
    }
    icaltriggertype trigger{};
    trigger.time = icaltime_null_time();
    trigger.duration = icaldurationtype_null_duration();
    trigger.duration.is_neg = 1;
    trigger.duration.days = static_cast<unsigned int>(fields.leadDays);
    if (alarm) {
        icalproperty_set_trigger(icalcomponent_get_first_property(alarm, ICAL_TRIGGER_PROPERTY), trigger);
        return;
    }
    icalcomponent_add_component(
        vevent, icalcomponent_vanew(ICAL_VALARM_COMPONENT, icalproperty_new_action(ICAL_ACTION_DISPLAY),
                                    icalproperty_new_trigger(trigger),
                                    icalproperty_new_description(fields.title.toUtf8().constData()), nullptr));
}

// An every-year event keeps the year the server gave it (a year of birth,
// say) while its day exists in that year.
int startYear(const EventDate &date, const icaltimetype &oldStart)
{
    if (date.year != 0)
        return date.year;
    return QDate::isValid(oldStart.year, date.month, date.day) ? oldStart.year : EveryYearBaseYear;
}

// The end would lie elsewhere once the start moves: the length is kept as a
// duration, or dropped when the start turns from a day to a time or back.
void keepLength(icalcomponent *vevent, const icaltimetype &oldStart, const icaltimetype &newStart)
{
    const bool sameKind = !icaltime_is_null_time(oldStart) && oldStart.is_date == newStart.is_date;
    const bool hasEnd = icalcomponent_get_first_property(vevent, ICAL_DTEND_PROPERTY);
    const qint64 length = hasEnd ? secondsOf(icalcomponent_get_dtend(vevent)) - secondsOf(oldStart) : 0;
    removeAll(vevent, ICAL_DTEND_PROPERTY);
    if (!sameKind)
        removeAll(vevent, ICAL_DURATION_PROPERTY);
    else if (length > 0 && !icalcomponent_get_first_property(vevent, ICAL_DURATION_PROPERTY))
        icalcomponent_add_property(vevent,
                                   icalproperty_new_duration(icaldurationtype_from_int(static_cast<int>(length))));
}

void putRule(icalcomponent *vevent, bool everyYear)
{
    removeAll(vevent, ICAL_RRULE_PROPERTY);
    if (!everyYear)
        return;
    icalrecurrencetype yearly;
    icalrecurrencetype_clear(&yearly);
    yearly.freq = ICAL_YEARLY_RECURRENCE;
    icalcomponent_add_property(vevent, icalproperty_new_rrule(yearly));
}

// A day has no time zone, so it stays on its day wherever it is read; a time
// is floating, the wall clock wherever the calendar is.
void putStart(icalcomponent *vevent, const CalendarFields &fields, bool dayChanged)
{
    const icaltimetype oldStart = icalcomponent_get_dtstart(vevent);
    icaltimetype start = icaltime_null_time();
    start.year = startYear(fields.date, oldStart);
    start.month = fields.date.month;
    start.day = fields.date.day;
    start.is_date = fields.time ? 0 : 1;
    if (fields.time) {
        start.hour = fields.time->hour();
        start.minute = fields.time->minute();
    }
    keepLength(vevent, oldStart, start);
    removeAll(vevent, ICAL_DTSTART_PROPERTY);
    icalcomponent_add_property(vevent, icalproperty_new_dtstart(start));
    if (dayChanged)
        putRule(vevent, fields.date.year == 0);
}

void putStamp(icalcomponent *vevent, const QDateTime &stamp)
{
    const icaltimetype utc =
        icaltime_from_timet_with_zone(stamp.toSecsSinceEpoch(), 0, icaltimezone_get_utc_timezone());
    icalcomponent_set_dtstamp(vevent, utc);
    removeAll(vevent, ICAL_LASTMODIFIED_PROPERTY);
    icalcomponent_add_property(vevent, icalproperty_new_lastmodified(utc));
}

// Writes only what differs between held, what the event holds now, and fields.
void putFields(icalcomponent *vevent, const CalendarFields &held, const CalendarFields &fields)
{
    if (held.title != fields.title)
        putText(vevent, ICAL_SUMMARY_PROPERTY, icalproperty_new_summary, fields.title);
    if (held.description != fields.description)
        putText(vevent, ICAL_DESCRIPTION_PROPERTY, icalproperty_new_description, fields.description);
    if (held.category != fields.category)
        putCategory(vevent, fields.category);
    if (held.date != fields.date || held.time != fields.time)
        putStart(vevent, fields, held.date != fields.date);
    if (held.leadDays != fields.leadDays || held.alertOff != fields.alertOff)
        putAlert(vevent, fields);
    if (held.sound != fields.sound)
        putX(vevent, SoundName, fields.sound);
}

QByteArray productId()
{
    return QByteArrayLiteral("-//") + ProgramInfo::WebHost.data() + "//Tarrowby " + ProgramInfo::Version.data()
           + "//EN";
}

} // namespace

QByteArray newServerEvent(const QString &uid, const CalendarFields &fields, const QDateTime &stamp)
{
    const Component root(icalcomponent_vanew(ICAL_VCALENDAR_COMPONENT, icalproperty_new_version("2.0"),
                                             icalproperty_new_prodid(productId().constData()), nullptr));
    icalcomponent *vevent = icalcomponent_new_vevent();
    icalcomponent_add_property(vevent, icalproperty_new_uid(uid.toUtf8().constData()));
    icalcomponent_add_component(root.get(), vevent);
    putStamp(vevent, stamp);
    putFields(vevent, CalendarFields{}, fields);
    return textOf(root.get());
}

QByteArray mergeServerEvent(const QByteArray &serverCopy, const CalendarFields &fields, const QDateTime &stamp)
{
    const Component root = parse(serverCopy);
    HoldProblem problem = HoldProblem::None;
    icalcomponent *vevent = onlyEvent(root.get(), problem);
    if (!vevent)
        return serverCopy;
    CalendarFields held;
    readFields(vevent, held);
    if (held == fields)
        return serverCopy;
    putFields(vevent, held, fields);
    putStamp(vevent, stamp);
    return textOf(root.get());
}
