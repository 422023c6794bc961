#include "eventdata/DataFile.h"

#include "eventdata/DataFolder.h"
#include "eventdata/FileErrorCollector.h"
#include "eventdata/FileErrors.h"
#include "eventdata/RegularFile.h"
#include "TestSupport.h"

#include <QFileInfo>

#include <gtest/gtest.h>

#include <cerrno>

#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

QString text(const char16_t *utf16) { return QString::fromUtf16(utf16); }

} // namespace

TEST(FileErrors, TitlesNameKnownErrorsAndNumberTheRest)
{
    const std::pair<int, const char *> rows[] = {
        {6, "Unknown error (#6)"}, {7, "File too large"},   {8, "Not a regular file"},
        {9, "Unknown error (#9)"}, {10, "Unreadable file"}, {53, "File not found"},
        {57, "Device I/O error"},  {61, "Disk full"},       {68, "Device unavailable"},
        {70, "Permission denied"}, {71, "Disk not ready"},  {75, "Path/file access error"},
        {76, "Path not found"},    {77, "Unknown error (#77)"},
    };
    for (const auto &[number, title] : rows)
        EXPECT_EQ(fileErrorTitle(number), title) << number;
}

TEST(FileErrors, MessagesSayWhatFailedAndWhatItMeans)
{
    const QString settings = "All settings will be restored to their default values, but your saved reminders and/or "
                             "notes will not be affected.";
    const struct {
        const char *name, *file, *operation, *backup;
        QString message;
    } rows[] = {
        {"notes lost", "notes.dat", "reading", "",
         "There was an error reading notes.dat. Your saved notes will most likely be lost for ever if no backup is "
         "available."},
        {"calendar lost", "calendar.dat", "writing", "",
         "There was an error writing calendar.dat. Your saved reminders will most likely be lost for ever if no "
         "backup is available."},
        {"settings", "tarrow.ini", "writing", "", "There was an error writing tarrow.ini. " + settings},
        {"other file", "other.txt", "reading", "", "There was an error reading other.txt. "},
        {"calendar kept", "calendar.dat", "reading", "calendar.dat.bak",
         "There was an error reading calendar.dat. The file was kept as calendar.dat.bak."},
        {"settings kept", "tarrow.ini", "reading", "tarrow.ini.bak3",
         "There was an error reading tarrow.ini. The file was kept as tarrow.ini.bak3. " + settings},
    };
    for (const auto &row : rows)
        EXPECT_EQ(fileErrorMessage(row.file, row.operation, row.backup), row.message) << row.name;
    EXPECT_EQ(fileChangedMessage("notes.dat", "notes.dat.bak1"),
              "notes.dat was changed by another program since Tarrowby last read or saved it. That version was kept "
              "as notes.dat.bak1, and Tarrowby saved its own.");
}

TEST(FileErrors, FailedSavesAreNamedWithTheirReasonsInOneSentence)
{
    const FailedSave settings{"tarrow.ini", FileError::DiskFull};
    const FailedSave notes{"notes.dat", FileError::PermissionDenied};
    const FailedSave calendar{"calendar.dat", FileError::PathNotFound};
    const std::pair<std::vector<FailedSave>, const char *> rows[] = {
        {{calendar}, "calendar.dat (Path not found)"},
        {{notes, calendar}, "notes.dat (Permission denied) and calendar.dat (Path not found)"},
        {{settings, notes, calendar},
         "tarrow.ini (Disk full), notes.dat (Permission denied) and calendar.dat (Path not found)"},
    };
    for (const auto &[failures, list] : rows)
        EXPECT_EQ(failedSavesMessage(failures),
                  QStringLiteral("Tarrowby could not save ") + list
                      + ". Keep Tarrowby running? Nothing is lost while it runs, and the next Quit saves again. No "
                        "quits now, and what could not be saved is lost.");
}

TEST(FileErrors, FailedWritesAreToldByTheSystemsReasonFirst)
{
    const struct {
        const char *name;
        QFileDevice::FileError error;
        int systemError;
        int number;
    } rows[] = {
        {"no space", QFileDevice::WriteError, ENOSPC, FileError::DiskFull},
        {"quota", QFileDevice::NoError, EDQUOT, FileError::DiskFull},
        {"file size limit", QFileDevice::WriteError, EFBIG, FileError::DiskFull},
        {"Qt's resource error", QFileDevice::ResourceError, 0, FileError::DiskFull},
        {"permissions", QFileDevice::PermissionsError, EACCES, FileError::PermissionDenied},
        {"read error", QFileDevice::ReadError, EIO, FileError::DeviceIO},
        {"write error", QFileDevice::WriteError, EIO, FileError::DeviceIO},
        {"anything else", QFileDevice::RenameError, 0, FileError::PathFileAccess},
    };
    for (const auto &row : rows)
        EXPECT_EQ(transferError(row.error, row.systemError), row.number) << row.name;
}

