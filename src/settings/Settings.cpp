#include "settings/Settings.h"

void Settings::resetGeneralToDefaults()
{
    const std::array<QString, 3> categories = UserCategories;
    *this = Settings{};
    UserCategories = categories;
}
