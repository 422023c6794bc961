#include "synccommand/SyncCommand.h"

#include "eventdata/CalendarFile.h"
#include "eventdata/CalendarStore.h"
#include "eventdata/DataFile.h"
#include "eventdata/FileErrors.h"
#include "platform/Clock.h"
#include "platform/CredentialStore.h"
#include "platform/SingleInstance.h"
#include "settings/Settings.h"
#include "settings/SettingsFile.h"
#include "settings/SyncAccount.h"
#include "sync/StoreCalendar.h"
#include "sync/SyncSession.h"
#include "sync/SyncTexts.h"

#include <QEventLoop>
#include <QFile>

#include <cstdio>
#include <optional>

namespace {

void say(std::FILE *to, const QString &line)
{
    std::fputs((line + QLatin1Char('\n')).toLocal8Bit().constData(), to);
}

// Every file error of the run, on standard error; any of them fails it.
class ErrorLines : public FileErrorReporter {
public:
    void reportFileError(const FileFailure &failure) override
    {
        say(stderr, QStringLiteral("tarrow: error %1 %2 %3")
                        .arg(fileOperationName(failure.operation), failure.fileName)
                        .arg(static_cast<int>(failure.error)));
        anyFailed = true;
    }
    void reportFileChanged(const QString &fileName, const QString &backupName) override
    {
        say(stderr,
            QStringLiteral("tarrow: %1 was changed elsewhere; that version is kept as %2").arg(fileName, backupName));
    }
    bool anyFailed = false;
};

// calendar.dat's LastCheck tells the program up to which day it showed the
// alerts; a pass without a window shows none, so once the file is read its
// saves write that day back as it was.
class LastCheckClock : public Clock {
public:
    explicit LastCheckClock(const Clock &clock) : clock_(clock) {}
    QDate today() const override { return kept_.isValid() ? kept_ : clock_.today(); }
    QDateTime now() const override { return clock_.now(); }
    qint64 sinceBootMs() const override { return clock_.sinceBootMs(); }
    void keep(const QString &lastCheck) { kept_ = QDate::fromString(lastCheck, QStringLiteral("yyyyMMdd")); }

private:
    const Clock &clock_;
    QDate kept_;
};

QString passwordFrom(CredentialStore &credentials, const QString &account)
{
    std::optional<QString> password;
    QEventLoop loop;
    credentials.readPassword(account, [&](const CredentialResult &read) {
        password = read.password; // none when the store keeps none: the server decides
        loop.quit();
    });
    if (!password)
        loop.exec();
    return *password;
}

SyncOutcome onePass(const SyncSettings &sync, const QString &dataFolder, CalendarStore &store, const QString &password,
                    const Clock &clock)
{
    StoreCalendar calendar(store);
    SyncSession session(sync, password, syncStatePath(dataFolder), calendar, clock);
    std::optional<SyncOutcome> result;
    QEventLoop loop;
    session.run([](const QString &key) { return key; },
                [](const SyncPlan &plan, const std::function<void(bool)> &answer) {
                    say(stdout, syncQuestionText(plan));
                    say(stdout, QStringLiteral("Not without your answer: use Sync now in the program."));
                    answer(false);
                },
                [&](const SyncOutcome &outcome) {
                    result = outcome;
                    loop.quit();
                });
    if (!result)
        loop.exec();
    return *result;
}

} // namespace

bool readPasswordFile(const QString &path, QString &password, QString &failure)
{
#ifndef Q_OS_WIN
    const QFile::Permissions others = QFile::ReadGroup | QFile::WriteGroup | QFile::ReadOther | QFile::WriteOther;
    if (QFile::exists(path) && (QFile::permissions(path) & others)) {
        failure = QStringLiteral("others may read %1: only its owner may (chmod 600)").arg(path);
        return false;
    }
#endif
    QByteArray bytes;
    if (const FileError error = readBoundedFile(path, bytes); failed(error)) {
        failure = QStringLiteral("cannot read %1 (error %2)").arg(path).arg(static_cast<int>(error));
        return false;
    }
    password = QString::fromUtf8(bytes.left(bytes.indexOf('\n'))).remove(QLatin1Char('\r'));
    return true;
}

int runSyncCommand(const QString &dataFolder, const QString &passwordFile, CredentialStore &credentials,
                   const Clock &clock)
{
    SingleInstance instance(dataFolder);
    const SingleInstance::Claim claim = instance.acquire([] {});
    if (claim != SingleInstance::Claim::Acquired) {
        say(stderr, claim == SingleInstance::Claim::AlreadyRunning
                        ? QStringLiteral("tarrow: the program is running on %1; use its Sync now").arg(dataFolder)
                        : QStringLiteral("tarrow: %1").arg(instance.failure()));
        return 1;
    }
    ErrorLines errors;
    // Only the settings and the calendar: the notes are not the sync's. A
    // file that is not there is empty, as at a first start.
    LastCheckClock fileClock(clock);
    CalendarFile calendarFile(dataFolder, errors, fileClock);
    Settings settings;
    MainWindowPosition position;
    SettingsFile(dataFolder, errors).loadSettings(settings, position, MissingFile::IsEmpty);
    EventTable events;
    QString lastCheck;
    calendarFile.loadCalendar(events, lastCheck, MissingFile::IsEmpty);
    fileClock.keep(lastCheck);
    if (errors.anyFailed)
        return 1;
    if (!settings.sync.isConfigured()) {
        say(stderr, QStringLiteral("tarrow: the sync is not set up in %1 (Settings, Sync)").arg(dataFolder));
        return 1;
    }
    QString password;
    QString failure;
    if (!passwordFile.isEmpty() && !readPasswordFile(passwordFile, password, failure)) {
        say(stderr, QStringLiteral("tarrow: ") + failure);
        return 1;
    }
    if (passwordFile.isEmpty())
        password = passwordFrom(credentials, syncAccount(settings.sync));
    CalendarStore store(events, [&calendarFile](const EventTable &table) { calendarFile.saveCalendar(table); });
    const SyncOutcome outcome = onePass(settings.sync, dataFolder, store, password, clock);
    for (const SyncChange &change : outcome.changes)
        say(stdout, syncChangeLine(change));
    const QString status = syncStatusText(outcome, clock.now().toLocalTime().time());
    say(outcome.error == SyncError::None && !outcome.declined ? stdout : stderr, status);
    return outcome.error != SyncError::None || outcome.declined || errors.anyFailed ? 1 : 0;
}