TEST(FileErrorCollector, KeepsWritingErrorsWhileCollectingAndPassesTheRestOn)
{
    RecordingReporter shown;
    FileErrorCollector collector(shown);
    collector.reportFileError("notes.dat", "writing", FileError::DiskFull, {});
    collector.startCollecting();
    collector.reportFileError("tarrow.ini", "reading", FileError::FileNotFound, {});
    collector.reportFileError("notes.dat", "writing", FileError::DiskFull, {});
    collector.reportFileChanged("calendar.dat", "calendar.dat.bak");
    collector.reportFileError("calendar.dat", "writing", FileError::DiskFull, {});
    collector.reportFileError("notes.dat", "writing", FileError::PermissionDenied, {}); // its last failure counts
    EXPECT_EQ(collector.stopCollecting(), (std::vector<FailedSave>{{"notes.dat", FileError::PermissionDenied},
                                                                   {"calendar.dat", FileError::DiskFull}}));
    collector.reportFileError("calendar.dat", "writing", FileError::DiskFull, {});
    EXPECT_EQ(shown.reports, (std::vector<FileErrorReport>{{"notes.dat", "writing", FileError::DiskFull},
                                                           {"tarrow.ini", "reading", FileError::FileNotFound},
                                                           {"calendar.dat", "changed", 0, "calendar.dat.bak"},
                                                           {"calendar.dat", "writing", FileError::DiskFull}}));
    EXPECT_TRUE(collector.stopCollecting().empty());
}

TEST(DataText, LinesAreUtf8OrWindows1252EachOnItsOwnOrUtf16ByItsMark)
{
    struct Row {
        const char *name;
        QByteArray bytes;
        QStringList lines;
    };
    const Row rows[] = {
        {"UTF-8", "Gr\xc3\xbc\xc3\x9f" "e \xe2\x82\xac", {text(u"Grüße €")}},
        {"Windows-1252", "\x80 \x93q\x94 \x96 \x85", {text(u"€ “q” – …")}},
        {"ends of the 1252 block", "\x7f\x80\x9f\xa0\xff", {text(u"\x7f\u20ac\u0178\u00a0\u00ff")}},
        {"unused 1252 bytes stay Latin-1", "\x81\x8d\x8f\x90\x9d", {text(u"\x81\x8d\x8f\x90\x9d")}},
        {"each line on its own", "\xc3\xbc\r\n\xfc", {text(u"ü"), text(u"ü")}},
        {"UTF-8 mark dropped", "\xef\xbb\xbfLastCheck=1", {"LastCheck=1"}},
        {"a mark inside a line stays", "a\xef\xbb\xbf", {text(u"a\ufeff")}},
        {"UTF-16LE", QByteArray("\xff\xfe" "a\0\r\0\n\0\xac\x20", 10), {"a", text(u"€")}},
        {"UTF-16BE", QByteArray("\xfe\xff\0a\0\n\x20\xac", 8), {"a", text(u"€")}},
        {"every line end", "a\r\nb\nc\rd", {"a", "b", "c", "d"}},
        {"empty lines", "a\r\n\r\nb\r\n", {"a", "", "b"}},
        {"two LFs", "a\n\nb", {"a", "", "b"}},
        {"two CRs", "a\r\rb\r", {"a", "", "b"}},
        {"LF CR", "a\n\rb", {"a", "", "b"}},
        {"nothing", "", {}},
        {"one line end", "\r\n", {""}},
    };
    for (const Row &row : rows)
        EXPECT_EQ(decodeDataLines(row.bytes), row.lines) << row.name;
    EXPECT_EQ(encodeDataText(text(u"ü€")), "\xc3\xbc\xe2\x82\xac");
    EXPECT_EQ(toSingleLine("a\r\nb\nc\rd"), "a b c d");
    EXPECT_EQ(splitDataLines("a\r\nb\n\nc\r"), QStringList({"a", "b", "", "c"}));
    EXPECT_FALSE(holdsText({}));
    EXPECT_FALSE(holdsText({"", " \t "}));
    EXPECT_TRUE(holdsText({"", " x"}));
}

