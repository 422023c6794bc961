// A plain kill, a hang-up or Ctrl+C ends the real program through its exit:
// the settings, the notes and the calendar are saved.
#include "TestSupport.h"

#include <QDeadlineTimer>
#include <QProcess>

#include <gtest/gtest.h>

#include <csignal>
#include <poll.h>
#include <sys/inotify.h>
#include <unistd.h>

namespace {

// What the kernel reports about the files of one folder.
class FolderWatch {
public:
    explicit FolderWatch(const QString &folder) : fd_(inotify_init1(IN_CLOEXEC | IN_NONBLOCK))
    {
        inotify_add_watch(fd_, QFile::encodeName(folder).constData(),
                          IN_CLOSE_NOWRITE | IN_CLOSE_WRITE | IN_MOVED_TO | IN_CREATE);
    }
    ~FolderWatch() { close(fd_); }
    FolderWatch(const FolderWatch &) = delete;
    FolderWatch &operator=(const FolderWatch &) = delete;

    // True when the file name saw one of the events of mask in time.
    bool waitFor(const char *name, uint32_t mask, int timeoutMs) const
    {
        const QDeadlineTimer deadline(timeoutMs);
        while (!deadline.hasExpired()) {
            pollfd ready{fd_, POLLIN, 0};
            if (poll(&ready, 1, int(deadline.remainingTime())) <= 0)
                continue;
            alignas(inotify_event) char buffer[4096];
            const ssize_t length = read(fd_, buffer, sizeof buffer);
            for (ssize_t at = 0; at < length;) {
                const auto *event = reinterpret_cast<const inotify_event *>(buffer + at);
                if ((event->mask & mask) != 0 && event->len > 0 && qstrcmp(event->name, name) == 0)
                    return true;
                at += ssize_t(sizeof(inotify_event) + event->len);
            }
        }
        return false;
    }

private:
    int fd_;
};

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
        DataFolderFixture runtime;
        DataFolderFixture data;
        data.write("calendar.dat", "LastCheck=20200101\r\n\r\n[Event]\r\nTitle=Keep\r\nDate=00000101\r\n");
        data.write("notes.dat", "[Note Left=1 Top=2 Color=Default]\r\nKeep\r\n");
        data.write("tarrow.ini", "ConfirmExit=1\r\n"); // a question would leave the program waiting
        const FolderWatch watch(data.path());

        QProcess program;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("XDG_RUNTIME_DIR", runtime.path());
        environment.insert("QT_QPA_PLATFORM", "offscreen");
        program.setProcessEnvironment(environment);
        program.start(TARROW_EXECUTABLE, {data.path()});
        // notes.dat is read last by the start-up tick; the signal is handled after it.
        ASSERT_TRUE(watch.waitFor("notes.dat", IN_CLOSE_NOWRITE, 20000)) << row.name;
        kill(pid_t(program.processId()), row.signal);
        if (row.againWhileSaving) {
            EXPECT_TRUE(watch.waitFor("tarrow.ini", IN_MOVED_TO | IN_CLOSE_WRITE | IN_CREATE, 10000));
            kill(pid_t(program.processId()), row.signal);
        }
        ASSERT_TRUE(program.waitForFinished(10000)) << row.name;
        EXPECT_EQ(program.exitStatus(), QProcess::NormalExit) << row.name;
        EXPECT_EQ(program.exitCode(), 0) << row.name;

        const QByteArray lastCheck = "LastCheck=" + QDate::currentDate().toString("yyyyMMdd").toLatin1();
        EXPECT_TRUE(data.read("calendar.dat").startsWith(lastCheck)) << row.name;
        EXPECT_TRUE(data.read("calendar.dat").contains("Title=Keep")) << row.name;
        EXPECT_TRUE(data.read("notes.dat").contains("Keep")) << row.name;
        EXPECT_TRUE(data.read("tarrow.ini").contains("Autostart=0")) << row.name; // written whole
    }
}
