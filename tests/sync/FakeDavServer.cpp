#include "FakeDavServer.h"

#include <QTcpSocket>

FakeDavServer::FakeDavServer()
{
    server_.listen(QHostAddress::LocalHost);
    connect(&server_, &QTcpServer::newConnection, this, [this] {
        while (QTcpSocket *socket = server_.nextPendingConnection()) {
            connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
            auto buffer = std::make_shared<QByteArray>();
            connect(socket, &QTcpSocket::readyRead, this, [this, socket, buffer] {
                *buffer += socket->readAll();
                FakeRequest request;
                while (takeRequest(*buffer, request)) {
                    requests.push_back(request);
                    if (endless_)
                        pour(socket);
                    else if (!silent_ && script_)
                        socket->write(script_(request));
                }
            });
        }
    });
}

QUrl FakeDavServer::url(const char *path) const
{
    return QUrl(QStringLiteral("http://127.0.0.1:%1%2").arg(server_.serverPort()).arg(QString::fromLatin1(path)));
}

bool FakeDavServer::takeRequest(QByteArray &buffer, FakeRequest &request)
{
    const qsizetype headerEnd = buffer.indexOf("\r\n\r\n");
    if (headerEnd < 0)
        return false;
    const QList<QByteArray> lines = buffer.left(headerEnd).split('\n');
    const QList<QByteArray> first = lines.first().trimmed().split(' ');
    request = {first.value(0), first.value(1), {}, {}};
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const qsizetype colon = lines[i].indexOf(':');
        if (colon > 0)
            request.headers.insert(lines[i].left(colon).trimmed().toLower(), lines[i].mid(colon + 1).trimmed());
    }
    const qsizetype length = request.headers.value("content-length").toLongLong();
    if (buffer.size() < headerEnd + 4 + length)
        return false;
    request.body = buffer.mid(headerEnd + 4, length);
    buffer.remove(0, headerEnd + 4 + length);
    return true;
}

// Keeps about a chunk in flight while the other side reads.
void FakeDavServer::pour(QTcpSocket *socket)
{
    socket->write("HTTP/1.1 207 Multi-Status\r\nContent-Type: application/xml\r\nTransfer-Encoding: chunked\r\n\r\n");
    const QByteArray chunk = QByteArray::number(64 * 1024, 16) + "\r\n" + QByteArray(64 * 1024, ' ') + "\r\n";
    connect(socket, &QTcpSocket::bytesWritten, socket, [socket, chunk] {
        if (socket->bytesToWrite() < chunk.size())
            socket->write(chunk);
    });
    socket->write(chunk);
}

QByteArray httpAnswer(int status, const QByteArray &body, const QByteArray &headers)
{
    return "HTTP/1.1 " + QByteArray::number(status) + " Answer\r\nContent-Length: " + QByteArray::number(body.size())
           + "\r\nContent-Type: application/xml\r\n" + headers + "\r\n" + body;
}
