#include "settings/SettingsFile.h"

#include "programinfo/ProgramInfo.h"
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
};

// Every value in a line, for comparisons that name the value.
std::string values(const Settings &s, const MainWindowPosition &p)
{
    QStringList parts(s.userCategories.begin(), s.userCategories.end());
    for (qint16 v : {s.autostart, s.loadMinimized, s.mute, s.timeFormat, s.confirmExit, s.confirmRemoveE,
                     s.confirmRemoveN, s.markDays, p.mainTop, p.mainLeft})
        parts += QString::number(v);
    return parts.join(u'|').toStdString();
}

} // namespace

TEST_F(SettingsFileTest, SavesTheDefaultsInSectionsAndEveryValueRoundTrips)
{
    ASSERT_TRUE(file.saveSettings(settings, position));
    EXPECT_EQ(folder.read("tarrow.ini"),
              "Version=" + QString(ProgramInfo::Version).toLatin1()
                  + "|01\r\n\r\n[General]\r\nAutostart=0\r\nLoadMinimized=0\r\nMute=0\r\nTimeFormat=24\r\n"
                    "ConfirmExit=1\r\nConfirmRemoveE=1\r\nConfirmRemoveN=1\r\nMarkDays=0\r\n\r\n[Main window]\r\n"
                    "Top=200\r\nLeft=200\r\n\r\n[User categories]\r\nCategory0=\r\nCategory1=\r\nCategory2=\r\n");
    // Each key has a value of its own, so none can fill another's.
    const Settings changed{1, 2, 3, 12, 4, 5, 6, {"Tennis", "Chess club", "Ärzte"}, 7};
    const MainWindowPosition moved{-32768, 32767};
    ASSERT_TRUE(file.saveSettings(changed, moved));
    ASSERT_TRUE(file.loadSettings(settings, position));
    EXPECT_EQ(values(settings, position), values(changed, moved));
    EXPECT_TRUE(reporter.reports.empty());
}

TEST(Settings, OnlyTimeFormat12MeansTheTwelveHourClock)
{
    for (const auto &[format, twelve] : {std::pair{11, false}, {12, true}, {13, false}})
        EXPECT_EQ((Settings{.timeFormat = qint16(format), .userCategories = {}}.uses12HourClock()), twelve) << format;
}

// Items are read wherever they stand, a comma ends one, and a bad one fails the load but keeps what was read before it.
// A load starts from the defaults, but the category names stay as they were.
TEST_F(SettingsFileTest, ItemsAreReadInTurnUntilABadOne)
{
    const std::array<QString, 3> kept{"Kept", "", ""};
    // The error, then the settings and the position after the load.
    const struct {
        const char *name;
        QByteArray content;
        FileError error;
        Settings settings;
        MainWindowPosition position{};
    } rows[] = {
        {"no file", {}, FileError::FileNotFound, {.userCategories = kept}},
        {"anywhere, split at commas",
         "Left=300\nMute=1,TimeFormat=12\nTop=150.7\nCategory1=Golf, Tennis\nCategory2=Work,Left=-150.2\n"
         "Autostart:1\nCategory0 Chess\n",
         FileError::None,
         {.autostart = 1, .mute = 1, .timeFormat = 12, .userCategories = {"Chess", "Golf", "Work"}},
         {150, -151}},
        {"empty number",
         "Mute=1\r\nConfirmExit=\r\nAutostart=1\r\n",
         FileError::TypeMismatch,
         {.mute = 1, .userCategories = kept}},
        {"category slot 3",
         "Category2=Chess\r\nCategory3=Golf",
         FileError::SubscriptRange,
         {.userCategories = {"Kept", "", "Chess"}}},
        {"category without slot", "Category", FileError::SubscriptRange, {.userCategories = kept}},
        {"sections only", "Version=1.21|01\r\n\r\n[General]\r\n", FileError::Unreadable, {.userCategories = kept}},
        {"one category", "Category0=Tennis", FileError::None, {.userCategories = {"Tennis", "", ""}}},
    };
    for (const auto &row : rows) {
        settings = {1, 1, 1, 12, 0, 0, 0, kept, 1};
        position = {5, 6};
        reporter.reports.clear();
        if (!row.content.isNull()) // the first row finds no file
            folder.write("tarrow.ini", row.content);
        EXPECT_EQ(file.loadSettings(settings, position), !failed(row.error)) << row.name;
        EXPECT_EQ(values(settings, position), values(row.settings, row.position)) << row.name;
        EXPECT_EQ(reporter.reports.empty() ? FileError::None : reporter.reports[0].error, row.error) << row.name;
    }
}

TEST(SyncSettings, OnlyTheOfferedIntervalsAreRead)
{
    // clang-format off
    const std::pair<const char *, int> rows[] = {
        {"0", 0},   {"15", 15}, {"30", 30},   {"60", 60},  {" 30 ", 30}, {"14", 0}, {"16", 0},
        {"59", 0},  {"61", 0},  {"-15", 0},   {"15.0", 0}, {"", 0},      {"quarter", 0},
        {"999999999", 0},
    };
    // clang-format on
    for (const auto &[text, minutes] : rows)
        EXPECT_EQ(readSyncInterval(QString::fromLatin1(text)), minutes) << text;
}

// The sync's section is written once the user set the sync up and goes again when it is cleared; the address and the
// user name come back whole, commas and what looks like a key included.
TEST_F(SettingsFileTest, SyncSectionIsWrittenOnlyWhenSetUpAndRoundTrips)
{
    ASSERT_TRUE(file.saveSettings(settings, position));
    const QByteArray unset = folder.read("tarrow.ini");
    settings.sync = {"https://dav.example.org/cal,Mute=1/", "ann,smith", 30};
    ASSERT_TRUE(file.saveSettings(settings, position));
    EXPECT_EQ(folder.read("tarrow.ini"),
              unset + "\r\n[Sync]\r\nUrl=https://dav.example.org/cal,Mute=1/\r\nUser=ann,smith\r\nInterval=30\r\n");
    const SyncSettings saved = settings.sync;
    settings = {};
    ASSERT_TRUE(file.loadSettings(settings, position));
    EXPECT_EQ(settings.sync, saved);
    EXPECT_EQ(settings.mute, 0);
    settings.sync = {};
    ASSERT_TRUE(file.saveSettings(settings, position));
    EXPECT_EQ(folder.read("tarrow.ini"), unset);
    // A file without the section leaves the sync off, whatever was set before the load.
    settings.sync = saved;
    ASSERT_TRUE(file.loadSettings(settings, position));
    EXPECT_EQ(settings.sync, SyncSettings{});
}
