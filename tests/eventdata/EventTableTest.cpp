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

TEST(EventTable, HoldsExactly256EventsAndAddsWithoutAReminder)
{
    auto table = std::make_unique<EventTable>();
    Event event = makeEvent("x", "00000101");
    event.remindAgain = {Reminder::State::Pending, 30};
    for (int i = 0; i < EventTable::Capacity - 1; ++i)
        ASSERT_TRUE(table->addEvent(event));
    EXPECT_FALSE(table->isFull());
    EXPECT_TRUE(table->addEvent(makeEvent("last", "00000101")));
    EXPECT_FALSE(table->addEvent(makeEvent("257th", "00000101")));
    EXPECT_EQ(table->events[255].title, "last");
    EXPECT_EQ(table->events[0].remindAgain, Reminder());
}

TEST(EventTable, RemoveMovesTheWholeLastRecordIntoTheGap)
{
    auto table = tableOf({{"A", "20020101"}, {"B", "20020101"}, {"C", "20020101"}});
    const Reminder reminder{Reminder::State::Pending, 15};
    table->events[2].remindAgain = reminder;
    table->removeEvent(0);
    EXPECT_EQ(titles(*table), QStringList({"C", "B"}));
    EXPECT_EQ(table->events[0].remindAgain, reminder);
    table->removeEvent(1);
    EXPECT_EQ(titles(*table), QStringList({"C"}));
}

TEST(EventTable, PurgeDropsOneTimeEventsOfPastYearsOnly)
{
    const struct {
        const char *name;
        std::vector<std::pair<const char *, const char *>> events;
        QStringList kept;
        int error;
    } rows[] = {
        {"slot refilled and examined again", {{"A", "20011231"}, {"B", "00000315"}, {"C", "19990101"}}, {"B"}, 0},
        {"this year, every year", {{"Jan 1", "20020101"}, {"yearly", "00001231"}}, {"Jan 1", "yearly"}, 0},
        {"last one past", {{"kept", "20030101"}, {"past", "20011231"}}, {"kept"}, 0},
        {"blank date", {{"A", "        "}}, {"A"}, FileError::TypeMismatch},
    };
    for (const auto &row : rows) {
        auto table = tableOf(row.events);
        EXPECT_EQ(table->purgePastEvents(2002), row.error) << row.name;
        EXPECT_EQ(titles(*table), row.kept) << row.name;
    }
}

TEST(EventTable, IndexOfTitleComparesExactly)
{
    auto table = tableOf({{"Dentist", "20020101"}, {"dentist", "20020101"}});
    for (const auto &[title, index] : {std::pair{"Dentist", 0}, {"dentist", 1}, {"DENTIST", -1}})
        EXPECT_EQ(table->indexOfTitle(title), index) << title;
}
