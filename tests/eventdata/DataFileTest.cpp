#include "eventdata/DataFile.h"

#include "eventdata/AtomicFile.h"
#include "eventdata/CalendarFile.h"
#include "eventdata/DataFolder.h"
#include "eventdata/FileErrorCollector.h"
#include "eventdata/RegularFile.h"
#include "notes/NotesFile.h"
#include "settings/SettingsFile.h"
#include "TestSupport.h"

#include <QFileInfo>

#include <gtest/gtest.h>

#include <cerrno>

#ifndef Q_OS_WIN
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/un.h>
#include <unistd.h>
#endif

namespace {

QString text(const char16_t *utf16)
{
    return QString::fromUtf16(utf16);
}

class DataFileTest : public ::testing::Test {
protected:
    DataFolderFixture folder;
    RecordingReporter reporter;
    DataFile file{folder.path(), "notes.dat", reporter};
    QStringList parsed;

    bool load(FileError parseResult = FileError::None, MissingFile missing = MissingFile::IsAnError)
    {
        const auto parse = [&](const QStringList &lines) {
            parsed = lines;
            return parseResult;
        };
        return file.load(parse, missing);
    }
};

FileError parsedWell(const QStringList &)
{
    return FileError::None;
}

#ifndef Q_OS_WIN
bool bindSocket(const QString &path)
{
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{AF_UNIX, {}};
    const QByteArray name = QFile::encodeName(path);
    std::copy(name.begin(), name.end(), address.sun_path);
    const bool bound = ::bind(fd, reinterpret_cast<const sockaddr *>(&address), sizeof address) == 0;
    ::close(fd);
    return bound;
}

// A save may only ever meet a device that a faulty build could replace without harm: for root one of the folder's own
// (like /dev/null), for anyone else /dev/null, which they cannot replace. Empty when root cannot make one.
QString characterDevice(const DataFolderFixture &folder)
{
    if (::geteuid() != 0)
        return QStringLiteral("/dev/null");
    const QString own = folder.file("null-device");
    return ::mknod(QFile::encodeName(own).constData(), S_IFCHR | 0666, makedev(1, 3)) == 0 ? own : QString();
}
#endif

} // namespace

TEST(FileErrors, MessagesSayWhatFailedAndWhatItMeans)
{
    const auto lost = [](const char *what) {
        return QStringLiteral(" Your saved %1 will most likely be lost for ever if no backup is available.").arg(what);
    };
    // A failed save replaced nothing: it says what was not saved, and that the file is as it was.
    const auto unsaved = [](const char *what, const char *file) {
        return QStringLiteral(" Your %1 as they are now were not saved; %2 stays as it was on the disk.")
            .arg(what, file);
    };
    using enum FileOperation;
    // clang-format off
    const std::tuple<const char *, FileOperation, const char *, FileStakes, QString> rows[] = {
        {"notes.dat", Reading, "", NotesFile::stakes(), "There was an error reading notes.dat." + lost("notes")},
        {"calendar.dat", Reading, "calendar.dat.bak", CalendarFile::stakes(),
         "There was an error reading calendar.dat. The file was kept as calendar.dat.bak."},
        {"tarrow.ini", Reading, "tarrow.ini.bak3", SettingsFile::stakes(),
         "There was an error reading tarrow.ini. The file was kept as tarrow.ini.bak3. All settings will be restored "
         "to their default values, but your saved reminders and/or notes will not be affected."},
        {"calendar.dat", Writing, "", CalendarFile::stakes(),
         "There was an error writing calendar.dat." + unsaved("reminders", "calendar.dat")},
        {"notes.dat", Writing, "", NotesFile::stakes(),
         "There was an error writing notes.dat." + unsaved("notes", "notes.dat")},
        {"tarrow.ini", Writing, "", SettingsFile::stakes(),
         "There was an error writing tarrow.ini." + unsaved("settings", "tarrow.ini")},
        {"out.ics", Writing, "", FileStakes{}, "There was an error writing out.ics. "},
    };
    // clang-format on
    for (const auto &[file, operation, backup, stakes, message] : rows)
        EXPECT_EQ(fileErrorMessage({file, operation, FileError::DiskFull, backup, stakes}), message) << file << backup;
    EXPECT_EQ(fileChangedMessage("notes.dat", "notes.dat.bak1"),
              "notes.dat was changed by another program since Tarrowby last read or saved it. That version was kept "
              "as notes.dat.bak1, and Tarrowby saved its own.");
}

