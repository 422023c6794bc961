#include "menus/CMyItemData.h"

#include <array>

namespace {

struct Picture {
    QLatin1StringView tag;
    QLatin1StringView path;
};

constexpr std::array<Picture, 7> ImageList{{
    {QLatin1StringView("&Contents..."), QLatin1StringView(":/icons/help.svg")},
    {QLatin1StringView("&Quit"), QLatin1StringView(":/icons/quit.svg")},
    {QLatin1StringView("&Find event..."), QLatin1StringView(":/icons/find-event.svg")},
    {QLatin1StringView("&Search..."), QLatin1StringView(":/icons/search.svg")},
    {QLatin1StringView("&Update..."), QLatin1StringView(":/icons/update.svg")},
    {QLatin1StringView("&Add note..."), QLatin1StringView(":/icons/add-note.svg")},
    {QLatin1StringView("&Add event..."), QLatin1StringView(":/icons/add-event.svg")},
}};

} // namespace

CMyItemData CMyItemData::fromCaption(const QString &stored, bool mainMenu)
{
    CMyItemData item;
    item.bMainMenu = mainMenu;
    QString rest = stored;
    if (rest.startsWith(QLatin1Char('|'))) {
        const qsizetype end = rest.indexOf(QLatin1Char('|'), 1);
        if (end > 0) {
            item.sMenuHelp = rest.mid(1, end - 1);
            rest = rest.mid(end + 1);
        }
    }
    item.bAsCheck = rest.startsWith(QLatin1Char('#'));
    item.bAsMark = item.bAsCheck || rest.startsWith(QLatin1Char('*'));
    item.sMenuText = item.bAsMark ? rest.mid(1) : rest;
    item.iButton = menuIconIndex(item.sMenuText);
    return item;
}

int CMyItemDatas::add(const CMyItemData &item)
{
    const int key = ++lastKey_;
    items_.insert(QString::number(key), item);
    return key;
}

const CMyItemData *CMyItemDatas::item(int key) const
{
    const auto found = items_.constFind(QString::number(key));
    return found == items_.constEnd() ? nullptr : &found.value();
}

void CMyItemDatas::remove(int key)
{
    items_.remove(QString::number(key));
}

int menuIconIndex(const QString &menuText)
{
    for (int i = 0; i < static_cast<int>(ImageList.size()); ++i) {
        const QLatin1StringView tag = ImageList[i].tag;
        const qsizetype n = std::min(menuText.size(), tag.size());
        if (n > 0 && QStringView(menuText).left(n).compare(tag.left(n), Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

QString menuIconPath(int index)
{
    return index >= 0 && index < static_cast<int>(ImageList.size()) ? QString(ImageList[index].path) : QString();
}
