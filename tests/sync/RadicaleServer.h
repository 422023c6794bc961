#pragma once

#include <QProcess>
#include <QString>
#include <QTemporaryDir>
#include <QUrl>

// A Radicale of the test's own on 127.0.0.1: a free port, a folder of its
// own and one user, "ann" with the password "secret". Stopped at the end.
class RadicaleServer {
public:
    RadicaleServer();
    ~RadicaleServer();
    RadicaleServer(const RadicaleServer &) = delete;
    RadicaleServer &operator=(const RadicaleServer &) = delete;

    // Empty when it runs and answers; else why not.
    QString problem() const { return problem_; }
    QUrl url(const QString &path = QStringLiteral("/")) const;

private:
    bool answers();

    QTemporaryDir dir_;
    QProcess process_;
    quint16 port_ = 0;
    QString problem_;
};
