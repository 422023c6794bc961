#include "eventdata/CalendarFile.h"
#include "eventdata/DataFile.h"
#include "eventdata/EventTable.h"
#include "notes/NotesFile.h"
#include "TestSupport.h"

#include <QFileInfo>
#include <QProcess>
#include <QRandomGenerator>
#include <QStandardPaths>
#include <QTest>

#include <gtest/gtest.h>

#include <csignal>
#include <functional>
#include <memory>

namespace {

class FileFaultTest : public ::testing::Test {
protected:
    DataFolderFixture folder;
    RecordingReporter reporter;
    FakeClock clock{QDate(2026, 12, 6)};
    std::unique_ptr<EventTable> table = std::make_unique<EventTable>();

    bool load()
    {
        QString lastCheck;
        return CalendarFile(folder.path(), reporter, clock).loadCalendar(*table, lastCheck);
    }
};

} // namespace

TEST_F(FileFaultTest, SaveKilledAtAnyPointLeavesOneWholeFile)
{
    for (int round = 0; round < 8; ++round) {
        QProcess child;
        child.start(QStringLiteral(SAVE_CHILD), {QStringLiteral("loop"), folder.path()});
        ASSERT_TRUE(child.waitForStarted());
        QTest::qWait(20 + QRandomGenerator::global()->bounded(200)); // somewhere in a save
        ::kill(static_cast<pid_t>(child.processId()), SIGKILL);
        child.waitForFinished();
        if (!folder.exists("calendar.dat"))
            continue; // killed before the first save was done
        table = std::make_unique<EventTable>();
        reporter.reports.clear();
        ASSERT_TRUE(load()) << "round " << round;
        EXPECT_TRUE(table->size() == 3 || table->size() == EventTable::Capacity) << table->size();
        EXPECT_TRUE(reporter.reports.empty());
    }
}

TEST_F(FileFaultTest, RefusedAccessIsReportedEvenForRoot)
{
    // A user namespace takes root's rights over files it does not own.
    if (QStandardPaths::findExecutable(QStringLiteral("unshare")).isEmpty())
        GTEST_SKIP() << "no unshare";
    using P = QFileDevice;
    const struct {
        const char *name;
        QFileDevice::Permissions folder;
        QByteArray existing; // empty: no file
    } rows[] = {
        {"read-only folder", P::ReadOwner | P::ExeOwner | P::ReadOther | P::ExeOther, {}},
        {"read-only file", P::ReadOwner | P::WriteOwner | P::ExeOwner, "LastCheck=20261205\r\n"},
    };
    for (const auto &row : rows) {
        DataFolderFixture rowFolder;
        if (!row.existing.isEmpty()) {
            rowFolder.write("calendar.dat", row.existing);
            QFile::setPermissions(rowFolder.file("calendar.dat"), P::ReadOwner | P::ReadOther);
        }
        QFile::setPermissions(rowFolder.path(), row.folder);
        QProcess child;
        child.start(QStringLiteral("unshare"),
                    {QStringLiteral("--user"), QStringLiteral(SAVE_CHILD), QStringLiteral("once"), rowFolder.path()});
        ASSERT_TRUE(child.waitForFinished(10000));
        QFile::setPermissions(rowFolder.path(), P::ReadOwner | P::WriteOwner | P::ExeOwner);
        const QByteArray output = child.readAllStandardOutput();
        if (child.exitCode() == 0 && output.isEmpty())
            GTEST_SKIP() << "user namespaces keep root's rights here";
        EXPECT_EQ(output, "calendar.dat writing 70\n") << row.name;
        EXPECT_EQ(rowFolder.read("calendar.dat"), row.existing) << row.name;
    }
}

TEST_F(FileFaultTest, HugeFileIsRefusedWithoutBeingReadWhole)
{
    {
        QFile huge(folder.file("calendar.dat"));
        ASSERT_TRUE(huge.open(QIODevice::WriteOnly));
        huge.write("LastCheck=20261205\r\n\r\n[Event]\r\nTitle=");
        ASSERT_TRUE(huge.resize(100LL * 1024 * 1024)); // sparse: 100 MB without using the disk
    }
    EXPECT_FALSE(load());
    EXPECT_EQ(reporter.reports, (std::vector<FileErrorReport>{
                                    {"calendar.dat", "reading", FileError::FileTooLarge, "calendar.dat.bak"}}));
    EXPECT_EQ(table->size(), 0);
    // Too large to copy: it moved aside whole.
    EXPECT_EQ(QFileInfo(folder.file("calendar.dat.bak")).size(), 100LL * 1024 * 1024);
    EXPECT_FALSE(folder.exists("calendar.dat"));
}

namespace {

// Another program, a separate process, writes calendar.dat.
void otherProgramWrites(const QString &folder, const QByteArray &bytes, const QString &mode = QStringLiteral("write"))
{
    QProcess child;
    child.start(QStringLiteral(SAVE_CHILD), {mode, folder, QString::fromLatin1(bytes)});
    ASSERT_TRUE(child.waitForFinished(10000));
    ASSERT_EQ(child.exitCode(), 0);
}

} // namespace

