#include "exchange/CalendarExport.h"
#include "exchange/ExportCommand.h"
#include "TestSupport.h"

#include <QFileInfo>
#include <QProcess>

#include <gtest/gtest.h>

namespace {

const QDateTime Now(QDate(2026, 12, 6), QTime(9, 0));

} // namespace

TEST(ExportCommand, WritesTheCalendarAndLeavesTheDataFolderAlone)
{
    DataFolderFixture folder;
    const QByteArray calendar = "LastCheck=20200101\r\n[Event]\r\nTitle=Party\r\nDate=00000315\r\nNotifyingDays=3";
    folder.write("calendar.dat", calendar);
    QString failure;
    ASSERT_EQ(runExportCommand(folder.file("out.ics"), folder.path(), Now, failure), 0) << failure.toStdString();
    EXPECT_EQ(folder.read("calendar.dat"), calendar);
    EXPECT_EQ(folder.names(), QStringList({"calendar.dat", "out.ics"})); // no backup, nothing else
    EXPECT_TRUE(folder.read("out.ics").contains(eventUid(makeEvent("Party", "00000315")).toUtf8()));
}

TEST(ExportCommand, SaysWhyItFailedInOneLine)
{
    DataFolderFixture folder;
    folder.write("calendar.dat", "LastCheck=20200101\r\n");
    QString failure;
    EXPECT_EQ(runExportCommand(folder.file("no folder/out.ics"), folder.path(), Now, failure), 1);
    EXPECT_EQ(failure, folder.file("no folder/out.ics: Path not found"));
    folder.write("calendar.dat", "Title=before any event\r\n");
    EXPECT_EQ(runExportCommand(folder.file("out.ics"), folder.path(), Now, failure), 1);
    EXPECT_EQ(failure, "calendar.dat: " + fileErrorTitle(FileError::SubscriptRange));
}

// Run as a program, it says why on its error output and makes no data folder that is not there.
TEST(ExportCommand, AsAProgramMakesNoDataFolder)
{
    DataFolderFixture folder;
    const QString absent = folder.file("no such folder");
    QProcess program;
    program.start(QStringLiteral(TARROW_PROGRAM), {"--export", folder.file("out.ics"), absent});
    ASSERT_TRUE(program.waitForFinished(30000));
    EXPECT_EQ(program.exitCode(), 1);
    EXPECT_EQ(errorOutput(program), "tarrow: export failed: calendar.dat: Path not found\n");
    EXPECT_FALSE(QFileInfo::exists(absent));
}

// The export never writes iCalendar text onto a file of the data folder's own, however the target names it, nor onto
// a folder; a name only like one of them is written.
TEST(ExportCommand, RefusesTheDataFoldersOwnFilesAndFolders)
{
    DataFolderFixture folder;
    const QByteArray calendar = "LastCheck=20200101\r\n";
    for (const char *name : {"calendar.dat", "tarrow.ini", "tarrow.lock"}) // notes.dat is not there yet
        folder.write(name, calendar);
    QDir(folder.path()).mkdir("sub");
#ifndef Q_OS_WIN // links need a privilege there; Qt makes a shortcut file, which the file system never follows
    QFile::link(folder.file("calendar.dat"), folder.file("link.ics"));
#endif
    const auto own = [](const char *name) {
        return QString("the data folder's own %1, which the export never replaces").arg(name);
    };
    const std::pair<const char *, QString> rows[] = {
        // target, why it is refused (empty when it is written)
        {"calendar.dat", own("calendar.dat")},
        {"notes.dat", own("notes.dat")},
        {"tarrow.ini", own("tarrow.ini")},
        {"tarrow.lock", own("tarrow.lock")},
        {"sub/../calendar.dat", own("calendar.dat")},
#ifndef Q_OS_WIN
        {"link.ics", own("calendar.dat")},
#endif
        {"sub", "a folder; name the file to write"},
        {"sub/calendar.dat", ""},
        {"calendar.dat.ics", ""},
    };
    for (const auto &[target, why] : rows) {
        QString failure;
        EXPECT_EQ(runExportCommand(folder.file(target), folder.path(), Now, failure), why.isEmpty() ? 0 : 1) << target;
        EXPECT_EQ(failure, why.isEmpty() ? QString() : folder.file(target) + ": " + why) << target;
    }
    EXPECT_EQ(folder.read("calendar.dat"), calendar);
    EXPECT_EQ(folder.read("tarrow.lock"), calendar);
    EXPECT_FALSE(folder.exists("notes.dat"));
}
