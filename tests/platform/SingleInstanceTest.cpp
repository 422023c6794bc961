#include "platform/FileLock.h"
#include "platform/SingleInstance.h"

#include "ScopedEnvironment.h"
#include "TestSupport.h"

#include <QLocalSocket>
#include <QSysInfo>
#include <QTest>

#include <gtest/gtest.h>

#ifdef Q_OS_WIN
#include <windows.h>
#else
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
#endif

// The lock and the socket go only where no one else may enter.
TEST(SingleInstance, FolderIsTheUsersOwnAndClosedToOthers)
{
#ifdef Q_OS_WIN
    GTEST_SKIP() << "POSIX modes and owners mean nothing on Windows, where the per-user folder's access list closes it";
#else
    // A mode of 0: no runtime folder given, or no fallback folder; -1: a file. Chosen: "runtime", "fallback" or "".
    const struct {
        const char *name;
        int runtimeMode, runtimeOwner, fallbackMode, fallbackOwner;
        const char *chosen;
    }
    // clang-format off
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
        // clang-format on
    }
#endif
}

// Only a running holder keeps another out, whatever a lock file holds; a lock file that cannot be made says why.
TEST(FileLock, TakenWhenFreeRefusedWhileHeldAndNeverThroughALink)
{
    using Outcome = FileLock::Outcome;
    const QString reason = "The lock file %1 cannot be made (%2).";
#ifdef Q_OS_WIN // no links users may make, no FIFOs; the system's own words for a missing folder
    const QByteArray noFolder = qt_error_string(ERROR_PATH_NOT_FOUND).toUtf8();
    const char *const NoFolder = noFolder.constData();
#else
    const char *const NoFolder = "No such file or directory";
#endif
    // clang-format off
    const std::tuple<const char *, std::function<void(const QString &path)>, Outcome, const char *> rows[] = {
        {"no lock file yet", [](const QString &) {}, Outcome::Taken, ""},
        {"a lock file left empty", [](const QString &path) { QFile(path).open(QIODevice::WriteOnly); }, Outcome::Taken,
         ""},
        {"a lock file of a dead process",
         [](const QString &path) {
             QFile file(path);
             file.open(QIODevice::WriteOnly);
             file.write("2147483646\ntarrow\n" + QSysInfo::machineHostName().toUtf8() + "\n");
         },
         Outcome::Taken, ""},
        {"held by a running holder", [](const QString &) {}, Outcome::HeldElsewhere, ""},
        {"a folder", [](const QString &path) { QDir().mkdir(path); }, Outcome::Failed, "it is a folder"},
        {"a folder that is not there", [](const QString &) {}, Outcome::FolderUnwritable, NoFolder},
#ifndef Q_OS_WIN
        {"a link to nothing", [](const QString &path) { QFile::link(path + ".missing", path); }, Outcome::Failed,
         "it is a symbolic link"},
        {"a link to a file",
         [](const QString &path) {
             QFile(path + ".real").open(QIODevice::WriteOnly);
             QFile::link(path + ".real", path);
         },
         Outcome::Failed, "it is a symbolic link"},
        {"a FIFO", [](const QString &path) { mkfifo(QFile::encodeName(path).constData(), 0600); }, Outcome::Failed,
         "it is not a regular file"},
        {"a file where the folder belongs", [](const QString &) {}, Outcome::Failed, "Not a directory"},
#endif
    };
    // clang-format on
    for (const auto &[name, make, outcome, why] : rows) {
        SCOPED_TRACE(name);
        DataFolderFixture folder;
        folder.write("a file", {});
        const QString path = folder.file(QString(name) == "a folder that is not there" ? "not there/tarrow.lock"
                                         : QString(why) == "Not a directory"           ? "a file/tarrow.lock"
                                                                                       : "tarrow.lock");
        make(path);
        const QDateTime before = QDateTime::currentDateTime().addSecs(-3600);
        QFile left(path);
        if (!QFileInfo(path).isSymLink() && QFileInfo(path).isFile() && left.open(QIODevice::ReadWrite)) {
            ASSERT_TRUE(left.setFileTime(before, QFileDevice::FileModificationTime));
        }
        FileLock running(path);
        if (outcome == Outcome::HeldElsewhere) {
            ASSERT_EQ(running.take(), Outcome::Taken);
        }
        FileLock lock(path);
        EXPECT_EQ(lock.take(), outcome);
        EXPECT_EQ(lock.failure(), why[0] ? reason.arg(QDir::toNativeSeparators(path), why) : QString());
        if (outcome == Outcome::Taken) { // taking it tells when the holder started
            EXPECT_GT(QFileInfo(path).lastModified(), before);
        }
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

// A lock that cannot be made is no running program: the start fails and says why.
TEST(SingleInstance, ALockThatCannotBeMadeFailsWithItsReason)
{
#ifdef Q_OS_WIN
    GTEST_SKIP() << "the broken lock files are links, which users cannot make on Windows";
#endif
    using Claim = SingleInstance::Claim;
    // Which lock file is a link to nothing.
    // clang-format off
    const struct { const char *name; const char *dangling; Claim claim; } rows[] = {
        {"the data folder's lock", "data", Claim::Failed},
        {"the runtime folder's lock", "runtime", Claim::Failed},
        {"neither", "", Claim::Acquired},
    };
    // clang-format on
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        DataFolderFixture runtime, data;
        QString runtimeLock;
        {
            SingleInstance ended(data.path(), runtime.path());
            ASSERT_EQ(ended.acquire([] {}), Claim::Acquired);
            runtimeLock = runtime.file(QDir(runtime.path()).entryList({"*.lock"}).value(0));
        }
        QString expected;
        if (row.dangling[0]) {
            const QString dangling = QString(row.dangling) == "data" ? data.file("tarrow.lock") : runtimeLock;
            ASSERT_TRUE(QFile::remove(dangling) && QFile::link(dangling + ".missing", dangling));
            FileLock sameFile(dangling);
            sameFile.take();
            expected = sameFile.failure();
        }
        SingleInstance start(data.path(), runtime.path());
        EXPECT_EQ(start.acquire([] {}), row.claim);
        EXPECT_EQ(start.failure(), expected);
    }
}

TEST(SingleInstance, WithoutAPrivateFolderThereIsNoLockToMake)
{
#ifdef Q_OS_WIN
    GTEST_SKIP() << "the XDG folders mean nothing on Windows";
#endif
    DataFolderFixture data, base;
    base.write("not a folder", {});
    const ScopedEnvironment noRuntime("XDG_RUNTIME_DIR", {});
    const ScopedEnvironment cache("XDG_CACHE_HOME", QFile::encodeName(base.file("not a folder")));
    SingleInstance start(data.path());
    EXPECT_EQ(start.acquire([] {}), SingleInstance::Claim::Failed);
    EXPECT_TRUE(start.failure().startsWith("There is no private folder for the lock")) << start.failure().toStdString();
}

namespace {

// Asked through the socket beside its lock; on Windows the socket is a pipe, no file.
bool listens(const QString &runtimeFolder)
{
    const QDir folder(runtimeFolder);
    for (const QString &lock : folder.entryList({"*.lock"})) {
        QLocalSocket socket;
        socket.connectToServer(folder.filePath(lock.chopped(5) + ".socket"));
        if (socket.waitForConnected(1000))
            return true;
    }
    return false;
}

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

// Two starts at once on one data folder, each with a runtime folder of its own (another session, sudo -u, cron): one
// runs, the other says that the program is already running.
TEST(SingleInstance, OneOfTwoStartsOnOneDataFolderRunsWhateverTheirRuntimeFolders)
{
    DataFolderFixture data;
    for (int round = 0; round < 10; ++round) {
        SCOPED_TRACE(round);
        DataFolderFixture runtimes[2];
        QProcess programs[2];
        QByteArray output[2];
        for (int i = 0; i < 2; ++i)
            startProgram(programs[i], TARROW_EXECUTABLE, runtimes[i].path(), data.path());
        const auto refusals = [&] {
            return int(said(programs[0], output[0]).contains(AlreadyRunning))
                   + int(said(programs[1], output[1]).contains(AlreadyRunning));
        };
        ASSERT_TRUE(QTest::qWaitFor([&] { return refusals() > 0; }, 20000));
        const int running = output[0].contains(AlreadyRunning) ? 1 : 0;
        EXPECT_TRUE(QTest::qWaitFor([&] { return listens(runtimes[running].path()); }, 20000));
        EXPECT_EQ(refusals(), 1);
        for (QProcess &program : programs) {
            program.kill();
            program.waitForFinished();
        }
    }
}

namespace {

// The program started on a data folder that an ended start left its locks beside; it is ended with the test.
class ProgramStart : public ::testing::Test {
protected:
    void SetUp() override
    {
#ifdef Q_OS_WIN
        GTEST_SKIP() << "the broken lock file is a link and the read-only folder needs a user namespace: Linux only";
#endif
        SingleInstance ended(data.path(), runtime.path());
        ASSERT_EQ(ended.acquire([] {}), SingleInstance::Claim::Acquired);
        runtimeLock = runtime.file(QDir(runtime.path()).entryList({"*.lock"}).value(0));
    }
    void TearDown() override
    {
        program.kill();
        program.waitForFinished();
        QFile::setPermissions(data.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    }
    // Runs command and waits until the program listens, says why it cannot, or ends; what it said from "tarrow: " on.
    QByteArray startAndSettle(const QStringList &command)
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("XDG_RUNTIME_DIR", runtime.path());
        environment.insert("QT_QPA_PLATFORM", "offscreen");
        program.setProcessEnvironment(environment);
        program.start(command.first(), command.mid(1));
        const auto settled = [&] {
            return listens(runtime.path()) || said(program, output).contains("tarrow: ")
                   || program.state() == QProcess::NotRunning;
        };
        EXPECT_TRUE(QTest::qWaitFor(settled, 20000));
        const qsizetype told = said(program, output).indexOf("tarrow: ");
        return told < 0 ? QByteArray() : output.mid(told);
    }

    DataFolderFixture runtime, data;
    QString runtimeLock;
    QProcess program;
    QByteArray output;
};

} // namespace

TEST_F(ProgramStart, SaysWhyALockCannotBeMade)
{
    ASSERT_TRUE(QFile::remove(runtimeLock) && QFile::link(runtimeLock + ".missing", runtimeLock));
    FileLock sameFile(runtimeLock);
    sameFile.take();
    EXPECT_EQ(startAndSettle({TARROW_EXECUTABLE, data.path()}), "tarrow: " + sameFile.failure().toLocal8Bit() + "\n");
    EXPECT_EQ(program.state(), QProcess::Running); // the message waits for the user
}

// A data folder that takes no new file (read-only to a user whose root rights stay outside a user namespace) needs no
// lock, as nothing can be saved there.
TEST_F(ProgramStart, RunsOnAReadOnlyDataFolderWithoutALock)
{
    ASSERT_TRUE(QFile::remove(data.file("tarrow.lock")));
    ASSERT_TRUE(QFile::setPermissions(data.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner));
    const QByteArray told = startAndSettle({"unshare", "--user", TARROW_EXECUTABLE, data.path()});
    if (program.state() == QProcess::NotRunning)
        GTEST_SKIP() << "no user namespaces here: " << output.toStdString();
    EXPECT_EQ(told, QByteArray());
    EXPECT_EQ(program.state(), QProcess::Running);
    EXPECT_FALSE(data.exists("tarrow.lock"));
}

// The export only reads the data folder, so it takes no lock and runs beside the program.
TEST(SingleInstance, ExportRunsBesideTheRunningProgram)
{
    DataFolderFixture runtime, data;
    SingleInstance running(data.path(), runtime.path());
    ASSERT_EQ(running.acquire([] {}), SingleInstance::Claim::Acquired);
    QProcess exporter;
    exporter.start(TARROW_EXECUTABLE, {"--export", data.file("events.ics"), data.path()});
    ASSERT_TRUE(exporter.waitForFinished(30000));
    EXPECT_EQ(std::pair(exporter.exitCode(), errorOutput(exporter)), std::pair(0, QByteArray()));
    EXPECT_TRUE(data.exists("events.ics"));
}
