#include "datelogic/EventSearch.h"

#include "datelogic/Occurrence.h"
#include "eventdata/EventTable.h"
#include "TestSupport.h"

#include <QRandomGenerator>

#include <gtest/gtest.h>

#include <memory>

namespace {

constexpr int ThisYear = 2026;

class EventSearchTest : public ::testing::Test {
protected:
    std::unique_ptr<EventTable> table = std::make_unique<EventTable>();
    void add(const char *date) { table->addEvent(makeEvent("e", QString::fromLatin1(date))); }
};

} // namespace

TEST_F(EventSearchTest, NextFindsTheNearestLaterDay)
{
    add("20270131");
    add("20270205");
    EXPECT_EQ(findNextEvent(*table, {30, 1, 2027}, ThisYear), (CalendarDay{31, 1, 2027}));
    // The starting day itself is never the result.
    EXPECT_EQ(findNextEvent(*table, {31, 1, 2027}, ThisYear), (CalendarDay{5, 2, 2027}));
    EXPECT_EQ(findNextEvent(*table, {5, 2, 2027}, ThisYear), std::nullopt);
}

TEST_F(EventSearchTest, PreviousWalksDayNumbersZeroAndThirtyTwo)
{
    add("20270131");
    EXPECT_EQ(findPreviousEvent(*table, {1, 3, 2027}, ThisYear), (CalendarDay{31, 1, 2027}));
    EXPECT_EQ(findPreviousEvent(*table, {31, 1, 2027}, ThisYear), std::nullopt);
}

TEST_F(EventSearchTest, EveryYearEventsAreFoundInAnyYear)
{
    add("00000704");
    EXPECT_EQ(findNextEvent(*table, {5, 7, 2026}, ThisYear), (CalendarDay{4, 7, 2027}));
    EXPECT_EQ(findPreviousEvent(*table, {1, 7, 2030}, ThisYear), (CalendarDay{4, 7, 2029}));
}

TEST_F(EventSearchTest, SearchesStopAtTheirLimits)
{
    add("20261215"); // this year
    add("20250101"); // last year is never searched
    EXPECT_EQ(findPreviousEvent(*table, {10, 1, ThisYear}, ThisYear), std::nullopt);
    // More than ten years ahead: the very first step is beyond the limit.
    add("00000101");
    EXPECT_EQ(findNextEvent(*table, {31, 12, ThisYear + 10}, ThisYear), std::nullopt);
    EXPECT_EQ(findNextEvent(*table, {30, 12, ThisYear + 10}, ThisYear), std::nullopt);
    EXPECT_EQ(findNextEvent(*table, {20, 12, ThisYear + 9}, ThisYear), (CalendarDay{1, 1, ThisYear + 10}));

    EventTable empty;
    EXPECT_EQ(findNextEvent(empty, {1, 1, ThisYear}, ThisYear), std::nullopt);
    EXPECT_EQ(findPreviousEvent(empty, {1, 1, ThisYear + 3}, ThisYear), std::nullopt);
}

TEST_F(EventSearchTest, StepLimitEndsALongWalk)
{
    // 3651 steps of 31 day numbers a month cover a little less than ten calendar years.
    add("20361231");
    EXPECT_EQ(findNextEvent(*table, {1, 1, 2027}, ThisYear), std::nullopt); // 3719 steps away
    EXPECT_EQ(findNextEvent(*table, {1, 4, 2027}, ThisYear), (CalendarDay{31, 12, 2036})); // 3626 steps
}

TEST_F(EventSearchTest, DayNumbersAMonthLacksHoldNoEvent)
{
    add("20270431"); // hand-made: 31 April
    add("20270229");
    EXPECT_EQ(findNextEvent(*table, {1, 4, 2027}, ThisYear), (CalendarDay{31, 4, 2027}));
    add("20270300"); // day 00 matches only the walk's day number 0
    EXPECT_EQ(findPreviousEvent(*table, {1, 3, 2027}, ThisYear), (CalendarDay{0, 3, 2027}));
}

// The walks' precomputed days must accept exactly what EventOnDate accepts.
TEST_F(EventSearchTest, AgreesWithEventOnDateForRandomEvents)
{
    QRandomGenerator random(20261206);
    const auto digits = [&](int count) {
        QString text;
        for (int i = 0; i < count; ++i)
            text += QChar(random.bounded(10) ? u'0' + random.bounded(10) : u' ');
        return text;
    };
    for (int round = 0; round < 300; ++round) {
        Event event = makeEvent("r", QString());
        const int kind = random.bounded(4);
        const QString year = kind == 0 ? QStringLiteral("0000")
                             : kind == 1 ? QString::number(ThisYear + random.bounded(12))
                                         : digits(4);
        event.date = year + digits(2) + digits(2);
        EventTable single;
        single.addEvent(event);
        const CalendarDay from{random.bounded(33), random.bounded(1, 13), ThisYear + random.bounded(11)};
        const std::optional<CalendarDay> next = findNextEvent(single, from, ThisYear);
        // Walk the same days, testing each with EventOnDate.
        CalendarDay walk = from;
        std::optional<CalendarDay> expected;
        for (int step = 0; step <= 3650 && !expected; ++step) {
            stepForward(walk);
            if (walk.year > ThisYear + 10)
                break;
            if (eventOnDate(event, walk.day, walk.month, QString::number(walk.year)))
                expected = walk;
        }
        ASSERT_EQ(next, expected) << event.date.toStdString();
    }
}
