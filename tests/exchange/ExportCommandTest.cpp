#include "exchange/CalendarExport.h"
#include "TestSupport.h"

#include <QFileInfo>
#include <QProcess>

#include <gtest/gtest.h>

namespace {

QProcess::ProcessChannelMode merged = QProcess::MergedChannels;

int runProgram(const QStringList &arguments, QByteArray &output)
{
    QProcess program;
    program.setProcessChannelMode(merged);
    program.start(QStringLiteral(TARROW_PROGRAM), arguments);
    program.waitForFinished(30000);
    output = program.readAll();
    return program.exitStatus() == QProcess::NormalExit ? program.exitCode() : -1;
}

} // namespace

// The export reads the data folder without changing a byte of it, and says
// in one line why it failed.
TEST(ExportCommand, WritesTheCalendarAndLeavesTheDataFolderAlone)
{
    DataFolderFixture folder;
    const QByteArray calendar = "LastCheck=20200101\r\n\r\n[Event]\r\nTitle=Party\r\nDescription=\r\nCategory=\r\n"
                                "Date=00000315\r\nTime=    \r\nNotifyingDays=3\r\nSound=\r\n\r\n";
    folder.write(QStringLiteral("calendar.dat"), calendar);
    const QString target = folder.file(QStringLiteral("out.ics"));
    QByteArray output;
    ASSERT_EQ(runProgram({QStringLiteral("--export"), target, folder.path()}, output), 0) << output.toStdString();
    EXPECT_EQ(folder.read(QStringLiteral("calendar.dat")), calendar);
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files).size(), 2); // no backup, nothing else
    EXPECT_TRUE(folder.read(QStringLiteral("out.ics")).contains(eventUid(makeEvent(QStringLiteral("Party"), QStringLiteral("00000315"))).toUtf8()));

    const QString absent = folder.file(QStringLiteral("no such folder"));
    EXPECT_EQ(runProgram({QStringLiteral("--export"), target, absent}, output), 1);
    EXPECT_EQ(output.count('\n'), 1) << output.toStdString();
    EXPECT_FALSE(QFileInfo::exists(absent)); // a wrong folder is not made

    folder.write(QStringLiteral("calendar.dat"), "Title=before any event\r\n");
    EXPECT_EQ(runProgram({QStringLiteral("--export"), target, folder.path()}, output), 1);
    EXPECT_EQ(output.count('\n'), 1) << output.toStdString();
}
