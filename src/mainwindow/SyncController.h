#pragma once

#include "sync/SyncPass.h"
#include "sync/SyncScheduler.h"

#include <QObject>
#include <QString>
#include <QTimer>

#include <memory>

class CalendarStore;
class Clock;
class CredentialStore;
class SettingsDialog;
class StoreCalendar;
class SyncSession;
struct Settings;

// The sync as the main window runs it: the scheduler with the settings, the
// password from the credential store, one pass at a time over the program's
// calendar, the question before a pass writes what the user must agree to,
// and what came of it. Until the user sets the sync up it makes no file, no
// connection and no thread.
class SyncController : public QObject {
    Q_OBJECT

public:
    SyncController(Settings &settings, QString dataFolder, CalendarStore &store, CredentialStore &credentials,
                   const Clock &clock, QWidget *window);
    ~SyncController() override;

    // At start, once the calendar is read, and after the settings changed.
    void configure();
    void syncNow();
    // The computer woke from sleep (or the clock was set).
    void wokeUp();
    // The settings dialog gets the Sync page, whose "Sync now" syncs with
    // what the page shows.
    void addPageTo(SettingsDialog &dialog);
    const QString &status() const { return status_; }

signals:
    // The line the status bar and the tray show.
    void statusChanged(const QString &status);

private:
    void startPass();
    void run(const QString &password);
    void ask(const SyncPlan &plan, const std::function<void(bool)> &answer);
    void finished(const SyncOutcome &outcome);

    Settings &settings_;
    QString dataFolder_;
    CredentialStore &credentials_;
    const Clock &clock_;
    QWidget *window_;
    StoreCalendar *calendar_;
    QTimer timer_;
    SyncScheduler scheduler_;
    std::unique_ptr<SyncSession> session_;
    QString status_;
    bool passwordKept_ = false; // the credential store gave the last pass a password
};
