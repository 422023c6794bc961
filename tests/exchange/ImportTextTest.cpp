#include "exchange/ImportText.h"

#include <gtest/gtest.h>

TEST(ImportText, ReplacesOnlyTheDamagedBytesOfUtf8Lines)
{
    // clang-format off
    const std::tuple<const char *, QByteArray, QByteArray> rows[] = {
        {"ASCII", "SUMMARY:Party", "SUMMARY:Party"},
        {"valid UTF-8", "SUMMARY:\xe6\x97\xa5\xe6\x9c\xac", "SUMMARY:\xe6\x97\xa5\xe6\x9c\xac"},
        {"damaged byte inside", "\xe6\x97\xa5\xff\xe6\x9c\xac", "\xe6\x97\xa5\xef\xbf\xbd\xe6\x9c\xac"},
        {"damaged byte first", "\x80\xe6\x97\xa5", "\xef\xbf\xbd\xe6\x97\xa5"},
        {"sequence cut at the end", "\xe6\x97\xa5\xe6\x9c", "\xe6\x97\xa5\xef\xbf\xbd\xef\xbf\xbd"},
        {"Windows-1252, no UTF-8 at all", "Caf\xe9 \x80 5", "Caf\xe9 \x80 5"},
        {"each line on its own", "Caf\xe9\r\n\xe6\x97\xa5\xff\n\rx", "Caf\xe9\r\n\xe6\x97\xa5\xef\xbf\xbd\n\rx"},
        {"UTF-16 with its mark", "\xff\xfe\xe6\x97\xff\x00", "\xff\xfe\xe6\x97\xff\x00"},
    };
    // clang-format on
    for (const auto &[name, bytes, repaired] : rows)
        EXPECT_EQ(withDamagedUtf8Replaced(bytes), repaired) << name;
}
