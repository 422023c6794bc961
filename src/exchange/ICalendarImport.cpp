#include "exchange/ICalendarImport.h"

#include "eventdata/DateText.h"
#include "exchange/ImportTable.h"

#include <libical/ical.h>

#include <QDateTime>

#include <algorithm>
#include <cmath>
#include <memory>
#include <optional>

namespace {

struct ComponentFree {
    void operator()(icalcomponent *component) const { icalcomponent_free(component); }
};
using Component = std::unique_ptr<icalcomponent, ComponentFree>;

struct IteratorFree {
    void operator()(icalrecur_iterator *iterator) const { icalrecur_iterator_free(iterator); }
};

constexpr int SecondsPerDay = 24 * 60 * 60;
constexpr int MostLeadDays = 99; // the event dialog's two digits
// Steps of all repeat rules of one import together: a rule that repeats every
// second since 1900 must not hold the program up.
constexpr int RuleStepBudget = 200000;

QString textOf(const char *utf8)
{
    return utf8 ? QString::fromUtf8(utf8) : QString();
}

// A start as the local wall clock shows it; a date or a floating time as it stands.
QDateTime localStart(icaltimetype start)
{
    const QDate date(start.year, start.month, start.day);
    if (start.is_date || !start.zone)
        return QDateTime(date, QTime(start.hour, start.minute), Qt::LocalTime);
    return QDateTime::fromSecsSinceEpoch(icaltime_as_timet_with_zone(start, start.zone)).toLocalTime();
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

class EventReader {
public:
    explicit EventReader(ImportReading &target) : target_(target) {}
    void read(icalcomponent *vevent);

private:
    std::optional<QDateTime> nextOccurrence(icaltimetype start, const icalrecurrencetype &rule);
    QString dateOf(icalcomponent *vevent, icaltimetype start, QDateTime &local, bool &repeating);
    static qint16 leadDays(icalcomponent *vevent, icaltimetype start);

    ImportReading &target_;
    int stepsLeft_ = RuleStepBudget;
};

std::optional<QDateTime> EventReader::nextOccurrence(icaltimetype start, const icalrecurrencetype &rule)
{
    std::unique_ptr<icalrecur_iterator, IteratorFree> iterator(icalrecur_iterator_new(rule, start));
    if (!iterator)
        return std::nullopt;
    const QDate today = target_.context().today;
    for (icaltimetype next = icalrecur_iterator_next(iterator.get()); !icaltime_is_null_time(next) && stepsLeft_ > 0;
         next = icalrecur_iterator_next(iterator.get()), --stepsLeft_) {
        const QDateTime local = localStart(next);
        if (local.date() >= today)
            return local;
    }
    return std::nullopt;
}

// The stored date, with local set to the start as the calendar keeps it;
// empty when there is none.
QString EventReader::dateOf(icalcomponent *vevent, icaltimetype start, QDateTime &local, bool &repeating)
{
    local = localStart(start);
    icalproperty *ruleProperty = icalcomponent_get_first_property(vevent, ICAL_RRULE_PROPERTY);
    if (!ruleProperty)
        return storedDate(local.date().year(), local.date().month(), local.date().day());
    const icalrecurrencetype rule = icalproperty_get_rrule(ruleProperty);
    if (isEveryYear(rule)) {
        const int month = rule.by_month[0] != ICAL_RECURRENCE_ARRAY_MAX ? rule.by_month[0] : local.date().month();
        const int day = rule.by_month_day[0] > 0 && rule.by_month_day[0] != ICAL_RECURRENCE_ARRAY_MAX
                            ? rule.by_month_day[0] : local.date().day();
        return storedDate(0, month, day);
    }
    const std::optional<QDateTime> next = nextOccurrence(start, rule);
    if (!next)
        return storedDate(1, 1, 1); // a repeat that has ended is past
    repeating = true;
    local = *next;
    return storedDate(local.date().year(), local.date().month(), local.date().day());
}

// The earliest alarm before the start, in whole days rounded up; an alarm
// less than a day before still alerts on the day before.
qint16 EventReader::leadDays(icalcomponent *vevent, icaltimetype start)
{
    const time_t startTime = icaltime_as_timet_with_zone(start, start.zone);
    qint64 earliest = -1;
    for (icalcomponent *alarm = icalcomponent_get_first_component(vevent, ICAL_VALARM_COMPONENT); alarm;
         alarm = icalcomponent_get_next_component(vevent, ICAL_VALARM_COMPONENT)) {
        icalproperty *triggerProperty = icalcomponent_get_first_property(alarm, ICAL_TRIGGER_PROPERTY);
        if (!triggerProperty)
            continue;
        const icaltriggertype trigger = icalproperty_get_trigger(triggerProperty);
        const qint64 before = icaltime_is_null_time(trigger.time)
                                  ? -static_cast<qint64>(icaldurationtype_as_int(trigger.duration))
                                  : startTime - icaltime_as_timet_with_zone(trigger.time, trigger.time.zone);
        earliest = std::max(earliest, before);
    }
    if (earliest < 0)
        return 0;
    const qint64 days = std::max<qint64>(1, (earliest + SecondsPerDay - 1) / SecondsPerDay);
    return static_cast<qint16>(std::min<qint64>(days, MostLeadDays));
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
    Event event;
    QDateTime local;
    bool repeating = false;
    event.date = dateOf(vevent, start, local, repeating);
    if (!start.is_date)
        event.time = twoDigits(local.time().hour()) + twoDigits(local.time().minute());
    event.title = textOf(icalcomponent_get_summary(vevent));
    event.description = textOf(icalcomponent_get_description(vevent));
    // libical gives each item of the CATEGORIES list as a property of its own,
    // its escaped commas as commas.
    if (icalproperty *categories = icalcomponent_get_first_property(vevent, ICAL_CATEGORIES_PROPERTY))
        event.category = target_.categoryFor(textOf(icalproperty_get_categories(categories)));
    event.notifyingDays = leadDays(vevent, start);
    target_.add(event, repeating);
}

void readCalendar(icalcomponent *calendar, EventReader &reader)
{
    for (icalcomponent *vevent = icalcomponent_get_first_component(calendar, ICAL_VEVENT_COMPONENT); vevent;
         vevent = icalcomponent_get_next_component(calendar, ICAL_VEVENT_COMPONENT))
        reader.read(vevent);
}

} // namespace

bool importICalendar(const QByteArray &text, ImportReading &target)
{
    Component root(icalparser_parse_string(text.constData()));
    if (!root)
        return false;
    EventReader reader(target);
    if (icalcomponent_isa(root.get()) == ICAL_VCALENDAR_COMPONENT) {
        readCalendar(root.get(), reader);
        return true;
    }
    // Several calendars in one file come inside one root.
    bool found = false;
    for (icalcomponent *calendar = icalcomponent_get_first_component(root.get(), ICAL_VCALENDAR_COMPONENT); calendar;
         calendar = icalcomponent_get_next_component(root.get(), ICAL_VCALENDAR_COMPONENT)) {
        readCalendar(calendar, reader);
        found = true;
    }
    return found;
}
