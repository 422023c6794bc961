#include "eventdata/Categories.h"

const QStringList &builtInCategories()
{
    static const QStringList names = {
        QStringLiteral("Birthday"),      QStringLiteral("Notable date"), QStringLiteral("Holiday"),
        QStringLiteral("Special event"), QStringLiteral("Anniversary"),  QStringLiteral("Meeting"),
        QStringLiteral("Deadline"),      QStringLiteral("Dinner"),       QStringLiteral("Breakfast"),
        QStringLiteral("Lunch"),         QStringLiteral("Net event"),    QStringLiteral("Party"),
        QStringLiteral("Sport event"),
    };
    return names;
}

CategoryImage categoryImageFor(const QString &name)
{
    struct Rule {
        const char *name;
        CategoryImage image;
    };
    // clang-format off
    static constexpr Rule rules[] = {
        {"None", CategoryImage::None},
        {"Meeting", CategoryImage::Meeting},
        {"Holiday", CategoryImage::Holiday},
        {"Birthday", CategoryImage::Birthday},
        {"Anniversary", CategoryImage::Birthday},
        {"Party", CategoryImage::Birthday},
        {"Special event", CategoryImage::SpecialEvent},
        {"Deadline", CategoryImage::Deadline},
        {"Notable date", CategoryImage::NotableDate},
        {"Breakfast", CategoryImage::Food},
        {"Dinner", CategoryImage::Food},
        {"Lunch", CategoryImage::Food},
        {"Net event", CategoryImage::NetEvent},
        {"Sport event", CategoryImage::SportEvent},
    };
    // clang-format on
    for (const Rule &rule : rules) {
        if (name == QLatin1String(rule.name))
            return rule.image;
    }
    return CategoryImage::Misc;
}

bool categoryImageShowsName(CategoryImage image)
{
    return image == CategoryImage::Birthday || image == CategoryImage::Food || image == CategoryImage::Misc;
}

QStringList categoryChoices(const std::array<QString, 3> &userCategories)
{
    QStringList choices{QString()};
    choices += builtInCategories();
    for (const QString &name : userCategories) {
        if (!name.isEmpty())
            choices += name;
    }
    return choices;
}

bool isUserCategoryName(const QString &name)
{
    return !name.contains(QLatin1Char(','));
}
