#pragma once

#include "FakeCalendar.h"
#include "TestSupport.h"
#include "sync/CalDavClient.h"
#include "sync/DavTransport.h"
#include "sync/SyncPass.h"

#include <QEventLoop>
#include <QTimer>

#include <gtest/gtest.h>

inline const DavCredentials Ann{QStringLiteral("ann"), QStringLiteral("secret")};

// Runs passes as the application does: the user's answer to any question,
// and the state saved after each pass whatever happened.
class PassRunner {
public:
    SyncOutcome pass(DavTransport &transport, FakeCalendar &calendar, SyncState &state, bool answer = true)
    {
        CalDavClient client(transport);
        SyncPass pass(client, calendar, clock, state);
        std::optional<SyncOutcome> outcome;
        QEventLoop loop;
        QTimer::singleShot(120 * 1000, &loop, [&loop] { loop.quit(); }); // only against a hang
        pass.run([&](const SyncPlan &, std::function<void(bool)> goOn) { goOn(answer); },
                 [&](const SyncOutcome &done) {
                     outcome = done;
                     loop.quit();
                 });
        if (!outcome)
            loop.exec();
        if (!outcome) {
            ADD_FAILURE() << "the pass did not end";
            return {};
        }
        state = outcome->state;
        return *outcome;
    }

    FakeClock clock{QDate(2026, 12, 6)};
};
