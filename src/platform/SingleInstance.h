#pragma once

#include <QString>

#include <functional>
#include <memory>

class QLocalServer;
#ifdef Q_OS_WIN
class QLockFile;
#endif

// One running instance per user and data folder. The lock and the socket that
// carries "show your window" live in a folder only the user can enter, so no
// other user can take or fake them; two different data folders run side by side.
class SingleInstance {
public:
    // runtimeFolder: where the lock and socket go; by default privateFolder()
    // of the user's runtime folder and ~/.cache/tarrowby.
    explicit SingleInstance(const QString &dataFolder, const QString &runtimeFolder = {});
    ~SingleInstance();
    SingleInstance(const SingleInstance &) = delete;
    SingleInstance &operator=(const SingleInstance &) = delete;

    // The folder of the lock and socket; empty when there is no private one.
    const QString &folder() const { return folder_; }
    // True when this is the only instance; it then listens for show requests.
    bool acquire(std::function<void()> showRequested);
    // Asks the running instance to show its window; true when it answered.
    bool askRunningInstanceToShow() const;

    // runtimeFolder when it is a folder of this user's that no one else may
    // enter (mode 0700), else fallback, created so, or tightened when it is
    // the user's own; empty when neither will do.
    static QString privateFolder(const QString &runtimeFolder, const QString &fallback);

private:
    QString folder_;
    QString lockPath_;
    QString socketPath_;
#ifdef Q_OS_WIN
    std::unique_ptr<QLockFile> lock_;
#else
    int lockFd_ = -1;
#endif
    std::unique_ptr<QLocalServer> server_;
};
