#include "MainWindowFixture.h"
#include "RadicaleServer.h"
#include "eventdata/CalendarFile.h"
#include "eventdata/CalendarStore.h"
#include "mainwindow/SyncController.h"
#include "platform/FileLock.h"
#include "platform/MemoryCredentialStore.h"
#include "platform/SingleInstance.h"
#include "settings/SettingsFile.h"
#include "settings/SyncAccount.h"
#include "sync/SyncSession.h"
#include "synccommand/SyncCommand.h"

#include <QProcess>
#include <QSignalSpy>

namespace {

Event partyEvent(const char *title)
{
    Event event;
    event.title = QString::fromLatin1(title);
    event.date = {2027, 3, 15};
    return event;
}

// One machine of the user's: a data folder, its calendar and the sync over it.
struct Machine {
    explicit Machine(const QUrl &server)
    {
        settings.sync = {server.toString(), QStringLiteral("ann"), 0};
        credentials.writePassword(syncAccount(settings.sync), QStringLiteral("secret"), [](CredentialError) {});
    }
    // Runs "Sync now" to its end, the messages it shows answered in turn:
    // the status it showed. The messages are kept in asked.
    QString syncNow(const std::vector<MessageButton> &answers = {})
    {
        asked.clear();
        size_t next = 0;
        const auto answerNext = [&] {
            if (next < answers.size())
                GeneralDialog::setNextAnswer({answers[next++]});
        };
        QSignalSpy status(&sync, &SyncController::statusChanged);
        sync.configure();
        answerNext();
        sync.syncNow();
        const bool ended = QTest::qWaitFor(
            [&] {
                if (std::optional<Message> message = GeneralDialog::takeAskedMessage()) {
                    asked.push_back(message->text);
                    answerNext();
                }
                return !status.isEmpty() && asked.size() == std::ssize(answers);
            },
            60 * 1000);
        return ended ? status.constFirst().constFirst().toString() : QString();
    }

    DataFolderFixture folder;
    EventTable events;
    Settings settings;
    CalendarStore store{events, [](const EventTable &) {}};
    MemoryCredentialStore credentials;
    FakeClock clock{QDate(2026, 12, 6)};
    QWidget window;
    SyncController sync{settings, folder.path(), store, credentials, clock, &window};
    QStringList asked;
};

class SyncWiring : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_EQ(server.problem(), QString()); }
    RadicaleServer server;
};

} // namespace

TEST_F(SyncWiring, SyncNowSendsTheCalendarAndTellsWhatItDid)
{
    Machine machine{server.url()};
    machine.store.add(partyEvent("Party"));
    EXPECT_EQ(machine.syncNow({MessageButton::Ok}), QStringLiteral("Synced 09:00"));
    EXPECT_EQ(machine.asked, QStringList{QStringLiteral("Sent to the server: Party")});
    EXPECT_TRUE(QFile::exists(syncStatePath(machine.folder.path())));
}

// A wrong password is the server's answer, which the sync's own tests and tarrow --sync cover; a missing one is found
// here, before the server is asked.
TEST_F(SyncWiring, ASignInWithoutAKeptPasswordSaysSo)
{
    Machine machine{server.url()};
    machine.credentials.removePassword(syncAccount(machine.settings.sync), [](CredentialError) {});
    EXPECT_EQ(machine.syncNow(), QStringLiteral("Sign-in failed: no password is kept for the sync"));
}

// Events on both sides at the first sync: the counts first, and a no writes nothing.
TEST_F(SyncWiring, AFirstSyncAsksBeforeItWrites)
{
    Machine first{server.url()};
    first.store.add(partyEvent("Party"));
    ASSERT_EQ(first.syncNow({MessageButton::Ok}), QStringLiteral("Synced 09:00"));

    Machine second{server.url()};
    second.store.add(partyEvent("Picnic"));
    EXPECT_EQ(second.syncNow({MessageButton::No}), QStringLiteral("Sync stopped: nothing was changed"));
    ASSERT_EQ(second.asked.size(), 1);
    EXPECT_TRUE(second.asked[0].contains(QStringLiteral("Here: 1, on the server: 1, the same on both sides: 0.")))
        << second.asked[0].toStdString();
    EXPECT_EQ(second.events.size(), 1);

    Machine third{server.url()};
    EXPECT_EQ(third.syncNow({MessageButton::Yes, MessageButton::Ok}), QStringLiteral("Synced 09:00"));
    ASSERT_EQ(third.events.size(), 1) << "the server got nothing from the second machine";
    EXPECT_EQ(third.events.events[0].title, QStringLiteral("Party"));
}

TEST_F(MainWindowTest, SyncStatusShowsInTheStatusLineAndTheTray)
{
    startUp();
    auto *sync = window.findChild<SyncController *>();
    ASSERT_TRUE(sync);
    emit sync->statusChanged(QStringLiteral("Offline, will try again"));
    EXPECT_EQ(window.findChild<QLabel *>(QStringLiteral("labelSync"))->text(),
              QStringLiteral("Offline, will try again"));
    EXPECT_EQ(platform.trayToolTip, QStringLiteral("Tarrowby\nOffline, will try again"));
}

