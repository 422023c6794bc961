#include "platform/QuitSignals.h"

#include <QSocketNotifier>

#include <array>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace {

constexpr std::array QuitSignalNumbers = {SIGTERM, SIGHUP, SIGINT};

void setHandler(void (*handler)(int))
{
    struct sigaction action {};
    action.sa_handler = handler;
    action.sa_flags = SA_RESTART;
    sigemptyset(&action.sa_mask);
    for (const int number : QuitSignalNumbers)
        sigaction(number, &action, nullptr);
}

} // namespace

QuitSignals::QuitSignals(std::function<void()> quit) : quit_(std::move(quit))
{
    // Close-on-exec keeps the pipe out of programs we start; non-blocking
    // keeps the handler from ever waiting on a full pipe.
    if (pipe2(pipe_, O_CLOEXEC | O_NONBLOCK) != 0)
        return;
    writeEnd_ = pipe_[1];
    notifier_ = std::make_unique<QSocketNotifier>(pipe_[0], QSocketNotifier::Read);
    QObject::connect(notifier_.get(), &QSocketNotifier::activated, notifier_.get(), [this] { received(); });
    setHandler(&QuitSignals::handle);
}

// Once the program is past its exit, a late signal has nothing left to save.
QuitSignals::~QuitSignals()
{
    if (!notifier_)
        return;
    setHandler(SIG_IGN);
    writeEnd_ = -1;
    notifier_.reset();
    close(pipe_[0]);
    close(pipe_[1]);
}

void QuitSignals::handle(int)
{
    const int savedErrno = errno;
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = write(writeEnd_, &byte, 1);
    errno = savedErrno;
}

void QuitSignals::received()
{
    std::array<char, 64> bytes{};
    while (read(pipe_[0], bytes.data(), bytes.size()) > 0) {
    }
    quit_();
}