namespace {

class DataFileTest : public ::testing::Test {
protected:
    DataFolderFixture folder;
    RecordingReporter reporter;
    DataFile file{folder.path(), "notes.dat", reporter};
    QStringList parsed;

    bool load(int parseResult = 0, MissingFile missing = MissingFile::IsAnError)
    {
        return file.load(
            [&](const QStringList &lines) {
                parsed = lines;
                return parseResult;
            },
            missing);
    }
};

bool bindSocket(const QString &path)
{
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const QByteArray name = QFile::encodeName(path);
    std::copy(name.begin(), name.end(), address.sun_path);
    const bool bound = ::bind(fd, reinterpret_cast<const sockaddr *>(&address), sizeof address) == 0;
    ::close(fd);
    return bound;
}

// A save may only ever meet a device that a faulty build could replace
// without harm: for root one of the folder's own (like /dev/null), for anyone
// else /dev/null, which they cannot replace. Empty when root cannot make one.
QString characterDevice(const DataFolderFixture &folder)
{
    if (::geteuid() != 0)
        return QStringLiteral("/dev/null");
    const QString own = folder.file("null-device");
    return ::mknod(QFile::encodeName(own).constData(), S_IFCHR | 0666, makedev(1, 3)) == 0 ? own : QString();
}

} // namespace

TEST_F(DataFileTest, SpecialFilesAreNeitherReadNorReplacedNorKept)
{
    const QString fifo = folder.file("fifo");
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    const QString device = characterDevice(folder);
    if (device.isEmpty())
        GTEST_SKIP() << "root cannot make a device node here";
    struct Row {
        const char *name;
        std::function<bool(const QString &path)> make;
    };
    const Row rows[] = {
        {"folder", [](const QString &path) { return QDir().mkdir(path); }},
        {"FIFO", [](const QString &path) { return ::mkfifo(QFile::encodeName(path).constData(), 0600) == 0; }},
        {"link to a FIFO", [&](const QString &path) { return QFile::link(fifo, path); }},
        {"link to a character device", [&](const QString &path) { return QFile::link(device, path); }},
        {"socket", bindSocket},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        DataFolderFixture special;
        DataFile data(special.path(), "calendar.dat", reporter);
        ASSERT_TRUE(row.make(special.file("calendar.dat")));
        const QFileInfo before(QFileInfo(special.file("calendar.dat")).canonicalFilePath());
        reporter.reports.clear();
        EXPECT_FALSE(data.load([](const QStringList &) { return 0; }));
        EXPECT_FALSE(data.save("LastCheck=20261206\r\n"));
        EXPECT_FALSE(data.save("LastCheck=20261206\r\n")); // never kept for a later save either
        EXPECT_EQ(reporter.reports, (std::vector<FileErrorReport>{{"calendar.dat", "reading", FileError::NotRegularFile},
                                                                  {"calendar.dat", "writing", FileError::NotRegularFile},
                                                                  {"calendar.dat", "writing", FileError::NotRegularFile}}));
        const QFileInfo after(before.filePath());
        EXPECT_TRUE(after.exists() && !after.isFile());
        EXPECT_EQ(special.names().filter("calendar.dat."), QStringList()); // no backup, no temporary
    }

    // A device without end is not read either; it is only loaded, never saved to.
    reporter.reports.clear();
    ASSERT_TRUE(QFile::link("/dev/zero", folder.file("calendar.dat")));
    EXPECT_FALSE(DataFile(folder.path(), "calendar.dat", reporter).load([](const QStringList &) { return 0; }));
    EXPECT_EQ(reporter.reports, (std::vector<FileErrorReport>{{"calendar.dat", "reading", FileError::NotRegularFile}}));
}

TEST_F(DataFileTest, ALinkToARegularFileIsWrittenThrough)
{
    folder.write("elsewhere.dat", "old\r\n");
    ASSERT_TRUE(QFile::link(folder.file("elsewhere.dat"), folder.file("notes.dat")));
    EXPECT_TRUE(load());
    EXPECT_EQ(parsed, QStringList{"old"});
    ASSERT_TRUE(file.save("new\r\n"));
    EXPECT_TRUE(QFileInfo(folder.file("notes.dat")).isSymLink());
    EXPECT_EQ(folder.read("elsewhere.dat"), "new\r\n");
}

