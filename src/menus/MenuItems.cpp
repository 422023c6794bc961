#include "menus/MenuItems.h"

#include "menus/MenuCaption.h"

#include <QAction>
#include <QIcon>
#include <QLabel>
#include <QMenu>

QAction *addMenuItem(QMenu *menu, const QString &storedCaption, const QString &objectName)
{
    const MenuCaption caption = MenuCaption::parse(storedCaption);
    QAction *action = menu->addAction(caption.text);
    action->setObjectName(objectName);
    action->setStatusTip(caption.helpLine);
    action->setCheckable(caption.mark != MenuCaption::Mark::None);
    if (const QString icon = menuIconFor(caption.text); !icon.isEmpty())
        action->setIcon(QIcon(icon));
    return action;
}

void showHelpLinesIn(QMenu *menu, QLabel *label)
{
    QObject::connect(menu, &QMenu::hovered, label, [label](QAction *action) {
        label->setText(action->isEnabled() ? action->statusTip() : QString());
    });
}
