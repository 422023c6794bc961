#pragma once

#include <QHash>
#include <QString>

// What the program keeps of one of its menu items. The stored caption
// "|help line|&Text" gives the help line and the shown text; a text starting
// with "#" is a check item, one starting with "*" a mark item.
struct CMyItemData {
    bool bTrueSub = false;  // opens a submenu and is not in the menu bar
    QString sMenuHelp;
    bool bAsMark = false;   // "#" or "*"
    bool bAsCheck = false;  // "#": check rather than mark
    bool bMainMenu = false; // belongs to the menu bar
    int iButton = -1;       // icon in the image list, -1 for none
    QString sMenuText;      // without help line and marker

    static CMyItemData fromCaption(const QString &stored, bool mainMenu = false);
};

// The program's menu items by key, the decimal text of the number each
// action carries as its data.
class CMyItemDatas {
public:
    // Creates the item under the next free key and returns that key.
    int add(const CMyItemData &item);
    const CMyItemData *item(int key) const;
    int count() const { return static_cast<int>(items_.size()); }
    void remove(int key);

private:
    QHash<QString, CMyItemData> items_;
    int lastKey_ = 0;
};

// The menu pictures by the captions they belong to: the tag list of the image
// list, and the first picture whose tag and the text agree over the shorter
// of the two, capitals aside (-1 for none).
int menuIconIndex(const QString &menuText);
QString menuIconPath(int index);