// Failed saves, in one sentence: each file with the title of its error, which names every known one.
TEST(FileErrors, FailedSavesAreNamedInOneQuestion)
{
    std::vector<FailedSave> all;
    for (int number : {6, 7, 8, 10, 53, 57, 61, 68, 70, 71, 75, 76})
        all.push_back({QString::number(number), FileError(number)});
    // clang-format off
    const std::pair<std::vector<FailedSave>, const char *> saves[] = {
        {{{"notes.dat", FileError::PermissionDenied}}, "notes.dat (Permission denied)"},
        {all, "6 (Unknown error (#6)), 7 (File too large), 8 (Not a regular file), 10 (Unreadable file), 53 (File "
              "not found), 57 (Device I/O error), 61 (Disk full), 68 (Device unavailable), 70 (Permission denied), 71 "
              "(Disk not ready), 75 (Path/file access error) and 76 (Path not found)"},
    };
    // clang-format on
    for (const auto &[failures, list] : saves)
        EXPECT_EQ(failedSavesMessage(failures),
                  QStringLiteral("Tarrowby could not save ") + list
                      + ". Keep Tarrowby running? Nothing is lost while it runs, and the next Quit saves again. No "
                        "quits now, and what could not be saved is lost.");
}

TEST(FileErrors, FailedWritesAreToldByTheSystemsReasonFirst)
{
    using F = QFileDevice;
    const std::tuple<const char *, QFileDevice::FileError, int, FileError> rows[] = {
        // Qt's error, errno, ours
        {"no space", F::WriteError, ENOSPC, FileError::DiskFull},
#ifdef EDQUOT // Windows has no quota error
        {"quota", F::NoError, EDQUOT, FileError::DiskFull},
#endif
        {"size limit", F::WriteError, EFBIG, FileError::DiskFull},
        {"Qt's", F::ResourceError, 0, FileError::DiskFull},
        {"permissions", F::PermissionsError, EACCES, FileError::PermissionDenied},
        {"read", F::ReadError, EIO, FileError::DeviceIO},
        {"write", F::WriteError, EIO, FileError::DeviceIO},
        {"anything else", F::RenameError, 0, FileError::PathFileAccess},
    };
    for (const auto &[name, error, systemError, number] : rows)
        EXPECT_EQ(transferError(error, systemError), number) << name;
}

TEST(FileErrorCollector, KeepsWritingErrorsWhileCollectingAndPassesTheRestOn)
{
    RecordingReporter shown;
    FileErrorCollector collector(shown);
    collector.startCollecting();
    collector.reportFileError({"tarrow.ini", FileOperation::Reading, FileError::FileNotFound});
    collector.reportFileError({"notes.dat", FileOperation::Writing, FileError::DiskFull});
    collector.reportFileChanged("calendar.dat", "calendar.dat.bak");
    collector.reportFileError({"calendar.dat", FileOperation::Writing, FileError::DiskFull});
    collector.reportFileError(
        {"notes.dat", FileOperation::Writing, FileError::PermissionDenied}); // its last failure counts
    EXPECT_EQ(collector.stopCollecting(), (std::vector<FailedSave>{{"notes.dat", FileError::PermissionDenied},
                                                                   {"calendar.dat", FileError::DiskFull}}));
    collector.reportFileError({"calendar.dat", FileOperation::Writing, FileError::DiskFull});
    EXPECT_EQ(shown.reports, (Reports{{"tarrow.ini", "reading", FileError::FileNotFound},
                                      {"calendar.dat", "changed", FileError::None, "calendar.dat.bak"},
                                      {"calendar.dat", "writing", FileError::DiskFull}}));
    EXPECT_TRUE(collector.stopCollecting().empty());
}

