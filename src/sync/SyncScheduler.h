#pragma once

#include "settings/SyncSettings.h"

#include <QMetaObject>

#include <functional>
#include <optional>

class Clock;
class QTimer;

// When the sync runs a pass: at start and whenever the user sets the sync
// up, a few seconds after the last change to the calendar, every interval,
// soon after a wake from sleep, and on "Sync now". With the interval off
// only "Sync now" runs one. Never two passes at once: what asks for one
// while a pass runs gets exactly one more after it. A pass that failed is
// simply tried again at the next of these times.
//
// The times are the clock's since-boot milliseconds, which go on while the
// computer sleeps; the single-shot timer only wakes the scheduler at the
// next of them, and tick() decides. Each call sets the timer anew.
class SyncScheduler {
public:
    // Edits come in bursts: the pass waits for this long after the last one.
    static constexpr qint64 ChangeDelayMs = 5'000;
    // The network needs a moment after a wake before a pass can reach the server.
    static constexpr qint64 WakeDelayMs = 10'000;

    SyncScheduler(const Clock &clock, QTimer &timer, std::function<void()> startPass);
    ~SyncScheduler();
    SyncScheduler(const SyncScheduler &) = delete;
    SyncScheduler &operator=(const SyncScheduler &) = delete;

    // At start and after every change of the settings; a change to an
    // automatic sync runs a pass at once.
    void configure(const SyncSettings &settings);
    void calendarChanged();
    void syncNow();
    void wokeUp();
    // The pass that startPass began is over, whatever came of it.
    void passFinished();
    bool isRunning() const { return running_; }

    void tick();

private:
    bool isAutomatic() const;
    void request(qint64 dueMs);
    std::optional<qint64> nextDue() const;
    void start();
    void arm();

    const Clock &clock_;
    QTimer &timer_;
    std::function<void()> startPass_;
    QMetaObject::Connection connection_;

    SyncSettings settings_;
    std::optional<qint64> askedDue_;    // start, wake or "Sync now"
    std::optional<qint64> changeDue_;   // the last change and its delay
    std::optional<qint64> intervalDue_; // the interval after the last pass
    bool running_ = false;
    bool queued_ = false; // asked for while a pass ran
};
