#include "eventdata/DataFile.h"
#include "exchange/CalendarExport.h"
#include "exchange/EventImport.h"
#include "exchange/VCardImport.h"
#include "TestSupport.h"

#include <libical/ical.h>

#include <QStringDecoder>
#include <QTimeZone>

#include <gtest/gtest.h>

namespace {

const QDate Today(2026, 12, 6);
const ImportContext Context{Today, {QStringLiteral("Choir"), QString(), QString()}};

QByteArray calendarOf(const QByteArray &body)
{
    return "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//test//EN\r\n" + body + "END:VCALENDAR\r\n";
}

QByteArray eventOf(const QByteArray &lines)
{
    return calendarOf("BEGIN:VEVENT\r\nUID:1\r\nSUMMARY:Party\r\n" + lines + "END:VEVENT\r\n");
}

QString hhmm(const QDateTime &time)
{
    return time.toLocalTime().toString(QStringLiteral("HHmm"));
}

QDateTime utcNoon()
{
    return QDateTime(QDate(2027, 3, 15), QTime(12, 0), QTimeZone::utc());
}

QDate nextThursday()
{
    QDate day = Today;
    while (day.dayOfWeek() != Qt::Thursday)
        day = day.addDays(1);
    return day;
}

const QByteArray NewYorkZone = "BEGIN:VTIMEZONE\r\nTZID:Eastern\r\nBEGIN:STANDARD\r\nDTSTART:19701101T020000\r\n"
                               "RRULE:FREQ=YEARLY;BYMONTH=11;BYDAY=1SU\r\nTZOFFSETFROM:-0400\r\nTZOFFSETTO:-0500\r\n"
                               "END:STANDARD\r\nBEGIN:DAYLIGHT\r\nDTSTART:19700308T020000\r\n"
                               "RRULE:FREQ=YEARLY;BYMONTH=3;BYDAY=2SU\r\nTZOFFSETFROM:-0500\r\nTZOFFSETTO:-0400\r\n"
                               "END:DAYLIGHT\r\nEND:VTIMEZONE\r\n";

struct EventRow {
    const char *name;
    QByteArray file;
    QString date;
    QString time;
    qint16 lead = 0;
    QString category = QString();
    QString title = QStringLiteral("Party");
};

} // namespace

