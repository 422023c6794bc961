#include "eventdata/AtomicFile.h"
#include "eventdata/CalendarFile.h"
#include "eventdata/DataFile.h"
#include "eventdata/DataFolder.h"
#include "eventdata/EventTable.h"
#include "TestSupport.h"

#include <QFileInfo>
#include <QProcess>
#include <QRandomGenerator>
#include <QStandardPaths>
#include <QTest>

#include <gtest/gtest.h>

#ifdef Q_OS_WIN
#include <windows.h>
#else
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

class FileFaultTest : public ::testing::Test {
protected:
    DataFolderFixture folder;
    RecordingReporter reporter;
    FakeClock clock{QDate(2026, 12, 6)};
    EventTable table;
    QString lastCheck;

    bool load() { return CalendarFile(folder.path(), reporter, clock).loadCalendar(table, lastCheck); }
};

// The save child's exit code and output, run as given.
int runChild(const QString &program, const QStringList &arguments, QByteArray &output)
{
    QProcess child;
    child.start(program, arguments);
    if (!child.waitForFinished(10000) || child.exitStatus() != QProcess::NormalExit)
        return -1;
    output = child.readAllStandardOutput();
    return child.exitCode();
}

// Another program, a separate process, writes calendar.dat.
void otherProgramWrites(const QString &folder, const QByteArray &bytes, const QString &mode = QStringLiteral("write"))
{
    QByteArray output;
    ASSERT_EQ(runChild(QStringLiteral(SAVE_CHILD), {mode, folder, QString::fromLatin1(bytes)}, output), 0);
}

const FileErrorReport Changed{"calendar.dat", "changed", FileError::None, "calendar.dat.bak"};

} // namespace

TEST_F(FileFaultTest, SaveKilledAtAnyPointLeavesOneWholeFile)
{
    for (int round = 0; round < 8; ++round) {
        QProcess child;
#ifdef Q_OS_WIN
        // No console of its own: Wine leaves a killed program's console host running, and it holds the test's output.
        child.setCreateProcessArgumentsModifier([](QProcess::CreateProcessArguments *arguments) {
            arguments->flags = (arguments->flags & ~DWORD(CREATE_NO_WINDOW)) | DETACHED_PROCESS;
        });
#endif
        child.start(QStringLiteral(SAVE_CHILD), {QStringLiteral("loop"), folder.path()});
        ASSERT_TRUE(child.waitForStarted());
        QTest::qWait(20 + QRandomGenerator::global()->bounded(200)); // somewhere in a save
        child.kill(); // SIGKILL, or on Windows its like: no chance to tidy up
        child.waitForFinished();
        // What the killed save left is what the next start, once it holds the lock, removes.
        folder.write("tarrow.lock", {});
        removeStaleTemporaryFiles(folder.path());
        ASSERT_TRUE(QFile::remove(folder.file("tarrow.lock")));
        EXPECT_EQ(folder.names(), folder.exists("calendar.dat") ? QStringList{"calendar.dat"} : QStringList());
        if (!folder.exists("calendar.dat"))
            continue; // killed before the first save was done
        reporter.reports.clear();
        ASSERT_TRUE(load()) << "round " << round;
        EXPECT_TRUE(table.size() == 3 || table.size() == EventTable::Capacity) << table.size();
        EXPECT_TRUE(reporter.reports.empty());
    }
}

// Which files are a killed save's is the data folder's own test; here the program's start removes them.
TEST_F(FileFaultTest, StartRemovesWhatAKilledSaveLeft)
{
    const QString left = "calendar.dat" + temporarySaveMarker() + "aB3xYz";
    folder.write(left, "LastCheck=2026");
    DataFolderFixture runtime;
    QProcess program;
    startProgram(program, TARROW_PROGRAM, runtime.path(), folder.path());
    EXPECT_TRUE(QTest::qWaitFor([&] { return !folder.exists(left); }, 20000));
    program.kill();
    program.waitForFinished();
}

