#include "eventdata/Categories.h"

#include <gtest/gtest.h>

TEST(Categories, NamesChooseTheirPicture)
{
    EXPECT_EQ(categoryImageFor("Meeting"), CategoryImage::Meeting);
    EXPECT_EQ(categoryImageFor("Anniversary"), CategoryImage::Birthday);
    EXPECT_EQ(categoryImageFor("Party"), CategoryImage::Birthday);
    EXPECT_EQ(categoryImageFor("Lunch"), CategoryImage::Food);
    EXPECT_EQ(categoryImageFor("Sport event"), CategoryImage::SportEvent);
    EXPECT_EQ(categoryImageFor("None"), CategoryImage::None);
    // Comparison is exact: other spellings and user names fall to the misc picture.
    EXPECT_EQ(categoryImageFor("birthday"), CategoryImage::Misc);
    EXPECT_EQ(categoryImageFor(""), CategoryImage::Misc);
    EXPECT_EQ(categoryImageFor("Tennis"), CategoryImage::Misc);
    for (const QString &name : builtInCategories())
        EXPECT_NE(categoryImageFor(name), CategoryImage::Misc) << name.toStdString();
}

TEST(Categories, SharedPicturesShowTheNameAsTooltip)
{
    EXPECT_TRUE(categoryImageShowsName(CategoryImage::Birthday));
    EXPECT_TRUE(categoryImageShowsName(CategoryImage::Food));
    EXPECT_TRUE(categoryImageShowsName(CategoryImage::Misc));
    EXPECT_FALSE(categoryImageShowsName(CategoryImage::Meeting));
    EXPECT_FALSE(categoryImageShowsName(CategoryImage::None));
}

TEST(Categories, ChoicesListBuiltInsThenNonEmptyUserNames)
{
    const QStringList choices = categoryChoices({QStringLiteral("Tennis"), QString(), QStringLiteral("Chess")});
    ASSERT_EQ(choices.size(), 1 + 13 + 2);
    EXPECT_EQ(choices.first(), "");
    EXPECT_EQ(choices.at(1), "Birthday");
    EXPECT_EQ(choices.at(13), "Sport event");
    EXPECT_EQ(choices.at(14), "Tennis");
    EXPECT_EQ(choices.at(15), "Chess");
}

TEST(Categories, UserNamesHoldNoComma)
{
    for (const auto &[name, accepted] : {std::pair{"", true}, std::pair{"Choir", true}, std::pair{",Choir", false},
                                         std::pair{"Choir, Gym", false}, std::pair{"Choir,", false}})
        EXPECT_EQ(isUserCategoryName(QString::fromLatin1(name)), accepted) << name;
}
