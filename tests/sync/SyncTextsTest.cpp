#include "sync/SyncTexts.h"

#include <gtest/gtest.h>

namespace {

SyncOutcome failedWith(SyncError error)
{
    SyncOutcome outcome;
    outcome.error = error;
    return outcome;
}

SyncOutcome withChanges(int count)
{
    SyncOutcome outcome;
    for (int i = 1; i <= count; ++i)
        outcome.changes.push_back({SyncStep::AddHere, QStringLiteral("E%1").arg(i)});
    return outcome;
}

} // namespace

TEST(SyncTexts, StatusSaysHowThePassEnded)
{
    SyncOutcome declined;
    declined.declined = true;
    SyncOutcome full;
    full.plan.noRoom = true;
    // clang-format off
    const std::tuple<const char *, SyncOutcome, const char *> rows[] = {
        {"done", {}, "Synced 14:02"},
        {"no room for what came", full, "Synced 14:02, but the calendar is full"},
        {"the user said no", declined, "Sync stopped: nothing was changed"},
        {"no network", failedWith(SyncError::Offline), "Offline, will try again"},
        {"no answer in time", failedWith(SyncError::Timeout), "Offline, will try again"},
        {"a wrong password", failedWith(SyncError::SignInFailed), "Sign-in failed"},
        {"a server in trouble", failedWith(SyncError::ServerError), "Sync failed, will try again"},
    };
    // clang-format on
    for (const auto &[name, outcome, text] : rows)
        EXPECT_EQ(syncStatusText(outcome, QTime(14, 2, 59)), QString::fromUtf8(text)) << name;
}

// A message only after a pass that did something or has something to tell;
// a long list is cut, with what was left out counted.
TEST(SyncTexts, ReportListsTheChanges)
{
    SyncOutcome untouchedOnly;
    untouchedOnly.plan.untouched = 2;
    SyncOutcome untouchedAndOne = withChanges(1);
    untouchedAndOne.plan.untouched = 1;
    SyncOutcome full;
    full.plan.noRoom = true;
    // clang-format off
    const std::tuple<const char *, SyncOutcome, const char *> rows[] = {
        {"nothing happened", {}, ""},
        {"only items it cannot hold", untouchedOnly, ""},
        {"as many as are named", withChanges(2), "Added here: E1\nAdded here: E2"},
        {"one more than are named", withChanges(3), "Added here: E1\nAdded here: E2\nand 1 more"},
        {"a change and items it cannot hold", untouchedAndOne,
         "Added here: E1\n1 item(s) on the server that this calendar cannot hold were left as they are."},
        {"no room", full,
         "The server holds more new events than the calendar has room for: none of them was added."},
    };
    // clang-format on
    for (const auto &[name, outcome, text] : rows)
        EXPECT_EQ(syncReportText(outcome, 2), QString::fromUtf8(text)) << name;
}

TEST(SyncTexts, QuestionsGiveTheCounts)
{
    SyncPlan first;
    first.question = SyncQuestion::FirstSync;
    first.here = 3;
    first.there = 5;
    first.same = 2;
    SyncPlan mass;
    mass.question = SyncQuestion::MassDeletion;
    mass.here = 4;
    mass.there = 6;
    mass.actions = {{SyncStep::DeleteHere, {}, {}, {}, {}},
                    {SyncStep::DeleteHere, {}, {}, {}, {}},
                    {SyncStep::DeleteHere, {}, {}, {}, {}},
                    {SyncStep::DeleteThere, {}, {}, {}, {}},
                    {SyncStep::Upload, {}, {}, {}, {}}};
    // clang-format off
    const std::tuple<const char *, SyncPlan, const char *> rows[] = {
        {"none", {}, ""},
        {"a first sync", first,
         "The calendar on the server already holds events.\nHere: 3, on the server: 5, the same on both sides: 2.\n"
         "Sync them now? Nothing is written before you say yes."},
        {"many deletions", mass, "This sync would delete 3 of 4 events here and 1 of 6 on the server.\nDelete them?"},
    };
    // clang-format on
    for (const auto &[name, plan, text] : rows)
        EXPECT_EQ(syncQuestionText(plan), QString::fromUtf8(text)) << name;
}