TEST_F(FileFaultTest, FileChangedByAnotherProgramIsKeptBeforeItIsReplaced)
{
    const QByteArray ours = "LastCheck=20261206\r\n";
    const QByteArray longer = "LastCheck=20261201\r\n\r\n[Event]\r\nTitle=Theirs\r\nDate=00000101\r\n";
    const QByteArray sameSize = "LastCheck=20261201\r\n";
    struct Row {
        const char *name;
        std::function<void(const DataFolderFixture &)> meanwhile;
        QByteArray kept; // empty: nothing to keep
    };
    const Row rows[] = {
        {"untouched", [](const DataFolderFixture &) {}, {}},
        {"rewritten", [&](const DataFolderFixture &f) { otherProgramWrites(f.path(), longer); }, longer},
        {"rewritten, its time kept",
         [&](const DataFolderFixture &f) { otherProgramWrites(f.path(), longer, QStringLiteral("rewrite")); }, longer},
        {"rewritten to the same size", [&](const DataFolderFixture &f) { otherProgramWrites(f.path(), sameSize); },
         sameSize},
        {"touched only",
         [](const DataFolderFixture &f) {
             QFile touched(f.file("calendar.dat"));
             ASSERT_TRUE(touched.open(QIODevice::ReadWrite));
             ASSERT_TRUE(touched.setFileTime(QDateTime::currentDateTime().addSecs(3600),
                                             QFileDevice::FileModificationTime));
         },
         {}},
        {"removed", [](const DataFolderFixture &f) { QFile::remove(f.file("calendar.dat")); }, {}},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        DataFolderFixture rowFolder;
        reporter.reports.clear();
        CalendarFile file(rowFolder.path(), reporter, clock);
        ASSERT_TRUE(file.saveCalendar(*table));
        row.meanwhile(rowFolder);
        ASSERT_TRUE(file.saveCalendar(*table));
        ASSERT_TRUE(file.saveCalendar(*table)); // the conflict is told once
        EXPECT_EQ(rowFolder.read("calendar.dat"), ours);
        EXPECT_EQ(rowFolder.read("calendar.dat.bak"), row.kept);
        std::vector<FileErrorReport> told;
        if (!row.kept.isEmpty())
            told.emplace_back("calendar.dat", "changed", 0, "calendar.dat.bak");
        EXPECT_EQ(reporter.reports, told);
    }

    // A file that was missing at the load and then appeared is another program's too.
    CalendarFile file(folder.path(), reporter, clock);
    QString lastCheck;
    EXPECT_FALSE(file.loadCalendar(*table, lastCheck));
    otherProgramWrites(folder.path(), longer);
    ASSERT_TRUE(file.saveCalendar(*table));
    EXPECT_EQ(reporter.reports.back(), (FileErrorReport{"calendar.dat", "changed", 0, "calendar.dat.bak"}));
    // So is one whose folder appeared after the load.
    CalendarFile later(folder.file("later"), reporter, clock);
    EXPECT_FALSE(later.loadCalendar(*table, lastCheck));
    ASSERT_TRUE(QDir(folder.path()).mkdir("later"));
    otherProgramWrites(folder.file("later"), longer);
    ASSERT_TRUE(later.saveCalendar(*table));
    EXPECT_EQ(reporter.reports.back(), (FileErrorReport{"calendar.dat", "changed", 0, "calendar.dat.bak"}));
}

TEST_F(FileFaultTest, OverlongLineIsRefused)
{
    folder.write("notes.dat", "[Note Left=0 Top=0 Color=Default]\r\n" + QByteArray(DataFile::MaxLineLength + 1, 'n'));
    NoteTable notes;
    EXPECT_FALSE(NotesFile(folder.path(), reporter).loadNotes(notes));
    ASSERT_EQ(reporter.reports.size(), 1u);
    EXPECT_EQ(reporter.reports[0].errorNumber, FileError::FileTooLarge);
    EXPECT_EQ(notes.noteCount, -1);

    // Just inside the limit is read as usual.
    reporter.reports.clear();
    folder.write("notes.dat", "[Note Left=0 Top=0 Color=Default]\r\n" + QByteArray(DataFile::MaxLineLength, 'n'));
    EXPECT_TRUE(NotesFile(folder.path(), reporter).loadNotes(notes));
}

TEST_F(FileFaultTest, FullFileSystemReportsDiskFullAndKeepsTheOldFile)
{
    // A tiny file system of its own, in a mount namespace of the test's own.
    const QString script = QStringLiteral(
        "mount -t tmpfs -o size=16k tmpfs \"$1\" || exit 77\n"
        "printf 'LastCheck=20261205\\r\\n' > \"$1/calendar.dat\"\n"
        "\"$2\" once \"$1\"\n"
        "echo \"exit $?\"\n"
        "cat \"$1/calendar.dat\"\n"
        "ls \"$1\"\n");
    QProcess child;
    child.start(QStringLiteral("unshare"), {QStringLiteral("--mount"), QStringLiteral("--map-root-user"),
                                            QStringLiteral("sh"), QStringLiteral("-c"), script, QStringLiteral("sh"),
                                            folder.path(), QStringLiteral(SAVE_CHILD)});
    if (!child.waitForFinished(10000) || child.exitCode() == 77 || child.exitStatus() != QProcess::NormalExit)
        GTEST_SKIP() << "no private mounts here";
    const QByteArray output = child.readAllStandardOutput();
    if (output.isEmpty())
        GTEST_SKIP() << "no private mounts here: " << child.readAllStandardError().toStdString();
    EXPECT_EQ(output, "calendar.dat writing 61\nexit 1\nLastCheck=20261205\r\ncalendar.dat\n");
    EXPECT_EQ(fileErrorTitle(61), "Disk full");
}