TEST(EventImport, ReadsEachShapeOtherProgramsWrite)
{
    const QString longTitle(Event::TitleLength + 6, u'x');
    const EventRow rows[] = {
        {"all-day", eventOf("DTSTART;VALUE=DATE:20270315\r\n"), "20270315", "    "},
        {"first day of this year", eventOf("DTSTART;VALUE=DATE:20260101\r\n"), "20260101", "    "},
        {"floating time", eventOf("DTSTART:20270315T093000\r\n"), "20270315", "0930"},
        {"UTC", eventOf("DTSTART:20270315T120000Z\r\n"), "20270315", hhmm(utcNoon())},
        {"TZID with VTIMEZONE",
         calendarOf(NewYorkZone + "BEGIN:VEVENT\r\nSUMMARY:Party\r\nDTSTART;TZID=Eastern:20270315T120000\r\nEND:VEVENT\r\n"),
         "20270315", hhmm(QDateTime(QDate(2027, 3, 15), QTime(12, 0), QTimeZone("America/New_York")))},
        {"yearly BYMONTH BYMONTHDAY", eventOf("DTSTART;VALUE=DATE:19900704\r\nRRULE:FREQ=YEARLY;BYMONTH=7;BYMONTHDAY=4\r\n"),
         "00000704", "    "},
        {"yearly 29 February", eventOf("DTSTART;VALUE=DATE:19960229\r\nRRULE:FREQ=YEARLY\r\n"), "00000228", "    "},
        {"weekly: next date", eventOf("DTSTART:20260101T080000\r\nRRULE:FREQ=WEEKLY\r\n"), storedText(nextThursday()), "0800"},
        {"alarm 15 minutes", eventOf("DTSTART:20270315T080000\r\nBEGIN:VALARM\r\nACTION:DISPLAY\r\nTRIGGER:-PT15M\r\nEND:VALARM\r\n"),
         "20270315", "0800", 1},
        {"alarm one day exactly", eventOf("DTSTART:20270315T080000\r\nBEGIN:VALARM\r\nTRIGGER:-PT24H\r\nEND:VALARM\r\n"),
         "20270315", "0800", 1},
        {"alarm 36 hours, earliest of two",
         eventOf("DTSTART:20270315T080000\r\nBEGIN:VALARM\r\nTRIGGER:-PT1H\r\nEND:VALARM\r\n"
                 "BEGIN:VALARM\r\nTRIGGER:-PT36H\r\nEND:VALARM\r\n"),
         "20270315", "0800", 2},
        {"alarm after the start", eventOf("DTSTART:20270315T080000\r\nBEGIN:VALARM\r\nTRIGGER:PT10M\r\nEND:VALARM\r\n"),
         "20270315", "0800", 0},
        {"alarm beyond two digits", eventOf("DTSTART;VALUE=DATE:20270315\r\nBEGIN:VALARM\r\nTRIGGER:-P200D\r\nEND:VALARM\r\n"),
         "20270315", "    ", 99},
        {"category in other case", eventOf("DTSTART;VALUE=DATE:20270315\r\nCATEGORIES:meeting,Work\r\n"), "20270315",
         "    ", 0, "Meeting"},
        {"user category", eventOf("DTSTART;VALUE=DATE:20270315\r\nCATEGORIES:CHOIR\r\n"), "20270315", "    ", 0, "Choir"},
        {"unknown category", eventOf("DTSTART;VALUE=DATE:20270315\r\nCATEGORIES:Work\r\n"), "20270315", "    ", 0, ""},
        {"folded and cut title",
         calendarOf("BEGIN:VEVENT\r\nSUMMARY:" + longTitle.left(40).toLatin1() + "\r\n " + longTitle.mid(40).toLatin1()
                    + "\r\nDTSTART;VALUE=DATE:20270315\r\nEND:VEVENT\r\n"),
         "20270315", "    ", 0, "", longTitle.left(Event::TitleLength)},
    };
    for (const EventRow &row : rows) {
        const ImportResult result = importEvents(row.file, EventTable{}, Context);
        ASSERT_EQ(result.report.imported, 1) << row.name;
        const Event &event = result.table.events[0];
        EXPECT_EQ(event.date, row.date) << row.name;
        EXPECT_EQ(event.time, row.time) << row.name;
        EXPECT_EQ(event.notifyingDays, row.lead) << row.name;
        EXPECT_EQ(event.category, row.category) << row.name;
        EXPECT_EQ(event.title, row.title) << row.name;
    }
}

TEST(EventImport, CountsWhatItLeavesOut)
{
    EventTable calendar;
    calendar.addEvent(makeEvent(QStringLiteral("Party"), QStringLiteral("20270315")));
    const struct {
        const char *name;
        QByteArray file;
        const EventTable &table;
        SkipReason reason;
    } rows[] = {
        {"same title and date", eventOf("DTSTART;VALUE=DATE:20270315\r\n"), calendar, SkipReason::AlreadyThere},
        {"title on another date", eventOf("DTSTART;VALUE=DATE:20270316\r\n"), calendar, SkipReason::TitleTaken},
        {"last day of last year", eventOf("DTSTART;VALUE=DATE:20251231\r\n"), EventTable{}, SkipReason::Past},
        {"ended repeat", eventOf("DTSTART;VALUE=DATE:20200101\r\nRRULE:FREQ=DAILY;COUNT=3\r\n"), EventTable{}, SkipReason::Past},
        {"cancelled", eventOf("DTSTART;VALUE=DATE:20270315\r\nSTATUS:CANCELLED\r\n"), EventTable{}, SkipReason::Cancelled},
        {"no start", eventOf(""), EventTable{}, SkipReason::Unusable},
        {"no such date", eventOf("DTSTART;VALUE=DATE:20270230\r\n"), EventTable{}, SkipReason::Unusable},
        {"no title", calendarOf("BEGIN:VEVENT\r\nDTSTART;VALUE=DATE:20270315\r\nEND:VEVENT\r\n"), EventTable{},
         SkipReason::Unusable},
    };
    for (const auto &row : rows) {
        const ImportResult result = importEvents(row.file, row.table, Context);
        EXPECT_EQ(result.report.imported, 0) << row.name;
        EXPECT_EQ(result.report.skippedFor(row.reason), 1) << row.name;
        EXPECT_EQ(result.table.size(), row.table.size()) << row.name;
    }
}

