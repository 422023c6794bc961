#pragma once

#include <QString>
#include <QStringList>

#include <array>

// The pictures that stand for event categories in the main window.
enum class CategoryImage {
    None, // hides every picture; not a category an event can have
    Meeting,
    Holiday,
    Birthday,
    SpecialEvent,
    Deadline,
    NotableDate,
    Food,
    NetEvent,
    SportEvent,
    Misc,
};

// The thirteen built-in names in the order the event dialog offers them.
const QStringList &builtInCategories();

// The picture for a category name (exact, case-sensitive); "None" gives
// CategoryImage::None, unknown and user names give CategoryImage::Misc.
CategoryImage categoryImageFor(const QString &name);

// True for the pictures that stand for several names; their tooltip shows the
// name itself.
bool categoryImageShowsName(CategoryImage image);

// The entries of the event dialog's category list before sorting: the empty
// entry, the built-in names, then every non-empty user category.
QStringList categoryChoices(const std::array<QString, 3> &userCategories);

// A comma ends an item of the settings file, so a user category name may hold
// anything but a comma.
bool isUserCategoryName(const QString &name);
