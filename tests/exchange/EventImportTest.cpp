#include "eventdata/CalendarFile.h"
#include "eventdata/DataFile.h"
#include "exchange/CalendarExport.h"
#include "exchange/EventImport.h"
#include "exchange/VCardImport.h"
#include "TestSupport.h"

#include <QStringEncoder>
#include <QTimeZone>

#include <gtest/gtest.h>

namespace {

const QDate Today(2026, 12, 6); // a Sunday
const ImportContext Context{Today, {QStringLiteral("Choir"), QString(), QString()}};
const QByteArray OnDay = "DTSTART;VALUE=DATE:20270315\r\n";
const QByteArray AtEight = "DTSTART:20270315T080000\r\n";

QByteArray calendarOf(const QByteArray &body)
{
    return "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//test//EN\r\n" + body + "END:VCALENDAR\r\n";
}

QByteArray eventOf(const QByteArray &lines, const QByteArray &title = "SUMMARY:Party\r\n")
{
    return calendarOf("BEGIN:VEVENT\r\nUID:1\r\n" + title + lines + "END:VEVENT\r\n");
}

QByteArray alarm(const char *at)
{
    return QByteArray("BEGIN:VALARM\r\nTRIGGER:") + at + "\r\nEND:VALARM\r\n";
}

// The calendar an import meets.
const EventTable Calendar = [] {
    EventTable calendar;
    calendar.addEvent(makeEvent("Party", "20270315"));
    return calendar;
}();

// The event an import enters: its title, the stored Date and Time texts and the lead days.
Event entered(const QString &title, const QString &date, const QString &time = {}, qint16 days = 0)
{
    Event event = makeEvent(title, date, days);
    setStoredTime(event, time);
    return event;
}

Event party(const QString &date, const QString &time = {}, qint16 days = 0)
{
    return entered("Party", date, time, days);
}

Event birthday(const QString &name, const QString &date)
{
    Event event = entered(name, date, {}, BirthdayLeadDays);
    event.category = QStringLiteral("Birthday");
    return event;
}

} // namespace

TEST(EventImport, ReadsEachShapeOtherProgramsWrite)
{
    const QString title(Event::TitleLength + 6, u'x');
    const QString noon = QDateTime(QDate(2027, 3, 15), QTime(12, 0), QTimeZone::utc()).toLocalTime().toString("HHmm");
    Event described = party("20270315");
    described.description = "Bring music";
    described.category = "Choir";
    // clang-format off
    const std::tuple<const char *, QByteArray, Event> rows[] = {
        {"first day of this year", eventOf("DTSTART;VALUE=DATE:20260101\r\n"), party("20260101")},
        {"last day a date can have", eventOf("DTSTART;VALUE=DATE:99991231\r\n"), party("99991231")},
        {"UTC", eventOf("DTSTART:20270315T120000Z\r\n"), party("20270315", noon)},
        {"yearly on its day", eventOf("DTSTART;VALUE=DATE:19900704\r\nRRULE:FREQ=YEARLY;BYMONTH=7;BYMONTHDAY=4\r\n"),
         party("00000704")},
        {"29 February", eventOf("DTSTART;VALUE=DATE:19960229\r\nRRULE:FREQ=YEARLY\r\n"), party("00000228")},
        {"alarm one day exactly", eventOf(AtEight + alarm("-PT24H")), party("20270315", "0800", 1)},
        {"earliest alarm, 36 hours", eventOf(AtEight + alarm("-PT1H") + alarm("-PT36H")),
         party("20270315", "0800", 2)},
        {"alarm after the start", eventOf(AtEight + alarm("PT10M")), party("20270315", "0800")},
        {"alarm beyond two digits", eventOf(OnDay + alarm("-P200D")), party("20270315", {}, 99)},
        {"first category, any case", eventOf(OnDay + "CATEGORIES:choir,Meeting\r\nDESCRIPTION:Bring\\nmusic\r\n"),
         described},
        {"unknown category", eventOf(OnDay + "CATEGORIES:Work\r\n"), party("20270315")},
        {"cut title", eventOf(OnDay, "SUMMARY:" + title.toLatin1() + "\r\n"),
         entered(title.left(Event::TitleLength), "20270315")},
    };
    // clang-format on
    for (const auto &[name, file, kept] : rows) {
        const ImportResult result = importEvents(file, EventTable{}, Context);
        ASSERT_EQ(result.report.imported, 1) << name;
        EXPECT_EQ(result.table.events[0], kept) << name;
    }
}