TEST_F(DataFileTest, MissingFileIsAnErrorUnlessTheFolderHoldsNoDataFileYet)
{
    EXPECT_FALSE(load());
    parsed = {"stale"};
    EXPECT_TRUE(load(0, MissingFile::IsEmpty));
    EXPECT_EQ(parsed, QStringList());
    ASSERT_TRUE(file.save("new\r\n"));
    EXPECT_EQ(folder.names(), QStringList{"notes.dat"}); // nothing was there to keep
    EXPECT_FALSE(load(FileError::SubscriptRange, MissingFile::IsEmpty)); // only a missing file is empty

    DataFile nowhere(folder.file("missing/folder"), "notes.dat", reporter);
    EXPECT_FALSE(nowhere.load([](const QStringList &) { return 0; }, MissingFile::IsEmpty));
    EXPECT_FALSE(nowhere.save("new\r\n"));
    EXPECT_EQ(reporter.reports, (std::vector<FileErrorReport>{{"notes.dat", "reading", FileError::FileNotFound},
                                                              {"notes.dat", "reading", FileError::SubscriptRange, "notes.dat.bak"},
                                                              {"notes.dat", "reading", FileError::PathNotFound},
                                                              {"notes.dat", "writing", FileError::PathNotFound}}));
}

TEST_F(DataFileTest, FilesUpToTheSizeLimitAreReadWhole)
{
    const QByteArray line = "0123456789abcd\r\n"; // a sixteenth of a kilobyte
    const QByteArray atLimit = line.repeated(DataFile::MaxFileBytes / line.size());
    ASSERT_EQ(atLimit.size(), DataFile::MaxFileBytes);
    folder.write("notes.dat", atLimit);
    EXPECT_TRUE(load());
    EXPECT_EQ(parsed.size(), DataFile::MaxFileBytes / line.size());
    folder.write("notes.dat", atLimit + "x");
    EXPECT_FALSE(load());
    EXPECT_EQ(reporter.reports, (std::vector<FileErrorReport>{{"notes.dat", "reading", FileError::FileTooLarge, "notes.dat.bak"}}));
}

TEST_F(DataFileTest, UnreadableFileIsKeptAtOnceAndNamedInTheReport)
{
    folder.write("notes.dat", "first");
    folder.write("notes.dat.bak", "an earlier backup");
    QDir(folder.path()).mkdir("notes.dat.bak1");
    EXPECT_FALSE(load(FileError::SubscriptRange));
    EXPECT_EQ(reporter.reports, (std::vector<FileErrorReport>{{"notes.dat", "reading", 9, "notes.dat.bak2"}}));
    EXPECT_EQ(folder.read("notes.dat.bak2"), "first");
    EXPECT_EQ(folder.read("notes.dat.bak"), "an earlier backup");
    EXPECT_TRUE(file.save("new\r\n"));
    EXPECT_TRUE(file.save("newer\r\n"));
    EXPECT_EQ(folder.names().filter("notes.dat.bak").size(), 3); // kept once, not at every save
}

TEST_F(DataFileTest, FileThatCannotBeKeptAtLoadIsKeptBeforeTheFirstSave)
{
    folder.write("notes.dat", "text before a header\r\n");
    {
        // Room for neither the copy nor the new file.
        const FileSizeLimit limit(4);
        EXPECT_FALSE(load(FileError::SubscriptRange));
        EXPECT_FALSE(file.save("new contents\r\n"));
    }
    EXPECT_EQ(reporter.reports, (std::vector<FileErrorReport>{{"notes.dat", "reading", 9},
                                                              {"notes.dat", "writing", FileError::DiskFull}}));
    EXPECT_EQ(folder.read("notes.dat"), "text before a header\r\n");
    EXPECT_EQ(folder.names(), QStringList{"notes.dat"});
    EXPECT_TRUE(file.save("new contents\r\n"));
    EXPECT_TRUE(file.save("newer contents\r\n"));
    EXPECT_EQ(folder.names(), QStringList({"notes.dat", "notes.dat.bak"})); // kept once
    EXPECT_EQ(folder.read("notes.dat.bak"), "text before a header\r\n");
}

