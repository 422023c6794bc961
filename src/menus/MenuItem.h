#pragma once

#include <QKeySequence>
#include <QString>
#include <QStringView>

#include <functional>

// One item of the program's menus as its menu's table gives it. The caption
// carries the item's help line before its text: "|help line|&Text".
struct MenuItem {
    QStringView caption; // empty for a separator
    QStringView name;    // separators are named "menuSeparatorN", numbered across all menus
    std::function<void()> triggered = {};
    QKeySequence shortcut = {};
};

struct MenuCaption {
    QString helpLine;
    QString text;
};

// Without a second bar there is no help line, and the caption shows as stored.
MenuCaption splitMenuCaption(QStringView stored);

// The picture of an item, found by its text: the first picture whose tag and
// the text agree over the shorter of the two, capitals aside; none if empty.
QString menuIconPath(QStringView menuText);