TEST(EventImport, FillsTheTableAndCountsTheRest)
{
    QByteArray body;
    for (int i = 0; i < 3000; ++i)
        body += "BEGIN:VEVENT\r\nSUMMARY:E" + QByteArray::number(i) + "\r\nDTSTART;VALUE=DATE:20270101\r\nEND:VEVENT\r\n";
    EventTable calendar;
    calendar.addEvent(makeEvent(QStringLiteral("Mine"), QStringLiteral("20270101")));
    const ImportResult result = importEvents(calendarOf(body), calendar, Context);
    EXPECT_EQ(result.report.imported, EventTable::Capacity - 1);
    EXPECT_EQ(result.report.skippedFor(SkipReason::NoRoom), 3000 - (EventTable::Capacity - 1));
    EXPECT_TRUE(result.table.isFull());
}

TEST(EventImport, RefusesBadFilesWhole)
{
    QByteArray nested = "BEGIN:VCALENDAR\r\n";
    for (int i = 0; i < 20000; ++i)
        nested += "BEGIN:VEVENT\r\n";
    QStringEncoder utf16(QStringConverter::Utf16LE);
    const QByteArray good = eventOf("DTSTART;VALUE=DATE:20270315\r\n");
    const struct {
        const char *name;
        QByteArray file;
        ImportReport::Refusal refusal;
    } rows[] = {
        {"no calendar", "hello\r\n", ImportReport::Refusal::NotACalendar},
        {"empty", "", ImportReport::Refusal::NotACalendar},
        {"cut short", good.left(good.size() - 10), ImportReport::Refusal::Truncated},
        {"deep nesting, cut short", nested, ImportReport::Refusal::Truncated},
        {"UTF-16 without mark", QByteArray(utf16.encode(QString::fromLatin1(good))), ImportReport::Refusal::NotACalendar},
        {"over the size limit", good + QByteArray(DataFile::MaxFileBytes, ' '), ImportReport::Refusal::FileError},
        {"line over the limit", eventOf("DESCRIPTION:" + QByteArray(DataFile::MaxLineLength, 'x') + "\r\n"),
         ImportReport::Refusal::FileError},
    };
    EventTable calendar;
    calendar.addEvent(makeEvent(QStringLiteral("Mine"), QStringLiteral("20270101")));
    for (const auto &row : rows) {
        const ImportResult result = importEvents(row.file, calendar, Context);
        EXPECT_EQ(result.report.refusal, row.refusal) << row.name;
        EXPECT_EQ(result.table.size(), 1) << row.name;
        EXPECT_FALSE(importReportText(result.report).isEmpty()) << row.name;
    }
}

TEST(EventImport, ReadsOtherEncodingsAsTheDataFilesDo)
{
    const QString title = QStringLiteral("Jörg’s party");
    const QByteArray text = eventOf("DTSTART;VALUE=DATE:20270315\r\n").replace("Party", "@");
    QStringEncoder utf16(QStringConverter::Utf16LE, QStringConverter::Flag::WriteBom);
    QStringEncoder windows1252("windows-1252");
    const QByteArray files[] = {QByteArray(text).replace("@", title.toUtf8()),
                                QByteArray(utf16.encode(QString::fromLatin1(text).replace(u'@', title))),
                                QByteArray(text).replace("@", QByteArray(windows1252.encode(title)))};
    for (const QByteArray &file : files)
        EXPECT_EQ(importEvents(file, EventTable{}, Context).table.events[0].title, title);
}

TEST(VCardImport, ReadsTheBirthdayForms)
{
    const struct {
        const char *value;
        int month;
        int day;
    } rows[] = {
        {"1990-03-15", 3, 15}, {"19900315", 3, 15}, {"--0315", 3, 15}, {"--03-15", 3, 15},
        {"1990-01-01T12:00:00Z", 1, 1}, {"19901231T120000", 12, 31}, {"1990", 0, 0}, {"circa 1800", 0, 0},
    };
    for (const auto &row : rows) {
        const MonthDay date = birthdayOf(QString::fromLatin1(row.value));
        EXPECT_EQ(date.month, row.month) << row.value;
        EXPECT_EQ(date.day, row.day) << row.value;
    }
}

