#include "exchange/CalendarExport.h"

#include "appstate/ProgramInfo.h"
#include "eventdata/EventTable.h"

#include <libical/ical.h>

#include <QCryptographicHash>

#include <cstdlib>
#include <memory>

namespace {

struct ComponentFree {
    void operator()(icalcomponent *component) const { icalcomponent_free(component); }
};
using Component = std::unique_ptr<icalcomponent, ComponentFree>;

icaltimetype startOf(const Event &event)
{
    icaltimetype start = icaltime_null_time();
    start.year = event.isEveryYear() ? EveryYearBaseYear : event.yearText().toInt();
    start.month = event.monthText().toInt();
    start.day = event.dayText().toInt();
    const bool hasTime = !event.time.trimmed().isEmpty();
    start.is_date = hasTime ? 0 : 1;
    if (hasTime) { // floating: the wall clock wherever the calendar is read
        start.hour = QStringView(event.time).mid(0, 2).toInt();
        start.minute = QStringView(event.time).mid(2, 2).toInt();
    }
    return start;
}

// ACTION:DISPLAY, TRIGGER:-PnD (a duration, the trigger's default type). A
// switched-off alert (a negative lead time) exports no alarm: the user asked
// not to be alerted.
icalcomponent *alarmFor(const Event &event)
{
    icaldurationtype before = icaldurationtype_null_duration();
    before.is_neg = 1;
    before.days = static_cast<unsigned int>(event.notifyingDays);
    icaltriggertype trigger{};
    trigger.time = icaltime_null_time();
    trigger.duration = before;
    return icalcomponent_vanew(ICAL_VALARM_COMPONENT, icalproperty_new_action(ICAL_ACTION_DISPLAY),
                               icalproperty_new_trigger(trigger),
                               icalproperty_new_description(event.title.toUtf8().constData()), nullptr);
}

icalcomponent *veventFor(const Event &event, const icaltimetype &stamp)
{
    icalcomponent *vevent = icalcomponent_new_vevent();
    icalcomponent_add_property(vevent, icalproperty_new_uid(eventUid(event).toUtf8().constData()));
    icalcomponent_add_property(vevent, icalproperty_new_dtstamp(stamp));
    icalcomponent_add_property(vevent, icalproperty_new_dtstart(startOf(event)));
    if (event.isEveryYear()) {
        icalrecurrencetype yearly;
        icalrecurrencetype_clear(&yearly);
        yearly.freq = ICAL_YEARLY_RECURRENCE;
        icalcomponent_add_property(vevent, icalproperty_new_rrule(yearly));
    }
    icalcomponent_add_property(vevent, icalproperty_new_summary(event.title.toUtf8().constData()));
    if (!event.description.isEmpty())
        icalcomponent_add_property(vevent, icalproperty_new_description(event.description.toUtf8().constData()));
    if (!event.category.isEmpty())
        icalcomponent_add_property(vevent, icalproperty_new_categories(event.category.toUtf8().constData()));
    if (event.notifyingDays > 0)
        icalcomponent_add_component(vevent, alarmFor(event));
    return vevent;
}

} // namespace

QString exportCalendar(const EventTable &table, const QDateTime &stamp)
{
    Component calendar(icalcomponent_new_vcalendar());
    const QByteArray productId = QByteArrayLiteral("-//") + ProgramInfo::WebHost.data() + "//Tarrowby "
                                 + ProgramInfo::Version.data() + "//EN";
    icalcomponent_add_property(calendar.get(), icalproperty_new_version("2.0"));
    icalcomponent_add_property(calendar.get(), icalproperty_new_prodid(productId.constData()));
    const icaltimetype utcStamp =
        icaltime_from_timet_with_zone(stamp.toSecsSinceEpoch(), 0, icaltimezone_get_utc_timezone());
    for (int i = 0; i < table.size(); ++i)
        icalcomponent_add_component(calendar.get(), veventFor(table.events[i], utcStamp));
    char *text = icalcomponent_as_ical_string_r(calendar.get());
    QString result = QString::fromUtf8(text);
    icalmemory_free_buffer(text);
    return result;
}

QString eventUid(const Event &event)
{
    const QByteArray identity = (event.title + u'\n' + event.date).toUtf8();
    const QByteArray hash = QCryptographicHash::hash(identity, QCryptographicHash::Sha256).toHex().left(32);
    return QString::fromLatin1(hash) + u'@' + ProgramInfo::WebHost;
}
