#pragma once

#include "Await.h"
#include "FakeCalendar.h"
#include "TestSupport.h"
#include "sync/CalDavClient.h"
#include "sync/DavTransport.h"
#include "sync/SyncPass.h"

inline const DavCredentials Ann{QStringLiteral("ann"), QStringLiteral("secret")};

// Runs passes as the application does: the user's answer to any question,
// and the state saved after each pass whatever happened.
class PassRunner {
public:
    SyncOutcome pass(DavTransport &transport, FakeCalendar &calendar, SyncState &state, bool answer = true)
    {
        CalDavClient client(transport);
        SyncPass pass(client, calendar, clock, state);
        const auto confirm = [answer](const SyncPlan &, std::function<void(bool)> goOn) { goOn(answer); };
        const SyncOutcome outcome = answerOf<SyncOutcome>([&](auto done) { pass.run(confirm, done); });
        state = outcome.state;
        return outcome;
    }

    FakeClock clock{QDate(2026, 12, 6)};
};
