#include "eventdata/CalendarFile.h"

#include "eventdata/EventTable.h"
#include "eventdata/FileErrors.h"
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
    return "[Event]\r\nTitle=" + title + "\r\nDescription=\r\nCategory=\r\nDate=" + date
           + "\r\nTime=    \r\nNotifyingDays=1\r\nSound=\r\n\r\n";
}

// Every field of an event on one line, for comparisons that name the field.
std::string fields(const Event &e)
{
    return QStringList{e.title, e.description, e.category, e.date, e.time, QString::number(e.notifyingDays), e.sound}
        .join(u'|')
        .toStdString();
}

} // namespace

TEST_F(CalendarFileTest, SavesLastCheckThenNineLinesPerEvent)
{
    ASSERT_TRUE(file.saveCalendar(*table));
    EXPECT_EQ(folder.read("calendar.dat"), "LastCheck=20261206\r\n");

    Event birthday = makeEvent("Mother's birthday", "00000315", 3);
    birthday.category = "Birthday";
    Event dentist = makeEvent("Dentist", "20270102", -7);
    dentist.description = "Bring the card";
    dentist.time = "0905";
    dentist.sound = "/tmp/bell.wav";
    table->addEvent(birthday);
    table->addEvent(dentist);
    clock.set(QDate(2027, 1, 9)); // month and day below ten
    ASSERT_TRUE(file.saveCalendar(*table));
    EXPECT_EQ(folder.read("calendar.dat"),
              "LastCheck=20270109\r\n\r\n"
              "[Event]\r\nTitle=Mother's birthday\r\nDescription=\r\nCategory=Birthday\r\n"
              "Date=00000315\r\nTime=    \r\nNotifyingDays=3\r\nSound=\r\n\r\n"
              "[Event]\r\nTitle=Dentist\r\nDescription=Bring the card\r\nCategory=\r\n"
              "Date=20270102\r\nTime=0905\r\nNotifyingDays=-7\r\nSound=/tmp/bell.wav\r\n\r\n");
    EXPECT_TRUE(reporter.reports.empty());
}

TEST_F(CalendarFileTest, FullTableRoundTripsAndLastCheckKeepsItsLoadedValue)
{
    for (int i = 0; i < EventTable::Capacity; ++i) {
        Event e = makeEvent(QStringLiteral("Event %1 — ünïcode = [Event]").arg(i),
                            i % 2 ? QStringLiteral("0000%1").arg(i % 12 + 1, 2, 10, QLatin1Char('0')) + "28"
                                  : QStringLiteral("20271231"),
                            qint16(i % 2 ? -i : i * 128));
        e.description = i % 3 ? QStringLiteral("Description=%1").arg(i) : QString();
        e.category = i % 5 ? QStringLiteral("Meeting") : QString();
        e.time = i % 4 ? QStringLiteral("    ") : QStringLiteral("2359");
        e.sound = i % 7 ? QString() : QStringLiteral("C:\\Sounds\\chime %1.wav").arg(i);
        table->addEvent(e);
    }
    const auto saved = std::make_unique<EventTable>(*table);
    ASSERT_TRUE(loadFrom("LastCheck=20261101\r\n"));
    *table = *saved;
    ASSERT_TRUE(file.saveCalendar(*table));
    EXPECT_EQ(lastCheck, "20261101"); // a save does not change it during the run
    ASSERT_TRUE(file.loadCalendar(*table, lastCheck));
    EXPECT_EQ(lastCheck, "20261206");
    ASSERT_EQ(table->size(), EventTable::Capacity);
    for (int i = 0; i < EventTable::Capacity; ++i)
        ASSERT_EQ(fields(table->events[i]), fields(saved->events[i])) << i;
}

TEST_F(CalendarFileTest, KeyLinesMatchByPrefixSkipOneCharacterAndLaterLinesWin)
{
    lastCheck = "20250505";
    ASSERT_TRUE(loadFrom("junk line\n"
                         "[Event]\n"
                         "Title:Party\n"
                         "Date=2027\n"
                         "Time=12345678\n"
                         "LastCheck=20260101\n"
                         "Description=first\n"
                         "Description=second\n"
                         "Category=x\n"
                         "[Event]\n"
                         "Sound=a.wav\n"
                         "Titles=x\n"
                         "NotifyingDays= 2.5 \n"
                         "Date=00000704\n"
                         "[event]\n"));
    ASSERT_EQ(table->size(), 2);
    EXPECT_EQ(fields(table->events[0]), "Party|second|x|2027    |1234|0|");
    EXPECT_EQ(fields(table->events[1]), "=x|||00000704|    |2|a.wav");
    EXPECT_EQ(lastCheck, "20260101");
}

