#include "eventdata/EventTable.h"

#include "eventdata/FileErrors.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

namespace {

Event event(const char *title, const char *date)
{
    Event e;
    e.Title = QString::fromLatin1(title);
    e.Date = QString::fromLatin1(date);
    return e;
}

QStringList titles(const EventTable &table)
{
    QStringList result;
    for (int i = 0; i <= table.EventCount; ++i)
        result += table.Events[i].Title;
    return result;
}

} // namespace

TEST(EventTable, RemoveMovesTheLastEventIntoTheGap)
{
    EventTable table;
    table.AddEvent(event("A", "20020101"));
    table.AddEvent(event("B", "20020101"));
    table.AddEvent(event("C", "20020101"));
    const Reminder reminder{Reminder::State::Pending, 15};
    table.Events[2].RemindAgain = reminder;
    table.RemoveEvent(0);
    EXPECT_EQ(titles(table), QStringList({"C", "B"}));
    EXPECT_EQ(table.Events[0].RemindAgain, reminder); // the whole record moves
    table.RemoveEvent(1);
    table.RemoveEvent(0);
    EXPECT_EQ(table.EventCount, -1);
}

TEST(EventTable, HoldsExactly256Events)
{
    EventTable table;
    for (int i = 0; i < 255; ++i)
        ASSERT_TRUE(table.AddEvent(event("x", "00000101")));
    EXPECT_EQ(table.EventCount, 254);
    EXPECT_FALSE(table.isFull());
    EXPECT_TRUE(table.AddEvent(event("last", "00000101")));
    EXPECT_EQ(table.EventCount, 255);
    EXPECT_TRUE(table.isFull());
    EXPECT_FALSE(table.AddEvent(event("257th", "00000101")));
    EXPECT_EQ(table.EventCount, 255);
    EXPECT_EQ(table.Events[255].Title, "last");
}

TEST(EventTable, AddedEventHasNoPendingReminder)
{
    EventTable table;
    Event e = event("A", "20020101");
    e.RemindAgain = {Reminder::State::Stopped, 30};
    table.AddEvent(e);
    EXPECT_EQ(table.Events[0].RemindAgain, Reminder());
}

TEST(EventTable, PurgeDropsOneTimeEventsOfPastYearsInSlotOrder)
{
    EventTable table;
    table.AddEvent(event("A", "20011224"));
    table.AddEvent(event("B", "00000315"));
    table.AddEvent(event("C", "19990101"));
    // A's slot receives C, which is examined and removed; then it receives B.
    EXPECT_EQ(table.PurgePastEvents(2002), 0);
    EXPECT_EQ(titles(table), QStringList({"B"}));

    EventTable kept;
    kept.AddEvent(event("January this year", "20020101"));
    kept.AddEvent(event("Every year", "00001231"));
    kept.AddEvent(event("Next year", "20030101"));
    EXPECT_EQ(kept.PurgePastEvents(2002), 0);
    EXPECT_EQ(titles(kept), QStringList({"January this year", "Every year", "Next year"}));

    EventTable empty;
    EXPECT_EQ(empty.PurgePastEvents(2002), 0);
    EXPECT_EQ(empty.EventCount, -1);
}

TEST(EventTable, PurgeFailsOnADateWithoutFourLeadingDigits)
{
    for (const char *date : {"        ", "20a20101", "-0010101"}) {
        EventTable table;
        table.AddEvent(event("A", date));
        EXPECT_EQ(table.PurgePastEvents(2002), FileError::TypeMismatch) << date;
    }
}

TEST(EventTable, FindsTitlesExactly)
{
    EventTable table;
    table.AddEvent(event("Dentist", "20020101"));
    table.AddEvent(event("dentist", "20020101"));
    EXPECT_EQ(table.indexOfTitle("dentist"), 1);
    EXPECT_EQ(table.indexOfTitle("Dentist"), 0);
    EXPECT_EQ(table.indexOfTitle("DENTIST"), -1);
}
