#include "RadicaleServer.h"

#include <QDir>
#include <QFile>
#include <QTcpServer>
#include <QTcpSocket>
#include <QThread>

namespace {

quint16 freePort()
{
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost);
    return probe.serverPort();
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

} // namespace

RadicaleServer::RadicaleServer() : port_(freePort())
{
    const QDir dir(dir_.path());
    const QByteArray config =
        "[server]\nhosts = 127.0.0.1:" + QByteArray::number(port_)
        + "\n[auth]\ntype = htpasswd\nhtpasswd_filename = " + QFile::encodeName(dir.filePath(QStringLiteral("users")))
        + "\nhtpasswd_encryption = plain\n[storage]\nfilesystem_folder = "
        + QFile::encodeName(dir.filePath(QStringLiteral("collections")))
        + "\n[rights]\ntype = owner_only\n[web]\ntype = none\n[logging]\nlevel = error\n";
    if (!writeFile(dir.filePath(QStringLiteral("users")), "ann:secret\n")
        || !writeFile(dir.filePath(QStringLiteral("config")), config)) {
        problem_ = QStringLiteral("cannot write the server's files");
        return;
    }
    if (QStringLiteral(RADICALE_PROGRAM).isEmpty()) {
        problem_ = QStringLiteral("radicale is not installed (scripts/install-deps.sh installs it)");
        return;
    }
    process_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process_.start(QStringLiteral(RADICALE_PROGRAM),
                   {QStringLiteral("--config"), dir.filePath(QStringLiteral("config"))});
    if (!answers())
        problem_ = QStringLiteral("radicale did not start on port %1").arg(port_);
}

RadicaleServer::~RadicaleServer()
{
    if (process_.state() == QProcess::NotRunning)
        return;
    process_.terminate();
    if (!process_.waitForFinished(10000))
        process_.kill();
    process_.waitForFinished();
}

QUrl RadicaleServer::url(const QString &path) const
{
    return QUrl(QStringLiteral("http://127.0.0.1:%1%2").arg(port_).arg(path));
}

// Python takes a moment to start: tries to connect until it answers or
// has ended.
bool RadicaleServer::answers()
{
    if (!process_.waitForStarted())
        return false;
    for (int attempt = 0; attempt < 300; ++attempt) {
        QTcpSocket socket;
        socket.connectToHost(QHostAddress::LocalHost, port_);
        if (socket.waitForConnected(100))
            return true;
        if (process_.state() == QProcess::NotRunning)
            return false;
        QThread::msleep(50);
    }
    return false;
}
