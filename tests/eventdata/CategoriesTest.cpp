#include "eventdata/Categories.h"

#include <gtest/gtest.h>

TEST(Categories, NamesChooseTheirPictureExactlyAndTheUsersOwnFollowTheBuiltIns)
{
    using I = CategoryImage;
    // clang-format off
    const std::pair<const char *, CategoryImage> rows[] = {
        {"None", I::None}, {"Meeting", I::Meeting}, {"Holiday", I::Holiday}, {"Birthday", I::Birthday},
        {"Anniversary", I::Birthday}, {"Party", I::Birthday}, {"Deadline", I::Deadline}, {"Dinner", I::Food},
        {"Special event", I::SpecialEvent}, {"Notable date", I::NotableDate}, {"Breakfast", I::Food},
        {"Lunch", I::Food}, {"Net event", I::NetEvent}, {"Sport event", I::SportEvent}, {"birthday", I::Misc},
        {"None ", I::Misc},
    };
    // clang-format on
    for (const auto &[name, image] : rows)
        EXPECT_EQ(categoryImageFor(name), image) << name;
    for (int i = int(I::None); i <= int(I::Misc); ++i)
        EXPECT_EQ(categoryImageShowsName(I(i)), I(i) == I::Birthday || I(i) == I::Food || I(i) == I::Misc) << i;
    // The choices: the empty entry, the built-in names, then the user's own that are not empty.
    EXPECT_EQ(categoryChoices({QStringLiteral("Tennis"), QString(), QStringLiteral("Chess")}).join(u','),
              ",Birthday,Notable date,Holiday,Special event,Anniversary,Meeting,Deadline,Dinner,Breakfast,Lunch,"
              "Net event,Party,Sport event,Tennis,Chess");
    for (const auto &[name, accepted] : {std::pair{"", true}, {"Choir", true}, {",Choir", false}, {"Choir,", false}})
        EXPECT_EQ(isUserCategoryName(QString::fromLatin1(name)), accepted) << name;
}
