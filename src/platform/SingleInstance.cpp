#include "platform/SingleInstance.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QStandardPaths>

namespace {

QString instanceKey(const QString &dataFolder)
{
    const QString canonical = QFileInfo(dataFolder).canonicalFilePath();
    const QString folder = canonical.isEmpty() ? QFileInfo(dataFolder).absoluteFilePath() : canonical;
    return QStringLiteral("tarrowby-")
           + QString::fromLatin1(QCryptographicHash::hash(folder.toUtf8(), QCryptographicHash::Sha256).toHex().left(16));
}

QString defaultRuntimeFolder()
{
    const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    return runtime.isEmpty() ? QDir::tempPath() : runtime;
}

constexpr int AnswerTimeoutMs = 1000;

} // namespace

SingleInstance::SingleInstance(const QString &dataFolder, const QString &runtimeFolder)
    : lockPath_(QDir(runtimeFolder.isEmpty() ? defaultRuntimeFolder() : runtimeFolder)
                    .filePath(instanceKey(dataFolder) + QStringLiteral(".lock"))),
      socketPath_(QDir(runtimeFolder.isEmpty() ? defaultRuntimeFolder() : runtimeFolder)
                      .filePath(instanceKey(dataFolder) + QStringLiteral(".socket"))),
      lock_(lockPath_)
{
    lock_.setStaleLockTime(0); // a lock is stale only when its process is gone
}

SingleInstance::~SingleInstance() = default;

bool SingleInstance::acquire(std::function<void()> showRequested)
{
    if (!lock_.tryLock(0))
        return false;
    // We hold the lock, so a socket file left behind by a crash is ours to remove.
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
    return true;
}

bool SingleInstance::askRunningInstanceToShow() const
{
    QLocalSocket socket;
    socket.connectToServer(socketPath_);
    if (!socket.waitForConnected(AnswerTimeoutMs))
        return false;
    return socket.waitForReadyRead(AnswerTimeoutMs) && socket.readAll() == "ok";
}
