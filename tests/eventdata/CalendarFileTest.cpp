#include "eventdata/CalendarFile.h"

#include "eventdata/EventTable.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

class CalendarFileTest : public ::testing::Test {
protected:
    DataFolderFixture folder;
    RecordingReporter reporter;
    FakeClock clock{QDate(2026, 12, 6)};
    CalendarFile file{folder.path(), reporter, clock};
    std::unique_ptr<EventTable> table = std::make_unique<EventTable>();
    QString lastCheck;

    bool loadFrom(const QByteArray &bytes)
    {
        folder.write("calendar.dat", bytes);
        return file.loadCalendar(*table, lastCheck);
    }
};

QByteArray block(const QByteArray &title, const QByteArray &date)
{
    return "[Event]\r\nTitle=" + title + "\r\nDate=" + date + "\r\n";
}

} // namespace

// A line break inside a value is saved as a blank, or a later line of the value could be read back as a key of its own.
TEST_F(CalendarFileTest, SavesLastCheckThenNineLinesPerEvent)
{
    Event birthday = makeEvent("Mother's\r\nbirthday", "00000315", 3);
    birthday.category = "Birth\nday";
    table->addEvent(birthday);
    Event dentist = makeEvent("Dentist", "20270102", -7);
    dentist.description = "Bring\nthe card\rDate=20270101";
    dentist.time = QTime(9, 5);
    dentist.sound = "/tmp/\rbell.wav";
    table->addEvent(dentist);
    clock.setWall(QDateTime(QDate(2027, 1, 9), QTime(9, 0))); // month and day below ten
    ASSERT_TRUE(file.saveCalendar(*table));
    EXPECT_EQ(folder.read("calendar.dat"),
              "LastCheck=20270109\r\n\r\n"
              "[Event]\r\nTitle=Mother's birthday\r\nDescription=\r\nCategory=Birth day\r\n"
              "Date=00000315\r\nTime=    \r\nNotifyingDays=3\r\nSound=\r\n\r\n"
              "[Event]\r\nTitle=Dentist\r\nDescription=Bring the card Date=20270101\r\nCategory=\r\n"
              "Date=20270102\r\nTime=0905\r\nNotifyingDays=-7\r\nSound=/tmp/ bell.wav\r\n\r\n");
    EXPECT_TRUE(reporter.reports.empty());
}

// An empty table saves its LastCheck line alone; from the first event on, a blank line and the events follow.
TEST_F(CalendarFileTest, SavesEveryEventFromTheFirstOn)
{
    const QByteArray oneBlock = "[Event]\r\nTitle=E\r\nDescription=\r\nCategory=\r\nDate=20270102\r\nTime=    \r\n"
                                "NotifyingDays=0\r\nSound=\r\n\r\n";
    const struct {
        const char *name;
        int events;
        QByteArray saved;
    } rows[] = {
        {"no event", 0, "LastCheck=20261206\r\n"},
        {"one event", 1, "LastCheck=20261206\r\n\r\n" + oneBlock},
    };
    for (const auto &row : rows) {
        table = std::make_unique<EventTable>();
        for (int i = 0; i < row.events; ++i)
            table->addEvent(makeEvent("E", "20270102"));
        ASSERT_TRUE(file.saveCalendar(*table)) << row.name;
        EXPECT_EQ(folder.read("calendar.dat"), row.saved) << row.name;
    }
}

// The load drops one-time events of past years, by the clock's year.
TEST_F(CalendarFileTest, KeyLinesMatchByPrefixAndLaterLinesWin)
{
    ASSERT_TRUE(loadFrom("junk line\n[Event]\nTitle:Party\nDate=2027\nTime=12345678\nLastCheck=20260101\n"
                         "Description=first\nDescription=second\nCategory=x\n[Event]\nSound=a.wav\nTitles=x\n"
                         "NotifyingDays= 2.5 \nDate=00000704\n[event]\n"
                         + block("Last year", "20251231")));
    Event party = makeEvent("Party", "2027");
    party.description = "second";
    party.category = "x";
    party.time = QTime(12, 34);
    Event prefixed = makeEvent("=x", "00000704", 2);
    prefixed.sound = "a.wav";
    EXPECT_EQ(table->size(), 2);
    EXPECT_EQ(table->events[0], party);
    EXPECT_EQ(table->events[1], prefixed);
    EXPECT_EQ(lastCheck, "20260101");
}

// A failed load empties the table, keeps LastCheck and keeps the file.
TEST_F(CalendarFileTest, ContentErrorsFailTheLoad)
{
    QByteArray blocks;
    for (int i = 0; i < EventTable::Capacity; ++i)
        blocks += block("E" + QByteArray::number(i), "00000101");
    // clang-format off
    const std::tuple<const char *, QByteArray, FileError> rows[] = {
        {"256 events", blocks, FileError::None},
        {"257 events", blocks + "[Event]\r\n", FileError::SubscriptRange},
        {"a key before any block", "Title=early\r\n" + block("x", "00000101"), FileError::SubscriptRange},
        {"a number before any block", "NotifyingDays=1\r\n" + block("x", "00000101"), FileError::SubscriptRange},
        {"days past 16 bits", block("x", "00000101") + "NotifyingDays=40000\r\n", FileError::Overflow},
        {"stray text", "nothing a calendar holds\r\n", FileError::Unreadable},
        {"blank lines", " \r\n\t\r\n", FileError::None},
        {"a LastCheck line alone", "LastCheck=20261205", FileError::None},
        {"an event alone", "junk\r\n" + block("x", "00000101"), FileError::None},
    };
    // clang-format on
    for (const auto &[name, content, error] : rows)
        EXPECT_EQ(CalendarFile::parse(decodeDataLines(content), *table, lastCheck), error) << name;
    EXPECT_EQ(lastCheck, "20261205");
    lastCheck = "20200101";
    EXPECT_FALSE(loadFrom("[Event]\r\nTitle=No date\r\n"));
    EXPECT_EQ(table->eventCount, -1);
    EXPECT_EQ(lastCheck, "20200101");
    const FileErrorReport kept{"calendar.dat", "reading", FileError::TypeMismatch, "calendar.dat.bak"};
    EXPECT_EQ(reporter.reports, std::vector{kept});
}
