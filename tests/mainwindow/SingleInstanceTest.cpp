#include "platform/SingleInstance.h"

#include "TestSupport.h"

#include <QProcess>
#include <QTest>

#include <gtest/gtest.h>

TEST(SingleInstance, OneInstancePerDataFolder)
{
    DataFolderFixture runtime;
    DataFolderFixture first;
    DataFolderFixture second;
    SingleInstance a(first.path(), runtime.path());
    SingleInstance sameFolder(first.path() + "/.", runtime.path());
    SingleInstance otherFolder(second.path(), runtime.path());
    EXPECT_TRUE(a.acquire([] {}));
    EXPECT_FALSE(sameFolder.acquire([] {}));
    EXPECT_TRUE(otherFolder.acquire([] {}));
}

TEST(SingleInstance, LockOfAnEndedInstanceIsFree)
{
    DataFolderFixture runtime;
    DataFolderFixture data;
    {
        SingleInstance ended(data.path(), runtime.path());
        ASSERT_TRUE(ended.acquire([] {}));
    }
    SingleInstance next(data.path(), runtime.path());
    EXPECT_TRUE(next.acquire([] {}));
}

// A real second start: it asks the running instance to show itself, says
// that the program is already running, and leaves every file as it was.
TEST(SingleInstance, SecondProgramRefusesAndTouchesNoFile)
{
    DataFolderFixture runtime;
    DataFolderFixture data;
    data.write("calendar.dat", "LastCheck=20200101\r\n\r\n[Event]\r\nTitle=Keep\r\nDate=00000101\r\n");
    data.write("notes.dat", "[Note Left=1 Top=2 Color=Default]\r\nKeep\r\n");
    data.write("tarrow.ini", "Mute=1\r\n");
    const QByteArray calendar = data.read("calendar.dat");

    qputenv("XDG_RUNTIME_DIR", runtime.path().toLocal8Bit());
    SingleInstance running(data.path());
    int showRequests = 0;
    ASSERT_TRUE(running.acquire([&] { ++showRequests; }));

    QProcess second;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("XDG_RUNTIME_DIR", runtime.path());
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    second.setProcessEnvironment(environment);
    second.start(TARROW_EXECUTABLE, {data.path()});
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
