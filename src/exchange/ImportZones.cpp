#include "exchange/ImportZones.h"

#include <libical/ical.h>

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QRegularExpression>

#include <algorithm>

namespace {

const WallTime EpochWall = wallTime(QDate(1970, 1, 1), QTime(0, 0));

icaltimetype fieldsOf(WallTime time)
{
    const QDate date = wallDate(time);
    const QTime clock = wallClock(time);
    icaltimetype fields = icaltime_null_time();
    fields.year = date.year();
    fields.month = date.month();
    fields.day = date.day();
    fields.hour = clock.hour();
    fields.minute = clock.minute();
    fields.second = clock.second();
    return fields;
}

// "(UTC-05:00) Eastern Time (US & Canada)", "(GMT+01:00) Amsterdam, Berlin", "(UTC) Dublin".
std::optional<QTimeZone> offsetOfDisplayName(const QString &name, QString &used)
{
    static const QRegularExpression form(QStringLiteral("^\\((?:UTC|GMT)(?:([+-])(\\d{1,2}):(\\d{2}))?\\)"));
    const QRegularExpressionMatch match = form.match(name.trimmed());
    if (!match.hasMatch())
        return std::nullopt;
    const int minutes = match.captured(2).toInt() * 60 + match.captured(3).toInt();
    if (minutes > 14 * 60)
        return std::nullopt;
    used = match.captured(1).isEmpty() ? QStringLiteral("UTC")
                                       : QStringLiteral("UTC") + match.captured(1)
                                             + match.captured(2).rightJustified(2, u'0') + u':' + match.captured(3);
    return QTimeZone(match.captured(1) == u'-' ? -minutes * 60 : minutes * 60);
}

template <size_t Size> int sizeOf(const short (&values)[Size])
{
    return int(std::find(std::begin(values), std::end(values), short(ICAL_RECURRENCE_ARRAY_MAX)) - std::begin(values));
}

// The most days a year an observance's rule can give, or -1 for a rule that
// repeats more often than yearly or names times of day. Real zones change on
// one day a year ("the last Sunday of March").
int daysAYear(const icalrecurrencetype &rule)
{
    if (rule.freq != ICAL_YEARLY_RECURRENCE || sizeOf(rule.by_second) > 0 || sizeOf(rule.by_minute) > 0
        || sizeOf(rule.by_hour) > 0 || sizeOf(rule.by_set_pos) > 0 || sizeOf(rule.by_week_no) > 0
        || sizeOf(rule.by_year_day) > 0 || sizeOf(rule.by_month) > 1 || sizeOf(rule.by_day) > 1
        || sizeOf(rule.by_month_day) > 7)
        return -1;
    const bool everyWeekday = sizeOf(rule.by_day) == 1 && icalrecurrencetype_day_position(rule.by_day[0]) == 0;
    return 12 * std::max(1, sizeOf(rule.by_month_day)) * (everyWeekday ? 5 : 1);
}

// The changes libical works out for an observance up to lastYear (and a few
// years beyond), or -1 when it would be without bound.
qint64 changesOf(icalcomponent *observance, int lastYear)
{
    constexpr int YearsBeyond = 5;
    const int startYear = icalcomponent_get_dtstart(observance).year;
    qint64 changes = 1 + icalcomponent_count_properties(observance, ICAL_RDATE_PROPERTY);
    for (icalproperty *rule = icalcomponent_get_first_property(observance, ICAL_RRULE_PROPERTY); rule;
         rule = icalcomponent_get_next_property(observance, ICAL_RRULE_PROPERTY)) {
        const int days = daysAYear(icalproperty_get_rrule(rule));
        if (days < 0)
            return -1;
        changes += qint64(days) * std::max(0, lastYear + YearsBeyond - startYear + 1);
    }
    return changes;
}

qint64 changesOfZone(icalcomponent *zone, int lastYear)
{
    qint64 changes = 0;
    for (icalcomponent *observance = icalcomponent_get_first_component(zone, ICAL_ANY_COMPONENT); observance;
         observance = icalcomponent_get_next_component(zone, ICAL_ANY_COMPONENT)) {
        const qint64 own = changesOf(observance, lastYear);
        if (own < 0)
            return -1;
        changes += own;
    }
    return changes;
}

// The VTIMEZONEs within a component at any depth: libical finds an event's
// zone in the event itself and in each component around it, up to the root
// that holds a damaged file's stray components beside its calendar.
void zonesWithin(icalcomponent *component, QList<icalcomponent *> &zones)
{
    for (icalcomponent *child = icalcomponent_get_first_component(component, ICAL_ANY_COMPONENT); child;
         child = icalcomponent_get_next_component(component, ICAL_ANY_COMPONENT)) {
        if (icalcomponent_isa(child) == ICAL_VTIMEZONE_COMPONENT)
            zones << child;
        else
            zonesWithin(child, zones);
    }
}

} // namespace

