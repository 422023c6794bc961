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
    std::vector<FileErrorReport> readingError(int number, const QString &backup = {}) const
    {
        return {{"calendar.dat", "reading", number, backup}};
    }
};

Event birthday()
{
    Event e;
    e.title = "Mother's birthday";
    e.category = "Birthday";
    e.date = "00000315";
    e.notifyingDays = 3;
    return e;
}

QByteArray block(const QByteArray &title, const QByteArray &date)
{
    return "[Event]\r\nTitle=" + title + "\r\nDescription=\r\nCategory=\r\nDate=" + date
           + "\r\nTime=    \r\nNotifyingDays=1\r\nSound=\r\n\r\n";
}

void expectSameEvent(const Event &actual, const Event &expected)
{
    EXPECT_EQ(actual.title, expected.title);
    EXPECT_EQ(actual.description, expected.description);
    EXPECT_EQ(actual.category, expected.category);
    EXPECT_EQ(actual.date, expected.date);
    EXPECT_EQ(actual.time, expected.time);
    EXPECT_EQ(actual.sound, expected.sound);
    EXPECT_EQ(actual.notifyingDays, expected.notifyingDays);
}

} // namespace

TEST_F(CalendarFileTest, EmptyTableSavesOnlyTheLastCheckLine)
{
    ASSERT_TRUE(file.saveCalendar(*table));
    EXPECT_EQ(folder.read("calendar.dat"), "LastCheck=20261206\r\n");
    ASSERT_TRUE(file.loadCalendar(*table, lastCheck));
    EXPECT_EQ(table->eventCount, -1);
    EXPECT_EQ(lastCheck, "20261206");
}

TEST_F(CalendarFileTest, SavedEventHasTheExactNineLineLayout)
{
    table->addEvent(birthday());
    Event second;
    second.title = "Dentist";
    second.description = "Bring the card";
    second.date = "20270102";
    second.time = "0905";
    second.sound = "/tmp/bell.wav";
    second.notifyingDays = -7;
    table->addEvent(second);
    ASSERT_TRUE(file.saveCalendar(*table));
    EXPECT_EQ(folder.read("calendar.dat"),
              "LastCheck=20261206\r\n\r\n"
              "[Event]\r\nTitle=Mother's birthday\r\nDescription=\r\nCategory=Birthday\r\n"
              "Date=00000315\r\nTime=    \r\nNotifyingDays=3\r\nSound=\r\n\r\n"
              "[Event]\r\nTitle=Dentist\r\nDescription=Bring the card\r\nCategory=\r\n"
              "Date=20270102\r\nTime=0905\r\nNotifyingDays=-7\r\nSound=/tmp/bell.wav\r\n\r\n");
    EXPECT_TRUE(reporter.reports.empty());
}

TEST_F(CalendarFileTest, FullTableRoundTripsInOrder)
{
    for (int i = 0; i < EventTable::Capacity; ++i) {
        Event e;
        e.title = QStringLiteral("Event %1 — ünïcode").arg(i);
        e.description = i % 2 ? QStringLiteral("Text with = and [Event] inside") : QString();
        e.category = i % 3 ? QStringLiteral("Meeting") : QString();
        e.date = i % 4 ? QStringLiteral("0000%1%2").arg(i % 12 + 1, 2, 10, QLatin1Char('0')).arg(i % 28 + 1, 2, 10, QLatin1Char('0'))
                       : QStringLiteral("20271231");
        e.time = i % 5 ? QStringLiteral("    ") : QStringLiteral("2359");
        e.notifyingDays = qint16(i % 2 ? -i : i);
        e.sound = i % 7 ? QString() : QStringLiteral("C:\\Sounds\\chime %1.wav").arg(i);
        table->addEvent(e);
    }
    const auto saved = std::make_unique<EventTable>(*table);
    ASSERT_TRUE(file.saveCalendar(*table));
    table = std::make_unique<EventTable>();
    ASSERT_TRUE(file.loadCalendar(*table, lastCheck));
    ASSERT_EQ(table->eventCount, 255);
    for (int i = 0; i < EventTable::Capacity; ++i)
        expectSameEvent(table->events[i], saved->events[i]);
    EXPECT_TRUE(reporter.reports.empty());
}