TEST(DataText, LinesAreUtf8OrWindows1252EachOnItsOwnOrUtf16ByItsMark)
{
    // clang-format off
    const std::tuple<const char *, QByteArray, QStringList> rows[] = {
        {"UTF-8 mark dropped", "\xef\xbb\xbfGr\xc3\xbc\xc3\x9f \xe2\x82\xac\r\n\xfc", {text(u"Grüß €"), text(u"ü")}},
        // The ends of the code page's own block; its unused bytes keep their Latin-1 code points.
        {"Windows-1252", "\x7f\x80\x81\x93\x9f\xa0\xff", {text(u"\x7f\u20ac\x81\u201c\u0178\u00a0\u00ff")}},
        {"UTF-16LE", QByteArray("\xff\xfe" "a\0\r\0\n\0\xac\x20", 10), {"a", text(u"€")}},
        {"UTF-16BE", QByteArray("\xfe\xff\0a\0\n\x20\xac", 8), {"a", text(u"€")}},
        {"every line end", "a\r\nb\nc\rd\r\n\r\ne\n\nf\r\rg\n\rh\r",
         {"a", "b", "c", "d", "", "e", "", "f", "", "g", "", "h"}},
    };
    // clang-format on
    for (const auto &[name, bytes, lines] : rows)
        EXPECT_EQ(decodeDataLines(bytes), lines) << name;
    EXPECT_EQ(encodeDataText(text(u"ü€")), "\xc3\xbc\xe2\x82\xac");
    EXPECT_EQ(toSingleLine("a\r\nb\nc\rd"), "a b c d");
    EXPECT_FALSE(holdsText({"", " \t "}));
    EXPECT_TRUE(holdsText({"", " x"}));
}

TEST_F(DataFileTest, SpecialFilesAreNeitherReadNorReplacedNorKept)
{
#ifdef Q_OS_WIN
    GTEST_SKIP() << "Windows has no FIFOs, sockets or device nodes to put in a folder";
#else
    const QString fifo = folder.file("fifo");
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    const QString device = characterDevice(folder);
    if (device.isEmpty())
        GTEST_SKIP() << "root cannot make a device node here";
    // clang-format off
    const std::pair<const char *, std::function<bool(const QString &path)>> rows[] = {
        {"folder", [](const QString &path) { return QDir().mkdir(path); }},
        {"FIFO", [](const QString &path) { return ::mkfifo(QFile::encodeName(path).constData(), 0600) == 0; }},
        {"link to a FIFO", [&](const QString &path) { return QFile::link(fifo, path); }},
        {"link to a character device", [&](const QString &path) { return QFile::link(device, path); }},
        {"socket", bindSocket},
    };
    // clang-format on
    const FileErrorReport read{"calendar.dat", "reading", FileError::NotRegularFile};
    const FileErrorReport write{"calendar.dat", "writing", FileError::NotRegularFile};
    for (const auto &[name, make] : rows) {
        SCOPED_TRACE(name);
        DataFolderFixture special;
        DataFile data(special.path(), "calendar.dat", reporter);
        ASSERT_TRUE(make(special.file("calendar.dat")));
        const QString target = QFileInfo(special.file("calendar.dat")).canonicalFilePath();
        reporter.reports.clear();
        EXPECT_FALSE(data.load(parsedWell));
        EXPECT_FALSE(data.save("LastCheck=20261206\r\n"));
        EXPECT_FALSE(data.save("LastCheck=20261206\r\n")); // never kept for a later save either
        EXPECT_EQ(reporter.reports, (Reports{read, write, write}));
        EXPECT_TRUE(QFileInfo::exists(target) && !QFileInfo(target).isFile());
        EXPECT_EQ(special.names().filter("calendar.dat."), QStringList()); // no backup, no temporary
    }
    // A device without end is not read either; it is only loaded, never saved to.
    reporter.reports.clear();
    ASSERT_TRUE(QFile::link("/dev/zero", folder.file("calendar.dat")));
    EXPECT_FALSE(DataFile(folder.path(), "calendar.dat", reporter).load(parsedWell));
    EXPECT_EQ(reporter.reports, (Reports{read}));
#endif
}

TEST_F(DataFileTest, ALinkToARegularFileIsWrittenThrough)
{
#ifdef Q_OS_WIN
    GTEST_SKIP() << "links on Windows need a privilege users lack, and Qt makes shortcut files instead";
#endif
    folder.write("elsewhere.dat", "old\r\n");
    ASSERT_TRUE(QFile::link(folder.file("elsewhere.dat"), folder.file("notes.dat")));
    EXPECT_TRUE(load());
    EXPECT_EQ(parsed, QStringList{"old"});
    ASSERT_TRUE(file.save("new\r\n"));
    EXPECT_TRUE(QFileInfo(folder.file("notes.dat")).isSymLink());
    EXPECT_EQ(folder.read("elsewhere.dat"), "new\r\n");
}

