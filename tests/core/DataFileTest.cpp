#include "eventdata/DataFile.h"

#include "eventdata/DataFolder.h"
#include "eventdata/FileErrors.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

TEST(FileErrors, TitlesNameKnownErrorsAndNumberTheRest)
{
    EXPECT_EQ(FileErrorTitle(53), "File not found");
    EXPECT_EQ(FileErrorTitle(57), "Device I/O error");
    EXPECT_EQ(FileErrorTitle(61), "Disk full");
    EXPECT_EQ(FileErrorTitle(68), "Device unavailable");
    EXPECT_EQ(FileErrorTitle(70), "Permission denied");
    EXPECT_EQ(FileErrorTitle(71), "Disk not ready");
    EXPECT_EQ(FileErrorTitle(75), "Path/file access error");
    EXPECT_EQ(FileErrorTitle(76), "Path not found");
    EXPECT_EQ(FileErrorTitle(6), "Unknown error (#6)");
    EXPECT_EQ(FileErrorTitle(55), "Unknown error (#55)");
    EXPECT_EQ(FileErrorTitle(58), "Unknown error (#58)");
}

TEST(FileErrors, MessagesSayWhatFailedAndWhatItMeans)
{
    EXPECT_EQ(FileErrorMessage("notes.dat", "reading"),
              "There was an error reading notes.dat. Your saved notes will most likely be lost for ever if no "
              "backup is available.");
    EXPECT_EQ(FileErrorMessage("calendar.dat", "writing"),
              "There was an error writing calendar.dat. Your saved reminders will most likely be lost for ever "
              "if no backup is available.");
    EXPECT_EQ(FileErrorMessage("tarrow.ini", "writing"),
              "There was an error writing tarrow.ini. All settings will be restored to their default values, but "
              "your saved reminders and/or notes will not be affected.");
    EXPECT_EQ(FileErrorMessage("other.txt", "reading"), "There was an error reading other.txt. ");
}

TEST(DataText, LinesSplitAtEveryKindOfLineEnd)
{
    EXPECT_EQ(splitDataLines("a\r\nb\nc\rd"), QStringList({"a", "b", "c", "d"}));
    EXPECT_EQ(splitDataLines("a\r\n\r\nb\r\n"), QStringList({"a", "", "b"}));
    EXPECT_EQ(splitDataLines(""), QStringList());
    EXPECT_EQ(splitDataLines("\r\n"), QStringList({""}));
    EXPECT_EQ(toSingleLine("a\r\nb\nc\rd"), "a b c d");
}

TEST(DataText, SystemTextRoundTripsAndForeignBytesFallBackToLatin1)
{
    const QString text = QString::fromUtf8("Grüße €");
    EXPECT_EQ(decodeDataText(encodeDataText(text)), text);
    EXPECT_EQ(decodeDataText("\xff\xfe ok"), QString::fromLatin1("\xff\xfe ok"));
}

TEST(DataFile, WritingIntoAFileOccupiedByAFolderIsReported)
{
    DataFolderFixture folder;
    QDir(folder.path()).mkdir("calendar.dat");
    RecordingReporter reporter;
    DataFile file(folder.path(), "calendar.dat", reporter);
    EXPECT_FALSE(file.save("x"));
    EXPECT_FALSE(file.load([](const QStringList &) { return 0; }));
    ASSERT_EQ(reporter.reports.size(), 2u);
    EXPECT_EQ(reporter.reports[0].errorNumber, FileError::PathFileAccess);
    EXPECT_EQ(reporter.reports[1].operation, "reading");
}

TEST(DataFile, FailedBackupStopsTheSave)
{
    DataFolderFixture folder;
    folder.write("notes.dat", "text before a header\r\n");
    QDir(folder.path()).mkdir("notes.dat.bak"); // backups go to the next free name
    RecordingReporter reporter;
    DataFile file(folder.path(), "notes.dat", reporter);
    EXPECT_FALSE(file.load([](const QStringList &) { return FileError::SubscriptRange; }));
    {
        // Room for neither the copy nor the new file.
        const FileSizeLimit limit(4);
        EXPECT_FALSE(file.save("new contents\r\n"));
    }
    EXPECT_EQ(folder.read("notes.dat"), "text before a header\r\n");
    EXPECT_EQ(reporter.reports.back().operation, "writing");
    EXPECT_TRUE(file.save("new contents\r\n"));
    EXPECT_EQ(folder.read("notes.dat.bak1"), "text before a header\r\n");
    EXPECT_EQ(folder.read("notes.dat"), "new contents\r\n");
}

TEST(DataFolder, CommandLineWinsWhole)
{
    EXPECT_EQ(resolveDataFolder("/some folder/with blanks", "/prog", "/user"), "/some folder/with blanks");
}

TEST(DataFolder, ProgramFolderServesWhenItHoldsDataOrIsWritable)
{
    DataFolderFixture program;
    DataFolderFixture user;
    EXPECT_EQ(resolveDataFolder("", program.path(), user.path()), program.path()); // writable
    program.write("tarrow.ini", "");
    EXPECT_EQ(resolveDataFolder("", program.path(), user.path()), program.path());
}

TEST(DataFolder, FallsBackToTheUserFolderAndCreatesIt)
{
    DataFolderFixture base;
    const QString user = base.file("per-user/Tarrowby");
    EXPECT_EQ(resolveDataFolder("", base.file("no such program folder"), user), user);
    EXPECT_TRUE(QFileInfo(user).isDir());
}
