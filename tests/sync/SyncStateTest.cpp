#include "sync/SyncState.h"

#include "eventdata/DataFile.h"
#include "eventdata/FileErrors.h"
#include "TestSupport.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>
#include <tuple>

#ifndef Q_OS_WIN
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

SyncEntry entry(const QString &uid, const QString &href)
{
    return {uid, href, "\"e 1\"", QStringLiteral("Party at Bob's"), "0a1b", "2c3d",
            "BEGIN:VCALENDAR\r\nSUMMARY:Party\\, with % and \xc3\xa9\r\n LOCATION:x\r\nEND:VCALENDAR\r\n"};
}

const SyncState State{QUrl(QStringLiteral("https://dav.example.org/ann/cal/")),
                      QStringLiteral("http://radicale.org/ns/sync/1 2"),
                      {entry(QStringLiteral("u-1"), QStringLiteral("/ann/cal/1.ics")),
                       entry(QStringLiteral("u 2\nUid"), QStringLiteral("/ann/cal/2%20b.ics"))}};

QByteArray stateText(const QByteArray &lines)
{
    return "Tarrowby sync 1\nCollection https://dav.example.org/\n" + lines;
}

} // namespace

TEST(SyncState, RoundTrips)
{
    const std::pair<const char *, SyncState> rows[] = {
        {"events with line breaks, blanks and escapes", State},
        {"nothing synced yet", SyncState{QUrl(QStringLiteral("http://127.0.0.1:5232/ann/cal/")), {}, {}}},
    };
    for (const auto &[name, state] : rows) {
        SyncState read;
        ASSERT_EQ(readSyncState(writeSyncState(state), read), FileError::None) << name;
        EXPECT_EQ(read, state) << name;
    }
}

TEST(SyncState, RefusesWhatIsNotAState)
{
    const std::pair<const char *, QByteArray> rows[] = {
        {"no first line", "Collection https://dav.example.org/\n"},
        {"another version", "Tarrowby sync 2\n"},
        {"a field before any event", stateText("Href /a.ics\n")},
        {"an unknown field", stateText("Event u-1\nHref /a.ics\nColour blue\n")},
        {"an event without its href", stateText("Event u-1\nETag x\n")},
        {"a UID twice", stateText("Event u-1\nHref /a.ics\nEvent u-1\nHref /b.ics\n")},
        {"an href twice", stateText("Event u-1\nHref /a.ics\nEvent u-2\nHref /a.ics\n")},
        {"empty", ""},
    };
    for (const auto &[name, bytes] : rows) {
        SyncState read = State;
        EXPECT_EQ(readSyncState(bytes, read), FileError::Unreadable) << name;
        EXPECT_EQ(read, State) << name;
    }
}

TEST(SyncState, SavedForItsOwnerOnlyAndLoadedBack)
{
    QTemporaryDir dir;
    const QString path = QDir(dir.path()).filePath(QStringLiteral("calendar.sync"));
    QFile old(path);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadOther);
    old.close();
    ASSERT_EQ(saveSyncState(path, State), FileError::None);
#ifdef Q_OS_UNIX
    struct stat status {};
    ASSERT_EQ(stat(QFile::encodeName(path).constData(), &status), 0);
    EXPECT_EQ(status.st_mode & 0777, 0600u);
#endif
    SyncState loaded;
    ASSERT_EQ(loadSyncState(path, loaded), FileError::None);
    EXPECT_EQ(loaded, State);
}