TEST(EventImport, CountsWhatItLeavesOut)
{
    // clang-format off
    const std::tuple<const char *, QByteArray, SkipReason> rows[] = {
        {"same title and date", eventOf(OnDay), SkipReason::AlreadyThere},
        {"title on another date", eventOf("DTSTART;VALUE=DATE:20270316\r\n"), SkipReason::TitleTaken},
        {"last day of last year", eventOf("DTSTART;VALUE=DATE:20251231\r\n"), SkipReason::Past},
        {"ended repeat", eventOf("DTSTART;VALUE=DATE:20200101\r\nRRULE:FREQ=DAILY;COUNT=3\r\n"), SkipReason::Past},
        {"repeat that never occurs",
         eventOf("DTSTART:19000101T000000\r\nRRULE:FREQ=HOURLY;BYMONTH=2;BYMONTHDAY=30\r\n", "SUMMARY:Never\r\n"),
         SkipReason::NeverOccurs},
        {"cancelled", eventOf(OnDay + "STATUS:CANCELLED\r\n"), SkipReason::Cancelled},
        {"no start", eventOf(""), SkipReason::Unusable},
        {"no such date", eventOf("DTSTART;VALUE=DATE:20270230\r\n"), SkipReason::Unusable},
        {"no title", eventOf(OnDay, ""), SkipReason::Unusable},
    };
    // clang-format on
    for (const auto &[name, file, reason] : rows) {
        const ImportResult result = importEvents(file, Calendar, Context);
        EXPECT_EQ(result.report.imported, 0) << name;
        EXPECT_EQ(result.report.skippedFor(reason), 1) << name;
        EXPECT_EQ(result.table.size(), 1) << name;
    }
    // What does not fit is counted too.
    QByteArray body;
    for (int i = 0; i < 300; ++i)
        body += "BEGIN:VEVENT\r\nSUMMARY:E" + QByteArray::number(i) + "\r\n" + OnDay + "END:VEVENT\r\n";
    const ImportResult result = importEvents(calendarOf(body), Calendar, Context);
    EXPECT_EQ(result.report.imported, EventTable::Capacity - 1);
    EXPECT_EQ(result.report.skippedFor(SkipReason::NoRoom), 300 - (EventTable::Capacity - 1));
    EXPECT_TRUE(result.table.isFull());
}

// The rule's search has its own test; here its answer reaches the event, the time of day kept.
TEST(EventImport, EntersRepeatRulesAtTheirNextDate)
{
    // clang-format off
    const std::tuple<const char *, QByteArray, Event> rows[] = {
        {"daily since year 1", "DTSTART:00010101T090000\r\nRRULE:FREQ=DAILY\r\n", party("20261206", "0900")},
        {"until in UTC in year 9999", "DTSTART:20200101T090000\r\nRRULE:FREQ=WEEKLY;UNTIL=99991231T000000Z\r\n",
         party("20261209", "0900")},
        {"yearly on the fourth Thursday", "DTSTART:20201126T090000\r\nRRULE:FREQ=YEARLY;BYMONTH=11;BYDAY=4TH\r\n",
         party("20271125", "0900")},
        {"every second of a yearly day", "DTSTART:20200101T000000\r\nRRULE:FREQ=YEARLY;INTERVAL=2;BYMONTH=12;BYMONTHDAY=24;"
         "BYHOUR=0,1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18,19,20,21,22,23;BYMINUTE=0,10,20,30,40,50;"
         "BYSECOND=0,1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18,19,20,21,22,23,24,25,26,27,28,29,30\r\n",
         party("20261224", "0000")},
    };
    // clang-format on
    for (const auto &[name, lines, kept] : rows) {
        const ImportResult result = importEvents(eventOf(lines), EventTable{}, Context);
        EXPECT_EQ(result.table.size(), 1) << name;
        EXPECT_EQ(result.table.events[0], kept) << name;
    }
}

