#include "widgets/AccessKeyWinner.h"

#include <QAbstractButton>
#include <QLabel>
#include <QShortcutEvent>

AccessKeyWinner::AccessKeyWinner(QWidget *winner, const QList<QWidget *> &sharers) : QObject(winner), winner_(winner)
{
    winner_->installEventFilter(this);
    for (QWidget *sharer : sharers)
        sharer->installEventFilter(this);
}

// Qt marks the press ambiguous when more than one holder of the key could
// take it, and hands it to whichever holder's turn it is. It acts as the
// winner's key would if it were alone: a label hands the focus to its
// buddy, a button is focused and pressed.
bool AccessKeyWinner::eventFilter(QObject *watched, QEvent *event)
{
    QWidget *target = keyTarget();
    if (event->type() != QEvent::Shortcut || !static_cast<QShortcutEvent *>(event)->isAmbiguous() || !target)
        return QObject::eventFilter(watched, event);
    target->setFocus(Qt::ShortcutFocusReason);
    if (auto *button = qobject_cast<QAbstractButton *>(target))
        button->animateClick();
    return true;
}

// Where the winner's key leads; nowhere while the winner cannot be seen or
// used, or is a label without a buddy.
QWidget *AccessKeyWinner::keyTarget() const
{
    if (!winner_->isVisible() || !winner_->isEnabled())
        return nullptr;
    if (const auto *label = qobject_cast<const QLabel *>(winner_))
        return label->buddy();
    return winner_;
}