TEST_F(CalendarFileTest, SavingKeepsLastCheckAsLoaded)
{
    ASSERT_TRUE(loadFrom("LastCheck=20261101\r\n"));
    ASSERT_TRUE(file.saveCalendar(*table));
    EXPECT_EQ(lastCheck, "20261101");
    EXPECT_TRUE(folder.read("calendar.dat").startsWith("LastCheck=20261206"));
}

TEST_F(CalendarFileTest, KeyLinesMatchByPrefixAndSkipOneCharacter)
{
    ASSERT_TRUE(loadFrom("junk line\n"
                         "[Event]\n"
                         "Title:Party\n"
                         "Date=2027\n"          // fitted to eight characters
                         "Time=12345678\n"      // cut to four
                         "LastCheck=20260101\n" // a global, may stand anywhere
                         "Description=first\n"
                         "Description=second\n" // later lines win
                         "[Event]\n"
                         "Sound=a.wav\n"
                         "Titles=x\n"
                         "NotifyingDays= 2.5 \n" // rounds half to even
                         "Date=00000704\n"));
    ASSERT_EQ(table->eventCount, 1);
    EXPECT_EQ(table->events[0].title, "Party");
    EXPECT_EQ(table->events[0].date, "2027    ");
    EXPECT_EQ(table->events[0].time, "1234");
    EXPECT_EQ(table->events[0].description, "second");
    EXPECT_EQ(table->events[1].title, "=x");
    EXPECT_EQ(table->events[1].sound, "a.wav");
    EXPECT_EQ(table->events[1].notifyingDays, 2);
    EXPECT_EQ(table->events[1].description, ""); // a missing key leaves the field blank
    EXPECT_EQ(lastCheck, "20260101");
}

TEST_F(CalendarFileTest, EmptyFileLoadsAsEmptyTableAndKeepsLastCheck)
{
    lastCheck = "20250505";
    ASSERT_TRUE(loadFrom(""));
    EXPECT_EQ(table->eventCount, -1);
    EXPECT_EQ(lastCheck, "20250505");
}

TEST_F(CalendarFileTest, LoadDropsOneTimeEventsOfPastYears)
{
    ASSERT_TRUE(loadFrom("LastCheck=20251231\r\n\r\n" + block("Old", "20251231") + block("Yearly", "00000101")
                         + block("This year", "20260105")));
    ASSERT_EQ(table->eventCount, 1);
    EXPECT_EQ(table->events[0].title, "This year"); // moved into the purged slot
    EXPECT_EQ(table->events[1].title, "Yearly");
}

TEST_F(CalendarFileTest, BadContentFailsWithItsErrorNumberAndEmptiesTheTable)
{
    struct Case {
        QByteArray content;
        int error;
    };
    QByteArray tooMany = "LastCheck=20261201\r\n";
    for (int i = 0; i < 257; ++i)
        tooMany += block("E" + QByteArray::number(i), "00000101");
    const Case cases[] = {
        {"Title=before any block\r\n", FileError::SubscriptRange},
        {"NotifyingDays=1\r\n[Event]\r\n", FileError::SubscriptRange},
        {tooMany, FileError::SubscriptRange},
        {"[Event]\r\nDate=00000101\r\nNotifyingDays=soon\r\n", FileError::TypeMismatch},
        {"[Event]\r\nDate=00000101\r\nNotifyingDays=\r\n", FileError::TypeMismatch},
        {"[Event]\r\nDate=00000101\r\nNotifyingDays=40000\r\n", FileError::Overflow},
        {"[Event]\r\nTitle=No date\r\n", FileError::TypeMismatch},
        {"[Event]\r\nDate=2O270101\r\n", FileError::TypeMismatch},
    };
    for (const Case &c : cases) {
        reporter.reports.clear();
        lastCheck = "20200101";
        QDir(folder.path()).remove("calendar.dat.bak");
        EXPECT_FALSE(loadFrom(c.content + block("Valid", "00000101")));
        EXPECT_EQ(table->eventCount, -1);
        EXPECT_EQ(lastCheck, "20200101");
        EXPECT_EQ(reporter.reports, readingError(c.error, "calendar.dat.bak")) << c.content.left(60).toStdString();
    }
}

TEST_F(CalendarFileTest, FileWith256EventsLoads)
{
    QByteArray full;
    for (int i = 0; i < 256; ++i)
        full += block("E" + QByteArray::number(i), "00000101");
    ASSERT_TRUE(loadFrom(full));
    EXPECT_EQ(table->eventCount, 255);
}