// 13:30 on 15 January 2027 in a zone, as the local clock shows it.
QString localHalfPastOne(const QTimeZone &zone)
{
    return QDateTime(QDate(2027, 1, 15), QTime(13, 30), zone).toLocalTime().toString("HHmm");
}

QByteArray zoneOf(const QByteArray &tzid, const QByteArray &rule)
{
    return "BEGIN:VTIMEZONE\r\nTZID:" + tzid
           + "\r\nBEGIN:STANDARD\r\nDTSTART:19700101T000000\r\n"
             "TZOFFSETFROM:+1000\r\nTZOFFSETTO:+1000\r\n"
           + rule + "END:STANDARD\r\nEND:VTIMEZONE\r\n";
}

QByteArray inZone(const QByteArray &zones, const QByteArray &tzid)
{
    return calendarOf(zones + "BEGIN:VEVENT\r\nUID:1\r\nSUMMARY:Call\r\nDTSTART;TZID=" + tzid
                      + ":20270115T133000\r\nEND:VEVENT\r\n");
}

// A zone the file names without defining it is taken from its name (the names are the zones' own test), and the
// report says what was taken unless the name is an IANA one; a zone defined with a change every second is not
// worked out.
TEST(EventImport, TakesEachZoneAsTheFileMeantIt)
{
    const QTimeZone sydney("Australia/Sydney");
    const QTimeZone plusTen(10 * 3600);
    const QString windows = "The file names the time zone \u201cAUS Eastern Standard Time\u201d without defining it; "
                            "Australia/Sydney was used.";
    const QString offset = "The file names the time zone \u201c(UTC-05:00) Eastern Time (US & Canada)\u201d without "
                           "defining it; UTC-05:00 was used.";
    const QString unknown =
        "The file names the time zone \u201cMars/Olympus\u201d without defining it; local time was used.";
    const QString frequent = "The file defines the time zone \u201cW. Europe Standard Time\u201d with more changes "
                             "than can be worked out; Europe/Berlin was used.";
    // clang-format off
    const std::tuple<const char *, QByteArray, QString, QString> rows[] = {
        {"IANA name", inZone("", "Australia/Sydney"), localHalfPastOne(sydney), ""},
        {"Windows ID", inZone("", "AUS Eastern Standard Time"), localHalfPastOne(sydney), windows},
        {"quoted display name", inZone("", "\"(UTC-05:00) Eastern Time (US & Canada)\""),
         localHalfPastOne(QTimeZone(-5 * 3600)), offset},
        {"unknown", inZone("", "Mars/Olympus"), "1330", unknown},
        {"defined", inZone(zoneOf("Ten", "RRULE:FREQ=YEARLY;BYMONTH=3;BYDAY=-1SU\r\n"), "Ten"), localHalfPastOne(plusTen), ""},
        {"defined, changes every second", inZone(zoneOf("W. Europe Standard Time", "RRULE:FREQ=SECONDLY\r\n"),
                                                 "W. Europe Standard Time"),
         localHalfPastOne(QTimeZone("Europe/Berlin")), frequent},
        {"defined in the event, changes every second", calendarOf("BEGIN:VEVENT\r\nSUMMARY:Call\r\nDTSTART;TZID=W. Europe Standard Time:20270115T133000\r\n"
                                                                  + zoneOf("W. Europe Standard Time", "RRULE:FREQ=SECONDLY\r\n") + "END:VEVENT\r\n"),
         localHalfPastOne(QTimeZone("Europe/Berlin")), frequent},
    };
    // clang-format on
    for (const auto &[name, file, time, line] : rows) {
        const ImportResult result = importEvents(file, EventTable{}, Context);
        EXPECT_EQ(result.table.size() == 1 ? storedTime(result.table.events[0]) : QString(), time) << name;
        const QStringList lines = importReportText(result.report).split(u'\n');
        EXPECT_EQ(lines.size() > 1 ? lines.last() : QString(), line) << name;
    }
}

