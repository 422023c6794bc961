#pragma once

#include <QApplication>
#include <QDialog>
#include <QPointer>
#include <QTimer>

#include <functional>

// Acts on the next modal dialog as soon as it is open, since exec() does not
// return until somebody closes it. The returned watch can be stopped when no
// dialog came, so it cannot catch a later one.
inline QPointer<QTimer> whenModalOpens(std::function<void(QDialog *)> act)
{
    auto *poll = new QTimer;
    poll->setInterval(10);
    QObject::connect(poll, &QTimer::timeout, poll, [poll, act = std::move(act)] {
        auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        poll->stop();
        poll->deleteLater();
        act(dialog);
    });
    poll->start();
    return poll;
}
