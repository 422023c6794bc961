#include "sync/ServerEvent.h"

#include <QTimeZone>

#include <gtest/gtest.h>

#include <ctime>

namespace {

const QDate Today(2026, 12, 6);
const QDateTime Stamp(QDate(2026, 12, 6), QTime(9, 30), QTimeZone::utc());

QByteArray calendarOf(const QByteArray &body)
{
    return "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//Phone//EN\r\n" + body + "END:VCALENDAR\r\n";
}

QByteArray eventOf(const QByteArray &lines, const QByteArray &title = "SUMMARY:Party\r\n")
{
    return calendarOf("BEGIN:VEVENT\r\nUID:u-1\r\nDTSTAMP:20260101T000000Z\r\n" + title + lines + "END:VEVENT\r\n");
}

// trigger: the rest of the TRIGGER line, its parameters and value.
QByteArray alarm(const char *trigger)
{
    return QByteArray("BEGIN:VALARM\r\nACTION:DISPLAY\r\nDESCRIPTION:x\r\nTRIGGER") + trigger + "\r\nEND:VALARM\r\n";
}

CalendarFields party(EventDate date, std::optional<QTime> time = std::nullopt)
{
    CalendarFields fields;
    fields.title = QStringLiteral("Party");
    fields.date = date;
    fields.time = time;
    return fields;
}

CalendarFields withAlert(CalendarFields fields, int leadDays, bool off = false)
{
    fields.leadDays = leadDays;
    fields.alertOff = off;
    return fields;
}

// Sets the process's time zone for one scope, as TZ does for the user.
class ZoneScope {
public:
    explicit ZoneScope(const char *zone) : old_(qgetenv("TZ")), had_(qEnvironmentVariableIsSet("TZ"))
    {
        qputenv("TZ", zone);
        tzset();
    }
    ~ZoneScope()
    {
        if (had_)
            qputenv("TZ", old_);
        else
            qunsetenv("TZ");
        tzset();
    }

private:
    QByteArray old_;
    bool had_;
};

const QByteArray OnDay = "DTSTART;VALUE=DATE:20270315\r\n";
const QByteArray AtEight = "DTSTART:20270315T080000\r\n";

} // namespace

TEST(ServerEvent, ReadsWhatTheCalendarHolds)
{
    const QDateTime noonUtc(QDate(2027, 3, 15), QTime(12, 0), QTimeZone::utc());
    const QTime noonHere = noonUtc.toLocalTime().time();
    // clang-format off
    const std::tuple<const char *, QByteArray, CalendarFields> rows[] = {
        {"a day", eventOf(OnDay), party({2027, 3, 15})},
        {"a day ending the next day", eventOf(OnDay + "DTEND;VALUE=DATE:20270316\r\n"), party({2027, 3, 15})},
        {"a floating time", eventOf(AtEight), party({2027, 3, 15}, QTime(8, 0))},
        {"a time lasting a day", eventOf(AtEight + "DURATION:PT24H\r\n"), party({2027, 3, 15}, QTime(8, 0))},
        {"UTC on the local clock", eventOf("DTSTART:20270315T120000Z\r\n"),
         party({noonUtc.toLocalTime().date().year(), noonUtc.toLocalTime().date().month(),
                noonUtc.toLocalTime().date().day()},
               QTime(noonHere.hour(), noonHere.minute()))},
        {"every year", eventOf(OnDay + "RRULE:FREQ=YEARLY\r\n"), party({0, 3, 15})},
        {"every year on its month and day", eventOf(OnDay + "RRULE:FREQ=YEARLY;BYMONTH=3;BYMONTHDAY=15\r\n"),
         party({0, 3, 15})},
        {"29 February every year", eventOf("DTSTART;VALUE=DATE:19960229\r\nRRULE:FREQ=YEARLY\r\n"),
         party({0, 2, 29})},
        {"a past birthday every year", eventOf("DTSTART;VALUE=DATE:19800101\r\nRRULE:FREQ=YEARLY\r\n"),
         party({0, 1, 1})},
        {"this year", eventOf("DTSTART;VALUE=DATE:20260101\r\n"), party({2026, 1, 1})},
        {"the first of several categories", eventOf(OnDay + "CATEGORIES:Birthday,Family\r\n"),
         [] {
             CalendarFields fields = party({2027, 3, 15});
             fields.category = QStringLiteral("Birthday");
             return fields;
         }()},
        {"our alarm", eventOf(OnDay + alarm(":-P3D")), withAlert(party({2027, 3, 15}), 3)},
        {"a week ahead", eventOf(OnDay + alarm(":-P1W")), withAlert(party({2027, 3, 15}), 7)},
        {"another program's alarm only", eventOf(AtEight + alarm(":-PT15M")), party({2027, 3, 15}, QTime(8, 0))},
        {"a day and a half ahead is another program's", eventOf(OnDay + alarm(":-P1DT12H")), party({2027, 3, 15})},
        {"an alarm after the end", eventOf(OnDay + alarm(";RELATED=END:-P2D")),
         party({2027, 3, 15})},
        {"switched off", eventOf(OnDay + "X-TARROWBY-ALERT-OFF:4\r\n" + alarm(":-P1D")),
         withAlert(party({2027, 3, 15}), 4, true)},
    };
    // clang-format on
    for (const auto &[name, ics, fields] : rows) {
        const ServerEvent event = readServerEvent(ics, Today);
        EXPECT_EQ(event.problem, HoldProblem::None) << name;
        EXPECT_EQ(event.uid, "u-1") << name;
        EXPECT_EQ(event.fields, fields) << name;
    }
}

