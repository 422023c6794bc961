#include "exchange/CalendarExport.h"
#include "exchange/ExportCommand.h"
#include "TestSupport.h"

#include <QFileInfo>
#include <QProcess>

#include <gtest/gtest.h>

// The export reads the data folder without changing a byte of it, and says why it failed in one line.
TEST(ExportCommand, WritesTheCalendarAndLeavesTheDataFolderAlone)
{
    DataFolderFixture folder;
    const QByteArray calendar = "LastCheck=20200101\r\n[Event]\r\nTitle=Party\r\nDate=00000315\r\nNotifyingDays=3";
    folder.write("calendar.dat", calendar);
    const QDateTime now(QDate(2026, 12, 6), QTime(9, 0));
    const QString target = folder.file("out.ics");
    QString failure;
    ASSERT_EQ(runExportCommand(target, folder.path(), now, failure), 0) << failure.toStdString();
    EXPECT_EQ(folder.read("calendar.dat"), calendar);
    EXPECT_EQ(folder.names(), QStringList({"calendar.dat", "out.ics"})); // no backup, nothing else
    EXPECT_TRUE(folder.read("out.ics").contains(eventUid(makeEvent("Party", "00000315")).toUtf8()));
    EXPECT_EQ(runExportCommand(folder.file("no folder/out.ics"), folder.path(), now, failure), 1);
    EXPECT_EQ(failure, folder.file("no folder/out.ics: Path not found"));
    folder.write("calendar.dat", "Title=before any event\r\n");
    EXPECT_EQ(runExportCommand(target, folder.path(), now, failure), 1);
    EXPECT_EQ(failure, "calendar.dat: " + fileErrorTitle(FileError::SubscriptRange));
    // Run as a program, it makes no data folder that is not there.
    const QString absent = folder.file("no such folder");
    QProcess program;
    program.start(QStringLiteral(TARROW_PROGRAM), {"--export", target, absent});
    ASSERT_TRUE(program.waitForFinished(30000));
    EXPECT_EQ(program.exitCode(), 1);
    EXPECT_EQ(program.readAllStandardError(), "tarrow: export failed: calendar.dat: Path not found\n");
    EXPECT_FALSE(QFileInfo::exists(absent));
}
