#include "eventdata/CalendarStore.h"

#include "TestSupport.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

using Kind = CalendarChange::Kind;

class CalendarStoreTest : public ::testing::Test {
protected:
    std::unique_ptr<EventTable> table = std::make_unique<EventTable>();
    std::vector<int> savedSizes; // the table's size at each save
    std::vector<CalendarChange> changes;
    CalendarStore store{*table, [this](const EventTable &saved) { savedSizes.push_back(saved.size()); }};
    const Event dentist = makeEvent("Dentist", "20270305"), party = makeEvent("Party", "00000704");

    void SetUp() override
    {
        QObject::connect(&store, &CalendarStore::changed, [this](const CalendarChange &change) {
            // The signal comes before the save, with the table already changed.
            EXPECT_EQ(savedSizes.size(), changes.size());
            changes.push_back(change);
        });
    }
};

} // namespace

TEST_F(CalendarStoreTest, AddSavesAndTellsTheNewSlot)
{
    ASSERT_TRUE(store.add(dentist));
    ASSERT_TRUE(store.add(party));
    ASSERT_EQ(changes.size(), 2u);
    EXPECT_EQ(changes[1].kind, Kind::Added);
    EXPECT_EQ(changes[1].index, 1);
    EXPECT_EQ(changes[1].after, party);
    EXPECT_EQ(savedSizes, (std::vector<int>{1, 2}));
}

TEST_F(CalendarStoreTest, AddToAFullTableChangesAndSavesNothing)
{
    while (!table->isFull())
        table->addEvent(dentist);
    EXPECT_FALSE(store.add(party));
    EXPECT_TRUE(changes.empty());
    EXPECT_TRUE(savedSizes.empty());
}

TEST_F(CalendarStoreTest, ChangeTellsTheEventBeforeAndAfter)
{
    store.add(dentist);
    Event moved = dentist;
    moved.date = {2027, 3, 6};
    store.change(0, moved);
    EXPECT_EQ(changes.back().kind, Kind::Changed);
    EXPECT_EQ(changes.back().before, dentist);
    EXPECT_EQ(changes.back().after, moved);
    EXPECT_EQ(table->events[0], moved);
    EXPECT_EQ(savedSizes.size(), 2u);
}

TEST_F(CalendarStoreTest, RemoveTellsTheEventThatLeft)
{
    store.add(dentist);
    store.add(party);
    store.remove(0);
    EXPECT_EQ(changes.back().kind, Kind::Removed);
    EXPECT_EQ(changes.back().before, dentist);
    EXPECT_EQ(table->events[0], party); // the last event fills the freed slot
    EXPECT_EQ(savedSizes.back(), 1);
}

TEST_F(CalendarStoreTest, ReplaceAllTakesTheWholeTable)
{
    store.add(dentist);
    auto imported = std::make_unique<EventTable>();
    imported->addEvent(party);
    imported->addEvent(dentist);
    store.replaceAll(*imported);
    EXPECT_EQ(changes.back().kind, Kind::Replaced);
    EXPECT_EQ(table->events[0], party);
    EXPECT_EQ(savedSizes.back(), 2);
}

// An answer is kept in memory until the next save, as the alerts always were.
TEST_F(CalendarStoreTest, AlertAnswerIsToldButNotSaved)
{
    store.add(dentist);
    Event answered = dentist;
    answered.notifyingDays = -3;
    store.answerAlert(0, answered);
    EXPECT_EQ(changes.back().kind, Kind::Answered);
    EXPECT_EQ(changes.back().after, answered);
    EXPECT_EQ(table->events[0], answered);
    EXPECT_EQ(savedSizes.size(), 1u);
}