TEST(ServerEvent, NamesWhatTheCalendarCannotHold)
{
    // clang-format off
    const std::tuple<const char *, QByteArray, HoldProblem> rows[] = {
        {"weekly", eventOf(OnDay + "RRULE:FREQ=WEEKLY\r\n"), HoldProblem::Repeats},
        {"yearly a few times", eventOf(OnDay + "RRULE:FREQ=YEARLY;COUNT=3\r\n"), HoldProblem::Repeats},
        {"every second year", eventOf(OnDay + "RRULE:FREQ=YEARLY;INTERVAL=2\r\n"), HoldProblem::Repeats},
        {"yearly on two days", eventOf(OnDay + "RRULE:FREQ=YEARLY;BYMONTHDAY=15,16\r\n"), HoldProblem::Repeats},
        {"yearly on another day", eventOf(OnDay + "RRULE:FREQ=YEARLY;BYMONTHDAY=16\r\n"), HoldProblem::Repeats},
        {"a skipped year", eventOf(OnDay + "RRULE:FREQ=YEARLY\r\nEXDATE;VALUE=DATE:20280315\r\n"),
         HoldProblem::Repeats},
        {"a changed occurrence",
         calendarOf("BEGIN:VEVENT\r\nUID:u-1\r\nSUMMARY:Party\r\n" + OnDay + "RRULE:FREQ=YEARLY\r\nEND:VEVENT\r\n"
                    "BEGIN:VEVENT\r\nUID:u-1\r\nSUMMARY:Party\r\nRECURRENCE-ID;VALUE=DATE:20280315\r\n"
                    "DTSTART;VALUE=DATE:20280316\r\nEND:VEVENT\r\n"),
         HoldProblem::Repeats},
        {"two days", eventOf(OnDay + "DTEND;VALUE=DATE:20270317\r\n"), HoldProblem::SeveralDays},
        {"a day and a minute", eventOf(AtEight + "DURATION:PT24H1M\r\n"), HoldProblem::SeveralDays},
        {"a to-do", calendarOf("BEGIN:VTODO\r\nUID:u-1\r\nSUMMARY:Party\r\nEND:VTODO\r\n"), HoldProblem::NotAnEvent},
        {"nothing inside", calendarOf(""), HoldProblem::NotAnEvent},
        {"no title", eventOf(OnDay, ""), HoldProblem::Untitled},
        {"a blank title", eventOf(OnDay, "SUMMARY: \r\n"), HoldProblem::Untitled},
        {"no start", eventOf(""), HoldProblem::NoStart},
        {"an unknown zone", eventOf("DTSTART;TZID=Nowhere/Atlantis:20270315T080000\r\n"), HoldProblem::UnknownZone},
        {"last year", eventOf("DTSTART;VALUE=DATE:20251231\r\n"), HoldProblem::Past},
        {"an event without its calendar", "BEGIN:VEVENT\r\nUID:u-1\r\nSUMMARY:Party\r\n" + OnDay + "END:VEVENT\r\n",
         HoldProblem::Unreadable},
        {"nothing", "", HoldProblem::Unreadable},
    };
    // clang-format on
    for (const auto &[name, ics, problem] : rows)
        EXPECT_EQ(readServerEvent(ics, Today).problem, problem) << name;
}

