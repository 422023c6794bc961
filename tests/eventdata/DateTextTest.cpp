#include "eventdata/DateText.h"
#include "eventdata/FileErrors.h"
#include "eventdata/NumberText.h"

#include "TestSupport.h"

#include <gtest/gtest.h>

TEST(DateText, MonthNamesMatchExactlyAndMonthLengthsFollowTheGregorianCalendar)
{
    for (const auto &[month, name] : {std::pair{0, ""}, {1, "January"}, {12, "December"}, {13, ""}}) {
        EXPECT_EQ(monthName(month), name) << month;
        EXPECT_EQ(monthNumber(name), *name ? month : 0) << name;
    }
    for (const char *name : {"january", "Jan", "January "})
        EXPECT_EQ(monthNumber(name), 0) << name;
    // Qt's calendar is the independent judge of month lengths and leap years.
    for (QDate day(1896, 1, 1); day.year() <= 2104; day = day.addMonths(1))
        ASSERT_EQ(daysInMonth(day.month(), day.year()), day.daysInMonth()) << day.year() << "-" << day.month();
    EXPECT_EQ(daysInMonth(2, 0), 29); // the every-year events' year 0 counts as a leap year
    EXPECT_EQ(daysInMonth(0, 2004), 0);
    EXPECT_EQ(daysInMonth(13, 2004), 0);
    EXPECT_EQ(twoDigits(9), "09"); // padded only below ten
    EXPECT_EQ(twoDigits(10), "10");
}

// Digits: one to nine ASCII digits only. Numbers: rounded, and refused when they do not fit.
TEST(NumberText, DigitsAndInt16sAreReadOnlyWhenTheyFit)
{
    const std::pair<const char16_t *, int> digits[] = {
        {u"0", 0}, {u"9", 9}, {u"999999999", 999999999}, {u"1234567890", -1}, {u"", -1}, {u"/", -1}, {u":", -1},
    };
    for (const auto &[text, value] : digits)
        EXPECT_EQ(digitsValue(text), value) << QString::fromUtf16(text).toStdString();
    constexpr Rounding Even = Rounding::NearestEven, Down = Rounding::Down;
    const std::tuple<const char16_t *, Rounding, int, int> rows[] = { // the text, its value or error
        {u"32767", Even, 32767, 0},       {u"32768", Even, 0, FileError::Overflow}, {u"-32768", Even, -32768, 0},
        {u"-32769", Even, 0, FileError::Overflow}, {u" 7 ", Even, 7, 0}, {u"2.5", Even, 2, 0}, {u"3.5", Even, 4, 0},
        {u"150.7", Down, 150, 0}, {u"-150.2", Down, -151, 0}, {u"32767.9", Down, 32767, 0},
        {u"32767.5", Even, 0, FileError::Overflow}, {u"soon", Even, 0, FileError::TypeMismatch},
        {u"inf", Down, 0, FileError::TypeMismatch},
    };
    for (const auto &[text, rounding, value, error] : rows) {
        const Int16Reading reading = readInt16(text, rounding);
        EXPECT_EQ(std::pair(int(reading.value), reading.error), std::pair(value, error))
            << QString::fromUtf16(text).toStdString();
    }
}
