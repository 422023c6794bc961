#include "menus/MenuItem.h"

#include <QStringList>

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