TEST(VCardImport, EntersEachBirthdayAsAnEveryYearEvent)
{
    const QByteArray file = "BEGIN:VCARD\r\nVERSION:3.0\r\nN:Doe;Jane;;;\r\nFN:Jane Doe\r\nBDAY;VALUE=date:1990-03-15\r\n"
                            "END:VCARD\r\nBEGIN:VCARD\r\nVERSION:4.0\r\nFN:J\xc3\xb6rg Sm\r\n ith\\, Jr.\r\nBDAY:--0229\r\n"
                            "END:VCARD\r\nBEGIN:VCARD\r\nVERSION:4.0\r\nFN:No Birthday\r\nEND:VCARD\r\n"
                            "BEGIN:VCARD\r\nVERSION:4.0\r\nFN:Bad Date\r\nBDAY:--1301\r\nEND:VCARD\r\n";
    const ImportResult result = importEvents(file, EventTable{}, Context);
    ASSERT_EQ(result.report.imported, 2);
    EXPECT_EQ(result.report.february29Moved, 1);
    EXPECT_EQ(result.report.withoutBirthday, 1);
    EXPECT_EQ(result.report.skippedFor(SkipReason::Unusable), 1);
    const Event expected[] = {makeEvent(QStringLiteral("Jane Doe"), QStringLiteral("00000315"), BirthdayLeadDays),
                              makeEvent(QStringLiteral("Jörg Smith, Jr."), QStringLiteral("00000228"), BirthdayLeadDays)};
    for (int i = 0; i < 2; ++i) {
        EXPECT_EQ(result.table.events[i].title, expected[i].title);
        EXPECT_EQ(result.table.events[i].date, expected[i].date);
        EXPECT_EQ(result.table.events[i].notifyingDays, expected[i].notifyingDays);
        EXPECT_EQ(result.table.events[i].category, QStringLiteral("Birthday"));
    }
}

TEST(CalendarExport, ImportsBackToTheSameTable)
{
    EventTable table;
    Event timed = makeEvent(QStringLiteral("Dentist, 2nd visit"), QStringLiteral("20270105"), 2);
    timed.time = QStringLiteral("0930");
    timed.category = QStringLiteral("Meeting");
    timed.description = QStringLiteral("Bring the card; ask about the bill");
    Event yearly = makeEvent(QStringLiteral("Jörg"), QStringLiteral("00000315"), 7);
    yearly.category = QStringLiteral("Birthday");
    Event choir = makeEvent(QStringLiteral("Rehearsal"), QStringLiteral("00001216"));
    choir.time = QStringLiteral("1930");
    choir.category = QStringLiteral("Choir");
    for (const Event &event : {timed, yearly, choir, makeEvent(QStringLiteral("Plain"), QStringLiteral("20261231"))})
        table.addEvent(event);

    const QString text = exportCalendar(table, QDateTime(Today, QTime(9, 0), QTimeZone::utc()));
    const ImportResult back = importEvents(text.toUtf8(), EventTable{}, Context);
    ASSERT_EQ(back.report.imported, table.size());
    for (int i = 0; i < table.size(); ++i) {
        const Event &a = table.events[i];
        const Event &b = back.table.events[i];
        EXPECT_EQ(std::tie(a.title, a.date, a.time, a.notifyingDays, a.category, a.description),
                  std::tie(b.title, b.date, b.time, b.notifyingDays, b.category, b.description))
            << a.title.toStdString();
    }
    // A second reading by libical alone: the same events under UIDs that the
    // next export keeps.
    const QString again = exportCalendar(table, QDateTime(Today.addDays(1), QTime(9, 0), QTimeZone::utc()));
    icalcomponent *calendar = icalparser_parse_string(again.toUtf8().constData());
    ASSERT_NE(calendar, nullptr);
    int i = 0;
    for (icalcomponent *vevent = icalcomponent_get_first_component(calendar, ICAL_VEVENT_COMPONENT); vevent;
         vevent = icalcomponent_get_next_component(calendar, ICAL_VEVENT_COMPONENT), ++i) {
        EXPECT_EQ(QString::fromUtf8(icalcomponent_get_summary(vevent)), table.events[i].title);
        EXPECT_EQ(QString::fromUtf8(icalcomponent_get_uid(vevent)), eventUid(table.events[i]));
        EXPECT_TRUE(text.contains(eventUid(table.events[i])));
    }
    EXPECT_EQ(i, table.size());
    icalcomponent_free(calendar);
}
