#pragma once

#include <QString>

// A menu caption as the program writes it: "|help line|&Text" keeps a short
// description for the help line under the calendar; a text starting with "#"
// is a check item, one starting with "*" a mark item.
struct MenuCaption {
    enum class Mark { None, Check, Dot };

    QString text;     // as shown, "&" before the access letter
    QString helpLine; // empty when the caption has none
    Mark mark = Mark::None;

    static MenuCaption parse(const QString &stored);
};

// The caption of one of the program's own menu items with its icon: the
// icons belong to texts, so every "&Add event..." item shows the same one.
// Empty when the text has none.
QString menuIconFor(const QString &text);
