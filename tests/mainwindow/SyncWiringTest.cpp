#include "RadicaleServer.h"
#include "eventdata/CalendarFile.h"
#include "settings/Settings.h"
#include "settings/SettingsFile.h"
#include "synccommand/SyncCommand.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

namespace {

Event partyEvent(const char *title)
{
    Event event;
    event.title = QString::fromLatin1(title);
    event.date = {2027, 3, 15};
    return event;
}

// tarrow --sync as a script runs it: the exit status and a line per change.
class SyncCommandRun : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_EQ(server.problem(), QString()); }
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

    RadicaleServer server;
    DataFolderFixture folder;
    QByteArray password = "secret\n";
};

} // namespace

// A pass enters what the server holds through the calendar's own change path, which saves calendar.dat. It shows no
// alert, so the day up to which the program showed them stays in calendar.dat as it was. An event whose date names
// no day, as a hand edit can leave one, is not sent.
TEST_F(SyncCommandRun, EntersTheServersEventsIntoTheCalendarFileKeepingTheDayOfTheLastAlertCheck)
{
    Event noDay = partyEvent("No day");
    noDay.date = {2027, 4, 31};
    prepare(folder, {partyEvent("Party"), noDay});
    const DataFolderFixture other;
    prepare(other, {});
    QByteArray out;
    QByteArray err;
    ASSERT_EQ(run(other, out, err), 0) << err.constData();
    ASSERT_EQ(run(out, err), 0) << err.constData();
    ASSERT_EQ(run(other, out, err), 0) << err.constData();
    EXPECT_TRUE(out.startsWith("Added here: Party\n")) << out.constData();
    const QByteArray calendar = other.read(QStringLiteral("calendar.dat"));
    EXPECT_TRUE(calendar.contains("Title=Party\r\n") && calendar.contains("LastCheck=20261206"));
    EXPECT_FALSE(calendar.contains("No day"));
}

// The password file is refused, unread, as soon as anyone but its owner may read or change it.
TEST(SyncCommand, ReadsOnlyAPasswordFileNoOneElseMayRead)
{
    const DataFolderFixture folder;
    folder.write(QStringLiteral("password"), "secret\r\nsecond line\n");
    const QString path = folder.file(QStringLiteral("password"));
    using P = QFile::Permission;
    // clang-format off
    const std::tuple<const char *, QFile::Permissions, bool> rows[] = {
        {"read-only for its owner", QFile::Permissions(P::ReadOwner), true},
        {"the group may read", P::ReadOwner | P::ReadGroup, false},
        {"anyone may write", P::ReadOwner | P::WriteOther, false},
    };
    // clang-format on
    for (const auto &[name, permissions, accepted] : rows) {
        ASSERT_TRUE(QFile::setPermissions(path, permissions));
        QString password;
        QString failure;
        EXPECT_EQ(readPasswordFile(path, password, failure), accepted) << name;
        EXPECT_EQ(password, accepted ? QStringLiteral("secret") : QString()) << name;
    }
}