TEST(EventImport, RefusesBadFilesWhole)
{
    const QByteArray good = eventOf(OnDay);
    using R = ImportReport::Refusal;
    // clang-format off
    const std::pair<QByteArray, ImportReport::Refusal> rows[] = {
        {"hello\r\n", R::NotACalendar},
        {good.left(good.size() - 10), R::Truncated},
        {QStringEncoder(QStringEncoder::Utf16LE).encode(QString::fromLatin1(good)), R::NotACalendar},
        {QByteArray(100000, '\0'), R::NotACalendar},
        {eventOf(OnDay + "DESCRIPTION:" + QByteArray(DataFile::MaxLineLength, 'x') + "\r\n"), R::FileError},
    };
    // clang-format on
    for (const auto &[file, refusal] : rows) {
        const ImportResult result = importEvents(file, Calendar, Context);
        EXPECT_EQ(result.report.refusal, refusal) << file.left(20).toStdString();
        EXPECT_EQ(result.table.size(), 1);
        EXPECT_FALSE(importReportText(result.report).isEmpty());
    }
}

TEST(VCardImport, ReadsTheBirthdayForms)
{
    for (const char *value : {"1990-03-15", "19900315", "--0315", "--03-15", "19900315T120000Z"}) {
        const auto birthday = birthdayOf(value);
        EXPECT_EQ(std::pair(birthday.month, birthday.day), std::pair(3, 15)) << value;
    }
    for (const char *value : {"1990", "circa 1800"})
        EXPECT_EQ(birthdayOf(value).month, 0) << value;
}

TEST(VCardImport, EntersEachBirthdayAsAnEveryYearEvent)
{
    const QByteArray file = "BEGIN:VCARD\r\nVERSION:3.0\r\nN:Doe;Jane;;;\r\nFN:Jane Doe\r\nBDAY;VALUE=date:1990-03-15"
                            "\r\nEND:VCARD\r\nBEGIN:VCARD\r\nVERSION:4.0\r\nFN:J\xc3\xb6rg Sm\r\n ith\\, Jr.\r\n"
                            "BDAY:--0229\r\nEND:VCARD\r\nBEGIN:VCARD\r\nVERSION:4.0\r\nFN:No Birthday\r\nEND:VCARD\r\n"
                            "BEGIN:VCARD\r\nVERSION:4.0\r\nFN:Bad Date\r\nBDAY:--1301\r\nEND:VCARD\r\n";
    const ImportResult result = importEvents(file, EventTable{}, Context);
    const ImportReport &report = result.report;
    EXPECT_EQ(std::tuple(report.imported, report.february29Moved, report.withoutBirthday,
                         report.skippedFor(SkipReason::Unusable)),
              std::tuple(2, 1, 1, 1));
    EXPECT_EQ(result.table.events[0], birthday("Jane Doe", "00000315"));
    EXPECT_EQ(result.table.events[1], birthday(QStringLiteral("Jörg Smith, Jr."), "00000228"));
}

// Contacts as Evolution, Nextcloud, phones and other address books write them.
TEST(VCardImport, ReadsContactsWhateverTheirParametersAndEncodings)
{
    // clang-format off
    const std::tuple<const char *, QByteArray, QString> rows[] = {
        {"quoted value with : and ;", "FN;X-COUCHDB-UUID=\"a:b;c\":Ann\r\nBDAY:1990-02-03\r\n", "Ann"},
        {"quoted-printable, over a soft line break", "FN;CHARSET=UTF-8;ENCODING=QP:J=C3=b6=\r\nrg\r\nBDAY:--0203\r\n", "Jörg"},
        {"equals signs that stand for themselves, at the contact's end", "BDAY:--0203\r\nFN;QUOTED-PRINTABLE:A=3DB=X=\r\n", "A=B=X="},
        {"a parameter that names no encoding", "FN;X-NOTE=QP:A=3DB\r\nBDAY:--0203\r\n", "A=3DB"},
        {"base64", "FN;ENCODING=b:SsO2cmc=\r\nBDAY:--0203\r\n", "Jörg"},
        {"damaged values of other properties", "FN:Ann\r\nNOTE;QP:\r\n=b\r\nPHOTO;BASE64:QUJD\r\nBDAY:--0203\r\n", "Ann"},
        {"the first name, after its group", "item1.FN:Ann\r\nFN:Bob\r\nBDAY:--0203\r\n", "Ann"},
    };
    // clang-format on
    for (const auto &[name, lines, title] : rows) {
        const QByteArray file = "BEGIN:VCARD\r\nVERSION:4.0\r\n" + lines + "END:VCARD\r\n";
        const ImportResult result = importEvents(file, EventTable{}, Context);
        EXPECT_EQ(result.table.size(), 1) << name;
        EXPECT_EQ(result.table.events[0], birthday(title, "00000203")) << name;
    }
}

