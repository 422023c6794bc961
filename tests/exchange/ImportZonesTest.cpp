#include "exchange/ImportZones.h"

#include <gtest/gtest.h>

// What a zone that a file names without defining it is taken as.
TEST(ImportZones, TakesANameAsAZoneQtKnows)
{
    // clang-format off
    const std::tuple<const char *, QString, QString, bool> rows[] = {
        {"IANA name", "Europe/Berlin", "Europe/Berlin", true},
        {"IANA name at the end of a path", "/example.org/2024a/Europe/Berlin", "Europe/Berlin", true},
        {"Windows ID", "W. Europe Standard Time", "Europe/Berlin", false},
        {"display name, west", "(UTC-05:00) Eastern Time (US & Canada)", "UTC-05:00", false},
        {"display name, older form", "(GMT+01:00) Amsterdam, Berlin", "UTC+01:00", false},
        {"display name, UTC itself", "(UTC) Dublin, Edinburgh, Lisbon, London", "UTC", false},
        {"display name, the farthest east", "(UTC+14:00) Kiritimati Island", "UTC+14:00", false},
        {"display name, beyond any zone", "(UTC+14:01) Nowhere", "local time", false},
        {"unknown", "Mars/Olympus", "local time", false},
        {"empty", "", "local time", false},
    };
    // clang-format on
    for (const auto &[name, zone, used, byIanaName] : rows) {
        const NamedZone named = zoneNamed(zone);
        EXPECT_EQ(named.used, used) << name;
        EXPECT_EQ(named.byIanaName, byIanaName) << name;
        EXPECT_EQ(named.zone.has_value(), used != "local time") << name;
    }
    EXPECT_EQ(zoneNamed("(UTC-05:00) Eastern").zone->offsetFromUtc(QDateTime::currentDateTimeUtc()), -5 * 3600);
}
