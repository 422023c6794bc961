#include "platform/ClockEvents.h"

#include <QTest>

#include <gtest/gtest.h>

#include <windows.h>

// What Windows sends every top-level window when the clock is set or the
// computer wakes reaches the program's watcher; the other power messages do not.
TEST(ClockEvents, ClockSetAndWakeMessagesCallTheWatcher)
{
    // clang-format off
    const struct { const char *name; UINT message; WPARAM kind; int calls; } rows[] = {
        {"clock set", WM_TIMECHANGE, 0, 1},
        {"woken by the user", WM_POWERBROADCAST, PBT_APMRESUMESUSPEND, 1},
        {"woken by a timer", WM_POWERBROADCAST, PBT_APMRESUMEAUTOMATIC, 1},
        {"going to sleep", WM_POWERBROADCAST, PBT_APMSUSPEND, 0},
        {"power source changed", WM_POWERBROADCAST, PBT_APMPOWERSTATUSCHANGE, 0},
        {"the screen changed", WM_DISPLAYCHANGE, 32, 0},
    };
    // clang-format on
    for (const auto &row : rows) {
        int calls = 0;
        ClockEvents events([&calls] { ++calls; });
        ASSERT_TRUE(PostThreadMessageW(GetCurrentThreadId(), row.message, row.kind, 0)) << row.name;
        // A clock set behind it: once that one has called, the row's message has been handled.
        ASSERT_TRUE(PostThreadMessageW(GetCurrentThreadId(), WM_TIMECHANGE, 0, 0)) << row.name;
        EXPECT_TRUE(QTest::qWaitFor([&] { return calls > row.calls; }, 5000)) << row.name;
        EXPECT_EQ(calls, row.calls + 1) << row.name;
    }
}
