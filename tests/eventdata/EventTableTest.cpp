#include "eventdata/EventTable.h"

#include "eventdata/FileErrors.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

namespace {

Event event(const char *title, const char *date)
{
    Event e;
    e.title = QString::fromLatin1(title);
    e.date = QString::fromLatin1(date);
    return e;
}

QStringList titles(const EventTable &table)
{
    QStringList result;
    for (int i = 0; i <= table.eventCount; ++i)
        result += table.events[i].title;
    return result;
}

} // namespace

TEST(EventTable, RemoveMovesTheLastEventIntoTheGap)
{
    EventTable table;
    table.addEvent(event("A", "20020101"));
    table.addEvent(event("B", "20020101"));
    table.addEvent(event("C", "20020101"));
    const Reminder reminder{Reminder::State::Pending, 15};
    table.events[2].remindAgain = reminder;
    table.removeEvent(0);
    EXPECT_EQ(titles(table), QStringList({"C", "B"}));
    EXPECT_EQ(table.events[0].remindAgain, reminder); // the whole record moves
    table.removeEvent(1);
    table.removeEvent(0);
    EXPECT_EQ(table.eventCount, -1);
}

TEST(EventTable, HoldsExactly256Events)
{
    EventTable table;
    for (int i = 0; i < 255; ++i)
        ASSERT_TRUE(table.addEvent(event("x", "00000101")));
    EXPECT_EQ(table.eventCount, 254);
    EXPECT_FALSE(table.isFull());
    EXPECT_TRUE(table.addEvent(event("last", "00000101")));
    EXPECT_EQ(table.eventCount, 255);
    EXPECT_TRUE(table.isFull());
    EXPECT_FALSE(table.addEvent(event("257th", "00000101")));
    EXPECT_EQ(table.eventCount, 255);
    EXPECT_EQ(table.events[255].title, "last");
}

TEST(EventTable, AddedEventHasNoPendingReminder)
{
    EventTable table;
    Event e = event("A", "20020101");
    e.remindAgain = {Reminder::State::Stopped, 30};
    table.addEvent(e);
    EXPECT_EQ(table.events[0].remindAgain, Reminder());
}

TEST(EventTable, PurgeDropsOneTimeEventsOfPastYearsInSlotOrder)
{
    EventTable table;
    table.addEvent(event("A", "20011224"));
    table.addEvent(event("B", "00000315"));
    table.addEvent(event("C", "19990101"));
    // A's slot receives C, which is examined and removed; then it receives B.
    EXPECT_EQ(table.purgePastEvents(2002), 0);
    EXPECT_EQ(titles(table), QStringList({"B"}));

    EventTable kept;
    kept.addEvent(event("January this year", "20020101"));
    kept.addEvent(event("Every year", "00001231"));
    kept.addEvent(event("Next year", "20030101"));
    EXPECT_EQ(kept.purgePastEvents(2002), 0);
    EXPECT_EQ(titles(kept), QStringList({"January this year", "Every year", "Next year"}));

    EventTable empty;
    EXPECT_EQ(empty.purgePastEvents(2002), 0);
    EXPECT_EQ(empty.eventCount, -1);
}

TEST(EventTable, PurgeFailsOnADateWithoutFourLeadingDigits)
{
    for (const char *date : {"        ", "20a20101", "-0010101"}) {
        EventTable table;
        table.addEvent(event("A", date));
        EXPECT_EQ(table.purgePastEvents(2002), FileError::TypeMismatch) << date;
    }
}

TEST(EventTable, FindsTitlesExactly)
{
    EventTable table;
    table.addEvent(event("Dentist", "20020101"));
    table.addEvent(event("dentist", "20020101"));
    EXPECT_EQ(table.indexOfTitle("dentist"), 1);
    EXPECT_EQ(table.indexOfTitle("Dentist"), 0);
    EXPECT_EQ(table.indexOfTitle("DENTIST"), -1);
}
