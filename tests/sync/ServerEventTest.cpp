#include "sync/ServerEvent.h"

#include <QTimeZone>

#include <gtest/gtest.h>

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

const QByteArray OnDay = "DTSTART;VALUE=DATE:20270315\r\n";
const QByteArray AtEight = "DTSTART:20270315T080000\r\n";

} // namespace

TEST(ServerEvent, ReadsWhatTheCalendarHolds)
{
    // clang-format off
    const std::tuple<const char *, QByteArray, CalendarFields> rows[] = {
        {"a day", eventOf(OnDay), party({2027, 3, 15})},
        {"a day ending the next day", eventOf(OnDay + "DTEND;VALUE=DATE:20270316\r\n"), party({2027, 3, 15})},
        {"a floating time", eventOf(AtEight), party({2027, 3, 15}, QTime(8, 0))},
        {"every year", eventOf(OnDay + "RRULE:FREQ=YEARLY\r\n"), party({0, 3, 15})},
        {"29 February every year", eventOf("DTSTART;VALUE=DATE:19960229\r\nRRULE:FREQ=YEARLY\r\n"),
         party({0, 2, 29})},
        {"this year", eventOf("DTSTART;VALUE=DATE:20260101\r\n"), party({2026, 1, 1})},
        {"our alarm", eventOf(OnDay + alarm(":-P3D")), withAlert(party({2027, 3, 15}), 3)},
        {"a week ahead", eventOf(OnDay + alarm(":-P1W")), withAlert(party({2027, 3, 15}), 7)},
        {"another program's alarm only", eventOf(AtEight + alarm(":-PT15M")), party({2027, 3, 15}, QTime(8, 0))},
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
        {"a changed occurrence",
         calendarOf("BEGIN:VEVENT\r\nUID:u-1\r\nSUMMARY:Party\r\n" + OnDay + "RRULE:FREQ=YEARLY\r\nEND:VEVENT\r\n"
                    "BEGIN:VEVENT\r\nUID:u-1\r\nSUMMARY:Party\r\nRECURRENCE-ID;VALUE=DATE:20280315\r\n"
                    "DTSTART;VALUE=DATE:20280316\r\nEND:VEVENT\r\n"),
         HoldProblem::Repeats},
        {"two days", eventOf(OnDay + "DTEND;VALUE=DATE:20270317\r\n"), HoldProblem::SeveralDays},
        {"a to-do", calendarOf("BEGIN:VTODO\r\nUID:u-1\r\nSUMMARY:Party\r\nEND:VTODO\r\n"), HoldProblem::NotAnEvent},
        {"no title", eventOf(OnDay, ""), HoldProblem::Untitled},
        {"a blank title", eventOf(OnDay, "SUMMARY: \r\n"), HoldProblem::Untitled},
        {"no start", eventOf(""), HoldProblem::NoStart},
        {"an unknown zone", eventOf("DTSTART;TZID=Nowhere/Atlantis:20270315T080000\r\n"), HoldProblem::UnknownZone},
        {"last year", eventOf("DTSTART;VALUE=DATE:20251231\r\n"), HoldProblem::Past},
        {"an event without its calendar", "BEGIN:VEVENT\r\nUID:u-1\r\nSUMMARY:Party\r\n" + OnDay + "END:VEVENT\r\n",
         HoldProblem::Unreadable},
    };
    // clang-format on
    for (const auto &[name, ics, problem] : rows)
        EXPECT_EQ(readServerEvent(ics, Today).problem, problem) << name;
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
