#pragma once

#include "ProgramVersion.h"

#include <QLatin1StringView>

// Who made the program and which version this is. The build date names the
// update page on the web site, so a new release changes it.
namespace ProgramInfo {
inline constexpr QLatin1StringView Version(ProgramVersion, sizeof(ProgramVersion) - 1);
inline constexpr QLatin1StringView BuildDate("20261206");
inline constexpr QLatin1StringView WebHost("www.tarrowby.org");
inline constexpr QLatin1StringView WebSite("https://www.tarrowby.org/tb/");
inline constexpr QLatin1StringView SupportMail("support@tarrowby.org");
inline constexpr QLatin1StringView ECardSite("https://www.tarrowby.org/ecards/");
inline constexpr QLatin1StringView Fax("+44 20 7946 0958");
inline constexpr QLatin1StringView Notice("Tarrowby is free software made by a small team of volunteers.");
} // namespace ProgramInfo
