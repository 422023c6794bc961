#include "settings/SettingsFile.h"

#include "eventdata/CalendarFile.h"
#include "eventdata/EventTable.h"
#include "eventdata/FileErrors.h"
#include "notes/NoteTable.h"
#include "notes/NotesFile.h"
#include "settings/Settings.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

namespace {

class SettingsFileTest : public ::testing::Test {
protected:
    DataFolderFixture folder;
    RecordingReporter reporter;
    SettingsFile file{folder.path(), reporter};
    Settings settings;
    MainWindowPosition position;

    bool loadFrom(const QByteArray &bytes)
    {
        folder.write("tarrow.ini", bytes);
        return file.loadSettings(settings, position);
    }
};

} // namespace

TEST_F(SettingsFileTest, SavesTheExactLayout)
{
    settings.userCategories[0] = "Tennis";
    ASSERT_TRUE(file.saveSettings(settings, position));
    EXPECT_EQ(folder.read("tarrow.ini"),
              "Version=1.21|01\r\n\r\n[General]\r\nAutostart=0\r\nLoadMinimized=0\r\nMute=0\r\nTimeFormat=24\r\n"
              "ConfirmExit=1\r\nConfirmRemoveE=1\r\nConfirmRemoveN=1\r\nMarkDays=0\r\n\r\n[Main window]\r\nTop=200\r\nLeft=200\r\n"
              "\r\n[User categories]\r\nCategory0=Tennis\r\nCategory1=\r\nCategory2=\r\n");
}

TEST_F(SettingsFileTest, EveryValueRoundTrips)
{
    settings = {1, 1, 1, 12, 0, 0, 0, {"Tennis", "Chess club", "Ärzte"}, 1};
    position = {-1500, 32767};
    ASSERT_TRUE(file.saveSettings(settings, position));
    Settings loaded;
    MainWindowPosition loadedPosition;
    ASSERT_TRUE(file.loadSettings(loaded, loadedPosition));
    EXPECT_EQ(loaded.autostart, 1);
    EXPECT_EQ(loaded.loadMinimized, 1);
    EXPECT_EQ(loaded.mute, 1);
    EXPECT_TRUE(loaded.uses12HourClock());
    EXPECT_EQ(loaded.confirmExit, 0);
    EXPECT_EQ(loaded.confirmRemoveE, 0);
    EXPECT_EQ(loaded.confirmRemoveN, 0);
    EXPECT_EQ(loaded.userCategories, settings.userCategories);
    EXPECT_EQ(loaded.markDays, 1);
    EXPECT_EQ(loadedPosition.mainTop, -1500);
    EXPECT_EQ(loadedPosition.mainLeft, 32767);
}

TEST_F(SettingsFileTest, ItemsAreReadWhereverTheyStandAndCommasSplitThem)
{
    ASSERT_TRUE(loadFrom("Left=300\nMute=1,TimeFormat=12\nTop=150.7\nCategory1=Golf, Tennis\nCategory2=Work,Left=-150.7\n"));
    EXPECT_EQ(settings.mute, 1);
    EXPECT_EQ(settings.timeFormat, 12);
    EXPECT_EQ(position.mainTop, 150); // rounded down
    EXPECT_EQ(position.mainLeft, -151);
    EXPECT_EQ(settings.userCategories[1], "Golf"); // the rest after the comma matches no key
    EXPECT_EQ(settings.userCategories[2], "Work");
    EXPECT_EQ(settings.confirmExit, 1); // untouched values keep their defaults
}

// Keys match by their beginning: no key may begin another one's name.
TEST_F(SettingsFileTest, EachKeyFillsOnlyItsOwnValue)
{
    const std::pair<const char *, qint16 *> keys[] = {
        {"Autostart", &settings.autostart},           {"LoadMinimized", &settings.loadMinimized},
        {"Mute", &settings.mute},                     {"TimeFormat", &settings.timeFormat},
        {"ConfirmExit", &settings.confirmExit},       {"ConfirmRemoveE", &settings.confirmRemoveE},
        {"ConfirmRemoveN", &settings.confirmRemoveN}, {"MarkDays", &settings.markDays},
        {"Top", &position.mainTop},                   {"Left", &position.mainLeft},
    };
    for (const auto &[key, value] : keys) {
        ASSERT_TRUE(loadFrom(QByteArray(key) + "=7\r\n"));
        for (const auto &[other, otherValue] : keys)
            EXPECT_EQ(*otherValue == 7, other == key) << key << " read into " << other;
    }
}