TEST_F(CalendarFileTest, LoadDropsPastOneTimeEventsAndAnEmptyFileKeepsLastCheck)
{
    lastCheck = "20250505";
    ASSERT_TRUE(loadFrom(""));
    EXPECT_EQ(table->size(), 0);
    EXPECT_EQ(lastCheck, "20250505");
    ASSERT_TRUE(loadFrom(block("Old", "20251231") + block("Yearly", "00000101") + block("This year", "20260105")));
    EXPECT_EQ(fields(table->events[0]).substr(0, 9), "This year");
    EXPECT_EQ(table->size(), 2);
}

TEST_F(CalendarFileTest, ContentErrorsFailTheLoadWithTheirNumber)
{
    QByteArray utf16;
    for (const char c : QByteArray("LastCheck=20261205\r\n[Event]\r\nDate=00000101\r\n"))
        utf16 += QByteArray(1, c) + '\0';
    QByteArray blocks;
    for (int i = 0; i < 256; ++i)
        blocks += block("E" + QByteArray::number(i), "00000101");
    const struct {
        const char *name;
        QByteArray content;
        int error;
    } rows[] = {
        {"256 events", blocks, 0},
        {"257 events", blocks + "[Event]\r\n", FileError::SubscriptRange},
        {"a key before any block", "Title=early\r\n[Event]\r\nDate=00000101\r\n", FileError::SubscriptRange},
        {"a number before any block", "NotifyingDays=1\r\n[Event]\r\nDate=00000101\r\n", FileError::SubscriptRange},
        {"days not a number", "[Event]\r\nDate=00000101\r\nNotifyingDays=soon\r\n", FileError::TypeMismatch},
        {"days empty", "[Event]\r\nDate=00000101\r\nNotifyingDays=\r\n", FileError::TypeMismatch},
        {"days past 16 bits", "[Event]\r\nDate=00000101\r\nNotifyingDays=40000\r\n", FileError::Overflow},
        {"no date", "[Event]\r\nTitle=No date\r\n", FileError::TypeMismatch},
        {"letter in the year", "[Event]\r\nDate=2O270101\r\n", FileError::TypeMismatch},
        {"UTF-16 without its mark", utf16, FileError::Unreadable},
        {"random bytes", QByteArray::fromHex("8f3a00c1ffee1d52a9"), FileError::Unreadable},
        {"stray text", "nothing a calendar holds\r\n", FileError::Unreadable},
        {"blank lines", " \r\n\t\r\n", 0},
        {"a LastCheck line alone", "LastCheck=20261205", 0},
        {"an event alone", "junk\r\n[Event]\r\nDate=00000101\r\n", 0},
        {"UTF-16 with its mark", "\xff\xfe" + utf16, 0},
    };
    for (const auto &row : rows) {
        DataFolderFixture rowFolder;
        RecordingReporter rowReporter;
        CalendarFile rowFile(rowFolder.path(), rowReporter, clock);
        rowFolder.write("calendar.dat", row.content);
        table->addEvent(makeEvent("before", "00000101"));
        lastCheck = "20200101";
        EXPECT_EQ(rowFile.loadCalendar(*table, lastCheck), row.error == 0) << row.name;
        if (row.error == 0)
            continue;
        EXPECT_EQ(table->eventCount, -1) << row.name;
        EXPECT_EQ(lastCheck, "20200101") << row.name;
        EXPECT_EQ(rowReporter.reports, (std::vector<FileErrorReport>{{"calendar.dat", "reading", row.error, "calendar.dat.bak"}}))
            << row.name;
    }
}

// A later line of a value could otherwise be read back as a key of its own.
TEST_F(CalendarFileTest, LineBreaksInsideValuesAreSavedAsBlanks)
{
    Event e = makeEvent("Two\nlines", "0000\r\n03");
    e.description = "Call\r\nDate=20270101\rTitle=Hijack";
    e.category = "a\nb";
    e.sound = "c\rd";
    e.time = "1\n2";
    table->addEvent(e);
    ASSERT_TRUE(file.saveCalendar(*table));
    ASSERT_TRUE(file.loadCalendar(*table, lastCheck));
    ASSERT_EQ(table->size(), 1);
    EXPECT_EQ(fields(table->events[0]), "Two lines|Call Date=20270101 Title=Hijack|a b|0000 03 |1 2 |0|c d");
}
