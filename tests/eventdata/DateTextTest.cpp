#include "eventdata/DateText.h"
#include "eventdata/Event.h"
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

TEST(EventDate, DigitsAreReadOnlyWhenTheyAreOneToNineAsciiDigits)
{
    // clang-format off
    const std::pair<const char16_t *, int> digits[] = {
        {u"0", 0}, {u"9", 9}, {u"999999999", 999999999}, {u"1234567890", -1}, {u"", -1}, {u"/", -1}, {u":", -1},
        {u"\u0661", -1}, // an Arabic-Indic one is a digit, but no ASCII one
    };
    // clang-format on
    for (const auto &[text, value] : digits)
        EXPECT_EQ(digitsValue(text), value) << QString::fromUtf16(text).toStdString();
}

// Each field is read on its own; a text that does not read back the same is kept as it was.
TEST(EventDate, StoredDateIsReadFieldByFieldAndWrittenBackAsItWas)
{
    // clang-format off
    const struct { const char *name, *text; EventDate date; const char *kept; } rows[] = {
        {"one-time", "20270305", {2027, 3, 5}, ""},
        {"every year", "00001231", {0, 12, 31}, ""},
        {"day 0 and month 0 read as numbers", "20270000", {2027, 0, 0}, ""},
        {"blanks in the month", "2027 305", {2027, -1, 5}, "2027 305"},
        {"letters in the year", "x0270305", {-1, 3, 5}, "x0270305"},
        {"short text padded", "202703", {2027, 3, -1}, "202703  "},
        {"long text cut", "202703051", {2027, 3, 5}, ""},
        {"empty", "", EventDate::none(), "        "},
    };
    // clang-format on
    for (const auto &row : rows) {
        Event event;
        setStoredDate(event, QString::fromLatin1(row.text));
        EXPECT_EQ(event.date, row.date) << row.name;
        EXPECT_EQ(event.unreadDate, row.kept) << row.name;
        EXPECT_EQ(storedDate(event), fitToWidth(QString::fromLatin1(row.text), Event::DateWidth)) << row.name;
    }
}

TEST(EventDate, FallsOnADayWhenSomeYearHasIt)
{
    // clang-format off
    const struct { const char *name; EventDate date; bool falls; } rows[] = {
        {"first day of a year",        {2027, 1, 1},   true},
        {"last day of a year",         {2027, 12, 31}, true},
        {"every 29 February",          {0, 2, 29},     true},
        {"29 February of a leap year", {2028, 2, 29},  true},
        {"no 29 February this year",   {2027, 2, 29},  false},
        {"no 31 April",                {2027, 4, 31},  false},
        {"no 30 February any year",    {0, 2, 30},     false},
        {"month 0",                    {2027, 0, 5},   false},
        {"month 13",                   {2027, 13, 5},  false},
        {"day 0",                      {2027, 3, 0},   false},
        {"month in letters",           {2027, -1, 5},  false},
        {"year in letters",            {-1, 3, 5},     false},
    };
    // clang-format on
    for (const auto &row : rows)
        EXPECT_EQ(row.date.fallsOnADay(), row.falls) << row.name;
}

TEST(EventDate, StoredTimeIsReadOnlyWhenItNamesATimeOfDay)
{
    // clang-format off
    const struct { const char *text; std::optional<QTime> time; const char *kept; } rows[] = {
        {"0000", QTime(0, 0), ""}, {"2359", QTime(23, 59), ""}, {"    ", std::nullopt, ""},
        {"2400", std::nullopt, "2400"}, {"0060", std::nullopt, "0060"}, {"9:30", std::nullopt, "9:30"},
        {"093", std::nullopt, "093 "}, {"", std::nullopt, ""},
    };
    // clang-format on
    for (const auto &row : rows) {
        Event event;
        setStoredTime(event, QString::fromLatin1(row.text));
        EXPECT_EQ(event.time, row.time) << row.text;
        EXPECT_EQ(event.unreadTime, row.kept) << row.text;
        EXPECT_EQ(storedTime(event), fitToWidth(QString::fromLatin1(row.text), Event::TimeWidth)) << row.text;
    }
}

// Numbers: rounded, and refused when they do not fit.
TEST(NumberText, Int16sAreReadOnlyWhenTheyFit)
{
    constexpr Rounding Even = Rounding::NearestEven, Down = Rounding::Down;
    const std::tuple<const char16_t *, Rounding, int, FileError> rows[] = {
        // the text, its value or error
        {u"32767", Even, 32767, FileError::None},   {u"32768", Even, 0, FileError::Overflow},
        {u"-32768", Even, -32768, FileError::None}, {u"-32769", Even, 0, FileError::Overflow},
        {u" 7 ", Even, 7, FileError::None},         {u"2.5", Even, 2, FileError::None},
        {u"3.5", Even, 4, FileError::None},         {u"150.7", Down, 150, FileError::None},
        {u"-150.2", Down, -151, FileError::None},   {u"32767.9", Down, 32767, FileError::None},
        {u"32767.5", Even, 0, FileError::Overflow}, {u"soon", Even, 0, FileError::TypeMismatch},
        {u"inf", Down, 0, FileError::TypeMismatch},
    };
    for (const auto &[text, rounding, value, error] : rows) {
        const Int16Reading reading = readInt16(text, rounding);
        EXPECT_EQ(std::pair(int(reading.value), reading.error), std::pair(value, error))
            << QString::fromUtf16(text).toStdString();
    }
}
