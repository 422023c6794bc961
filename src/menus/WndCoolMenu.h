#pragma once

#include "menus/CMyItemData.h"
#include "menus/MenuStyle.h"

#include <QObject>

class QAction;
class QMenu;

// Tells the window which menu item is under the pointer.
class HelpCallBack : public QObject {
    Q_OBJECT

public:
    using QObject::QObject;
    void raiseHelpEvent(const QString &MenuText, const QString &helpText, bool Enabled)
    {
        emit menuHelp(MenuText, helpText, Enabled);
    }

signals:
    void menuHelp(const QString &MenuText, const QString &helpText, bool Enabled);
};

// The program's own menus of one window: the items made from their stored
// captions, drawn by the program's style in the window's font, reporting the
// item under the pointer to HelpObj.
class WndCoolMenu : public QObject {
    Q_OBJECT

public:
    explicit WndCoolMenu(QObject *owner);

    // Adds an item from its stored caption ("|help|&Text", "#", "*").
    QAction *addMenuItem(QMenu *menu, const QString &storedCaption, const QString &objectName);
    // Draws menu in the program's style and the owner window's font, and
    // reports its highlighted items.
    void install(QMenu *menu);

    HelpCallBack *helpObj() const { return helpObj_; }
    const CMyItemDatas &items() const { return items_; }

private:
    CMyItemDatas items_;
    HelpCallBack *helpObj_;
    MenuStyle *style_;
};
