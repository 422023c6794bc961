#include "settings/SettingsFile.h"

#include "appstate/ProgramInfo.h"
#include "eventdata/FileErrors.h"
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

// Every value in a line, for comparisons that name the value.
std::string values(const Settings &s, const MainWindowPosition &p)
{
    QStringList parts;
    for (qint16 v : {s.autostart, s.loadMinimized, s.mute, s.timeFormat, s.confirmExit, s.confirmRemoveE,
                     s.confirmRemoveN, s.markDays, p.mainTop, p.mainLeft})
        parts += QString::number(v);
    for (const QString &name : s.userCategories)
        parts += name;
    return parts.join(u'|').toStdString();
}

} // namespace

TEST_F(SettingsFileTest, SavesTheDefaultsInSectionsAndEveryValueRoundTrips)
{
    ASSERT_TRUE(file.saveSettings(settings, position));
    EXPECT_EQ(folder.read("tarrow.ini"),
              "Version=" + QString(ProgramInfo::Version).toLatin1()
                  + "|01\r\n\r\n[General]\r\nAutostart=0\r\nLoadMinimized=0\r\nMute=0\r\nTimeFormat=24\r\n"
                    "ConfirmExit=1\r\nConfirmRemoveE=1\r\nConfirmRemoveN=1\r\nMarkDays=0\r\n\r\n[Main window]\r\nTop=200\r\n"
                    "Left=200\r\n\r\n[User categories]\r\nCategory0=\r\nCategory1=\r\nCategory2=\r\n");

    const Settings changed{1, 1, 1, 12, 0, 0, 0, {"Tennis", "Chess club", "Ärzte"}, 1};
    const MainWindowPosition moved{-32768, 32767};
    ASSERT_TRUE(file.saveSettings(changed, moved));
    ASSERT_TRUE(file.loadSettings(settings, position));
    EXPECT_EQ(values(settings, position), values(changed, moved));
    EXPECT_TRUE(reporter.reports.empty());
}

TEST_F(SettingsFileTest, ItemsAreReadWhereverTheyStandAndCommasSplitThem)
{
    ASSERT_TRUE(loadFrom("Left=300\nMute=1,TimeFormat=12\nTop=150.7\nCategory1=Golf, Tennis\n"
                         "Category2=Work,Left=-150.2\nAutostart:1\nCategory0 Chess\n"));
    EXPECT_EQ(values(settings, position),
              values({.autostart = 1, .mute = 1, .timeFormat = 12, .userCategories = {"Chess", "Golf", "Work"}}, {150, -151}));
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
    for (const auto &[format, twelve] : {std::pair{"11", false}, {"12", true}, {"13", false}, {"24", false}}) {
        ASSERT_TRUE(loadFrom(QByteArray("TimeFormat=") + format));
        EXPECT_EQ(settings.uses12HourClock(), twelve) << format;
    }
}

TEST_F(SettingsFileTest, LoadStartsFromTheDefaultsButKeepsTheCategoryNames)
{
    settings = {1, 1, 1, 12, 0, 0, 0, {"Kept", "", "Too"}, 1};
    position = {5, 6};
    EXPECT_FALSE(file.loadSettings(settings, position)); // no file
    EXPECT_EQ(values(settings, position), values({.userCategories = {"Kept", "", "Too"}}, {}));
    EXPECT_EQ(reporter.reports, (std::vector<FileErrorReport>{{"tarrow.ini", "reading", FileError::FileNotFound}}));
}

TEST_F(SettingsFileTest, BadItemsFailAndKeepWhatWasReadBefore)
{
    QByteArray utf16;
    for (const char c : QByteArray("Mute=1\r\nCategory0=Tennis\r\n"))
        utf16 += QByteArray(1, c) + '\0';
    const struct {
        const char *name;
        QByteArray content;
        int error;
        Settings settings; // after the load
        MainWindowPosition position{};
    } rows[] = {
        {"empty number", "Mute=1\r\nConfirmExit=\r\nAutostart=1\r\n", FileError::TypeMismatch, {.mute = 1, .userCategories = {}}},
        {"category slot 3", "Category2=Chess\r\nCategory3=Golf\r\n", FileError::SubscriptRange,
         {.userCategories = {"", "", "Chess"}}},
        {"category without slot", "Category", FileError::SubscriptRange, {}},
        {"past 16 bits", "Top=32768\r\n", FileError::Overflow, {}},
        {"UTF-16 without its mark", utf16, FileError::Unreadable, {}},
        {"sections only", "Version=1.21|01\r\n\r\n[General]\r\n", FileError::Unreadable, {}},
        {"blank lines", " \r\n\r\n", 0, {}},
        {"one category", "Category0=Tennis", 0, {.userCategories = {"Tennis", "", ""}}},
        {"16-bit ends", "Top=-32768\r\nLeft=32767", 0, {}, {-32768, 32767}},
    };
    for (const auto &row : rows) {
        settings = Settings{};
        reporter.reports.clear();
        EXPECT_EQ(loadFrom(row.content), row.error == 0) << row.name;
        EXPECT_EQ(values(settings, position), values(row.settings, row.position)) << row.name;
        const int reported = reporter.reports.empty() ? 0 : reporter.reports[0].errorNumber;
        EXPECT_EQ(reported, row.error) << row.name;
    }
}
