#include "widgets/ShowAnnouncer.h"

#include <QAccessible>
#include <QEvent>
#include <QWidget>

ShowAnnouncer::ShowAnnouncer(QWidget *window) : QObject(window)
{
    window->installEventFilter(this);
}

void ShowAnnouncer::announce(QWidget *window, const QString &message)
{
    window->setAccessibleDescription(message);
    if (!window->findChild<ShowAnnouncer *>(QString(), Qt::FindDirectChildrenOnly))
        new ShowAnnouncer(window);
}

bool ShowAnnouncer::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Show && watched == parent()) {
        QAccessibleEvent alert(watched, QAccessible::Alert);
        QAccessible::updateAccessibility(&alert);
    }
    return QObject::eventFilter(watched, event);
}
