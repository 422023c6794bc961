#pragma once

#include <atomic>
#include <functional>
#include <memory>

class QSocketNotifier;

// Turns SIGTERM, SIGHUP and SIGINT into a call of quit on the event loop, so
// a plain kill ends the program through its normal exit. The handler only
// writes a byte into a pipe; more signals while the exit runs change nothing.
class QuitSignals {
public:
    explicit QuitSignals(std::function<void()> quit);
    ~QuitSignals();
    QuitSignals(const QuitSignals &) = delete;
    QuitSignals &operator=(const QuitSignals &) = delete;

private:
    static void handle(int signal);
    void received();

    // A signal handler reaches nothing but statics; one pipe serves the process.
    static inline std::atomic<int> writeEnd_{-1};
    int pipe_[2] = {-1, -1};
    std::function<void()> quit_;
    std::unique_ptr<QSocketNotifier> notifier_;
};