// An empty file is a file seen, and one removed since has nothing left to keep.
TEST_F(DataFileTest, NothingIsKeptOfAnEmptyFileOrOfAnUnreadFileRemovedBeforeTheSave)
{
    folder.write("notes.dat", "");
    EXPECT_TRUE(load());
    EXPECT_TRUE(file.save("new\r\n"));
    folder.write("notes.dat", "text before a header\r\n");
    {
        const FileSizeLimit limit(4);
        EXPECT_FALSE(load(FileError::SubscriptRange));
    }
    ASSERT_TRUE(QFile::remove(folder.file("notes.dat")));
    EXPECT_TRUE(file.save("newer\r\n"));
    EXPECT_EQ(folder.names(), QStringList{"notes.dat"});
    EXPECT_EQ(reporter.reports, (std::vector<FileErrorReport>{{"notes.dat", "reading", 9}}));
}

TEST_F(DataFileTest, NewFilesAndBackupsArePrivateAndAnExistingFileKeepsItsMode)
{
    const auto owner = QFileDevice::ReadOwner | QFileDevice::WriteOwner;
    const auto shared = owner | QFileDevice::ReadGroup | QFileDevice::ReadOther;
    ASSERT_TRUE(file.save("new\r\n"));
    EXPECT_EQ(folder.permissions("notes.dat"), owner);

    folder.write("calendar.dat", "unreadable");
    ASSERT_TRUE(QFile::setPermissions(folder.file("calendar.dat"), shared));
    DataFile calendar(folder.path(), "calendar.dat", reporter);
    EXPECT_FALSE(calendar.load([](const QStringList &) { return FileError::Unreadable; }));
    ASSERT_TRUE(calendar.save("LastCheck=20261206\r\n"));
    EXPECT_EQ(folder.permissions("calendar.dat"), shared);
    EXPECT_EQ(folder.permissions("calendar.dat.bak"), owner);
}

TEST(DataFolder, CommandLineThenAProgramFolderInUseOrWritableThenThePrivateUserFolder)
{
    DataFolderFixture program;
    DataFolderFixture base;
    const QString user = base.file("per-user/Tarrowby");
    const QString named = base.file("some folder/with blanks");
    EXPECT_EQ(resolveDataFolder(named, program.path(), user), named);
    EXPECT_EQ(resolveDataFolder("", program.path(), user), program.path()); // writable
    EXPECT_FALSE(QFileInfo::exists(user));
    EXPECT_EQ(resolveDataFolder("", base.file("no such program folder"), user), user);
    for (const char *created : {"some folder/with blanks", "per-user/Tarrowby"})
        EXPECT_EQ(base.permissions(created), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner)
            << created;
    program.write("tarrow.ini", "");
    ASSERT_TRUE(QFile::setPermissions(program.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner));
    const bool rootWrites = QFileInfo(program.path()).isWritable();
    if (!rootWrites) { // a folder that holds a data file serves even when it is read-only
        EXPECT_EQ(resolveDataFolder("", program.path(), user), program.path());
    }
    QFile::setPermissions(program.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}

TEST(DataFolder, AFolderWithoutAnyDataFileIsAFirstStart)
{
    for (const QString &name : dataFileNames()) {
        DataFolderFixture folder;
        EXPECT_TRUE(holdsNoDataFile(folder.path()));
        folder.write(name, "");
        EXPECT_FALSE(holdsNoDataFile(folder.path())) << name.toStdString();
    }
}

TEST(DataFolder, OnlyTemporaryFilesOfKilledSavesAreRemoved)
{
    DataFolderFixture folder;
    const QStringList stale = {"calendar.dat.aB3xYz", "notes.dat.QWERTY", "tarrow.ini.000000", "calendar.dat.bak12a"};
    const QStringList kept = {
        "calendar.dat",        "calendar.dat.bak",     "calendar.dat.bak1",    "calendar.dat.bak123",
        "notes.dat.bak000",    "calendar.dat.aB3xY",   "calendar.dat.aB3xYz1", "calendar.dat.aB-xYz",
        "Calendar.dat.aB3xYz", "other.dat.aB3xYz",     "calendar.datXaB3xYz",
    };
    for (const QString &name : stale + kept)
        folder.write(name, "x");
    QDir(folder.path()).mkdir("notes.dat.folder");
    QFile::link(folder.file("calendar.dat"), folder.file("tarrow.ini.linked"));
    removeStaleTemporaryFiles(folder.path());
    QStringList expected = kept + QStringList{"notes.dat.folder", "tarrow.ini.linked"};
    expected.sort();
    EXPECT_EQ(folder.names(), expected);
}
