#include "settings/Settings.h"

void Settings::resetGeneralToDefaults()
{
    const std::array<QString, 3> categories = userCategories;
    *this = Settings{};
    userCategories = categories;
}
