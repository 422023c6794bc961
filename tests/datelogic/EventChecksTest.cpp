#include "datelogic/EventChecks.h"

#include "eventdata/EventTable.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

const QDate Today(2026, 12, 6);

// The message titles, and the texts of the messages that share one.
const char *const Duplicate = "Duplicate title";
const char *const NoTitle = "Title is missing";
const char *const YearRange = "Year out of range";
const char *const Invalid = "Invalid date";
const char *const Time = "Invalid time";
const QString Feb29 = QStringLiteral("February 29th does not occur every year.");
const QString NoSuchDate = QStringLiteral("The date you have entered for your event does not exist.");
const QString Passed = QStringLiteral("The date you have entered for your event has already occured.");

struct FormCase {
    const char *name;
    EventForm form;
    const char *title; // "" when the form passes
    QString text = {}; // for "Invalid date": which of its three texts
    int editedIndex = -1;
};

void PrintTo(const FormCase &c, std::ostream *os) { *os << c.name; }

class EventChecks : public ::testing::TestWithParam<FormCase> {};

TEST_P(EventChecks, LastFailingCheckGivesTheMessage)
{
    const FormCase &c = GetParam();
    EventTable table;
    table.addEvent(makeEvent("Taken", "20270101"));
    const std::optional<CheckMessage> message = checkEventForm(table, c.form, c.editedIndex, Today);
    EXPECT_EQ(message ? message->title : QString(), c.title);
    if (!c.text.isEmpty()) {
        EXPECT_EQ(message.value_or(CheckMessage{}).text, c.text);
    }
}

EventForm form(const char *year, const char *month, const char *day, const char *hours = "", const char *minutes = "",
               const char *title = "Dentist")
{
    return {title, year, month, day, hours, minutes};
}

INSTANTIATE_TEST_SUITE_P(
    Forms, EventChecks,
    ::testing::Values(
        FormCase{"Valid", form("2027", "March", "5"), ""},
        FormCase{"Today", form("2026", "December", "6", "9", "05"), ""},
        FormCase{"Yesterday", form("2026", "December", "5"), Invalid, Passed},
        FormCase{"FirstOfAPastMonth", form("2026", "November", "1"), Invalid, Passed},
        FormCase{"LastOfAPastJanuary", form("2026", "January", "31"), Invalid, Passed},
        FormCase{"NinesInEveryBox", form("2029", "September", "29", "19", "59"), ""},
        FormCase{"LastOfThisYear", form("2026", "December", "31"), ""},
        FormCase{"FirstOfJanuary", form("2027", "January", "1"), ""},
        FormCase{"LastOfJanuary", form("2027", "January", "31"), ""},
        FormCase{"ThirtyTwoJanuary", form("2027", "January", "32"), Invalid, NoSuchDate},
        FormCase{"LeadingDigitsCount", form("2027", "March", "5x", "9:", "5 "), ""},
        FormCase{"DayZero", form("2027", "March", "0"), Invalid, NoSuchDate},
        FormCase{"DayEmpty", form("2027", "March", ""), Invalid, NoSuchDate},
        FormCase{"ThirtiethOfApril", form("2027", "April", "30"), ""},
        FormCase{"ThirtyFirstOfApril", form("2027", "April", "31"), Invalid, NoSuchDate},
        FormCase{"NoMonth", form("2027", "", "5"), Invalid, NoSuchDate},
        FormCase{"LeapDay2028", form("2028", "February", "29", "23", "59"), ""},
        FormCase{"LeapDayInACommonYear", form("2027", "February", "29"), Invalid, NoSuchDate},
        FormCase{"YearlyLeapDay", form("", "February", "29"), Invalid, Feb29},
        FormCase{"YearlyTwentyEighth", form("", "February", "28"), ""},
        FormCase{"YearlyTwentyNinthOfMarch", form("", "March", "29"), ""},
        FormCase{"YearlyThirtiethOfFebruary", form("", "February", "30"), Invalid, NoSuchDate},
        FormCase{"YearlyInThePast", form("", "January", "1"), ""},
        FormCase{"LastYearOfTheRange", form("2036", "March", "5"), ""},
        FormCase{"PastTheRange", form("2037", "March", "5"), YearRange,
                 "The year must be within the interval 2026 and 2036."},
        FormCase{"PastYearIsAlreadyOccurred", form("2025", "December", "31"), Invalid, Passed},
        FormCase{"YearOneThousand", form("1000", "March", "5"), Invalid, Passed},
        FormCase{"FiveDigitPastYearIsNoDate", form("02019", "March", "5"), YearRange},
        FormCase{"PastYearWithAMissingDay", form("2019", "March", "32"), Invalid, NoSuchDate},
        FormCase{"Midnight", form("2027", "March", "5", "0", "0"), ""},
        FormCase{"LastMinute", form("2027", "March", "5", "23", "59"), ""},
        FormCase{"Hour24", form("2027", "March", "5", "24", "00"), Time,
                 "The time you have entered for your event does not exist (or have wrong format.) Leave both field "
                 "blank to ignore the time."},
        FormCase{"Minute60", form("2027", "March", "5", "12", "60"), Time},
        FormCase{"HoursWithoutMinutes", form("2027", "March", "5", "9", ""), Time},
        FormCase{"MinutesWithoutHours", form("2027", "March", "5", "", "0"), Time},
        FormCase{"NoTitle", form("2027", "March", "5", "", "", ""), NoTitle,
                 "The event must have a title! It is the title that is displayed in the calendar, so you might want "
                 "to use a self-explaining title."},
        FormCase{"NoTitleAndABadTime", form("2027", "March", "5", "25", "00", ""), Time},
        FormCase{"DuplicateTitle", form("2027", "March", "5", "", "", "Taken"), Duplicate,
                 "An event with this title does already exist. Please choose another title."},
        FormCase{"OtherCaseIsNoDuplicate", form("2027", "March", "5", "", "", "taken"), ""},
        FormCase{"EditingItself", form("2027", "March", "5", "", "", "Taken"), "", {}, 0},
        FormCase{"EditingAnother", form("2027", "March", "5", "", "", "Taken"), Duplicate, {}, 1}),
    [](const auto &info) { return std::string(info.param.name); });

} // namespace
