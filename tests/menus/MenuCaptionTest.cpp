#include "menus/MenuCaption.h"
#include "menus/MenuItems.h"

#include "TestSupport.h"

#include <QAction>
#include <QLabel>
#include <QMenu>

#include <gtest/gtest.h>

TEST(MenuCaption, SplitsHelpLineAndMarks)
{
    const MenuCaption settings = MenuCaption::parse("|Modify settings|&Settings...");
    EXPECT_EQ(settings.helpLine, "Modify settings");
    EXPECT_EQ(settings.text, "&Settings...");
    EXPECT_EQ(settings.mark, MenuCaption::Mark::None);

    const MenuCaption plain = MenuCaption::parse("&Profiles...");
    EXPECT_EQ(plain.helpLine, "");
    EXPECT_EQ(plain.text, "&Profiles...");

    EXPECT_EQ(MenuCaption::parse("|Shown|#&Mute").mark, MenuCaption::Mark::Check);
    EXPECT_EQ(MenuCaption::parse("|Shown|#&Mute").text, "&Mute");
    EXPECT_EQ(MenuCaption::parse("*Option").mark, MenuCaption::Mark::Dot);
    EXPECT_EQ(MenuCaption::parse("*Option").text, "Option");
}

TEST(MenuCaption, UnclosedOrEmptyHelpLines)
{
    // Without a second bar there is no help line: the caption shows as stored.
    EXPECT_EQ(MenuCaption::parse("|no end").text, "|no end");
    EXPECT_EQ(MenuCaption::parse("|no end").helpLine, "");
    const MenuCaption empty = MenuCaption::parse("||&Quit");
    EXPECT_EQ(empty.helpLine, "");
    EXPECT_EQ(empty.text, "&Quit");
    EXPECT_EQ(MenuCaption::parse("|Only help|").text, "");
}

TEST(MenuIcon, FoundByTheCaptionTextIgnoringCase)
{
    EXPECT_EQ(menuIconFor("&Add event..."), ":/icons/add-event.svg");
    EXPECT_EQ(menuIconFor("&Add note..."), ":/icons/add-note.svg");
    EXPECT_EQ(menuIconFor("&QUIT"), ":/icons/quit.svg");
    EXPECT_EQ(menuIconFor("&Contents..."), ":/icons/help.svg");
    EXPECT_EQ(menuIconFor("&Find event..."), ":/icons/find-event.svg");
    EXPECT_EQ(menuIconFor("&Profiles..."), "");
    EXPECT_EQ(menuIconFor("&Open Tarrowby..."), "");
    EXPECT_EQ(menuIconFor(""), "");
}

TEST(MenuItems, ItemsShowTheirTextAndFeedTheHelpLine)
{
    QMenu menu;
    QLabel helpLine;
    showHelpLinesIn(&menu, &helpLine);
    QAction *update = addMenuItem(&menu, "|Search the net for an update|&Update...", "menuFileUpdate");
    QAction *profiles = addMenuItem(&menu, "&Profiles...", "menuFileProfiles");
    QAction *mute = addMenuItem(&menu, "|Silence|#&Mute", "menuMute");
    EXPECT_EQ(update->text(), "&Update...");
    EXPECT_EQ(update->objectName(), "menuFileUpdate");
    EXPECT_TRUE(mute->isCheckable());
    EXPECT_FALSE(update->isCheckable());

    update->hover();
    EXPECT_EQ(helpLine.text(), "Search the net for an update");
    update->setEnabled(false);
    update->hover();
    EXPECT_EQ(helpLine.text(), ""); // a disabled item clears the line
    mute->hover();
    EXPECT_EQ(helpLine.text(), "Silence");
    profiles->hover();
    EXPECT_EQ(helpLine.text(), "");
}
