#include "datelogic/EventChecks.h"

#include "eventdata/EventTable.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

namespace {

// The message titles, and the texts of the messages that share one.
const char *const Duplicate = "Duplicate title";
const char *const YearRange = "Year out of range";
const char *const Invalid = "Invalid date";
const char *const Time = "Invalid time";
const QString Feb29 = QStringLiteral("February 29th does not occur every year.");
const QString NoSuchDate = QStringLiteral("The date you have entered for your event does not exist.");
const QString Passed = QStringLiteral("The date you have entered for your event has already occured.");

EventForm form(const char *year, const char *month, const char *day, const char *hours = "", const char *minutes = "",
               const char *title = "Dentist")
{
    return {title, year, month, day, hours, minutes};
}

} // namespace

// Today is 6 December 2026; "Taken" is the title of the table's only event.
TEST(EventChecks, LastFailingCheckGivesTheMessage)
{
    // The message's title, "" when the form passes, and its text where a title has several.
    const struct {
        const char *name;
        EventForm form;
        const char *title;
        QString text = {};
        int editedIndex = -1;
    }
    // clang-format off
        rows[] = {
        {"today", form("2026", "December", "6", "9", "05"), ""},
        {"yesterday", form("2026", "December", "5"), Invalid, Passed},
        {"first of a past month", form("2026", "November", "1"), Invalid, Passed},
        {"last of a past January", form("2026", "January", "31"), Invalid, Passed},
        {"nines in every box", form("2029", "September", "29", "19", "59"), ""},
        {"last of January", form("2027", "January", "31"), ""},
        {"32 January", form("2027", "January", "32"), Invalid, NoSuchDate},
        {"leading digits count", form("2027", "March", "5x", "9:", "5 "), ""},
        {"day 0", form("2027", "March", "0"), Invalid, NoSuchDate},
        {"no month", form("2027", "", "5"), Invalid, NoSuchDate},
        {"leap day 2028 at the last minute", form("2028", "February", "29", "23", "59"), ""},
        {"yearly leap day", form("", "February", "29"), Invalid, Feb29},
        {"yearly 28 February", form("", "February", "28"), ""},
        {"yearly 29 March", form("", "March", "29"), ""},
        {"yearly 1 January, already past this year", form("", "January", "1"), ""},
        {"last year of the range", form("2036", "March", "5"), ""},
        {"too late", form("2037", "March", "5"), YearRange, "The year must be within the interval 2026 and 2036."},
        {"year 1000", form("1000", "March", "5"), Invalid, Passed},
        {"five-digit past year is no date", form("02019", "March", "5"), YearRange},
        {"past year with a missing day", form("2019", "March", "32"), Invalid, NoSuchDate},
        {"midnight", form("2027", "March", "5", "0", "0"), ""},
        {"hour 24", form("2027", "March", "5", "24", "00"), Time,
         "The time you have entered for your event does not exist (or have wrong format.) Leave both field blank to "
         "ignore the time."},
        {"minute 60", form("2027", "March", "5", "12", "60"), Time},
        {"hours without minutes", form("2027", "March", "5", "9", ""), Time},
        {"minutes without hours", form("2027", "March", "5", "", "0"), Time},
        {"no title", form("2027", "March", "5", "", "", ""), "Title is missing",
         "The event must have a title! It is the title that is displayed in the calendar, so you might want to use "
         "a self-explaining title."},
        {"no title and a bad time", form("2027", "March", "5", "25", "00", ""), Time},
        {"duplicate title", form("2027", "March", "5", "", "", "Taken"), Duplicate,
         "An event with this title does already exist. Please choose another title."},
        {"other case is no duplicate", form("2027", "March", "5", "", "", "taken"), ""},
        {"editing itself", form("2027", "March", "5", "", "", "Taken"), "", {}, 0},
        {"editing another", form("2027", "March", "5", "", "", "Taken"), Duplicate, {}, 1},
    };
    EventTable table;
    table.addEvent(makeEvent("Taken", "20270101"));
    for (const auto &row : rows) {
        const std::optional<CheckMessage> message = checkEventForm(table, row.form, row.editedIndex, {2026, 12, 6});
        EXPECT_EQ(message ? message->title : QString(), row.title) << row.name;
        if (!row.text.isEmpty()) {
            EXPECT_EQ(message.value_or(CheckMessage{}).text, row.text) << row.name;
        }
        // clang-format on
    }
}
