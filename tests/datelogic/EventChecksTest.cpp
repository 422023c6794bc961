#include "datelogic/EventChecks.h"

#include "eventdata/EventTable.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

const QDate Today(2026, 12, 6);

class EventChecksTest : public ::testing::Test {
protected:
    std::unique_ptr<EventTable> table = std::make_unique<EventTable>();
    EventForm form{"Dentist", "2027", "March", "5", "", ""};

    EventChecksTest() { table->addEvent(makeEvent("Taken", "20270101")); }

    // The title of the message, "" when the form passes.
    QString check(int editedIndex = -1) const
    {
        const std::optional<CheckMessage> message = checkEventForm(*table, form, editedIndex, Today);
        return message ? message->title : QString();
    }
    QString text() const { return checkEventForm(*table, form, -1, Today).value_or(CheckMessage{}).text; }
};

} // namespace

TEST_F(EventChecksTest, ValidFormsPass)
{
    EXPECT_EQ(check(), "");
    form.year = "";
    form.day = "28";
    form.monthName = "February";
    EXPECT_EQ(check(), "");
    form = {"Today", "2026", "December", "6", "9", "05"};
    EXPECT_EQ(check(), ""); // today is accepted
    form = {"Leap", "2028", "February", "29", "23", "59"};
    EXPECT_EQ(check(), "");
}

TEST_F(EventChecksTest, DuplicateTitles)
{
    form.title = "Taken";
    EXPECT_EQ(check(), "Duplicate title");
    EXPECT_EQ(text(), "An event with this title does already exist. Please choose another title.");
    EXPECT_EQ(check(0), ""); // editing the event itself
    form.title = "taken";
    EXPECT_EQ(check(), "");
}

TEST_F(EventChecksTest, EachCheckReportsItsMessage)
{
    form.title = "";
    EXPECT_EQ(check(), "Title is missing");
    EXPECT_EQ(text(), "The event must have a title! It is the title that is displayed in the calendar, so you "
                      "might want to use a self-explaining title.");

    form.title = "x";
    form.year = "2037";
    EXPECT_EQ(check(), "Year out of range");
    EXPECT_EQ(text(), "The year must be within the interval 2026 and 2036.");
    form.year = "2036";
    EXPECT_EQ(check(), "");

    form.year = "";
    form.monthName = "February";
    form.day = "29";
    EXPECT_EQ(text(), "February 29th does not occur every year.");
    form.year = "2027";
    EXPECT_EQ(text(), "The date you have entered for your event does not exist.");

    for (const auto &[month, day] : {std::pair{"April", "31"}, {"April", ""}, {"April", "0"}, {"", "5"}}) {
        form.monthName = month;
        form.day = day;
        EXPECT_EQ(text(), "The date you have entered for your event does not exist.") << month << " " << day;
    }

    form.monthName = "March";
    form.day = "5";
    for (const auto &[hours, minutes] : {std::pair{"9", ""}, {"", "30"}, {"24", "00"}, {"12", "60"}}) {
        form.hours = hours;
        form.minutes = minutes;
        EXPECT_EQ(check(), "Invalid time") << hours << ":" << minutes;
    }
    EXPECT_EQ(text(), "The time you have entered for your event does not exist (or have wrong format.) Leave both "
                      "field blank to ignore the time.");
}

TEST_F(EventChecksTest, LaterFailingChecksWin)
{
    form.title = "";
    form.hours = "25";
    form.minutes = "00";
    EXPECT_EQ(check(), "Invalid time");

    form = {"Taken", "2027", "March", "5", "", ""};
    form.title = "";
    EXPECT_EQ(check(), "Title is missing");

    // A past year fails the range check, then the past-date check replaces it.
    form = {"Old", "2019", "March", "5", "", ""};
    EXPECT_EQ(text(), "The date you have entered for your event has already occured.");
    form.day = "32";
    EXPECT_EQ(text(), "The date you have entered for your event does not exist.");
    form = {"Yesterday", "2026", "December", "5", "", ""};
    EXPECT_EQ(text(), "The date you have entered for your event has already occured.");
}