// The UIDs stay the same from one export to the next; a category with a
// comma stays one category.
TEST(CalendarExport, ImportsBackToTheSameTable)
{
    const QString calendar = "[Event]\nTitle=Dentist, 2nd visit\nDate=20270105\nTime=0930\nNotifyingDays=2\n"
                             "Category=Jobs, misc\nDescription=Bring the card; ask\n"
                             "[Event]\nTitle=Jörg\nDate=00000315\nTime=1930\nNotifyingDays=1\nCategory=Choir\n"
                             "[Event]\nTitle=Plain\nDate=20261231\n";
    EventTable table;
    QString lastCheck;
    ASSERT_EQ(CalendarFile::parse(splitDataLines(calendar), table, lastCheck), FileError::None);
    const QString text = exportCalendar(table, QDateTime(Today, QTime(9, 0), QTimeZone::utc()));
    const QString again = exportCalendar(table, QDateTime(Today.addDays(1), QTime(9, 0), QTimeZone::utc()));
    EXPECT_TRUE(text.contains("\r\nCATEGORIES:Jobs\\, misc\r\n"));
    const ImportContext context{Today, {QStringLiteral("Choir"), QStringLiteral("Jobs, misc"), QString()}};
    const ImportResult back = importEvents(text.toUtf8(), EventTable{}, context);
    ASSERT_EQ(back.report.imported, table.size());
    for (int i = 0; i < table.size(); ++i) {
        EXPECT_EQ(back.table.events[i], table.events[i]);
        const QString uid = "UID:" + eventUid(table.events[i]);
        EXPECT_TRUE(text.contains(uid) && again.contains(uid)) << i;
    }
}

TEST(CalendarExport, GivesEveryEventAUidOfItsOwn)
{
    EventTable table;
    for (const char *time : {"", "0930", "0930", ""})
        table.addEvent([&] {
            Event event = makeEvent("Party", "00000315");
            setStoredTime(event, time);
            return event;
        }());
    table.addEvent(makeEvent("Party", "00000316"));
    const QString text = exportCalendar(table, QDateTime(Today, QTime(9, 0), QTimeZone::utc()));
    QStringList uids;
    for (const QString &line : text.split(QStringLiteral("\r\n")))
        if (line.startsWith("UID:") && !uids.contains(line))
            uids << line;
    EXPECT_EQ(uids.size(), table.size());
    // The UID of an event without a time and without a twin is the one earlier exports gave it.
    EXPECT_EQ(uids.first(), "UID:daf32d17c78bbd609bce5181c159712d@www.tarrowby.org");
}

TEST(CalendarExport, LeavesOutEventsThatFallOnNoDay)
{
    EventTable table;
    table.addEvent(makeEvent("No day", "20270431"));
    table.addEvent(makeEvent("Party", "20270430"));
    const QString text = exportCalendar(table, QDateTime(Today, QTime(9, 0), QTimeZone::utc()));
    EXPECT_EQ(text.count("BEGIN:VEVENT"), 1);
    EXPECT_TRUE(text.contains("SUMMARY:Party"));
}

TEST(CalendarExport, FoldsLongCategoryLinesBetweenCharacters)
{
    EventTable table;
    Event event = makeEvent("Party", "00000315");
    event.category = QString(30, QChar(0x20ac)); // 90 octets of three-octet characters
    table.addEvent(event);
    const QByteArray text = exportCalendar(table, QDateTime(Today, QTime(9, 0), QTimeZone::utc())).toUtf8();
    const qsizetype at = text.indexOf("CATEGORIES:");
    const QByteArray line = text.mid(at, text.indexOf("\r\n", at) - at);
    EXPECT_EQ(line.size(), 11 + 21 * 3); // the name, then the whole characters that fit in 75 octets
    EXPECT_EQ(text.mid(at + line.size(), 3), "\r\n ");
    const ImportContext context{Today, {event.category, QString(), QString()}};
    EXPECT_EQ(importEvents(text, EventTable{}, context).table.events[0].category, event.category);
}