TEST(ServerEvent, ADayStaysOnItsDayInEveryZone)
{
    CalendarFields fields = party({2027, 3, 15});
    for (const char *zone : {"UTC+12", "UTC-14"}) {
        const ZoneScope scope(zone);
        EXPECT_EQ(readServerEvent(eventOf(OnDay), Today).fields.date, fields.date) << zone;
        const QByteArray written = newServerEvent(QStringLiteral("u-1"), fields, Stamp);
        EXPECT_TRUE(written.contains("DTSTART;VALUE=DATE:20270315\r\n")) << zone;
        EXPECT_EQ(readServerEvent(written, Today).fields.date, fields.date) << zone;
    }
}

TEST(ServerEvent, NewEventsReadBackTheSame)
{
    CalendarFields full = withAlert(party({2027, 12, 31}, QTime(23, 59)), 99);
    full.description = QStringLiteral("Bring music, cake; and \\ a\nsecond line");
    full.category = QStringLiteral("Birthday");
    full.sound = QStringLiteral("/home/ann/sounds/bell ring.wav");
    // clang-format off
    const std::pair<const char *, CalendarFields> rows[] = {
        {"every field", full},
        {"29 February every year", party({0, 2, 29})},
        {"every year at midnight", withAlert(party({0, 1, 1}, QTime(0, 0)), 1)},
        {"switched off", withAlert(party({2027, 3, 15}), 5, true)},
    };
    // clang-format on
    for (const auto &[name, fields] : rows) {
        const ServerEvent read = readServerEvent(newServerEvent(QStringLiteral("u-9"), fields, Stamp), Today);
        EXPECT_EQ(read.problem, HoldProblem::None) << name;
        EXPECT_EQ(read.uid, "u-9") << name;
        EXPECT_EQ(read.fields, fields) << name;
    }
}

TEST(ServerEvent, AnUnchangedEventIsNotWrittenAgain)
{
    // Lines folded and ordered as another program wrote them, which libical
    // would write differently.
    const QByteArray copy = eventOf("LOCATION:Town hall\r\nDESCRIPTION:A long description that another program fo\r\n"
                                    " lded at its own width\r\n"
                                    + OnDay + "RRULE:FREQ=YEARLY;BYMONTH=3\r\n" + alarm(":-P2D"));
    const ServerEvent read = readServerEvent(copy, Today);
    EXPECT_EQ(mergeServerEvent(copy, read.fields, Stamp), copy);
}

