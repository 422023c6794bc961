#include "sync/SyncState.h"

#include "eventdata/FileErrors.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

namespace {

SyncEntry entry(const QString &uid, const QString &href)
{
    return {uid,
            href,
            "\"e 1\"",
            QStringLiteral("Party at Bob's"),
            "0a1b",
            "2c3d",
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
    // clang-format off
    const std::pair<const char *, SyncState> rows[] = {
        {"events with line breaks, blanks and escapes", State},
        {"nothing synced yet", SyncState{QUrl(QStringLiteral("http://127.0.0.1:5232/ann/cal/")), {}, {}}},
    };
    // clang-format on
    for (const auto &[name, state] : rows) {
        SyncState read;
        ASSERT_EQ(readSyncState(writeSyncState(state), read), FileError::None) << name;
        EXPECT_EQ(read, state) << name;
    }
}

TEST(SyncState, RefusesWhatIsNotAState)
{
    // clang-format off
    const std::pair<const char *, QByteArray> rows[] = {
        {"no first line", "Collection https://dav.example.org/\n"},
        {"another version", "Tarrowby sync 2\n"},
        {"an unknown field", stateText("Event u-1\nHref /a.ics\nColour blue\n")},
        {"an event without its href", stateText("Event u-1\nETag x\n")},
        {"a UID twice", stateText("Event u-1\nHref /a.ics\nEvent u-1\nHref /b.ics\n")},
    };
    // clang-format on
    for (const auto &[name, bytes] : rows) {
        SyncState read = State;
        EXPECT_EQ(readSyncState(bytes, read), FileError::Unreadable) << name;
        EXPECT_EQ(read, State) << name;
    }
}

// Where the file may stand and how it is replaced are the data files' rules;
// the state takes them, and is kept from other users' eyes.
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
