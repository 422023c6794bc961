#include "eventdata/EventTable.h"

#include "TestSupport.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

QStringList titles(const EventTable &table)
{
    QStringList result;
    for (int i = 0; i <= table.eventCount; ++i)
        result += table.events[i].title;
    return result;
}

std::unique_ptr<EventTable> tableOf(const std::vector<std::pair<const char *, const char *>> &events)
{
    auto table = std::make_unique<EventTable>();
    for (const auto &[title, date] : events)
        table->addEvent(makeEvent(title, date));
    return table;
}

} // namespace

TEST(EventTable, HoldsExactly256EventsAddedWithoutAReminder)
{
    auto table = std::make_unique<EventTable>();
    Event event = makeEvent("x", "00000101");
    event.remindAgain = {Reminder::State::Pending, 30};
    for (int i = 0; i < EventTable::Capacity - 1; ++i)
        ASSERT_TRUE(table->addEvent(event));
    EXPECT_TRUE(table->addEvent(makeEvent("last", "00000101")));
    EXPECT_FALSE(table->addEvent(makeEvent("257th", "00000101")));
    EXPECT_EQ(table->events[255].title, "last");
    EXPECT_EQ(table->events[0].remindAgain, Reminder());
}

// Titles are found as they are written, case and all.
TEST(EventTable, FindsTitlesExactly)
{
    const auto table = tableOf({{"Dentist", "20020101"}, {"dentist", "20020101"}});
    for (const auto &[title, index] : {std::pair{"Dentist", 0}, {"dentist", 1}, {"DENTIST", -1}})
        EXPECT_EQ(table->indexOfTitle(title), index) << title;
}

// A removed event's slot takes the last event, which is then examined in turn.
TEST(EventTable, PurgeDropsOneTimeEventsOfPastYearsOnly)
{
    using Events = std::vector<std::pair<const char *, const char *>>;
    const std::tuple<const char *, Events, QStringList, FileError> rows[] = {
        // the events, those kept, the error
        {"slot refilled and examined again",
         {{"A", "20011231"}, {"B", "00000315"}, {"C", "19990101"}},
         {"B"},
         FileError::None},
        {"this year, every year",
         {{"Jan 1", "20020101"}, {"yearly", "00001231"}},
         {"Jan 1", "yearly"},
         FileError::None},
        {"last one past", {{"kept", "20030101"}, {"past", "20011231"}}, {"kept"}, FileError::None},
        {"blank date", {{"A", "        "}}, {"A"}, FileError::TypeMismatch},
    };
    for (const auto &[name, events, kept, error] : rows) {
        auto table = tableOf(events);
        EXPECT_EQ(table->purgePastEvents(2002), error) << name;
        EXPECT_EQ(titles(*table), kept) << name;
    }
}
