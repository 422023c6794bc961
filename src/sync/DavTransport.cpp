#include "sync/DavTransport.h"

#include "sync/DavAddress.h"

#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>

namespace {

bool isRedirect(int status)
{
    return status == 301 || status == 302 || status == 303 || status == 307 || status == 308;
}

SyncError connectionError(QNetworkReply::NetworkError error)
{
    switch (error) {
    case QNetworkReply::SslHandshakeFailedError:
        return SyncError::TlsError;
    case QNetworkReply::TimeoutError:
        return SyncError::Timeout;
    case QNetworkReply::ProtocolFailure:
    case QNetworkReply::ProtocolUnknownError:
    case QNetworkReply::ProtocolInvalidOperationError:
        return SyncError::InvalidAnswer;
    default:
        return SyncError::Offline;
    }
}

// One request through to its answer, redirects included. Deletes itself
// once it has called done.
class DavExchange : public QObject {
public:
    DavExchange(QNetworkAccessManager &network, const QByteArray &authorization, int timeoutMs, DavRequest request,
                std::function<void(const DavResponse &)> done)
        : QObject(&network), network_(network), authorization_(authorization), request_(std::move(request)),
          done_(std::move(done))
    {
        timer_.setSingleShot(true);
        timer_.setInterval(timeoutMs);
        connect(&timer_, &QTimer::timeout, this, [this] { stop(SyncError::Timeout); });
    }

    void start(const QUrl &url);

private:
    void stop(SyncError why);
    void take();
    void finish();
    void finishWith(DavResponse response);

    QNetworkAccessManager &network_;
    QByteArray authorization_;
    DavRequest request_;
    std::function<void(const DavResponse &)> done_;
    QTimer timer_;
    QNetworkReply *reply_ = nullptr;
    QByteArray body_;
    SyncError stopped_ = SyncError::None;
    int redirects_ = 0;
};

void DavExchange::start(const QUrl &url)
{
    QNetworkRequest request(url);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::ManualRedirectPolicy);
    request.setAttribute(QNetworkRequest::CacheLoadControlAttribute, QNetworkRequest::AlwaysNetwork);
    request.setRawHeader("Authorization", authorization_);
    for (const auto &[name, value] : std::as_const(request_.headers))
        request.setRawHeader(name, value);
    body_.clear();
    reply_ = network_.sendCustomRequest(request, request_.method, request_.body);
    // Read as it arrives, so that the network layer never holds a large
    // answer whole before the limit is checked.
    reply_->setReadBufferSize(qint64{64} * 1024);
    connect(reply_, &QNetworkReply::metaDataChanged, this, [this] {
        if (reply_->header(QNetworkRequest::ContentLengthHeader).toLongLong() > DavTransport::MaxBodyBytes)
            stop(SyncError::TooLarge);
    });
    connect(reply_, &QNetworkReply::readyRead, this, &DavExchange::take);
    connect(reply_, &QNetworkReply::finished, this, &DavExchange::finish);
    timer_.start();
}

void DavExchange::stop(SyncError why)
{
    if (stopped_ == SyncError::None)
        stopped_ = why;
    reply_->abort();
}

void DavExchange::take()
{
    body_ += reply_->read(DavTransport::MaxBodyBytes + 1 - body_.size());
    if (body_.size() > DavTransport::MaxBodyBytes)
        stop(SyncError::TooLarge);
}

void DavExchange::finish()
{
    timer_.stop();
    QNetworkReply *reply = reply_;
    reply->deleteLater();
    if (stopped_ != SyncError::None)
        return finishWith({stopped_});
    take();
    if (stopped_ != SyncError::None)
        return finishWith({stopped_});
    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    if (status == 0)
        return finishWith({connectionError(reply->error())});
    if (isRedirect(status)) {
        const QUrl target = reply->url().resolved(QUrl(QString::fromUtf8(reply->rawHeader("Location"))));
        if (++redirects_ > DavTransport::MaxRedirects || !isSameOrigin(reply->url(), target)
            || !target.userInfo().isEmpty())
            return finishWith({SyncError::RefusedRedirect});
        return start(target);
    }
    finishWith({SyncError::None, status, body_, reply->rawHeader("ETag"), reply->url()});
}

void DavExchange::finishWith(DavResponse response)
{
    if (response.error == SyncError::None && response.status == 401)
        response.error = SyncError::SignInFailed;
    const auto done = std::move(done_);
    deleteLater();
    done(response);
}

} // namespace

DavTransport::DavTransport(DavCredentials credentials, int timeoutMs, QObject *parent)
    : QObject(parent), credentials_(std::move(credentials)), timeoutMs_(timeoutMs)
{
}

void DavTransport::send(const DavRequest &request, std::function<void(const DavResponse &)> done)
{
    if (!isAllowedServer(request.url)) {
        QTimer::singleShot(0, this, [done = std::move(done)] { done({SyncError::RefusedAddress}); });
        return;
    }
    ++requestsSent_;
    const QByteArray authorization = "Basic " + (credentials_.user + u':' + credentials_.password).toUtf8().toBase64();
    auto *exchange = new DavExchange(network_, authorization, timeoutMs_, request, std::move(done));
    exchange->start(request.url);
}

SyncError statusError(int status)
{
    if (status >= 200 && status <= 299)
        return SyncError::None;
    switch (status) {
    case 401:
        return SyncError::SignInFailed;
    case 404:
        return SyncError::NotFound;
    case 412:
        return SyncError::PreconditionFailed;
    default:
        return SyncError::ServerError;
    }
}
