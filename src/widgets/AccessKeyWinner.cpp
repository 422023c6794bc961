#include "widgets/AccessKeyWinner.h"

#include <QAbstractButton>
#include <QLabel>
#include <QShortcutEvent>

AccessKeyWinner::AccessKeyWinner(QWidget *winner, const QList<QWidget *> &sharers)
    : QObject(winner), winner_(winner)
{
    winner_->installEventFilter(this);
    for (QWidget *sharer : sharers)
        sharer->installEventFilter(this);
}

// Qt marks the press ambiguous when more than one holder of the key could
// take it, and hands it to whichever holder's turn it is.
bool AccessKeyWinner::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::Shortcut || !static_cast<QShortcutEvent *>(event)->isAmbiguous()
        || !winner_->isVisible() || !winner_->isEnabled())
        return QObject::eventFilter(watched, event);
    actAsWinner();
    return true;
}

// As the winner's key would act if it were alone: a label hands the focus
// to its buddy, a button is focused and pressed.
void AccessKeyWinner::actAsWinner() const
{
    QWidget *target = winner_;
    if (const auto *label = qobject_cast<const QLabel *>(winner_))
        target = label->buddy();
    if (!target)
        return;
    target->setFocus(Qt::ShortcutFocusReason);
    if (auto *button = qobject_cast<QAbstractButton *>(target))
        button->animateClick();
}
