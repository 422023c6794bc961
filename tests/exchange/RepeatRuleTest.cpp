#include "exchange/ICalendarRule.h"

#include <libical/ical.h>

#include <QDateTime>

#include <cstdlib>

#include <gtest/gtest.h>

namespace {

WallTime wall(const char *text)
{
    const QDateTime time = QDateTime::fromString(QString::fromLatin1(text), QStringLiteral("yyyyMMddTHHmmss"));
    return wallTime(time.date(), time.time());
}

// The search's answer as text: the occurrence, or why there is none.
std::string searched(const char *rrule, const char *start, const char *from, qint64 days = 1000000)
{
    icalrecurrencetype recurrence = icalrecurrencetype_from_string(rrule);
    const std::optional<RepeatRule> rule = repeatRuleOf(recurrence);
    std::free(recurrence.rscale); // a rule read from text owns its RSCALE
    if (!rule)
        return "no rule";
    const RepeatSearch found = firstOccurrence(*rule, wall(start), wall(from), wall("20361231T235959"), days);
    switch (found.outcome) {
    case RepeatSearch::Outcome::Found:
        return QDateTime(wallDate(found.at), wallClock(found.at)).toString("yyyyMMddTHHmmss").toStdString();
    case RepeatSearch::Outcome::Ended:
        return "ended";
    case RepeatSearch::Outcome::NotWithin:
        return "not within";
    default:
        return "gave up";
    }
}

struct Row {
    const char *name;
    const char *rule;
    const char *start;
    const char *from;
    const char *next;
};

void check(const Row (&rows)[], size_t size)
{
    for (size_t i = 0; i < size; ++i)
        EXPECT_EQ(searched(rows[i].rule, rows[i].start, rows[i].from), rows[i].next) << rows[i].name;
}

} // namespace

// Rules of RFC 5545's examples, searched from a day between two occurrences.
TEST(RepeatRule, FindsTheNextOccurrenceOfEachKindOfRule)
{
    // clang-format off
    const Row rows[] = {
        {"every other week, weeks from Monday", "FREQ=WEEKLY;INTERVAL=2;COUNT=4;BYDAY=TU,SU;WKST=MO",
         "19970805T090000", "19970811T000000", "19970819T090000"},
        {"second-to-last weekday", "FREQ=MONTHLY;BYDAY=MO,TU,WE,TH,FR;BYSETPOS=-2", "19970929T090000",
         "19971001T000000", "19971030T090000"},
        {"Monday of week 20", "FREQ=YEARLY;BYWEEKNO=20;BYDAY=MO", "19970512T090000", "19970513T000000",
         "19980511T090000"},
        {"third day from the end", "FREQ=MONTHLY;BYMONTHDAY=-3", "19970928T090000", "19971001T000000",
         "19971029T090000"},
        {"every 20 minutes in office hours", "FREQ=MINUTELY;INTERVAL=20;BYHOUR=9,10,11,12,13,14,15,16",
         "19970902T090000", "19970902T164100", "19970903T090000"},
        {"daily since year 1", "FREQ=DAILY", "00010101T090000", "20261206T000000", "20261206T090000"},
        {"secondly on one second a day", "FREQ=SECONDLY;BYHOUR=12;BYMINUTE=30;BYSECOND=15", "20260101T000000",
         "20261206T000000", "20261206T123015"},
        {"last weekday of the month", "FREQ=MONTHLY;BYDAY=MO,TU,WE,TH,FR;BYSETPOS=-1", "20260130T090000",
         "20261206T000000", "20261231T090000"},
        {"the start itself", "FREQ=DAILY;BYMONTH=2;BYMONTHDAY=30", "20261206T080000", "20261206T000000",
         "20261206T080000"},
    };
    // clang-format on
    check(rows, std::size(rows));
}