// The kernel's rule for links in shared sticky folders, for each link of a chain and up to the kernel's 40 links.
TEST(RegularFile, LinksAreFollowedOnlyWhenTheUserOrTheFoldersOwnerMadeThem)
{
#ifdef Q_OS_WIN
    GTEST_SKIP() << "Windows has no owners of links nor sticky folders";
#else
    if (::geteuid() != 0)
        GTEST_SKIP() << "only root can give a link to another user";
    constexpr uid_t Nobody = 65534;
    const auto link = [](const QString &target, const QString &path, bool foreign = false) {
        ASSERT_TRUE(QFile::link(target, path));
        if (foreign) {
            ASSERT_EQ(::lchown(QFile::encodeName(path).constData(), Nobody, Nobody), 0);
        }
    };
    const auto chain = [&](const DataFolderFixture &folder, int links) { // link1 -> link2 -> ... -> file
        for (int i = 1; i <= links; ++i)
            link(i == links ? folder.file("file") : folder.file(QString("link%1").arg(i + 1)),
                 folder.file(QString("link%1").arg(i)));
    };
    const std::tuple<const char *, std::function<void(const DataFolderFixture &)>, const char *, FileError,
                     const char *>
        rows[] = {
            // what stands there, the path asked, the error, the file reached
            {"a file", [](const DataFolderFixture &) {}, "file", FileError::None, "file"},
            {"the user's own link", [&](const DataFolderFixture &f) { link(f.file("file"), f.file("own")); }, "own",
             FileError::None, "file"},
            {"another user's link", [&](const DataFolderFixture &f) { link(f.file("file"), f.file("theirs"), true); },
             "theirs", FileError::PermissionDenied, ""},
            {"another user's link in that user's folder",
             [&](const DataFolderFixture &f) {
                 ASSERT_TRUE(QDir(f.path()).mkdir("their folder"));
                 ASSERT_EQ(::chown(QFile::encodeName(f.file("their folder")).constData(), Nobody, Nobody), 0);
                 link(f.file("file"), f.file("their folder/theirs"), true);
             },
             "their folder/theirs", FileError::None, "file"},
            {"own link to another user's link",
             [&](const DataFolderFixture &f) {
                 link(f.file("file"), f.file("theirs"), true);
                 link(f.file("theirs"), f.file("own"));
             },
             "own", FileError::PermissionDenied, ""},
            {"own link to nothing", [&](const DataFolderFixture &f) { link(f.file("missing"), f.file("own")); }, "own",
             FileError::None, "missing"},
            {"40 links", [&](const DataFolderFixture &f) { chain(f, 40); }, "link1", FileError::None, "file"},
            {"41 links", [&](const DataFolderFixture &f) { chain(f, 41); }, "link1", FileError::PathFileAccess, ""},
        };
    for (const auto &[name, make, asked, error, reached] : rows) {
        SCOPED_TRACE(name);
        DataFolderFixture folder;
        folder.write("file", "x");
        make(folder);
        QString file;
        EXPECT_EQ(followOwnLinks(folder.file(asked), file), error);
        EXPECT_EQ(file, reached[0] ? folder.file(reached) : QString());
        // A read meets the same rule.
        EXPECT_EQ(RegularFile(folder.file(asked)).error(), failed(error)                   ? error
                                                           : QString(reached) == "missing" ? FileError::FileNotFound
                                                                                           : FileError::None);
    }
#endif
}