TEST_F(CalendarFileTest, MissingFileOrFolderIsReportedAndTheNextSaveCreatesTheFile)
{
    table->addEvent(birthday());
    EXPECT_FALSE(file.loadCalendar(*table, lastCheck));
    EXPECT_EQ(table->eventCount, -1);
    EXPECT_EQ(reporter.reports, readingError(FileError::FileNotFound));
    table->addEvent(birthday());
    ASSERT_TRUE(file.saveCalendar(*table));
    EXPECT_FALSE(folder.exists("calendar.dat.bak")); // nothing was there to protect

    reporter.reports.clear();
    CalendarFile nowhere(folder.file("missing/folder"), reporter, clock);
    EXPECT_FALSE(nowhere.loadCalendar(*table, lastCheck));
    EXPECT_FALSE(nowhere.saveCalendar(*table));
    EXPECT_EQ(reporter.reports, (std::vector<FileErrorReport>{{"calendar.dat", "reading", FileError::PathNotFound},
                                                              {"calendar.dat", "writing", FileError::PathNotFound}}));
}

TEST_F(CalendarFileTest, LineBreaksInsideValuesAreSavedAsBlanks)
{
    Event e = birthday();
    e.title = "Two\nlines";
    e.description = "Call them\r\nDate=20270101\rTitle=Hijack";
    table->addEvent(e);
    ASSERT_TRUE(file.saveCalendar(*table));
    ASSERT_TRUE(file.loadCalendar(*table, lastCheck));
    ASSERT_EQ(table->eventCount, 0);
    EXPECT_EQ(table->events[0].title, "Two lines");
    EXPECT_EQ(table->events[0].description, "Call them Date=20270101 Title=Hijack");
    EXPECT_EQ(table->events[0].date, "00000315");
}

TEST_F(CalendarFileTest, FailedSaveLeavesTheOldFileAndTheTableWhole)
{
    table->addEvent(birthday());
    ASSERT_TRUE(file.saveCalendar(*table));
    const QByteArray before = folder.read("calendar.dat");

    for (int i = 0; i < 100; ++i) {
        Event e = birthday();
        e.title = QStringLiteral("Event %1").arg(i);
        table->addEvent(e);
    }
    {
        const FileSizeLimit limit(before.size() + 16);
        EXPECT_FALSE(file.saveCalendar(*table));
    }
    EXPECT_EQ(folder.read("calendar.dat"), before);
    EXPECT_EQ(table->eventCount, 100);
    ASSERT_EQ(reporter.reports.size(), 1u);
    EXPECT_EQ(reporter.reports[0].operation, "writing");
    EXPECT_EQ(reporter.reports[0].errorNumber, FileError::DiskFull); // a file size limit is as full as a disk
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList{"calendar.dat"}); // no temporary left
}

TEST_F(CalendarFileTest, TextWithoutAnEventOrLastCheckLineIsUnreadable)
{
    const QByteArray saved = "LastCheck=20261205\r\n\r\n" + block("Party", "00000101");
    QByteArray utf16;
    for (const char c : saved)
        utf16 += QByteArray(1, c) + '\0';
    struct Row {
        const char *name;
        QByteArray bytes;
        int error;
    };
    const Row rows[] = {
        {"UTF-16 without a byte order mark", utf16, FileError::Unreadable},
        {"random bytes", QByteArray::fromHex("8f3a00c1ffee1d52a9"), FileError::Unreadable},
        {"stray text", "nothing a calendar holds\r\n", FileError::Unreadable},
        {"blank lines", " \r\n\t\r\n", 0},
        {"a LastCheck line alone", "LastCheck=20261205", 0},
        {"an event alone", "junk\r\n[Event]\r\n", 0},
    };
    for (const Row &row : rows) {
        EventTable parsed;
        QString parsedLastCheck;
        EXPECT_EQ(CalendarFile::parse(decodeDataLines(row.bytes), parsed, parsedLastCheck), row.error) << row.name;
    }
    // The same file with a byte order mark is read as it was saved.
    EXPECT_TRUE(loadFrom("\xff\xfe" + utf16));
    EXPECT_EQ(table->events[0].title, "Party");
    EXPECT_EQ(lastCheck, "20261205");
}