TEST(ServerEvent, AnEditKeepsWhatOtherProgramsAdded)
{
    const QByteArray copy = eventOf(AtEight
                                    + "LOCATION:Town hall\r\nATTENDEE:mailto:bob@example.org\r\n"
                                      "X-PHONE-COLOUR:blue\r\n"
                                    + alarm(":-P2D") + alarm(":-PT15M"));
    CalendarFields edited = readServerEvent(copy, Today).fields;
    edited.title = QStringLiteral("Party at Bob's");
    edited.leadDays = 3;
    const QByteArray merged = mergeServerEvent(copy, edited, Stamp);
    EXPECT_EQ(readServerEvent(merged, Today).fields, edited);
    for (const char *kept :
         {"LOCATION:Town hall", "ATTENDEE:mailto:bob@example.org", "X-PHONE-COLOUR:blue", "TRIGGER:-PT15M", "UID:u-1"})
        EXPECT_TRUE(merged.contains(kept)) << kept;
    EXPECT_FALSE(merged.contains("TRIGGER:-P2D"));
    EXPECT_TRUE(merged.contains("LAST-MODIFIED:20261206T093000Z"));
}

// A merge changes only what was edited: a moved start keeps the length and
// the year's rule, an alert edit touches only the calendar's own alarm.
TEST(ServerEvent, AMergeChangesOnlyWhatWasEdited)
{
    const QByteArray ours = eventOf(OnDay + alarm(":-P2D") + alarm(":-PT15M"));
    const QByteArray off = eventOf(OnDay + "X-TARROWBY-ALERT-OFF:2\r\n" + alarm(":-PT15M"));
    // clang-format off
    const std::tuple<const char *, QByteArray, CalendarFields, const char *, const char *, int> rows[] = {
        {"a time with an end", eventOf(AtEight + "DTEND:20270315T093000\r\n"), party({2027, 4, 1}, QTime(8, 0)),
         "DURATION:PT1H30M", "DTEND", 0},
        {"a day turned into a time", eventOf(OnDay + "DTEND;VALUE=DATE:20270316\r\n"),
         party({2027, 3, 15}, QTime(8, 0)), "DTSTART:20270315T080000", "DTEND", 0},
        {"a time turned into a day", eventOf(AtEight + "DURATION:PT1H\r\n"), party({2027, 3, 15}),
         "DTSTART;VALUE=DATE:20270315", "DURATION", 0},
        {"a birthday keeps its year", eventOf("DTSTART;VALUE=DATE:19800315\r\nRRULE:FREQ=YEARLY;BYMONTH=3\r\n"),
         party({0, 3, 16}), "DTSTART;VALUE=DATE:19800316", "BYMONTH", 0},
        {"29 February in a leap year", eventOf("DTSTART;VALUE=DATE:19810315\r\nRRULE:FREQ=YEARLY\r\n"),
         party({0, 2, 29}), "DTSTART;VALUE=DATE:20000229", "19810315", 0},
        {"every year no more", eventOf(OnDay + "RRULE:FREQ=YEARLY\r\n"), party({2027, 3, 16}),
         "DTSTART;VALUE=DATE:20270316", "RRULE", 0},
        {"no alert any more", ours, party({2027, 3, 15}), "TRIGGER:-PT15M", "X-TARROWBY", 1},
        {"alert switched off", ours, withAlert(party({2027, 3, 15}), 2, true), "X-TARROWBY-ALERT-OFF:2",
         "TRIGGER:-P2D", 1},
        {"alert switched on again", off, withAlert(party({2027, 3, 15}), 2), "TRIGGER:-P2D", "X-TARROWBY", 2},
        {"a first alert", eventOf(OnDay), withAlert(party({2027, 3, 15}), 1), "TRIGGER:-P1D", "X-TARROWBY", 1},
    };
    // clang-format on
    for (const auto &[name, copy, fields, present, absent, alarms] : rows) {
        const QByteArray merged = mergeServerEvent(copy, fields, Stamp);
        EXPECT_TRUE(merged.contains(present)) << name << "\n" << merged.constData();
        EXPECT_FALSE(merged.contains(absent)) << name << "\n" << merged.constData();
        EXPECT_EQ(merged.count("BEGIN:VALARM"), alarms) << name;
        EXPECT_EQ(readServerEvent(merged, Today).fields, fields) << name;
    }
}
