#include "menus/MenuItem.h"
#include "menus/ProgramMenus.h"

#include <QAction>
#include <QMenu>

#include <gtest/gtest.h>

// Without a second bar a caption shows as stored; "&Add" agrees with two icons' tags: the first wins.
TEST(MenuCaption, SplitsTheHelpLineFromTheTextWhoseStartFindsTheIconIgnoringCase)
{
    // clang-format off
    const struct { const char *stored, *helpLine, *text, *icon; } rows[] = {
        {"|Modify settings|&Settings...", "Modify settings", "&Settings...", ""},
        {"&Profiles...", "", "&Profiles...", ""}, {"||&QUIT", "", "&QUIT", ":/icons/quit.svg"},
        {"|no end", "", "|no end", ""}, {"&Add event...", "", "&Add event...", ":/icons/add-event.svg"},
        {"&Add", "", "&Add", ":/icons/add-note.svg"}, {"", "", "", ""}};
    for (const auto &row : rows) {
        const MenuCaption caption = splitMenuCaption(QString::fromLatin1(row.stored));
        EXPECT_EQ((QStringList{caption.helpLine, caption.text, menuIconPath(caption.text)}),
                  (QStringList{row.helpLine, row.text, row.icon}))
            << row.stored;
    }
    // clang-format on
}

// The help lines shown and the items acted on, in order: an item without an action is disabled and shows none.
TEST(ProgramMenus, ItemsFromTheTableReportTheirHelpLineAndAct)
{
    QWidget window;
    ProgramMenus menus(&window);
    QMenu menu;
    QStringList seen;
    menus.fill(&menu, {{u"|Search the net for an update|&Update...", u"menuFileUpdate", [&seen] { seen << "update"; }},
                       {{}, u"menuSeparator0"},
                       {u"|Switch profiles|&Profiles...", u"menuFileProfiles"}});
    QObject::connect(&menus, &ProgramMenus::helpLine, [&seen](const QString &line) { seen << line; });
    const QList<QAction *> items = menu.actions();
    ASSERT_EQ(items.size(), 3);
    EXPECT_TRUE(items[1]->isSeparator() && !items[0]->icon().isNull());
    items[0]->hover();
    items[2]->hover();
    items[0]->trigger();
    EXPECT_EQ(seen, (QStringList{"Search the net for an update", "", "update"}));
}
