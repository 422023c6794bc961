#include "sync/SyncDecision.h"

#include <gtest/gtest.h>

namespace {

const QString Key = QStringLiteral("Party");
const QString Href = QStringLiteral("/ann/cal/1.ics");
const QString Uid = QStringLiteral("u-1");
const EventDate Day{2027, 3, 15};

LocalItem here(const QByteArray &hash, const QString &key = Key, EventDate date = Day)
{
    return {key, key, date, hash};
}

ServerItem there(const QByteArray &etag, const QByteArray &hash, const QString &href = Href, const QString &uid = Uid,
                 const QString &title = Key)
{
    return {href, etag, uid, true, title, Day, hash};
}

ServerItem unholdable(const QByteArray &etag, const QString &href = Href)
{
    ServerItem item = there(etag, {}, href);
    item.holdable = false;
    return item;
}

// Synced when both sides held "a" under ETag e1.
SyncEntry known(const QString &key = Key, const QString &href = Href, const QString &uid = Uid)
{
    return {uid, href, "e1", key, "a", "a", "BEGIN:VCALENDAR"};
}

SyncAction act(SyncStep step, const QString &key, const QString &href = {}, const QByteArray &etag = {},
               const QString &uid = {})
{
    return {step, key, href, etag, uid};
}

SyncInput input(std::vector<LocalItem> local, std::vector<ServerItem> server, std::vector<SyncEntry> entries,
                int room = 10)
{
    return {std::move(local), std::move(server), std::move(entries), false, room};
}

SyncInput firstSync(std::vector<LocalItem> local, std::vector<ServerItem> server)
{
    SyncInput first = input(std::move(local), std::move(server), {});
    first.firstSync = true;
    return first;
}

// Two more events synced and unchanged, so that one deletion is not most
// of a side's events.
SyncInput withTwoMore(SyncInput in)
{
    for (const char *name : {"A", "B"}) {
        const QString key = QString::fromLatin1(name);
        const QString href = QStringLiteral("/ann/cal/%1.ics").arg(key);
        in.local.push_back(here("a", key));
        in.server.push_back(there("e1", "a", href, key, key));
        in.entries.push_back(known(key, href, key));
    }
    return in;
}

// Three synced events, for the share of deletions.
std::vector<SyncEntry> threeKnown()
{
    return {known(QStringLiteral("A"), QStringLiteral("/ann/cal/a.ics"), QStringLiteral("ua")),
            known(QStringLiteral("B"), QStringLiteral("/ann/cal/b.ics"), QStringLiteral("ub")),
            known(QStringLiteral("C"), QStringLiteral("/ann/cal/c.ics"), QStringLiteral("uc"))};
}

struct Row {
    const char *name;
    SyncInput input;
    std::vector<SyncAction> actions;
    SyncQuestion question = SyncQuestion::None;
    int same = 0;
    int untouched = 0;
    bool noRoom = false;
};

void PrintTo(const Row &row, std::ostream *out)
{
    *out << row.name;
}

const ServerItem NewThere =
    there("e1", "b", QStringLiteral("/ann/cal/2.ics"), QStringLiteral("u-2"), QStringLiteral("Picnic"));
const ServerItem OtherNewThere =
    there("e1", "c", QStringLiteral("/ann/cal/3.ics"), QStringLiteral("u-3"), QStringLiteral("Choir"));

// clang-format off
const Row Rows[] = {
    {"NewHereGoesUp", input({here("a")}, {}, {}), {act(SyncStep::Upload, Key)}},
    {"NewThereComesHere", input({}, {NewThere}, {}), {act(SyncStep::AddHere, {}, NewThere.href, "e1", "u-2")}},
    {"UnchangedStays", input({here("a")}, {there("e1", "a")}, {known()}), {}},
    {"ChangedHereGoesUpOverItsETag", input({here("b")}, {there("e1", "a")}, {known()}),
     {act(SyncStep::Upload, Key, Href, "e1", Uid)}},
    {"ChangedThereIsTaken", input({here("a")}, {there("e2", "b")}, {known()}),
     {act(SyncStep::TakeServer, Key, Href, "e2", Uid)}},
    {"OtherPropertiesThereRefreshTheCopy", input({here("a")}, {there("e2", "a")}, {known()}),
     {act(SyncStep::RefreshCopy, Key, Href, "e2", Uid)}},
    {"ChangedOnBothSidesKeepsBoth", input({here("b")}, {there("e2", "c")}, {known()}),
     {act(SyncStep::ConflictCopy, Key, Href, "e2", Uid)}},
    {"ChangedAlikeOnBothSidesIsOne", input({here("b")}, {there("e2", "b")}, {known()}),
     {act(SyncStep::Link, Key, Href, "e2", Uid)}},
    {"DeletedHereUnchangedThereIsDeletedThere", withTwoMore(input({}, {there("e1", "a")}, {known()})),
     {act(SyncStep::DeleteThere, {}, Href, "e1", Uid)}},
    {"DeletedThereUnchangedHereIsDeletedHere", withTwoMore(input({here("a")}, {}, {known()})),
     {act(SyncStep::DeleteHere, Key, Href, {}, Uid)}},
    {"DeletedHereChangedThereComesBack", input({}, {there("e2", "b")}, {known()}),
     {act(SyncStep::AddHere, {}, Href, "e2", Uid)}},
    {"DeletedThereChangedHereGoesBack", input({here("b")}, {}, {known()}),
     {act(SyncStep::Upload, Key, Href, {}, Uid)}},
    {"GoneOnBothSidesIsForgotten", input({}, {}, {known()}), {act(SyncStep::Forget, Key, Href, {}, Uid)}},
    {"NoLongerHoldableLeavesHere", withTwoMore(input({here("a")}, {unholdable("e2")}, {known()})),
     {act(SyncStep::DeleteHere, Key, Href, {}, Uid)}, {}, 0, 1},
    {"NoLongerHoldableButChangedHereGoesUpAsNew", input({here("b")}, {unholdable("e2")}, {known()}),
     {act(SyncStep::Forget, Key, Href, {}, Uid), act(SyncStep::Upload, Key)}, {}, 0, 1},
    {"NeverHoldableIsLeftAndCounted", input({}, {unholdable("e1")}, {}), {}, {}, 0, 1},
    {"SecondItemOfAUidIsLeftAndCounted",
     input({}, {NewThere, there("e1", "b", QStringLiteral("/ann/cal/1.ics"), QStringLiteral("u-2"))}, {}),
     {act(SyncStep::AddHere, {}, Href, "e1", QStringLiteral("u-2"))}, {}, 0, 1},
    {"FirstSyncFindsTheSameEventOnBothSides", firstSync({here("a")}, {there("e1", "a")}),
     {act(SyncStep::Link, Key, Href, "e1", Uid)}, SyncQuestion::FirstSync, 1},
    {"FirstSyncTakesTheServersVersionOfTheSameEvent", firstSync({here("a")}, {there("e1", "b")}),
     {act(SyncStep::TakeServer, Key, Href, "e1", Uid)}, SyncQuestion::FirstSync, 1},
    {"FirstSyncKeepsTheSameTitleOnAnotherDay", firstSync({here("a", Key, {2027, 3, 16})}, {there("e1", "a")}),
     {act(SyncStep::Upload, Key), act(SyncStep::AddHere, {}, Href, "e1", Uid)}, SyncQuestion::FirstSync},
    {"FirstSyncIntoAnEmptyCollectionAsksNothing", firstSync({here("a")}, {}), {act(SyncStep::Upload, Key)}},
    {"DeletingHalfOfTheEventsHereGoesOn",
     input({here("a", QStringLiteral("A")), here("a", QStringLiteral("B"))},
           {there("e1", "a", QStringLiteral("/ann/cal/a.ics"), QStringLiteral("ua"))},
           {known(QStringLiteral("A"), QStringLiteral("/ann/cal/a.ics"), QStringLiteral("ua")),
            known(QStringLiteral("B"), QStringLiteral("/ann/cal/b.ics"), QStringLiteral("ub"))}),
     {act(SyncStep::DeleteHere, QStringLiteral("B"), QStringLiteral("/ann/cal/b.ics"), {}, QStringLiteral("ub"))}},
    {"DeletingMoreThanHalfHereAsks",
     input({here("a", QStringLiteral("A")), here("a", QStringLiteral("B")), here("a", QStringLiteral("C"))},
           {there("e1", "a", QStringLiteral("/ann/cal/a.ics"), QStringLiteral("ua"))}, threeKnown()),
     {act(SyncStep::DeleteHere, QStringLiteral("B"), QStringLiteral("/ann/cal/b.ics"), {}, QStringLiteral("ub")),
      act(SyncStep::DeleteHere, QStringLiteral("C"), QStringLiteral("/ann/cal/c.ics"), {}, QStringLiteral("uc"))},
     SyncQuestion::MassDeletion},
    {"DeletingTheOnlyEventThereAsks", input({}, {there("e1", "a")}, {known()}),
     {act(SyncStep::DeleteThere, {}, Href, "e1", Uid)}, SyncQuestion::MassDeletion},
    {"AsManyNewAsThereIsRoomForComeHere", input({}, {NewThere, OtherNewThere}, {}, 2),
     {act(SyncStep::AddHere, {}, NewThere.href, "e1", "u-2"), act(SyncStep::AddHere, {}, OtherNewThere.href, "e1", "u-3")}},
    {"MoreNewThanRoomAddsNone", input({here("a")}, {NewThere, OtherNewThere}, {}, 1), {act(SyncStep::Upload, Key)},
     {}, 0, 0, true},
};
// clang-format on

class SyncDecision : public ::testing::TestWithParam<Row> {};

} // namespace

TEST_P(SyncDecision, Plan)
{
    const Row &row = GetParam();
    const SyncPlan plan = decideSync(row.input);
    EXPECT_EQ(plan.actions, row.actions);
    EXPECT_EQ(plan.question, row.question);
    EXPECT_EQ(plan.same, row.same);
    EXPECT_EQ(plan.untouched, row.untouched);
    EXPECT_EQ(plan.noRoom, row.noRoom);
    EXPECT_EQ(plan.here, static_cast<int>(row.input.local.size()));
    EXPECT_EQ(plan.there, static_cast<int>(row.input.server.size()));
}

INSTANTIATE_TEST_SUITE_P(Rows, SyncDecision, ::testing::ValuesIn(Rows),
                         [](const ::testing::TestParamInfo<Row> &row) { return std::string(row.param.name); });
