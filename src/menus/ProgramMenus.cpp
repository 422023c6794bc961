#include "menus/ProgramMenus.h"

#include "menus/MenuStyle.h"

#include <QAction>
#include <QIcon>
#include <QMenu>
#include <QWidget>

ProgramMenus::ProgramMenus(QWidget *window) : QObject(window), window_(window), style_(new MenuStyle)
{
    style_->setParent(this);
}

void ProgramMenus::install(QMenu *menu)
{
    menu->setStyle(style_);
    // A pop-up is a window of its own and would not take the window's font.
    menu->setFont(window_->font());
    connect(menu, &QMenu::hovered, this,
            [this](QAction *action) { emit helpLine(action->isEnabled() ? action->statusTip() : QString()); });
}

QAction *ProgramMenus::add(QMenu *menu, const MenuItem &item)
{
    if (item.caption.isEmpty()) {
        QAction *separator = menu->addSeparator();
        separator->setObjectName(item.name.toString());
        return separator;
    }
    const MenuCaption caption = splitMenuCaption(item.caption);
    QAction *action = menu->addAction(caption.text);
    action->setObjectName(item.name.toString());
    action->setStatusTip(caption.helpLine);
    action->setShortcut(item.shortcut);
    if (const QString icon = menuIconPath(caption.text); !icon.isEmpty())
        action->setIcon(QIcon(icon));
    if (item.triggered)
        connect(action, &QAction::triggered, this, item.triggered);
    else
        action->setEnabled(false); // an item that does nothing yet
    return action;
}

void ProgramMenus::fill(QMenu *menu, std::initializer_list<MenuItem> items)
{
    install(menu);
    for (const MenuItem &item : items)
        add(menu, item);
}