TEST_F(SettingsFileTest, OnlyTwelveSelectsTheTwelveHourClock)
{
    for (const char *format : {"13", "0", "24"}) {
        ASSERT_TRUE(loadFrom(QByteArray("TimeFormat=") + format));
        EXPECT_FALSE(settings.uses12HourClock()) << format;
    }
}

TEST_F(SettingsFileTest, LoadStartsFromDefaultsButKeepsCategoryNames)
{
    settings.mute = 1;
    settings.markDays = 1;
    settings.userCategories[2] = "Kept";
    position.mainTop = 5;
    EXPECT_FALSE(file.loadSettings(settings, position)); // no file: defaults
    EXPECT_EQ(settings.mute, 0);
    EXPECT_EQ(settings.markDays, 0);
    EXPECT_EQ(position.mainTop, 200);
    EXPECT_EQ(settings.userCategories[2], "Kept");
    EXPECT_EQ(reporter.reports, (std::vector<FileErrorReport>{{"tarrow.ini", "reading", FileError::FileNotFound}}));
}

TEST_F(SettingsFileTest, BadValuesFailAndKeepWhatWasReadBefore)
{
    EXPECT_FALSE(loadFrom("Mute=1\r\nConfirmExit=\r\nAutostart=1\r\n"));
    EXPECT_EQ(settings.mute, 1);
    EXPECT_EQ(settings.autostart, 0);
    EXPECT_FALSE(loadFrom("Category3=Chess\r\n"));
    EXPECT_FALSE(loadFrom("Top=70000\r\n"));
    EXPECT_EQ(reporter.reports,
              (std::vector<FileErrorReport>{{"tarrow.ini", "reading", FileError::TypeMismatch, "tarrow.ini.bak"},
                                            {"tarrow.ini", "reading", FileError::SubscriptRange, "tarrow.ini.bak1"},
                                            {"tarrow.ini", "reading", FileError::Overflow, "tarrow.ini.bak2"}}));
}

TEST_F(SettingsFileTest, TextWithoutASingleKeyIsUnreadable)
{
    QByteArray utf16;
    for (const char c : QByteArray("Mute=1\r\nCategory0=Tennis\r\n"))
        utf16 += QByteArray(1, c) + '\0';
    const std::pair<QByteArray, int> rows[] = {
        {utf16, FileError::Unreadable},
        {"Version=1.21|01\r\n\r\n[General]\r\n", FileError::Unreadable},
        {" \r\n\r\n", 0},
        {"[General]\r\nMute=1", 0},
        {"Category0=Tennis", 0},
    };
    for (const auto &[bytes, error] : rows)
        EXPECT_EQ(SettingsFile::parse(decodeDataLines(bytes), settings, position), error) << bytes.toStdString();
}

// One bad file must not stop the others from loading or saving.
TEST_F(SettingsFileTest, BadSettingsLeaveTheCalendarAndNotesWorking)
{
    folder.write("calendar.dat", "LastCheck=20261201\r\n\r\n[Event]\r\nTitle=Kept\r\nDate=00000101\r\n");
    folder.write("notes.dat", "[Note Left=1 Top=2 Color=Default]\r\nKept too\r\n");
    EXPECT_FALSE(loadFrom("Mute=\r\n"));

    const FakeClock clock(QDate(2026, 12, 6));
    CalendarFile calendar(folder.path(), reporter, clock);
    NotesFile notes(folder.path(), reporter);
    EventTable events;
    NoteTable noteTable;
    QString lastCheck;
    EXPECT_TRUE(calendar.loadCalendar(events, lastCheck));
    EXPECT_TRUE(notes.loadNotes(noteTable));
    EXPECT_EQ(events.events[0].title, "Kept");
    EXPECT_EQ(noteTable.notes[0].content, "Kept too");
    EXPECT_TRUE(calendar.saveCalendar(events));
    EXPECT_TRUE(notes.saveNotes(noteTable));
    EXPECT_TRUE(file.saveSettings(settings, position));
    EXPECT_EQ(folder.read("tarrow.ini.bak"), "Mute=\r\n");
    EXPECT_EQ(reporter.reports.size(), 1u);
}
