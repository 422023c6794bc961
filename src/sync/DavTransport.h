#pragma once

#include "sync/SyncError.h"

#include <QByteArray>
#include <QList>
#include <QNetworkAccessManager>
#include <QObject>
#include <QPair>
#include <QString>
#include <QUrl>

#include <functional>

struct DavRequest {
    QByteArray method;
    QUrl url;
    QList<QPair<QByteArray, QByteArray>> headers; // Depth, If-Match, Content-Type...
    QByteArray body;
};

struct DavResponse {
    SyncError error = SyncError::None; // the connection's; the status is left to the caller
    int status = 0;
    QByteArray body = {};
    QByteArray etag = {};
    QUrl url = {}; // where the answer came from, after redirects
};

// The user's sign-in. The password is sent with every request and nowhere
// else: never written to a file, a log or a message.
struct DavCredentials {
    QString user;
    QString password;
};

// Sends WebDAV requests with the rules that keep the user safe: HTTPS with
// the system's certificates and no certificate error ever ignored, plain
// HTTP only on this machine, redirects only to the same scheme, host and
// port, answers stopped as soon as they pass the size limit, and a time
// limit for each request.
class DavTransport : public QObject {
    Q_OBJECT
public:
    static constexpr qint64 MaxBodyBytes = qint64{4} * 1024 * 1024; // as the data files
    static constexpr int DefaultTimeoutMs = 30 * 1000;
    static constexpr int MaxRedirects = 5;

    explicit DavTransport(DavCredentials credentials, int timeoutMs = DefaultTimeoutMs, QObject *parent = nullptr);

    // Calls done once, later, from the event loop.
    void send(const DavRequest &request, std::function<void(const DavResponse &)> done);
    // Requests sent so far, redirects not counted: what a pass costs.
    int requestsSent() const { return requestsSent_; }

private:
    QNetworkAccessManager network_;
    DavCredentials credentials_;
    int timeoutMs_;
    int requestsSent_ = 0;
};

// The error a status stands for: None for 2xx, SignInFailed, NotFound,
// PreconditionFailed, and ServerError for any other.
SyncError statusError(int status);