TEST_F(FileFaultTest, RefusedAccessIsReportedEvenForRoot)
{
#ifdef Q_OS_WIN
    GTEST_SKIP() << "user namespaces are Linux's; a folder's POSIX mode means nothing on Windows";
#endif
    // A user namespace takes root's rights over files it does not own.
    if (QStandardPaths::findExecutable(QStringLiteral("unshare")).isEmpty())
        GTEST_SKIP() << "no unshare";
    using P = QFileDevice;
    const std::pair<QFileDevice::Permissions, QByteArray> rows[] = {
        // the folder's mode, the file (empty: none)
        {P::ReadOwner | P::ExeOwner | P::ReadOther | P::ExeOther, {}},
        {P::ReadOwner | P::WriteOwner | P::ExeOwner, "LastCheck=20261205\r\n"},
    };
    for (const auto &[mode, existing] : rows) {
        DataFolderFixture rowFolder;
        if (!existing.isEmpty()) {
            rowFolder.write("calendar.dat", existing);
            QFile::setPermissions(rowFolder.file("calendar.dat"), P::ReadOwner | P::ReadOther);
        }
        QFile::setPermissions(rowFolder.path(), mode);
        QByteArray output;
        const int exitCode = runChild("unshare", {"--user", SAVE_CHILD, "once", rowFolder.path()}, output);
        QFile::setPermissions(rowFolder.path(), P::ReadOwner | P::WriteOwner | P::ExeOwner);
        if (exitCode == 0 && output.isEmpty())
            GTEST_SKIP() << "user namespaces keep root's rights here";
        EXPECT_EQ(output, "calendar.dat writing 70\n");
        EXPECT_EQ(rowFolder.read("calendar.dat"), existing);
    }
}

// Another user, in a process of its own, puts a link to a file of the user's where calendar.dat belongs: in a sticky
// folder open to all before the first save, or in a folder open to all at any time. Nothing is read, copied or
// written through it.
TEST_F(FileFaultTest, AnotherUsersLinkIsNeitherReadNorWrittenThrough)
{
#ifdef Q_OS_WIN
    GTEST_SKIP() << "Windows has no sticky folders, and links need a privilege users lack";
#else
    const QString setpriv = QStandardPaths::findExecutable(QStringLiteral("setpriv"));
    if (::geteuid() != 0 || setpriv.isEmpty())
        GTEST_SKIP() << "only root can start a process as a second user (setpriv)";
    const QByteArray usersFile = "LastCheck=20261205\r\n\r\n[Event]\r\nTitle=Chosen by another\r\nDate=00000101\r\n";
    folder.write("own file", usersFile);
    for (const auto &[name, mode] : {std::pair("sticky folder open to all", 01777), {"folder open to all", 0777}}) {
        SCOPED_TRACE(name);
        DataFolderFixture shared;
        ASSERT_EQ(::chmod(QFile::encodeName(shared.path()).constData(), mode_t(mode)), 0);
        QByteArray output;
        ASSERT_EQ(runChild(setpriv,
                           {"--reuid=65534", "--regid=65534", "--clear-groups", "ln", "-s", folder.file("own file"),
                            shared.file("calendar.dat")},
                           output),
                  0);
        reporter.reports.clear();
        EXPECT_FALSE(CalendarFile(shared.path(), reporter, clock).loadCalendar(table, lastCheck));
        EXPECT_EQ(reporter.reports, (Reports{{"calendar.dat", "reading", FileError::PermissionDenied}}));
        EXPECT_EQ(table.size(), 0);
        EXPECT_EQ(runChild(QStringLiteral(SAVE_CHILD), {"once", shared.path()}, output), 1);
        EXPECT_EQ(output, "calendar.dat writing 70\n");
        EXPECT_EQ(folder.read("own file"), usersFile);
        EXPECT_EQ(shared.names(), QStringList{"calendar.dat"}); // no copy, no temporary
        EXPECT_EQ(folder.names(), QStringList{"own file"});
    }
#endif
}