TEST(RepeatRule, StopsAtItsCountItsUntilAndTheLimit)
{
    // clang-format off
    const Row rows[] = {
        {"count ends the day before", "FREQ=DAILY;COUNT=35", "20261101T090000", "20261206T000000", "ended"},
        {"count ends on the day", "FREQ=DAILY;COUNT=36", "20261101T090000", "20261206T000000", "20261206T090000"},
        {"until the second before", "FREQ=DAILY;UNTIL=20261206T085959", "20261101T090000", "20261206T000000",
         "ended"},
        {"until the very second", "FREQ=DAILY;UNTIL=20261206T090000", "20261101T090000", "20261206T000000",
         "20261206T090000"},
        {"until a day, taken whole", "FREQ=DAILY;UNTIL=20261206", "20261101T235959", "20261206T000000",
         "20261206T235959"},
        {"a million days", "FREQ=DAILY;COUNT=1000000", "20200101T090000", "20261206T000000", "20261206T090000"},
        {"last second before from", "FREQ=YEARLY;BYMONTH=12;BYMONTHDAY=5;BYHOUR=23;BYMINUTE=59;BYSECOND=59",
         "20201205T235959", "20261206T000000", "20271205T235959"},
        {"first second of from", "FREQ=YEARLY;BYMONTH=12;BYMONTHDAY=6;BYHOUR=0;BYMINUTE=0;BYSECOND=0",
         "20201206T000000", "20261206T000000", "20261206T000000"},
        {"on the last day of the limit", "FREQ=YEARLY;INTERVAL=20", "20161231T090000", "20261206T000000",
         "20361231T090000"},
        {"the day after the limit", "FREQ=YEARLY;INTERVAL=21", "20160101T090000", "20261206T000000", "not within"},
        {"until at the limit, none left", "FREQ=DAILY;BYMONTH=2;BYMONTHDAY=30;UNTIL=20361231T235959",
         "20200101T090000", "20261206T000000", "ended"},
        {"until after the limit, none up to it", "FREQ=DAILY;BYMONTH=2;BYMONTHDAY=30;UNTIL=20370101T000000",
         "20200101T090000", "20261206T000000", "not within"},
        {"another calendar", "FREQ=YEARLY;RSCALE=HEBREW", "20200101T090000", "20261206T000000", "no rule"},
    };
    // clang-format on
    check(rows, std::size(rows));
}

// Rules that never occur, or not for decades, are found out without a walk
// through every second of the coming years.
TEST(RepeatRule, FindsOutRulesThatNeverOccur)
{
    // clang-format off
    const Row rows[] = {
        {"30 February, secondly", "FREQ=SECONDLY;BYMONTH=2;BYMONTHDAY=30", "20260101T000000", "20261206T000000",
         "not within"},
        {"30 February, daily", "FREQ=DAILY;BYMONTH=2;BYMONTHDAY=30", "20260101T000000", "20261206T000000",
         "not within"},
        {"30 February, monthly", "FREQ=MONTHLY;BYMONTH=2;BYMONTHDAY=30", "20260101T000000", "20261206T000000",
         "not within"},
        {"ninth Monday of a month", "FREQ=MONTHLY;BYDAY=MO;BYSETPOS=9", "20260101T000000", "20261206T000000",
         "not within"},
        {"second 60", "FREQ=MINUTELY;BYSECOND=60", "20260101T000000", "20261206T000000", "not within"},
        {"a count that never comes", "FREQ=SECONDLY;COUNT=5;BYMONTH=2;BYMONTHDAY=30",
         "19000101T000000", "20261206T000000", "not within"},
    };
    // clang-format on
    check(rows, std::size(rows));
}

// Each day looked at costs one; a search that would need more gives up.
TEST(RepeatRule, GivesUpWhenItsDaysAreSpent)
{
    const char *rule = "FREQ=DAILY;COUNT=1000000";
    EXPECT_EQ(searched(rule, "20261101T090000", "20261206T000000", 36), "20261206T090000");
    EXPECT_EQ(searched(rule, "20261101T090000", "20261206T000000", 35), "gave up");
}
