#include "eventdata/DateText.h"
#include "eventdata/NumberText.h"
#include "eventdata/FileErrors.h"

#include "TestSupport.h"

#include <gtest/gtest.h>

TEST(DateText, MonthNamesAndNumbersMatchOnlyTheExactEnglishNames)
{
    const std::pair<int, const char *> rows[] = {{0, ""}, {1, "January"}, {12, "December"}, {13, ""}};
    for (const auto &[month, name] : rows) {
        EXPECT_EQ(monthName(month), name) << month;
        EXPECT_EQ(monthNumber(name), *name ? month : 0) << name;
    }
    for (const char *name : {"january", "Jan", "January "})
        EXPECT_EQ(monthNumber(name), 0) << name;
}

// Qt's calendar is the independent judge of month lengths and leap years.
TEST(DateText, DaysInMonthFollowsTheGregorianCalendar)
{
    for (int year = 1896; year <= 2104; ++year) {
        for (int month = 1; month <= 12; ++month)
            ASSERT_EQ(daysInMonth(month, year), QDate(year, month, 1).daysInMonth()) << year << "-" << month;
    }
    EXPECT_EQ(daysInMonth(2, 0), 29); // the every-year events' year 0 counts as a leap year
    EXPECT_EQ(daysInMonth(0, 2004), 0);
    EXPECT_EQ(daysInMonth(13, 2004), 0);
}

TEST(DateText, TwoDigitsPadsOnlyBelowTen)
{
    const std::pair<int, const char *> rows[] = {{0, "00"}, {9, "09"}, {10, "10"}, {99, "99"}, {2002, "2002"}};
    for (const auto &[number, text] : rows)
        EXPECT_EQ(twoDigits(number), text) << number;
}

TEST(NumberText, DigitsValueTakesOnlyOneToNineAsciiDigits)
{
    const std::pair<const char16_t *, int> rows[] = {
        {u"0", 0}, {u"9", 9}, {u"0705", 705}, {u"999999999", 999999999}, {u"1234567890", -1},
        {u"", -1}, {u"/", -1}, {u":", -1}, {u" 1", -1}, {u"1 ", -1}, {u"-1", -1}, {u"\u0661", -1},
    };
    for (const auto &[text, value] : rows)
        EXPECT_EQ(digitsValue(text), value) << QString::fromUtf16(text).toStdString();
}

TEST(NumberText, Int16ReadingRoundsAndRefusesWhatDoesNotFit)
{
    const struct {
        const char16_t *text;
        Rounding rounding;
        qint16 value;
        int error;
    } rows[] = {
        {u"32767", Rounding::NearestEven, 32767, 0},  {u"32768", Rounding::NearestEven, 0, FileError::Overflow},
        {u"-32768", Rounding::NearestEven, -32768, 0}, {u"-32769", Rounding::NearestEven, 0, FileError::Overflow},
        {u" 7 ", Rounding::NearestEven, 7, 0},         {u"2.5", Rounding::NearestEven, 2, 0},
        {u"3.5", Rounding::NearestEven, 4, 0},         {u"-45.5", Rounding::NearestEven, -46, 0},
        {u"150.7", Rounding::Down, 150, 0},            {u"-150.2", Rounding::Down, -151, 0},
        {u"32767.9", Rounding::Down, 32767, 0},        {u"32767.5", Rounding::NearestEven, 0, FileError::Overflow},
        {u"", Rounding::NearestEven, 0, FileError::TypeMismatch},
        {u"soon", Rounding::NearestEven, 0, FileError::TypeMismatch},
        {u"inf", Rounding::Down, 0, FileError::TypeMismatch},
        {u"nan", Rounding::Down, 0, FileError::TypeMismatch},
    };
    for (const auto &row : rows) {
        const Int16Reading reading = readInt16(row.text, row.rounding);
        EXPECT_EQ(reading.value, row.value) << QString::fromUtf16(row.text).toStdString();
        EXPECT_EQ(reading.error, row.error) << QString::fromUtf16(row.text).toStdString();
    }
}