TEST(SyncCommand, ReadsOnlyAPasswordFileNoOneElseMayRead)
{
    const DataFolderFixture folder;
    folder.write(QStringLiteral("password"), "secret\r\nsecond line\n");
    const QString path = folder.file(QStringLiteral("password"));
    using P = QFile::Permission;
    // clang-format off
    const std::tuple<const char *, QFile::Permissions, bool> rows[] = {
        {"the owner's alone", P::ReadOwner | P::WriteOwner, true},
        {"read-only for its owner", QFile::Permissions(P::ReadOwner), true},
        {"the group may read", P::ReadOwner | P::ReadGroup, false},
        {"the group may write", P::ReadOwner | P::WriteGroup, false},
        {"anyone may read", P::ReadOwner | P::ReadOther, false},
        {"anyone may write", P::ReadOwner | P::WriteOther, false},
    };
    // clang-format on
    for (const auto &[name, permissions, accepted] : rows) {
        ASSERT_TRUE(QFile::setPermissions(path, permissions));
        QString password;
        QString failure;
        EXPECT_EQ(readPasswordFile(path, password, failure), accepted) << name;
        EXPECT_EQ(password, accepted ? QStringLiteral("secret") : QString()) << name;
        EXPECT_EQ(failure.isEmpty(), accepted) << name;
    }
    QString password;
    QString failure;
    EXPECT_FALSE(readPasswordFile(folder.file(QStringLiteral("missing")), password, failure));
}

// tarrow --sync as a script runs it: the exit status and a line per change.
class SyncCommandRun : public SyncWiring {
protected:
    void SetUp() override
    {
        SyncWiring::SetUp();
        prepare(folder, {partyEvent("Party")});
    }
    // A data folder set up for the sync, its calendar last saved on 6 December.
    void prepare(const DataFolderFixture &data, const std::vector<Event> &events)
    {
        Settings settings;
        settings.sync = {server.url().toString(), QStringLiteral("ann"), 0};
        RecordingReporter reporter;
        ASSERT_TRUE(SettingsFile(data.path(), reporter).saveSettings(settings, MainWindowPosition()));
        EventTable table;
        for (const Event &event : events)
            table.addEvent(event);
        const FakeClock clock(QDate(2026, 12, 6));
        ASSERT_TRUE(CalendarFile(data.path(), reporter, clock).saveCalendar(table));
        data.write(QStringLiteral("password"), password);
        QFile::setPermissions(data.file(QStringLiteral("password")), QFile::ReadOwner | QFile::WriteOwner);
    }
    int run(QByteArray &out, QByteArray &err) { return run(folder, out, err); }
    int run(const DataFolderFixture &data, QByteArray &out, QByteArray &err)
    {
        QProcess program;
        program.start(QStringLiteral(TARROW_EXECUTABLE), {QStringLiteral("--sync"), QStringLiteral("--password-file"),
                                                          data.file(QStringLiteral("password")), data.path()});
        if (!program.waitForFinished(60 * 1000))
            return -1;
        out = program.readAllStandardOutput();
        err = program.readAllStandardError();
        return program.exitCode();
    }

    DataFolderFixture folder;
    QByteArray password = "secret\n";
};

TEST_F(SyncCommandRun, SyncsOnceAndPrintsEachChange)
{
    QByteArray out;
    QByteArray err;
    EXPECT_EQ(run(out, err), 0) << err.constData();
    EXPECT_TRUE(out.startsWith("Sent to the server: Party\nSynced ")) << out.constData();
    EXPECT_EQ(run(out, err), 0) << err.constData();
    EXPECT_TRUE(out.startsWith("Synced ")) << "nothing new the second time: " << out.constData();
}

TEST_F(SyncCommandRun, AWrongPasswordFails)
{
    password = "wrong\n";
    folder.write(QStringLiteral("password"), password);
    QByteArray out;
    QByteArray err;
    EXPECT_EQ(run(out, err), 1);
    EXPECT_TRUE(err.contains("Sign-in failed\n")) << err.constData();
}

TEST_F(SyncCommandRun, RefusesBesideTheProgramOnTheSameFolder)
{
    const QTemporaryDir runtime;
    SingleInstance program(folder.path(), runtime.path());
    ASSERT_EQ(program.acquire([] {}), SingleInstance::Claim::Acquired);
    QByteArray out;
    QByteArray err;
    EXPECT_EQ(run(out, err), 1);
    EXPECT_TRUE(err.contains("the program is running on")) << err.constData();
    EXPECT_FALSE(QFile::exists(syncStatePath(folder.path())));
}

// A pass without a window shows no alert: the day up to which the program
// showed them stays in calendar.dat as it was.
TEST_F(SyncCommandRun, KeepsTheDayOfTheLastAlertCheck)
{
    const DataFolderFixture other;
    prepare(other, {});
    QByteArray out;
    QByteArray err;
    ASSERT_EQ(run(other, out, err), 0) << err.constData();
    ASSERT_EQ(run(out, err), 0) << err.constData();
    ASSERT_EQ(run(other, out, err), 0) << err.constData();
    EXPECT_TRUE(out.startsWith("Added here: Party\n")) << out.constData();
    EXPECT_TRUE(other.read(QStringLiteral("calendar.dat")).contains("LastCheck=20261206"));
}

// A data file that does not read stops the pass before it reaches the server.
TEST_F(SyncCommandRun, AFileThatDoesNotReadStopsIt)
{
    QFile::remove(folder.file(QStringLiteral("calendar.dat")));
    ASSERT_TRUE(QDir(folder.path()).mkdir(QStringLiteral("calendar.dat")));
    QByteArray out;
    QByteArray err;
    EXPECT_EQ(run(out, err), 1);
    EXPECT_TRUE(err.contains("calendar.dat")) << err.constData();
    EXPECT_FALSE(QFile::exists(syncStatePath(folder.path())));
}