EventClock EventClock::ofLibical(icaltimezone *zone, int lastYear)
{
    EventClock clock;
    clock.libicalZone_ = zone;
    clock.lastYear_ = lastYear;
    return clock;
}

EventClock EventClock::ofZone(const QTimeZone &zone)
{
    EventClock clock;
    clock.zone_ = zone;
    return clock;
}

EventClock EventClock::local()
{
    return {};
}

qint64 EventClock::secondsSinceEpochOf(WallTime time) const
{
    if (libicalZone_) {
        const WallTime lastSecond = wallTime(QDate(lastYear_, 12, 31), QTime(23, 59, 59));
        icaltimetype fields = fieldsOf(std::min(time, lastSecond));
        int isDaylight = 0;
        return time - EpochWall - icaltimezone_get_utc_offset(libicalZone_, &fields, &isDaylight);
    }
    const QDateTime wall =
        zone_ ? QDateTime(wallDate(time), wallClock(time), *zone_) : QDateTime(wallDate(time), wallClock(time));
    return wall.toSecsSinceEpoch();
}

WallTime EventClock::wallTimeOf(qint64 secondsSinceEpoch) const
{
    if (libicalZone_) {
        const WallTime lastSecond = wallTime(QDate(lastYear_, 12, 31), QTime(23, 59, 59));
        icaltimetype fields = fieldsOf(std::min(EpochWall + secondsSinceEpoch, lastSecond));
        int isDaylight = 0;
        return EpochWall + secondsSinceEpoch
               + icaltimezone_get_utc_offset_of_utc_time(libicalZone_, &fields, &isDaylight);
    }
    const QDateTime wall = zone_ ? QDateTime::fromSecsSinceEpoch(secondsSinceEpoch, *zone_)
                                 : QDateTime::fromSecsSinceEpoch(secondsSinceEpoch);
    return wallTime(wall.date(), wall.time());
}

NamedZone zoneNamed(const QString &name)
{
    // An IANA name may come at the end of a path: "/mozilla.org/20050126_1/Europe/Berlin".
    for (qsizetype from = 0; from < name.size(); from = name.indexOf(u'/', from) + 1) {
        const QByteArray id = name.mid(from).toUtf8();
        if (QTimeZone::isTimeZoneIdAvailable(id))
            return {QTimeZone(id), QString::fromUtf8(id), true};
        if (name.indexOf(u'/', from) < 0)
            break;
    }
    if (const QByteArray iana = QTimeZone::windowsIdToDefaultIanaId(name.trimmed().toUtf8()); !iana.isEmpty())
        return {QTimeZone(iana), QString::fromUtf8(iana)};
    QString offset;
    if (std::optional<QTimeZone> zone = offsetOfDisplayName(name, offset))
        return {zone, offset};
    return {std::nullopt, QStringLiteral("local time")};
}

QSet<QString> costlyZones(icalcomponent *root, int lastYear)
{
    constexpr qint64 MostChanges = 100000; // a hundred zones of four centuries each
    qint64 changes = 0;
    QSet<QString> names;
    QList<icalcomponent *> zones;
    zonesWithin(root, zones);
    for (icalcomponent *zone : zones) {
        const qint64 own = changesOfZone(zone, lastYear);
        if (own >= 0 && changes + own <= MostChanges) {
            changes += own;
            continue;
        }
        if (icalproperty *tzid = icalcomponent_get_first_property(zone, ICAL_TZID_PROPERTY))
            names.insert(QString::fromUtf8(icalproperty_get_tzid(tzid)));
    }
    return names;
}

void setLibicalZoneFolder(const QString &folder)
{
    set_zone_directory(QFile::encodeName(QDir::toNativeSeparators(folder)).constData());
}
