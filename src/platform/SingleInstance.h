#pragma once

#include "platform/FileLock.h"

#include <QString>

#include <functional>
#include <memory>

class QLocalServer;

// One running instance per data folder. A lock file in the data folder keeps
// out every other start on it, whatever user and session it comes from. A
// second lock and the socket that carries "show your window" live in a
// folder only the user can enter, so no other user can take or fake them;
// through them a second start in the same session brings the running
// instance forward. Two different data folders run side by side.
class SingleInstance {
public:
    enum class Claim { Acquired, AlreadyRunning, Failed };

    // runtimeFolder: where the lock and socket go; by default privateFolder()
    // of the user's runtime folder and ~/.cache/tarrowby.
    explicit SingleInstance(const QString &dataFolder, const QString &runtimeFolder = {});
    ~SingleInstance();
    SingleInstance(const SingleInstance &) = delete;
    SingleInstance &operator=(const SingleInstance &) = delete;

    // The folder of the lock and socket; empty when there is no private one.
    const QString &folder() const { return folder_; }
    // Acquired when this is the only instance, which then holds both locks
    // and listens for show requests; AlreadyRunning when another holds
    // either lock; Failed when a lock cannot be made at all. A data folder
    // that takes no new file (read-only to this user) needs no lock of its
    // own: nothing can be saved in it.
    Claim acquire(std::function<void()> showRequested);
    // After Failed: why, as one sentence for the user.
    const QString &failure() const { return failure_; }
    // Asks the running instance to show its window; true when it answered.
    bool askRunningInstanceToShow() const;

    // runtimeFolder when it is a folder of this user's that no one else may
    // enter (mode 0700), else fallback, created so, or tightened when it is
    // the user's own; empty when neither will do.
    static QString privateFolder(const QString &runtimeFolder, const QString &fallback);

private:
    Claim take(FileLock &lock, bool unwritableFolderWillDo);
    void listen(std::function<void()> showRequested);

    QString folder_;
    FileLock dataFolderLock_;
    FileLock runtimeLock_;
    QString socketPath_;
    QString failure_;
    std::unique_ptr<QLocalServer> server_;
};
