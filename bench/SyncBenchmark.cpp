// A first sync of 256 events and a pass that finds nothing changed, against a
// Radicale of its own on this machine: the time of a pass and the requests
// it sends.
#include "FakeCalendar.h"
#include "RadicaleServer.h"
#include "platform/Clock.h"
#include "sync/CalDavClient.h"
#include "sync/DavTransport.h"
#include "sync/SyncPass.h"

#include <QCoreApplication>
#include <QEventLoop>

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <optional>

namespace {

constexpr int Events = 256;
const DavCredentials Ann{QStringLiteral("ann"), QStringLiteral("secret")};

class FixedClock : public Clock {
public:
    QDate today() const override { return QDate(2026, 12, 6); }
    QDateTime now() const override { return today().startOfDay(); }
    qint64 sinceBootMs() const override { return 0; }
};

RadicaleServer &radicale()
{
    static RadicaleServer server;
    if (!server.problem().isEmpty()) {
        qCritical("%s", qPrintable(server.problem()));
        std::abort();
    }
    return server;
}

// Runs the event loop until the callback that start is given has been called.
template <typename Start> void wait(Start start)
{
    bool done = false;
    QEventLoop loop;
    start([&] {
        done = true;
        loop.quit();
    });
    if (!done)
        loop.exec();
}

// A new, empty collection for each run, so that every first sync is one.
QUrl newCollection(DavTransport &transport)
{
    static int made = 0;
    const QUrl url = radicale().url(QStringLiteral("/ann/bench-%1/").arg(++made));
    CalDavClient client(transport);
    wait([&](auto done) { client.makeCalendar(url, [done](const DavResult<Done> &) { done(); }); });
    return url;
}

FakeCalendar fullCalendar()
{
    FakeCalendar calendar(Events);
    for (int i = 0; i < Events; ++i)
        calendar.add(eventFields(qPrintable(QStringLiteral("Event %1").arg(i)), {2027, 1 + i % 12, 1 + i % 28}, i % 4));
    return calendar;
}

// One pass; aborts on a failure, which would make the figures meaningless.
void runPass(DavTransport &transport, FakeCalendar &calendar, SyncState &state)
{
    CalDavClient client(transport);
    FixedClock clock;
    SyncPass pass(client, calendar, clock, state);
    std::optional<SyncOutcome> outcome;
    wait([&](auto done) {
        pass.run([](const SyncPlan &, std::function<void(bool)> goOn) { goOn(true); },
                 [&, done](const SyncOutcome &result) {
                     outcome = result;
                     done();
                 });
    });
    if (outcome->error != SyncError::None) {
        qCritical("the pass failed: %d", int(outcome->error));
        std::abort();
    }
    state = outcome->state;
}

void firstSync(benchmark::State &state)
{
    int requests = 0;
    for (auto _ : state) {
        state.PauseTiming();
        DavTransport transport(Ann);
        SyncState sync{newCollection(transport), {}, {}};
        FakeCalendar calendar = fullCalendar();
        const int before = transport.requestsSent();
        state.ResumeTiming();
        runPass(transport, calendar, sync);
        requests = transport.requestsSent() - before;
    }
    state.counters["requests"] = requests;
}
BENCHMARK(firstSync)->Unit(benchmark::kMillisecond)->Iterations(3);

void unchangedPass(benchmark::State &state)
{
    DavTransport transport(Ann);
    SyncState sync{newCollection(transport), {}, {}};
    FakeCalendar calendar = fullCalendar();
    runPass(transport, calendar, sync);
    int requests = 0;
    for (auto _ : state) {
        const int before = transport.requestsSent();
        runPass(transport, calendar, sync);
        requests = transport.requestsSent() - before;
    }
    state.counters["requests"] = requests;
}
BENCHMARK(unchangedPass)->Unit(benchmark::kMillisecond)->Iterations(20);

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
