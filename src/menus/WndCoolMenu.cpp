#include "menus/WndCoolMenu.h"

#include <QAction>
#include <QIcon>
#include <QMenu>

WndCoolMenu::WndCoolMenu(QObject *owner) : QObject(owner), helpObj_(new HelpCallBack(this)), style_(new MenuStyle)
{
    style_->setParent(this);
}

QAction *WndCoolMenu::addMenuItem(QMenu *menu, const QString &storedCaption, const QString &objectName)
{
    const CMyItemData item = CMyItemData::fromCaption(storedCaption);
    QAction *action = menu->addAction(item.sMenuText);
    action->setObjectName(objectName);
    action->setData(items_.add(item));
    action->setCheckable(item.bAsMark);
    if (const QString icon = menuIconPath(item.iButton); !icon.isEmpty())
        action->setIcon(QIcon(icon));
    return action;
}

void WndCoolMenu::install(QMenu *menu)
{
    menu->setStyle(style_);
    // A pop-up is a window of its own and would not take the window's font.
    if (const auto *window = qobject_cast<const QWidget *>(parent()))
        menu->setFont(window->font());
    connect(menu, &QMenu::hovered, this, [this](QAction *action) {
        const CMyItemData *item = items_.item(action->data().toInt());
        helpObj_->raiseHelpEvent(action->text(), item ? item->sMenuHelp : QString(), action->isEnabled());
    });
}
