#include "menus/MenuItem.h"
#include "menus/ProgramMenus.h"

#include <QAction>
#include <QMenu>

#include <gtest/gtest.h>

TEST(MenuCaption, SplitsTheHelpLineFromTheText)
{
    const struct { const char *stored, *helpLine, *text; } rows[] = {
        {"|Modify settings|&Settings...", "Modify settings", "&Settings..."}, {"&Profiles...", "", "&Profiles..."},
        {"||&Quit", "", "&Quit"}, {"|no end", "", "|no end"}, // without a second bar the caption shows as stored
    };
    for (const auto &row : rows) {
        const MenuCaption caption = splitMenuCaption(QString::fromLatin1(row.stored));
        EXPECT_EQ((QStringList{caption.helpLine, caption.text}), (QStringList{row.helpLine, row.text})) << row.stored;
    }
}

TEST(MenuIcon, FoundByTheCaptionTextIgnoringCase)
{
    const struct { const char *text, *path; } rows[] = {
        {"&QUIT", ":/icons/quit.svg"}, {"&Add event...", ":/icons/add-event.svg"}, {"&Add", ":/icons/add-note.svg"},
        {"&Profiles...", ""}, {"", ""}, // "&Add" agrees with two tags: the first wins
    };
    for (const auto &row : rows)
        EXPECT_EQ(menuIconPath(QString::fromLatin1(row.text)), row.path) << row.text;
}

TEST(ProgramMenus, ItemsFromTheTableReportTheirHelpLineAndAct)
{
    QWidget window;
    ProgramMenus menus(&window);
    QMenu menu;
    QStringList seen; // the help lines shown and the items acted on, in order
    menus.fill(&menu, {{u"|Search the net for an update|&Update...", u"menuFileUpdate", [&seen] { seen << "update"; },
                        Qt::CTRL | Qt::Key_U},
                       {{}, u"menuSeparator0"}, {u"|Switch profiles|&Profiles...", u"menuFileProfiles"}});
    QObject::connect(&menus, &ProgramMenus::helpLine, [&seen](const QString &line) { seen << line; });
    const QList<QAction *> items = menu.actions();
    ASSERT_EQ(items.size(), 3);
    EXPECT_EQ(items[0]->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_U));
    EXPECT_FALSE(items[0]->icon().isNull());
    EXPECT_EQ(items[1]->objectName(), "menuSeparator0");
    items[0]->hover();
    items[2]->hover(); // an item without an action is disabled and shows no help line
    items[0]->trigger();
    EXPECT_EQ(seen, (QStringList{"Search the net for an update", "", "update"}));
}
