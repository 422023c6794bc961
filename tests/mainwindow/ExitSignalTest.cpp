// A plain kill, a hang-up or Ctrl+C ends the real program through its exit, which saves every file.
#include "TestSupport.h"

#include <QDeadlineTimer>
#include <QScopeGuard>

#include <gtest/gtest.h>

#ifdef Q_OS_WIN
TEST(ExitSignal, EndsTheProgramThroughItsExitSaves)
{
    GTEST_SKIP() << "Windows has no quit signals; the end of the session reaches the program as a message instead";
}
#else
#include <csignal>
#include <poll.h>
#include <sys/inotify.h>
#include <unistd.h>

namespace {

// True when the kernel reports one of the events of mask on the file name to the inotify watch in time.
bool waitFor(int watch, const char *name, uint32_t mask, int timeoutMs)
{
    for (const QDeadlineTimer deadline(timeoutMs); !deadline.hasExpired();) {
        pollfd ready{watch, POLLIN, 0};
        if (poll(&ready, 1, int(deadline.remainingTime())) <= 0)
            continue;
        alignas(inotify_event) char buffer[4096];
        const ssize_t length = read(watch, buffer, sizeof buffer);
        for (ssize_t at = 0; at < length;) {
            const auto *event = reinterpret_cast<const inotify_event *>(buffer + at);
            if ((event->mask & mask) != 0 && event->len > 0 && qstrcmp(event->name, name) == 0)
                return true;
            at += ssize_t(sizeof(inotify_event) + event->len);
        }
    }
    return false;
}

} // namespace

TEST(ExitSignal, EndsTheProgramThroughItsExitSaves)
{
    const struct {
        const char *name;
        int signal;
        bool againWhileSaving;
    } rows[] = {{"SIGTERM", SIGTERM, false},
                {"SIGHUP", SIGHUP, false},
                {"SIGINT", SIGINT, false},
                {"SIGTERM, and again while saving", SIGTERM, true}};
    for (const auto &row : rows) {
        DataFolderFixture runtime, data;
        data.write("calendar.dat", "LastCheck=20200101\r\n\r\n[Event]\r\nTitle=Keep\r\nDate=00000101\r\n");
        data.write("notes.dat", "[Note Left=1 Top=2 Color=Default]\r\nKeep\r\n");
        data.write("tarrow.ini", "ConfirmExit=1\r\n"); // a question would leave the program waiting
        const int watch = inotify_init1(IN_CLOEXEC | IN_NONBLOCK);
        const auto closeWatch = qScopeGuard([watch] { close(watch); });
        inotify_add_watch(watch, QFile::encodeName(data.path()).constData(),
                          IN_CLOSE_NOWRITE | IN_CLOSE_WRITE | IN_MOVED_TO | IN_CREATE);
        QProcess program;
        startProgram(program, TARROW_EXECUTABLE, runtime.path(), data.path());
        // notes.dat is read last by the start-up tick; the signal is handled after it.
        ASSERT_TRUE(waitFor(watch, "notes.dat", IN_CLOSE_NOWRITE, 20000)) << row.name;
        kill(pid_t(program.processId()), row.signal);
        if (row.againWhileSaving) {
            EXPECT_TRUE(waitFor(watch, "tarrow.ini", IN_MOVED_TO | IN_CLOSE_WRITE | IN_CREATE, 10000));
            kill(pid_t(program.processId()), row.signal);
        }
        ASSERT_TRUE(program.waitForFinished(10000)) << row.name;
        EXPECT_EQ(std::pair(program.exitStatus(), program.exitCode()), std::pair(QProcess::NormalExit, 0)) << row.name;
        const QByteArray lastCheck = "LastCheck=" + QDate::currentDate().toString("yyyyMMdd").toLatin1();
        EXPECT_TRUE(data.read("calendar.dat").startsWith(lastCheck + "\r\n\r\n[Event]\r\nTitle=Keep\r\n")) << row.name;
        EXPECT_TRUE(data.read("notes.dat").contains("Keep")) << row.name;
        EXPECT_TRUE(data.read("tarrow.ini").contains("Autostart=0")) << row.name; // written whole
    }
}
#endif
