#include "platform/FileLock.h"
#include "platform/SingleInstance.h"

#include "TestSupport.h"

#include <QSysInfo>
#include <QTest>

#include <gtest/gtest.h>

// Only a running holder keeps another out, whatever a lock file left behind by a crash holds.
TEST(FileLock, TakenWhenFreeRefusedWhileHeld)
{
    using Outcome = FileLock::Outcome;
    // clang-format off
    const std::tuple<const char *, QByteArray, Outcome> rows[] = {
        {"no lock file yet", {}, Outcome::Taken},
        {"a lock file of a dead process", "2147483646\ntarrow\n" + QSysInfo::machineHostName().toUtf8() + "\n",
         Outcome::Taken},
        {"held by a running holder", {}, Outcome::HeldElsewhere},
    };
    // clang-format on
    for (const auto &[name, left, outcome] : rows) {
        DataFolderFixture folder;
        if (!left.isEmpty())
            folder.write("tarrow.lock", left);
        FileLock running(folder.file("tarrow.lock"));
        if (outcome == Outcome::HeldElsewhere) {
            ASSERT_EQ(running.take(), Outcome::Taken) << name;
        }
        FileLock lock(folder.file("tarrow.lock"));
        EXPECT_EQ(lock.take(), outcome) << name;
    }
}

// Two instances on one data folder never run, whatever their runtime folders; two data folders run side by side.
TEST(SingleInstance, OneInstancePerDataFolderWhateverItsRuntimeFolder)
{
    using Claim = SingleInstance::Claim;
    DataFolderFixture runtime, otherRuntime, first, second;
    SingleInstance running(first.path(), runtime.path());
    ASSERT_EQ(running.acquire([] {}), Claim::Acquired);
    const std::tuple<const char *, QString, QString, Claim> rows[] = {
        // a second start's data and runtime folders
        {"same folders", first.path(), runtime.path(), Claim::AlreadyRunning},
        {"same data folder named otherwise", first.path() + "/.", runtime.path(), Claim::AlreadyRunning},
        {"same data folder, another runtime folder", first.path(), otherRuntime.path(), Claim::AlreadyRunning},
        {"another data folder", second.path(), runtime.path(), Claim::Acquired},
    };
    for (const auto &[name, data, runtimeFolder, claim] : rows) {
        SingleInstance start(data, runtimeFolder);
        EXPECT_EQ(start.acquire([] {}), claim) << name;
    }
}

namespace {

// What a program said on its standard error so far.
QByteArray said(QProcess &program, QByteArray &soFar)
{
    return soFar += errorOutput(program);
}

const QByteArray AlreadyRunning = "tarrow: The program is already running!\n";

} // namespace

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
    ASSERT_EQ(running.acquire([&] { ++showRequests; }), SingleInstance::Claim::Acquired);
    const QStringList names = data.names();

    QProcess second;
    startProgram(second, TARROW_EXECUTABLE, runtime.path(), data.path());
    ASSERT_TRUE(second.waitForStarted());
    EXPECT_TRUE(QTest::qWaitFor([&] { return showRequests == 1; }, 10000));
    // It says so and waits for the user to close its message; nothing else happens.
    QByteArray output;
    EXPECT_TRUE(QTest::qWaitFor([&] { return said(second, output).contains(AlreadyRunning); }, 10000));
    EXPECT_EQ(second.state(), QProcess::Running);
    second.kill();
    second.waitForFinished();

    EXPECT_EQ(data.read("calendar.dat"), calendar);
    EXPECT_EQ(data.read("notes.dat"), "[Note Left=1 Top=2 Color=Default]\r\nKeep\r\n");
    EXPECT_EQ(data.read("tarrow.ini"), "Mute=1\r\n");
    EXPECT_EQ(data.names(), names);
    qunsetenv("XDG_RUNTIME_DIR");
}
