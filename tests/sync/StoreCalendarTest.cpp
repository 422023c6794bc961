#include "FakeCalendar.h"
#include "eventdata/CalendarStore.h"
#include "sync/StoreCalendar.h"

#include <QSignalSpy>

#include <gtest/gtest.h>

namespace {

const EventDate Ides{2027, 3, 15};

// The program's calendar behind the sync, saved nowhere.
struct Calendar {
    EventTable table;
    CalendarStore store{table, [](const EventTable &) {}};
    StoreCalendar sync{store};

    void addHere(const QString &title)
    {
        Event event;
        event.title = title;
        event.date = Ides;
        store.add(event);
    }
};

CalendarFields withTitle(const QString &title)
{
    CalendarFields fields = eventFields("", Ides);
    fields.title = title;
    return fields;
}

} // namespace

// What comes from the server is kept as the event dialog would keep it.
TEST(StoreCalendar, KeepsWhatTheEventDialogWould)
{
    const QString long64(64, u'x');
    struct Row {
        const char *name;
        QString taken; // a title another event has already
        CalendarFields fields;
        QString title;
        qint16 notifyingDays;
    };
    CalendarFields alertOff = eventFields("Off", Ides, 7);
    alertOff.alertOff = true;
    // clang-format off
    const Row rows[] = {
        {"no alert", {}, eventFields("Plain", Ides), QStringLiteral("Plain"), 0},
        {"a switched-off alert keeps its days", {}, alertOff, QStringLiteral("Off"), -7},
        {"two digits of lead days", {}, eventFields("Far", Ides, 99), QStringLiteral("Far"), 99},
        {"more than two digits", {}, eventFields("Farther", Ides, 100), QStringLiteral("Farther"), 99},
        {"a title cut as the dialog cuts it", {}, withTitle(long64 + u'y'), long64, 0},
        {"a title taken", QStringLiteral("Party"), withTitle(QStringLiteral("Party")), QStringLiteral("Party (2)"), 0},
        {"a long title taken", long64, withTitle(long64), long64.left(60) + QStringLiteral(" (2)"), 0},
    };
    // clang-format on
    for (const Row &row : rows) {
        Calendar calendar;
        if (!row.taken.isEmpty())
            calendar.addHere(row.taken);
        const LocalItem added = calendar.sync.add(row.fields);
        EXPECT_EQ(added.title, row.title) << row.name;
        const Event &event = calendar.table.events[calendar.table.eventCount];
        EXPECT_EQ(event.title, row.title) << row.name;
        EXPECT_EQ(event.notifyingDays, row.notifyingDays) << row.name;
        EXPECT_EQ(added.hash, contentHash(calendar.sync.fields(added.key))) << row.name;
    }
}

// The last free place takes an event; a full calendar takes none.
TEST(StoreCalendar, AddsUpToTheLastPlace)
{
    Calendar calendar;
    for (int i = 0; i < EventTable::Capacity - 1; ++i)
        calendar.addHere(QString::number(i));
    EXPECT_EQ(calendar.sync.room(), 1);
    EXPECT_FALSE(calendar.sync.add(withTitle(QStringLiteral("last"))).key.isEmpty());
    EXPECT_EQ(calendar.sync.room(), 0);
    EXPECT_TRUE(calendar.sync.add(withTitle(QStringLiteral("one more"))).key.isEmpty());
    EXPECT_EQ(calendar.table.size(), EventTable::Capacity);
}

// A date edited by hand into something unreadable or into no real day is not the sync's to send.
TEST(StoreCalendar, LeavesOutADateThatNamesNoDay)
{
    Calendar calendar;
    calendar.addHere(QStringLiteral("Readable"));
    for (const char *date : {"2027xx15", "20270431"}) {
        Event unread;
        unread.title = QString::fromLatin1(date);
        setStoredDate(unread, unread.title);
        calendar.store.add(unread);
    }
    const std::vector<LocalItem> items = calendar.sync.items();
    ASSERT_EQ(items.size(), 1u);
    EXPECT_EQ(items[0].title, QStringLiteral("Readable"));
}

// Only the user's changes ask for a pass; the pass's own would start another.
TEST(StoreCalendar, OnlyChangesElsewhereAskForAPass)
{
    Calendar calendar;
    QSignalSpy asked(&calendar.sync, &StoreCalendar::changedElsewhere);
    const LocalItem added = calendar.sync.add(withTitle(QStringLiteral("Party")));
    calendar.sync.replace(added.key, withTitle(QStringLiteral("Feast")));
    calendar.sync.remove(QStringLiteral("Feast"));
    EXPECT_EQ(asked.count(), 0);
    calendar.addHere(QStringLiteral("Typed here"));
    EXPECT_EQ(asked.count(), 1);
}

// A title changed here during the run is the same event for the sync.
TEST(StoreCalendar, FollowsATitleChangedHere)
{
    struct Row {
        const char *name;
        std::vector<std::pair<const char *, const char *>> renames;
        std::vector<std::pair<const char *, const char *>> followed; // key at the last pass, key now
    };
    // clang-format off
    const Row rows[] = {
        {"none", {}, {{"A", "A"}, {"B", "B"}}},
        {"once", {{"A", "C"}}, {{"A", "C"}, {"B", "B"}}},
        {"twice", {{"A", "C"}, {"C", "D"}}, {{"A", "D"}, {"C", "C"}}},
        {"swapped", {{"A", "C"}, {"B", "A"}, {"C", "B"}}, {{"A", "B"}, {"B", "A"}}},
    };
    // clang-format on
    for (const Row &row : rows) {
        Calendar calendar;
        calendar.addHere(QStringLiteral("A"));
        calendar.addHere(QStringLiteral("B"));
        for (const auto &[from, to] : row.renames) {
            const int index = calendar.table.indexOfTitle(QString::fromLatin1(from));
            Event event = calendar.table.events[index];
            event.title = QString::fromLatin1(to);
            calendar.store.change(index, event);
        }
        for (const auto &[before, now] : row.followed)
            EXPECT_EQ(calendar.sync.followedKey(QString::fromLatin1(before)), QString::fromLatin1(now))
                << row.name << ": " << before;
        calendar.sync.forgetRenames();
        EXPECT_EQ(calendar.sync.followedKey(QStringLiteral("A")), QStringLiteral("A")) << row.name;
    }
}
