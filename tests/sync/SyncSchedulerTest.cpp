#include "sync/SyncScheduler.h"

#include "TestSupport.h"

#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <vector>

namespace {

const SyncSettings Every15{QStringLiteral("https://dav.example.org/cal/"), QStringLiteral("ann"), 15};
const SyncSettings Hourly{Every15.url, Every15.user, 60};
const SyncSettings Off{Every15.url, Every15.user, 0};

using Action = std::function<void(SyncScheduler &)>;
const Action Change = [](SyncScheduler &s) { s.calendarChanged(); };
const Action SyncNow = [](SyncScheduler &s) { s.syncNow(); };
const Action Wake = [](SyncScheduler &s) { s.wokeUp(); };
const Action LateShot = [](SyncScheduler &s) { s.tick(); }; // a timer event that was already on its way
Action configure(const SyncSettings &settings)
{
    return [settings](SyncScheduler &s) { s.configure(settings); };
}

// Runs the scheduler on a clock that moves only from one event to the next: the user's actions at their seconds,
// the end of each pass, and the timer's shot at the time it was set for. Every call to the scheduler sets its timer
// anew, so the timer fires its interval after the last call.
class Simulation {
public:
    Simulation(const SyncSettings &settings, int passSeconds) : passSeconds_(passSeconds)
    {
        call([&](SyncScheduler &s) { s.configure(settings); });
    }

    // The seconds at which passes started, up to until.
    std::vector<int> run(std::vector<std::pair<int, Action>> actions, int until)
    {
        std::size_t nextAction = 0;
        for (;;) {
            const int action = nextAction < actions.size() ? actions[nextAction].first : until + 1;
            const int passEnd = passEnd_.value_or(until + 1);
            const int shot = timer_.isActive() ? armedAt_ + timer_.interval() / 1000 : until + 1;
            const int next = std::min({action, passEnd, shot});
            if (next > until)
                return starts_;
            clock_.pass(next - now());
            if (next == action)
                call(actions[nextAction++].second);
            else if (next == passEnd)
                call([this](SyncScheduler &s) {
                    passEnd_.reset();
                    s.passFinished();
                });
            else
                call([](SyncScheduler &s) { s.tick(); });
        }
    }

private:
    int now() const { return int(clock_.sinceBootMs() / 1000); }
    void call(const Action &action)
    {
        action(scheduler_);
        armedAt_ = now();
    }

    int passSeconds_;
    FakeClock clock_{QDate(2026, 12, 6)};
    QTimer timer_;
    std::vector<int> starts_;
    std::optional<int> passEnd_;
    int armedAt_ = 0;
    SyncScheduler scheduler_{clock_, timer_, [this] {
                                 EXPECT_FALSE(passEnd_) << "two passes at once";
                                 starts_.push_back(now());
                                 passEnd_ = now() + passSeconds_;
                             }};
};

} // namespace

TEST(SyncScheduler, PassesStartWhenDue)
{
    const struct {
        const char *name;
        SyncSettings settings; // at the program's start
        int passSeconds;
        std::vector<std::pair<int, Action>> actions;
        int until;
        std::vector<int> starts;
        // clang-format off
    } rows[] = {
        {"not set up: nothing runs, not even on Sync now", {}, 2, {{10, Change}, {20, SyncNow}, {30, Wake}}, 7200, {}},
        {"at start, then every interval after the last pass ended, failed or not", Every15, 2, {}, 1805,
         {0, 902, 1804}},
        {"the interval off: only Sync now", Off, 2, {{10, Change}, {20, Wake}, {30, SyncNow}}, 7200, {30}},
        {"five seconds after the last change", Hourly, 2, {{100, Change}, {103, Change}}, 3000, {0, 108}},
        {"a change just before the interval: the interval's time comes first", Every15, 2, {{900, Change}}, 1000,
         {0, 902}},
        {"a late timer shot during a pass starts nothing", Hourly, 10, {{2, Change}, {8, LateShot}}, 3000, {0, 10}},
        {"a change during a pass: once after it", Hourly, 10, {{2, Change}, {4, Change}}, 3000, {0, 10}},
        {"Sync now and wakes during a pass: exactly one more", Hourly, 10, {{3, SyncNow}, {4, SyncNow}, {5, Wake}},
         3000, {0, 10}},
        {"Sync now at once, and the change before it with it", Hourly, 2, {{100, Change}, {101, SyncNow}}, 3000,
         {0, 101}},
        {"a wake: after the network's moment", Hourly, 2, {{1000, Wake}}, 3000, {0, 1010}},
        {"set up later: at once", {}, 2, {{50, configure(Every15)}}, 1852, {50, 952}},
        {"the same settings again: no pass", Hourly, 2, {{50, configure(Hourly)}}, 3000, {0}},
        {"switched off while a change waits: nothing more", Hourly, 2, {{100, Change}, {102, configure(Off)}}, 7200,
         {0}},
        {"no longer set up while Sync now waits for a pass: nothing more", Off, 10,
         {{1, SyncNow}, {3, SyncNow}, {5, configure({})}}, 7200, {1}},
    };
    // clang-format on
    for (const auto &row : rows) {
        Simulation simulation(row.settings, row.passSeconds);
        EXPECT_EQ(simulation.run(row.actions, row.until), row.starts) << row.name;
    }
}

// The timer's shot reaches the scheduler.
TEST(SyncScheduler, TimerShotStartsThePass)
{
    FakeClock clock(QDate(2026, 12, 6));
    QTimer timer;
    int passes = 0;
    SyncScheduler scheduler(clock, timer, [&] { ++passes; });
    scheduler.configure(Off);
    scheduler.syncNow();
    EXPECT_TRUE(QTest::qWaitFor([&] { return passes == 1; }, 5000));
}
