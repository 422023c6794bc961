#include "menus/CMyItemData.h"
#include "menus/MenuStyle.h"
#include "menus/WndCoolMenu.h"

#include "TestSupport.h"

#include <QAction>
#include <QMenu>
#include <QSignalSpy>
#include <QStyleOptionMenuItem>

#include <gtest/gtest.h>

TEST(MenuCaption, SplitsHelpLineAndMarks)
{
    const CMyItemData settings = CMyItemData::fromCaption("|Modify settings|&Settings...");
    EXPECT_EQ(settings.sMenuHelp, "Modify settings");
    EXPECT_EQ(settings.sMenuText, "&Settings...");
    EXPECT_FALSE(settings.bAsMark);

    const CMyItemData check = CMyItemData::fromCaption("|Silence|#&Mute");
    EXPECT_TRUE(check.bAsMark);
    EXPECT_TRUE(check.bAsCheck);
    EXPECT_EQ(check.sMenuText, "&Mute");
    const CMyItemData mark = CMyItemData::fromCaption("*Option");
    EXPECT_TRUE(mark.bAsMark);
    EXPECT_FALSE(mark.bAsCheck);
    EXPECT_EQ(mark.sMenuText, "Option");

    // Without a second bar there is no help line: the caption shows as stored.
    EXPECT_EQ(CMyItemData::fromCaption("|no end").sMenuText, "|no end");
    EXPECT_EQ(CMyItemData::fromCaption("||&Quit").sMenuHelp, "");
    EXPECT_EQ(CMyItemData::fromCaption("&Profiles...").sMenuHelp, "");
}

TEST(MenuIcon, FoundByTheCaptionTextIgnoringCase)
{
    EXPECT_EQ(menuIconIndex("&Contents..."), 0);
    EXPECT_EQ(menuIconIndex("&QUIT"), 1);
    EXPECT_EQ(menuIconIndex("&Add note..."), 5);
    EXPECT_EQ(menuIconIndex("&Add event..."), 6);
    EXPECT_EQ(menuIconIndex("&Add"), 5); // the shorter text decides: the first tag it begins wins
    EXPECT_EQ(menuIconIndex("&Profiles..."), -1);
    EXPECT_EQ(menuIconIndex(""), -1);
    EXPECT_EQ(CMyItemData::fromCaption("|Browse and find events|&Find event...").iButton, 2);
    EXPECT_EQ(menuIconPath(2), ":/icons/find-event.svg");
    EXPECT_EQ(menuIconPath(-1), "");
}

TEST(MenuItems, CollectionKeysStayUniqueAfterRemovals)
{
    CMyItemDatas items;
    const int first = items.add(CMyItemData::fromCaption("|One|&One"));
    const int second = items.add(CMyItemData::fromCaption("|Two|&Two"));
    items.remove(first);
    const int third = items.add(CMyItemData::fromCaption("|Three|&Three"));
    EXPECT_NE(third, second);
    EXPECT_EQ(items.count(), 2);
    EXPECT_EQ(items.item(second)->sMenuHelp, "Two");
    EXPECT_EQ(items.item(third)->sMenuHelp, "Three");
    EXPECT_EQ(items.item(first), nullptr);
}

TEST(MenuStyleMeasure, SeparatorHalfAMenuItemsWithIconAndCheckRoom)
{
    const QFontMetrics metrics(QFont("DejaVu Sans", 8));
    EXPECT_EQ(MenuStyle::measure("", true, false, metrics).height(), MenuStyle::SystemMenuHeight / 2);
    const int textWidth = metrics.size(Qt::TextSingleLine | Qt::TextShowMnemonic, "&Quit").width();
    const QSize popup = MenuStyle::measure("&Quit", false, false, metrics);
    EXPECT_EQ(popup.width(), textWidth + 5 + 2 * (16 + 2) - (MenuStyle::SystemCheckWidth - 1));
    EXPECT_EQ(popup.height(), std::max(metrics.height(), MenuStyle::SystemMenuHeight));
    EXPECT_EQ(MenuStyle::measure("&Quit", false, true, metrics).width(), textWidth);

    const QFontMetrics large(QFont("DejaVu Sans", 24));
    EXPECT_EQ(MenuStyle::measure("&Quit", false, false, large).height(), large.height());
}

TEST(MenuStyleMeasure, MenusAskTheStyleForTheirItemSizes)
{
    QMenu menu;
    WndCoolMenu cool(&menu);
    cool.install(&menu);
    cool.addMenuItem(&menu, "|Quit the application|&Quit", "menuFileQuit");
    QStyleOptionMenuItem option;
    option.initFrom(&menu);
    option.menuItemType = QStyleOptionMenuItem::Separator;
    EXPECT_EQ(menu.style()->sizeFromContents(QStyle::CT_MenuItem, &option, QSize(), &menu).height(),
              MenuStyle::SystemMenuHeight / 2);
}

TEST(MenuStyleMeasure, EveryTextFitsWhereItIsDrawnInTheWindowsFont)
{
    QWidget window;
    window.setFont(QFont("DejaVu Sans", 11));
    WndCoolMenu cool(&window);
    QMenu menu;
    cool.install(&menu);
    EXPECT_EQ(menu.font(), window.font());
    menu.setDefaultAction(cool.addMenuItem(&menu, "&Open Tarrowby...", "menuSystrayOpen"));
    cool.addMenuItem(&menu, "&Add event...", "menuSystrayAddEvent");
    for (QAction *action : menu.actions()) {
        QStyleOptionMenuItem drawn;
        drawn.font = menu.font();
        drawn.menuItemType =
            action == menu.defaultAction() ? QStyleOptionMenuItem::DefaultItem : QStyleOptionMenuItem::Normal;
        const QSize text = QFontMetrics(MenuStyle::itemFont(drawn))
                               .size(Qt::TextSingleLine | Qt::TextShowMnemonic, action->text());
        EXPECT_GE(MenuStyle::textArea(menu.actionGeometry(action)).width(), text.width()) << action->text().toStdString();
    }
}

TEST(HelpCallBack, ReportsTheHelpLineOfTheItemUnderThePointer)
{
    QMenu menu;
    WndCoolMenu cool(&menu);
    cool.install(&menu);
    QSignalSpy reports(cool.helpObj(), &HelpCallBack::menuHelp);
    QAction *update = cool.addMenuItem(&menu, "|Search the net for an update|&Update...", "menuFileUpdate");
    QAction *profiles = cool.addMenuItem(&menu, "&Profiles...", "menuFileProfiles");
    profiles->setEnabled(false);
    EXPECT_EQ(update->text(), "&Update...");

    update->hover();
    profiles->hover();
    ASSERT_EQ(reports.count(), 2);
    EXPECT_EQ(reports[0][0].toString(), "&Update...");
    EXPECT_EQ(reports[0][1].toString(), "Search the net for an update");
    EXPECT_TRUE(reports[0][2].toBool());
    EXPECT_EQ(reports[1][1].toString(), "");
    EXPECT_FALSE(reports[1][2].toBool());
}
