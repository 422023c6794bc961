#include "platform/SingleInstance.h"

#include "TestSupport.h"

#include <QSysInfo>
#include <QTest>

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

namespace {

// Makes a folder (or, with mode -1, a file) with this mode, owned by uid unless uid is -1.
void makeEntry(const QString &path, int mode, int uid)
{
    const QByteArray name = QFile::encodeName(path);
    if (mode < 0) {
        QFile(path).open(QIODevice::WriteOnly);
        return;
    }
    QDir().mkpath(path);
    chmod(name.constData(), mode_t(mode));
    if (uid >= 0) {
        ASSERT_EQ(chown(name.constData(), uid_t(uid), gid_t(uid)), 0);
    }
}

int modeOf(const QString &path)
{
    struct stat info {};
    return stat(QFile::encodeName(path).constData(), &info) == 0 ? int(info.st_mode & 07777) : -1;
}

constexpr int Own = -1;
constexpr int Nobody = 65534;

} // namespace

// The lock and the socket go only where no one else may enter.
TEST(SingleInstance, FolderIsTheUsersOwnAndClosedToOthers)
{
    // A mode of 0: no runtime folder given, or no fallback folder; -1: a file. Chosen: "runtime", "fallback" or "".
    const struct { const char *name; int runtimeMode, runtimeOwner, fallbackMode, fallbackOwner; const char *chosen; }
        rows[] = {
        {"runtime folder 0700", 0700, Own, 0, Own, "runtime"},
        {"runtime folder open to the group", 0710, Own, 0, Own, "fallback"},
        {"runtime folder open to all", 0777, Own, 0, Own, "fallback"},
        {"runtime folder closed to its owner", 0600, Own, 0, Own, "fallback"},
        {"runtime folder of another user", 0700, Nobody, 0, Own, "fallback"},
        {"runtime path a file", -1, Own, 0, Own, "fallback"},
        {"no runtime folder", 0, Own, 0, Own, "fallback"},
        {"own fallback too open", 0, Own, 0755, Own, "fallback"},
        {"fallback of another user", 0, Own, 0700, Nobody, ""},
    };
    for (const auto &row : rows) {
        const bool needsRoot = row.runtimeOwner == Nobody || row.fallbackOwner == Nobody;
        if (needsRoot && geteuid() != 0)
            continue; // only root can give a folder away
        DataFolderFixture base;
        const QString runtime = base.file("run");
        const QString fallback = base.file("cache/tarrowby");
        if (row.runtimeMode != 0)
            makeEntry(runtime, row.runtimeMode, row.runtimeOwner);
        if (row.fallbackMode != 0)
            makeEntry(fallback, row.fallbackMode, row.fallbackOwner);
        const QString expected = QString(row.chosen) == "runtime" ? runtime : row.chosen[0] ? fallback : QString();
        EXPECT_EQ(SingleInstance::privateFolder(row.runtimeMode != 0 ? runtime : QString(), fallback), expected)
            << row.name;
        if (expected == fallback) {
            EXPECT_EQ(modeOf(fallback), 0700) << row.name;
        }
    }
}

// Only a running instance keeps another out, whatever a lock file holds.
TEST(SingleInstance, LeftoverLockFileNeverBlocksAStart)
{
    const std::pair<const char *, QByteArray> rows[] = {
        {"empty", ""}, {"foreign", "not a lock of ours\n"},
        {"of a dead process", "2147483646\ntarrow\n" + QSysInfo::machineHostName().toUtf8() + "\n"}};
    for (const auto &[name, contents] : rows) {
        DataFolderFixture runtime, data;
        QString lockName;
        {
            SingleInstance ended(data.path(), runtime.path());
            ASSERT_TRUE(ended.acquire([] {}));
            const QStringList locks = QDir(runtime.path()).entryList({"*.lock"}, QDir::Files | QDir::Hidden);
            ASSERT_EQ(locks.size(), 1);
            lockName = locks[0];
        }
        runtime.write(lockName, contents);
        ASSERT_EQ(runtime.read(lockName), contents);
        EXPECT_TRUE(SingleInstance(data.path(), runtime.path()).acquire([] {})) << name;
    }
}

TEST(SingleInstance, OneInstancePerDataFolder)
{
    DataFolderFixture runtime, first, second;
    SingleInstance a(first.path(), runtime.path());
    SingleInstance sameFolder(first.path() + "/.", runtime.path());
    SingleInstance otherFolder(second.path(), runtime.path());
    EXPECT_TRUE(a.acquire([] {}));
    EXPECT_FALSE(sameFolder.acquire([] {}));
    EXPECT_TRUE(otherFolder.acquire([] {}));
}

// A real second start: it asks the running instance to show itself, says
// that the program is already running, and leaves every file as it was.
TEST(SingleInstance, SecondProgramRefusesAndTouchesNoFile)
{
    DataFolderFixture runtime, data;
    data.write("calendar.dat", "LastCheck=20200101\r\n\r\n[Event]\r\nTitle=Keep\r\nDate=00000101\r\n");
    data.write("notes.dat", "[Note Left=1 Top=2 Color=Default]\r\nKeep\r\n");
    data.write("tarrow.ini", "Mute=1\r\n");
    const QByteArray calendar = data.read("calendar.dat");

    qputenv("XDG_RUNTIME_DIR", runtime.path().toLocal8Bit());
    SingleInstance running(data.path());
    int showRequests = 0;
    ASSERT_TRUE(running.acquire([&] { ++showRequests; }));

    QProcess second;
    startProgram(second, TARROW_EXECUTABLE, runtime.path(), data.path());
    ASSERT_TRUE(second.waitForStarted());
    EXPECT_TRUE(QTest::qWaitFor([&] { return showRequests == 1; }, 10000));
    // It now waits for the user to close its message; nothing else happens.
    QTest::qWait(500);
    EXPECT_EQ(second.state(), QProcess::Running);
    second.kill();
    second.waitForFinished();

    EXPECT_EQ(data.read("calendar.dat"), calendar);
    EXPECT_EQ(data.read("notes.dat"), "[Note Left=1 Top=2 Color=Default]\r\nKeep\r\n");
    EXPECT_EQ(data.read("tarrow.ini"), "Mute=1\r\n");
    EXPECT_EQ(QDir(data.path()).entryList(QDir::Files).size(), 3);
    qunsetenv("XDG_RUNTIME_DIR");
}
