#pragma once

#include <QLockFile>
#include <QString>

#include <functional>
#include <memory>

class QLocalServer;

// One running instance per user and data folder. The lock and the socket that
// carries "show your window" live in the user's own runtime folder, so no
// other user can take or fake them; two different data folders run side by side.
class SingleInstance {
public:
    // runtimeFolder: where the lock and socket go; by default the user's runtime folder.
    explicit SingleInstance(const QString &dataFolder, const QString &runtimeFolder = {});
    ~SingleInstance();
    SingleInstance(const SingleInstance &) = delete;
    SingleInstance &operator=(const SingleInstance &) = delete;

    // True when this is the only instance; it then listens for show requests.
    bool acquire(std::function<void()> showRequested);
    // Asks the running instance to show its window; true when it answered.
    bool askRunningInstanceToShow() const;

private:
    QString lockPath_;
    QString socketPath_;
    QLockFile lock_;
    std::unique_ptr<QLocalServer> server_;
};
