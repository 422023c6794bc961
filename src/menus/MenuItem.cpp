#include "menus/MenuItem.h"

#include <QLatin1StringView>

#include <algorithm>
#include <array>

namespace {

struct Picture {
    QLatin1StringView tag;
    QLatin1StringView path;
};

// clang-format off
constexpr std::array<Picture, 7> Pictures{{
    {QLatin1StringView("&Contents..."), QLatin1StringView(":/icons/help.svg")},
    {QLatin1StringView("&Quit"), QLatin1StringView(":/icons/quit.svg")},
    {QLatin1StringView("&Find event..."), QLatin1StringView(":/icons/find-event.svg")},
    {QLatin1StringView("&Search..."), QLatin1StringView(":/icons/search.svg")},
    {QLatin1StringView("&Update..."), QLatin1StringView(":/icons/update.svg")},
    {QLatin1StringView("&Add note..."), QLatin1StringView(":/icons/add-note.svg")},
    {QLatin1StringView("&Add event..."), QLatin1StringView(":/icons/add-event.svg")},
}};
// clang-format on

} // namespace

MenuCaption splitMenuCaption(QStringView stored)
{
    if (stored.startsWith(QLatin1Char('|'))) {
        const qsizetype end = stored.indexOf(QLatin1Char('|'), 1);
        if (end > 0)
            return {stored.mid(1, end - 1).toString(), stored.mid(end + 1).toString()};
    }
    return {QString(), stored.toString()};
}

QString menuIconPath(QStringView menuText)
{
    for (const Picture &picture : Pictures) {
        const qsizetype n = std::min(menuText.size(), picture.tag.size());
        if (n > 0 && menuText.left(n).compare(picture.tag.left(n), Qt::CaseInsensitive) == 0)
            return picture.path;
    }
    return {};
}
