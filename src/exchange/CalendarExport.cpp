#include "exchange/CalendarExport.h"

#include "programinfo/ProgramInfo.h"
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
    start.year = event.isEveryYear() ? EveryYearBaseYear : event.date.year;
    start.month = event.date.month;
    start.day = event.date.day;
    start.is_date = event.time ? 0 : 1;
    if (event.time) { // floating: the wall clock wherever the calendar is read
        start.hour = event.time->hour();
        start.minute = event.time->minute();
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

icalcomponent *veventFor(const Event &event, const icaltimetype &stamp, const QString &uid)
{
    icalcomponent *vevent = icalcomponent_new_vevent();
    icalcomponent_add_property(vevent, icalproperty_new_uid(uid.toUtf8().constData()));
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
    if (event.notifyingDays > 0)
        icalcomponent_add_component(vevent, alarmFor(event));
    return vevent;
}

// A content line longer than 75 octets goes on in lines that begin with a
// blank, never cut inside a UTF-8 sequence.
QByteArray foldedLine(QByteArray line)
{
    QByteArray folded;
    qsizetype width = 75;
    while (line.size() > width) {
        qsizetype cut = width;
        while ((static_cast<uchar>(line.at(cut)) & 0xC0) == 0x80)
            --cut;
        folded += line.left(cut) + "\r\n ";
        line.remove(0, cut);
        width = 74; // behind the blank
    }
    return folded + line + "\r\n";
}

// CATEGORIES holds a list, and libical writes the commas of its value as they
// are, as separators. A category here is one item, so its commas and
// semicolons are escaped as in any text.
QByteArray categoriesLine(const QString &category)
{
    QString escaped;
    for (const QChar c : category) {
        if (c == u'\\' || c == u',' || c == u';')
            escaped += u'\\';
        escaped += c;
    }
    return foldedLine("CATEGORIES:" + escaped.toUtf8());
}

// The text of a component, with further lines put in before its END line.
QByteArray textWith(icalcomponent *component, const QByteArray &inner)
{
    char *text = icalcomponent_as_ical_string_r(component);
    QByteArray result(text);
    icalmemory_free_buffer(text);
    return result.insert(result.lastIndexOf("END:"), inner);
}

QByteArray veventText(const Event &event, const icaltimetype &stamp, const QString &uid)
{
    Component vevent(veventFor(event, stamp, uid));
    return textWith(vevent.get(), event.category.isEmpty() ? QByteArray() : categoriesLine(event.category));
}

// How many events before the one at index have the same title, date and time.
int twinsBefore(const EventTable &table, int index)
{
    const Event &event = table.events[index];
    int twins = 0;
    for (int i = 0; i < index; ++i) {
        const Event &other = table.events[i];
        twins += other.title == event.title && storedDate(other) == storedDate(event)
                 && storedTime(other).trimmed() == storedTime(event).trimmed();
    }
    return twins;
}

} // namespace

QString exportCalendar(const EventTable &table, const QDateTime &stamp)
{
    Component calendar(icalcomponent_new_vcalendar());
    const QByteArray productId =
        QByteArrayLiteral("-//") + ProgramInfo::WebHost.data() + "//Tarrowby " + ProgramInfo::Version.data() + "//EN";
    icalcomponent_add_property(calendar.get(), icalproperty_new_version("2.0"));
    icalcomponent_add_property(calendar.get(), icalproperty_new_prodid(productId.constData()));
    const icaltimetype utcStamp =
        icaltime_from_timet_with_zone(stamp.toSecsSinceEpoch(), 0, icaltimezone_get_utc_timezone());
    QByteArray events;
    for (int i = 0; i < table.size(); ++i)
        // Another program refuses a DTSTART of no real day, often with the whole file.
        if (table.events[i].date.fallsOnADay())
            events += veventText(table.events[i], utcStamp, eventUid(table.events[i], twinsBefore(table, i)));
    return QString::fromUtf8(textWith(calendar.get(), events));
}

QString eventUid(const Event &event, int twin)
{
    // An event without a time and without a twin keeps the UID that title and
    // date alone gave it in earlier versions, so that a calendar that took an
    // earlier export updates the event rather than adding it twice.
    // The stored texts, so that a date or time read from a file edited by hand
    // gives the UID it always gave.
    QString identity = event.title + u'\n' + storedDate(event);
    if (const QString time = storedTime(event).trimmed(); !time.isEmpty())
        identity += u'\n' + time;
    if (twin > 0)
        identity += u'\n' + QString::number(twin);
    const QByteArray hash = QCryptographicHash::hash(identity.toUtf8(), QCryptographicHash::Sha256).toHex().left(32);
    return QString::fromLatin1(hash) + u'@' + ProgramInfo::WebHost;
}