// What stands where the state belongs, as the data files meet it: read and
// replaced only when it is a regular file reached through the user's own
// links, and never left half written.
TEST(SyncState, FileFaults)
{
    const auto stateFile = [](const DataFolderFixture &f) { f.write("calendar.sync", writeSyncState(State)); };
#ifndef Q_OS_WIN // links need a privilege on Windows, which has no FIFOs either
    constexpr uid_t Nobody = 65534;
    const auto ownLink = [](const DataFolderFixture &f) {
        f.write("elsewhere", writeSyncState(State));
        QFile::link(f.file("elsewhere"), f.file("calendar.sync"));
    };
    const auto theirLink = [&](const DataFolderFixture &f) {
        ownLink(f);
        ::lchown(QFile::encodeName(f.file("calendar.sync")).constData(), Nobody, Nobody);
    };
    const auto fifo = [](const DataFolderFixture &f) {
        ::mkfifo(QFile::encodeName(f.file("fifo")).constData(), 0600);
        QFile::link(f.file("fifo"), f.file("calendar.sync"));
    };
#endif
    // A long token fills the file up to the size limit, and one byte past it.
    SyncState atLimit = State;
    atLimit.token.clear();
    atLimit.token.fill(u'x', DataFile::MaxFileBytes - writeSyncState(atLimit).size());
    const auto sized = [&](qsizetype extra) {
        return [&atLimit, extra](const DataFolderFixture &f) {
            f.write("calendar.sync", writeSyncState(atLimit) + QByteArray(extra, '\n'));
        };
    };
    const struct {
        const char *name; // what stands there
        std::function<void(const DataFolderFixture &)> make;
        FileError loadError;
        SyncState loaded;
        FileError saveError;
    } rows[] = {
        {"nothing before the first sync", [](const DataFolderFixture &) {}, FileError::FileNotFound, {}, FileError::None},
        {"a state", stateFile, FileError::None, State, FileError::None},
#ifndef Q_OS_WIN
        {"the user's own link to a state", ownLink, FileError::None, State, FileError::None},
#endif
        {"garbage", [](const DataFolderFixture &f) { f.write("calendar.sync", "\x89PNG\r\n"); },
         FileError::Unreadable, {}, FileError::None},
        {"at the size limit", sized(0), FileError::None, atLimit, FileError::None},
        {"one byte over the size limit", sized(1), FileError::FileTooLarge, {}, FileError::None},
        {"a folder", [](const DataFolderFixture &f) { QDir(f.path()).mkdir("calendar.sync"); },
         FileError::NotRegularFile, {}, FileError::NotRegularFile},
#ifndef Q_OS_WIN
        {"a link to a FIFO", fifo, FileError::NotRegularFile, {}, FileError::NotRegularFile},
        {"another user's link", theirLink, FileError::PermissionDenied, {}, FileError::PermissionDenied},
#endif
    };
    for (const auto &[name, make, loadError, expected, saveError] : rows) {
        SCOPED_TRACE(name);
#ifndef Q_OS_WIN
        if (saveError == FileError::PermissionDenied && ::geteuid() != 0)
            continue; // only root can give a link to another user
#endif
        DataFolderFixture folder;
        make(folder);
        const QStringList before = folder.names();
        SyncState loaded;
        EXPECT_EQ(loadSyncState(folder.file("calendar.sync"), loaded), loadError);
        EXPECT_EQ(loaded, expected);
        const SyncState saved{State.collection, QStringLiteral("new token"), {}};
        EXPECT_EQ(saveSyncState(folder.file("calendar.sync"), saved), saveError);
        EXPECT_EQ(folder.names(), before.isEmpty() ? QStringList{"calendar.sync"} : before); // no temporary
        if (!failed(saveError)) {
            EXPECT_EQ(loadSyncState(folder.file("calendar.sync"), loaded), FileError::None);
            EXPECT_EQ(loaded, saved);
        }
    }
}

TEST(SyncState, FailedSaveLeavesTheOldFile)
{
#ifdef Q_OS_WIN
    GTEST_SKIP() << "the stand-in for a full disk is a POSIX file size limit";
#else
    DataFolderFixture folder;
    const QString path = folder.file("calendar.sync");
    ASSERT_EQ(saveSyncState(path, State), FileError::None);
    const QByteArray old = folder.read("calendar.sync");
    {
        const FileSizeLimit limit(4); // no room for the new file
        EXPECT_EQ(saveSyncState(path, SyncState{State.collection, QStringLiteral("new token"), {}}),
                  FileError::DiskFull);
    }
    EXPECT_EQ(folder.read("calendar.sync"), old);
    EXPECT_EQ(folder.names(), QStringList{"calendar.sync"});
#endif
}
