#include "platform/SingleInstance.h"

#include "eventdata/DataFolder.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QStandardPaths>

#ifndef Q_OS_WIN
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

QString instanceKey(const QString &dataFolder)
{
    const QString canonical = QFileInfo(dataFolder).canonicalFilePath();
    const QString folder = canonical.isEmpty() ? QFileInfo(dataFolder).absoluteFilePath() : canonical;
    return QStringLiteral("tarrowby-")
           + QString::fromLatin1(
               QCryptographicHash::hash(folder.toUtf8(), QCryptographicHash::Sha256).toHex().left(16));
}

QString defaultFolder()
{
    // Not QStandardPaths' runtime location: without XDG_RUNTIME_DIR it picks a
    // folder in /tmp that another user may have made first.
    return SingleInstance::privateFolder(qEnvironmentVariable("XDG_RUNTIME_DIR"),
                                         QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation)
                                             + QStringLiteral("/tarrowby"));
}

#ifndef Q_OS_WIN
bool isOwnDirectory(const QByteArray &path, mode_t *mode)
{
    struct stat info {};
    if (lstat(path.constData(), &info) != 0 || !S_ISDIR(info.st_mode) || info.st_uid != geteuid())
        return false;
    *mode = info.st_mode & 07777;
    return true;
}

bool isPrivate(const QString &folder)
{
    mode_t mode = 0;
    return isOwnDirectory(QFile::encodeName(folder), &mode) && mode == 0700;
}
#endif

constexpr int AnswerTimeoutMs = 1000;

} // namespace

SingleInstance::SingleInstance(const QString &dataFolder, const QString &runtimeFolder)
    : folder_(runtimeFolder.isEmpty() ? defaultFolder() : runtimeFolder),
      dataFolderLock_(QDir(dataFolder).filePath(dataFolderLockName())),
      runtimeLock_(QDir(folder_).filePath(instanceKey(dataFolder) + QStringLiteral(".lock"))),
      socketPath_(QDir(folder_).filePath(instanceKey(dataFolder) + QStringLiteral(".socket")))
{
}

SingleInstance::~SingleInstance()
{
    server_.reset();
}

QString SingleInstance::privateFolder(const QString &runtimeFolder, const QString &fallback)
{
#ifdef Q_OS_WIN
    // The per-user application data folders are the user's alone already.
    const QString folder = runtimeFolder.isEmpty() ? fallback : runtimeFolder;
    return QDir().mkpath(folder) ? folder : QString();
#else
    if (!runtimeFolder.isEmpty() && isPrivate(runtimeFolder))
        return runtimeFolder;
    QDir().mkpath(QFileInfo(fallback).absolutePath());
    const QByteArray path = QFile::encodeName(fallback);
    mkdir(path.constData(), 0700);
    mode_t mode = 0;
    if (isOwnDirectory(path, &mode) && mode != 0700)
        chmod(path.constData(), 0700);
    return isPrivate(fallback) ? fallback : QString();
#endif
}

// The data folder's lock comes first: it is the one that keeps two programs
// from saving over each other.
SingleInstance::Claim SingleInstance::acquire(std::function<void()> showRequested)
{
    if (folder_.isEmpty()) {
        failure_ = QStringLiteral("There is no private folder for the lock: XDG_RUNTIME_DIR or ~/.cache/tarrowby "
                                  "must be a folder of yours that only you may enter (mode 0700).");
        return Claim::Failed;
    }
    Claim claim = take(dataFolderLock_, true);
    if (claim == Claim::Acquired)
        claim = take(runtimeLock_, false);
    if (claim == Claim::Acquired)
        listen(std::move(showRequested));
    return claim;
}

SingleInstance::Claim SingleInstance::take(FileLock &lock, bool unwritableFolderWillDo)
{
    switch (lock.take()) {
    case FileLock::Outcome::Taken:
        return Claim::Acquired;
    case FileLock::Outcome::HeldElsewhere:
        return Claim::AlreadyRunning;
    case FileLock::Outcome::FolderUnwritable:
        if (unwritableFolderWillDo)
            return Claim::Acquired;
        break;
    case FileLock::Outcome::Failed:
        break;
    }
    failure_ = lock.failure();
    return Claim::Failed;
}

// We hold the lock, so a socket file left behind by a crash is ours to remove.
void SingleInstance::listen(std::function<void()> showRequested)
{
    QLocalServer::removeServer(socketPath_);
    server_ = std::make_unique<QLocalServer>();
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    QObject::connect(server_.get(), &QLocalServer::newConnection, server_.get(),
                     [this, showRequested = std::move(showRequested)] {
                         while (QLocalSocket *client = server_->nextPendingConnection()) {
                             client->write("ok");
                             client->flush();
                             client->disconnectFromServer();
                             QObject::connect(client, &QLocalSocket::disconnected, client, &QObject::deleteLater);
                             showRequested();
                         }
                     });
    server_->listen(socketPath_);
}

bool SingleInstance::askRunningInstanceToShow() const
{
    QLocalSocket socket;
    socket.connectToServer(socketPath_);
    if (!socket.waitForConnected(AnswerTimeoutMs))
        return false;
    return socket.waitForReadyRead(AnswerTimeoutMs) && socket.readAll() == "ok";
}
