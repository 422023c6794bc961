#include "menus/MenuCaption.h"

#include <array>

MenuCaption MenuCaption::parse(const QString &stored)
{
    MenuCaption caption;
    QString rest = stored;
    if (rest.startsWith(QLatin1Char('|'))) {
        const qsizetype end = rest.indexOf(QLatin1Char('|'), 1);
        if (end > 0) {
            caption.helpLine = rest.mid(1, end - 1);
            rest = rest.mid(end + 1);
        }
    }
    if (rest.startsWith(QLatin1Char('#')))
        caption.mark = Mark::Check;
    else if (rest.startsWith(QLatin1Char('*')))
        caption.mark = Mark::Dot;
    caption.text = caption.mark == Mark::None ? rest : rest.mid(1);
    return caption;
}

QString menuIconFor(const QString &text)
{
    struct Tagged {
        QLatin1StringView tag;
        QLatin1StringView icon;
    };
    static constexpr std::array<Tagged, 7> icons{{
        {QLatin1StringView("&Contents..."), QLatin1StringView(":/icons/help.svg")},
        {QLatin1StringView("&Quit"), QLatin1StringView(":/icons/quit.svg")},
        {QLatin1StringView("&Find event..."), QLatin1StringView(":/icons/find-event.svg")},
        {QLatin1StringView("&Search..."), QLatin1StringView(":/icons/search.svg")},
        {QLatin1StringView("&Update..."), QLatin1StringView(":/icons/update.svg")},
        {QLatin1StringView("&Add note..."), QLatin1StringView(":/icons/add-note.svg")},
        {QLatin1StringView("&Add event..."), QLatin1StringView(":/icons/add-event.svg")},
    }};
    // A text matches a tag when the shorter of the two begins the other,
    // capitals aside.
    for (const Tagged &entry : icons) {
        const qsizetype n = std::min(text.size(), entry.tag.size());
        if (n > 0 && QStringView(text).left(n).compare(entry.tag.left(n), Qt::CaseInsensitive) == 0)
            return entry.icon;
    }
    return {};
}
