#pragma once

#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QPointer>

#include <functional>

// Acts on the next modal dialog as soon as it is shown, since exec() does not return until somebody closes it. The act
// runs from the event loop that exec() turns, once the show is done. Deleting the returned watch stops it when no
// dialog came, so it cannot catch a later one.
class ModalWatch : public QObject {
public:
    explicit ModalWatch(std::function<void(QDialog *)> act) : act_(std::move(act)) { qApp->installEventFilter(this); }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        auto *dialog = qobject_cast<QDialog *>(watched);
        if (event->type() == QEvent::Show && dialog && dialog->isModal() && act_) {
            QMetaObject::invokeMethod(
                this,
                [this, dialog = QPointer<QDialog>(dialog), act = std::exchange(act_, nullptr)] {
                    if (dialog)
                        act(dialog);
                    deleteLater();
                },
                Qt::QueuedConnection);
        }
        return false;
    }

private:
    std::function<void(QDialog *)> act_;
};

inline QPointer<ModalWatch> whenModalOpens(std::function<void(QDialog *)> act)
{
    return new ModalWatch(std::move(act));
}
