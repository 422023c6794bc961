#include "menus/MenuItem.h"
#include "menus/MenuStyle.h"
#include "menus/ProgramMenus.h"

#include "TestSupport.h"

#include <QAction>
#include <QMenu>
#include <QSignalSpy>
#include <QStyleOptionMenuItem>

#include <gtest/gtest.h>

TEST(MenuCaption, SplitsTheHelpLineFromTheText)
{
    const struct {
        const char *stored, *helpLine, *text;
    } rows[] = {
        {"|Modify settings|&Settings...", "Modify settings", "&Settings..."},
        {"&Profiles...", "", "&Profiles..."},
        {"||&Quit", "", "&Quit"},
        {"|no end", "", "|no end"}, // without a second bar the caption shows as stored
    };
    for (const auto &row : rows) {
        const MenuCaption caption = splitMenuCaption(QString::fromLatin1(row.stored));
        EXPECT_EQ(caption.helpLine, row.helpLine) << row.stored;
        EXPECT_EQ(caption.text, row.text) << row.stored;
    }
}

TEST(MenuIcon, FoundByTheCaptionTextIgnoringCase)
{
    const struct {
        const char *text, *path;
    } rows[] = {
        {"&Contents...", ":/icons/help.svg"},      {"&QUIT", ":/icons/quit.svg"},
        {"&Add event...", ":/icons/add-event.svg"}, {"&Add", ":/icons/add-note.svg"}, // the first tag it begins wins
        {"&Profiles...", ""},                      {"", ""},
    };
    for (const auto &row : rows)
        EXPECT_EQ(menuIconPath(QString::fromLatin1(row.text)), row.path) << row.text;
}

TEST(ProgramMenus, ItemsFromTheTableReportTheirHelpLineAndAct)
{
    QWidget window;
    ProgramMenus menus(&window);
    QMenu menu;
    int updates = 0;
    menus.fill(&menu, {{u"|Search the net for an update|&Update...", u"menuFileUpdate", [&updates] { ++updates; },
                        Qt::CTRL | Qt::Key_U},
                       {{}, u"menuSeparator0"},
                       {u"&Profiles...", u"menuFileProfiles"}});
    QSignalSpy helpLines(&menus, &ProgramMenus::helpLine);
    const QList<QAction *> items = menu.actions();
    ASSERT_EQ(items.size(), 3);
    EXPECT_EQ(items[0]->text(), "&Update...");
    EXPECT_EQ(items[0]->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_U));
    EXPECT_FALSE(items[0]->icon().isNull());
    EXPECT_TRUE(items[1]->isSeparator());
    EXPECT_EQ(items[1]->objectName(), "menuSeparator0");
    EXPECT_FALSE(items[2]->isEnabled()); // an item without an action

    items[0]->hover();
    items[2]->hover();
    items[0]->trigger();
    ASSERT_EQ(helpLines.count(), 2);
    EXPECT_EQ(helpLines[0][0].toString(), "Search the net for an update");
    EXPECT_EQ(helpLines[1][0].toString(), "");
    EXPECT_EQ(updates, 1);
}
