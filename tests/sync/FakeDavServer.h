#pragma once

#include <QByteArray>
#include <QHash>
#include <QTcpServer>
#include <QUrl>

#include <functional>
#include <vector>

struct FakeRequest {
    QByteArray method;
    QByteArray path;
    QHash<QByteArray, QByteArray> headers; // names in lower case
    QByteArray body;
};

// An HTTP server on 127.0.0.1 that gives the answers a test scripts, for
// the answers a real server never gives.
class FakeDavServer : public QObject {
public:
    // The raw bytes of an answer: status line, headers and body.
    using Script = std::function<QByteArray(const FakeRequest &)>;

    FakeDavServer();
    QUrl url(const char *path) const;

    void answer(Script script) { script_ = std::move(script); }
    // Takes every request and never answers.
    void beSilent() { silent_ = true; }
    // Answers with a chunked body that never ends.
    void beEndless() { endless_ = true; }

    std::vector<FakeRequest> requests;

private:
    void serve(QTcpSocket *socket);
    bool takeRequest(QByteArray &buffer, FakeRequest &request);
    void pour(QTcpSocket *socket);

    QTcpServer server_;
    Script script_;
    bool silent_ = false;
    bool endless_ = false;
};

// An HTTP answer with its length.
QByteArray httpAnswer(int status, const QByteArray &body = {}, const QByteArray &headers = {});
