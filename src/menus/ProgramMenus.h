#pragma once

#include "menus/MenuItem.h"

#include <QObject>

#include <initializer_list>

class MenuStyle;
class QAction;
class QMenu;
class QWidget;

// The program's own menus of one window: items made from their tables, drawn
// by the program's style in the window's font, telling the window the help
// line of the item under the pointer.
class ProgramMenus : public QObject {
    Q_OBJECT

public:
    explicit ProgramMenus(QWidget *window);

    // Draws menu in the program's style and reports its highlighted items.
    void install(QMenu *menu);
    QAction *add(QMenu *menu, const MenuItem &item);
    // Installs menu and adds the items of its table.
    void fill(QMenu *menu, std::initializer_list<MenuItem> items);

signals:
    // The help line of the item under the pointer; empty for a disabled one.
    void helpLine(const QString &text);

private:
    QWidget *window_;
    MenuStyle *style_;
};