// A new file is the user's alone.
TEST_F(DataFileTest, MissingFileIsAnErrorUnlessTheFolderHoldsNoDataFileYet)
{
    EXPECT_FALSE(load());
    parsed = {"stale"};
    EXPECT_TRUE(load(FileError::None, MissingFile::IsEmpty));
    EXPECT_EQ(parsed, QStringList());
    ASSERT_TRUE(file.save("new\r\n"));
    EXPECT_EQ(folder.names(), QStringList{"notes.dat"}); // nothing was there to keep
#ifndef Q_OS_WIN                                         // POSIX modes mean nothing on Windows
    EXPECT_EQ(folder.permissions("notes.dat"), QFileDevice::ReadOwner | QFileDevice::WriteOwner);
#endif
    EXPECT_FALSE(load(FileError::SubscriptRange, MissingFile::IsEmpty)); // only a missing file is empty
    DataFile nowhere(folder.file("missing/folder"), "notes.dat", reporter);
    EXPECT_FALSE(nowhere.load(parsedWell, MissingFile::IsEmpty));
    EXPECT_FALSE(nowhere.save("new\r\n"));
    EXPECT_EQ(reporter.reports, (Reports{{"notes.dat", "reading", FileError::FileNotFound},
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
    EXPECT_EQ(reporter.reports, (Reports{{"notes.dat", "reading", FileError::FileTooLarge, "notes.dat.bak"}}));
}

TEST_F(DataFileTest, LinesUpToTheLengthLimitAreRead)
{
    folder.write("notes.dat", QByteArray(DataFile::MaxLineLength, 'n'));
    EXPECT_TRUE(load());
    folder.write("notes.dat", QByteArray(DataFile::MaxLineLength + 1, 'n'));
    EXPECT_FALSE(load());
    EXPECT_EQ(reporter.reports, (Reports{{"notes.dat", "reading", FileError::FileTooLarge, "notes.dat.bak"}}));
}

// The backup is the user's alone; the file it replaces keeps its mode.
TEST_F(DataFileTest, UnreadableFileIsKeptAtOncePrivatelyAndNamedInTheReport)
{
    const auto owner = QFileDevice::ReadOwner | QFileDevice::WriteOwner;
    const auto shared = owner | QFileDevice::ReadGroup | QFileDevice::ReadOther;
    folder.write("notes.dat", "first");
    ASSERT_TRUE(QFile::setPermissions(folder.file("notes.dat"), shared));
    folder.write("notes.dat.bak", "an earlier backup");
    EXPECT_FALSE(load(FileError::SubscriptRange));
    EXPECT_EQ(reporter.reports, (Reports{{"notes.dat", "reading", FileError::SubscriptRange, "notes.dat.bak1"}}));
    EXPECT_EQ(folder.read("notes.dat.bak1"), "first");
    EXPECT_EQ(folder.read("notes.dat.bak"), "an earlier backup");
    EXPECT_TRUE(file.save("new\r\n"));
    EXPECT_TRUE(file.save("newer\r\n"));
    EXPECT_EQ(folder.names().filter("notes.dat.bak").size(), 2); // kept once, not at every save
#ifndef Q_OS_WIN                                                 // POSIX modes mean nothing on Windows
    EXPECT_EQ(folder.permissions("notes.dat"), shared);
    EXPECT_EQ(folder.permissions("notes.dat.bak1"), owner);
#endif
}

// An empty file is a file seen, with nothing to keep; so is one removed since the load.
TEST_F(DataFileTest, FileThatCannotBeKeptAtLoadIsKeptBeforeTheFirstSaveUnlessEmptyOrGone)
{
#ifdef Q_OS_WIN
    GTEST_SKIP() << "the stand-in for a full disk is a POSIX file size limit";
#else
    folder.write("notes.dat", "");
    EXPECT_TRUE(load());
    EXPECT_TRUE(file.save("new\r\n"));
    for (const bool removed : {true, false}) {
        folder.write("notes.dat", "text before a header\r\n");
        {
            const FileSizeLimit limit(4); // room for neither the copy nor the new file
            EXPECT_FALSE(load(FileError::SubscriptRange));
            EXPECT_FALSE(file.save("new contents\r\n"));
        }
        EXPECT_EQ(folder.read("notes.dat"), "text before a header\r\n");
        EXPECT_EQ(folder.names(), QStringList{"notes.dat"}); // no copy, no temporary
        if (removed) {
            ASSERT_TRUE(QFile::remove(folder.file("notes.dat")));
        }
        EXPECT_TRUE(file.save("new contents\r\n"));
        EXPECT_TRUE(file.save("newer contents\r\n"));
        EXPECT_EQ(folder.names(), removed ? QStringList{"notes.dat"} : QStringList({"notes.dat", "notes.dat.bak"}));
    }
    EXPECT_EQ(folder.read("notes.dat.bak"), "text before a header\r\n");
    const Reports failed{{"notes.dat", "reading", FileError::SubscriptRange},
                         {"notes.dat", "writing", FileError::DiskFull}};
    EXPECT_EQ(reporter.reports, (Reports{failed[0], failed[1], failed[0], failed[1]}));
#endif
}

TEST(DataFolder, CommandLineThenAProgramFolderInUseOrWritableThenThePrivateUserFolder)
{
    const auto rwx = QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner;
    DataFolderFixture program, base;
    const QString user = base.file("per-user/Tarrowby");
    const QString named = base.file("some folder/with blanks");
    EXPECT_EQ(resolveDataFolder(named, program.path(), user), named);
    EXPECT_EQ(resolveDataFolder("", program.path(), user), program.path()); // writable
    EXPECT_FALSE(QFileInfo::exists(user));
    EXPECT_EQ(resolveDataFolder("", base.file("no such program folder"), user), user);
#ifndef Q_OS_WIN // POSIX modes mean nothing on Windows
    for (const char *created : {"some folder/with blanks", "per-user/Tarrowby"})
        EXPECT_EQ(base.permissions(created), rwx) << created;
#endif
    program.write("notes.dat.bak", "");
    EXPECT_TRUE(holdsNoDataFile(program.path())); // no data file in use yet
    program.write("tarrow.ini", "");
    EXPECT_FALSE(holdsNoDataFile(program.path()));
    ASSERT_TRUE(QFile::setPermissions(program.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner));
    if (!QFileInfo(program.path()).isWritable()) { // a folder that holds a data file serves even when it is read-only
        EXPECT_EQ(resolveDataFolder("", program.path(), user), program.path());
    }
    QFile::setPermissions(program.path(), rwx);
}

// What a killed save left carries the save's mark and is no newer than the lock this start took; the user's own
// files, however like a temporary file they look, stay, and so does everything in a folder without a lock.
TEST(DataFolder, OnlyTemporaryFilesOfKilledSavesAreRemoved)
{
    const QString mark = temporarySaveMarker();
    const std::tuple<QString, qint64, bool> rows[] = {
        // name, made how many ms after the lock was taken, removed
        {"calendar.dat" + mark + "aB3xYz", -60000, true},
        {"notes.dat" + mark + "QWERTY", 0, true},
        {"calendar.sync" + mark + "zzzzzz", -60000, true},
        {"calendar.sync.aB3xYz", -60000, false},
        {"tarrow.ini" + mark + "000000", 1, false},
        {"calendar.dat" + mark + "aB3xY", -60000, false},
        {"calendar.dat" + mark + "aB3xYz1", -60000, false},
        {"Calendar.dat" + mark + "cD4eF5", -60000, false},
        {"calendar.dat" + mark + "aB3x\u00e9z", -60000, false},
        {"other.dat" + mark + "aB3xYz", -60000, false},
        {"calendar.dat.aB3xYz", -60000, false},
        {"calendar.dat.backup", -60000, false},
        {"notes.dat.backup", -60000, false},
        {"calendar.dat.before", -60000, false},
        {"tarrow.ini.orig01", -60000, false},
        {"calendar.dat.bak", -60000, false},
        {"calendar.dat", -60000, false},
    };
    for (const bool locked : {true, false}) {
        DataFolderFixture folder;
        folder.write("tarrow.lock", {});
        const QDateTime lockTime = QFileInfo(folder.file("tarrow.lock")).lastModified();
        QStringList kept = {"notes.dat" + mark + "folder", "tarrow.ini" + mark + "linked"};
        QDir(folder.path()).mkdir(kept[0]);
        QFile::link(folder.file("calendar.dat"), folder.file(kept[1]));
        for (const auto &[name, age, removed] : rows) {
            QFile file(folder.file(name));
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
            ASSERT_TRUE(file.setFileTime(lockTime.addMSecs(age), QFile::FileModificationTime));
            if (!removed || !locked)
                kept.append(name);
        }
        if (!locked)
            ASSERT_TRUE(QFile::remove(folder.file("tarrow.lock")));
        else
            kept.append("tarrow.lock");
        removeStaleTemporaryFiles(folder.path());
        kept.sort();
        EXPECT_EQ(folder.names(), kept) << (locked ? "locked" : "without a lock");
    }
}