TEST_F(FileFaultTest, HugeFileIsMovedAsideWithoutBeingReadWhole)
{
    folder.write("calendar.dat", "LastCheck=20261205\r\n\r\n[Event]\r\nTitle=");
    ASSERT_TRUE(QFile::resize(folder.file("calendar.dat"), 100LL * 1024 * 1024)); // sparse: 100 MB, no disk used
    EXPECT_FALSE(load());
    EXPECT_EQ(reporter.reports, (Reports{{"calendar.dat", "reading", FileError::FileTooLarge, "calendar.dat.bak"}}));
    EXPECT_EQ(table.size(), 0);
    // Too large to copy: it moved aside whole.
    EXPECT_EQ(QFileInfo(folder.file("calendar.dat.bak")).size(), 100LL * 1024 * 1024);
    EXPECT_FALSE(folder.exists("calendar.dat"));
}

TEST_F(FileFaultTest, FileChangedByAnotherProgramIsKeptBeforeItIsReplaced)
{
    const QByteArray ours = "LastCheck=20261206\r\n";
    const QByteArray longer = "LastCheck=20261201\r\n\r\n[Event]\r\nTitle=Theirs\r\nDate=00000101\r\n";
    const QByteArray sameSize = "LastCheck=20261201\r\n";
    const std::tuple<const char *, QString, QByteArray> rows[] = {
        // how another program changed it, what is kept
        {"untouched", "", {}},
        {"rewritten", "write", longer},
        {"rewritten, its time kept", "rewrite", longer},
        {"rewritten to the same size", "write", sameSize},
        {"touched only", "touch", {}},
        {"removed", "remove", {}},
    };
    for (const auto &[name, change, kept] : rows) {
        SCOPED_TRACE(name);
        DataFolderFixture rowFolder;
        reporter.reports.clear();
        CalendarFile file(rowFolder.path(), reporter, clock);
        ASSERT_TRUE(file.saveCalendar(table));
        QFile onDisk(rowFolder.file("calendar.dat"));
        const QDateTime later = QDateTime::currentDateTime().addSecs(3600);
        if (change == "touch")
            ASSERT_TRUE(onDisk.open(QIODevice::ReadWrite) && onDisk.setFileTime(later, QFile::FileModificationTime));
        else if (change == "remove")
            ASSERT_TRUE(onDisk.remove());
        else if (!change.isEmpty())
            otherProgramWrites(rowFolder.path(), kept, change);
        onDisk.close();
        ASSERT_TRUE(file.saveCalendar(table));
        ASSERT_TRUE(file.saveCalendar(table)); // the conflict is told once
        EXPECT_EQ(rowFolder.read("calendar.dat"), ours);
        EXPECT_EQ(rowFolder.read("calendar.dat.bak"), kept);
        EXPECT_EQ(reporter.reports, kept.isEmpty() ? Reports() : Reports{Changed});
    }
    // A file missing at the load that appeared since is another program's
    // too, and so is one whose folder appeared after the load.
    for (const QString &path : {folder.path(), folder.file("later")}) {
        CalendarFile file(path, reporter, clock);
        EXPECT_FALSE(file.loadCalendar(table, lastCheck));
        QDir().mkpath(path);
        otherProgramWrites(path, longer);
        ASSERT_TRUE(file.saveCalendar(table));
        EXPECT_EQ(reporter.reports.back(), Changed) << path.toStdString();
    }
}

TEST_F(FileFaultTest, FullFileSystemReportsDiskFullAndKeepsTheOldFile)
{
#ifdef Q_OS_WIN
    GTEST_SKIP() << "the tiny file system is a tmpfs in a Linux mount namespace";
#endif
    // A tiny file system of its own, in a mount namespace of the test's own.
    const QString script = QStringLiteral("mount -t tmpfs -o size=16k tmpfs \"$1\" || exit 77\n"
                                          "printf 'LastCheck=20261205\\r\\n' > \"$1/calendar.dat\"\n"
                                          "\"$2\" once \"$1\"; echo \"exit $?\"; cat \"$1/calendar.dat\"; ls \"$1\"\n");
    QByteArray output;
    const int exitCode = runChild(
        "unshare", {"--mount", "--map-root-user", "sh", "-c", script, "sh", folder.path(), SAVE_CHILD}, output);
    if (exitCode < 0 || exitCode == 77 || output.isEmpty())
        GTEST_SKIP() << "no private mounts here";
    EXPECT_EQ(output, "calendar.dat writing 61\nexit 1\nLastCheck=20261205\r\ncalendar.dat\n");
}
