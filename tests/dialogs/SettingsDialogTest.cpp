#include "dialogs/SettingsDialog.h"

#include "settings/Settings.h"
#include "dialogs/SyncPage.h"
#include "help/Help.h"
#include "KeyPress.h"
#include "messages/GeneralDialog.h"
#include "platform/Autostart.h"
#include "platform/MemoryCredentialStore.h"
#include "settings/SyncAccount.h"

#include <QtWidgets>
#include <QtTest>

#include <gtest/gtest.h>

namespace {

// The logon entry goes to a temporary configuration home; on Windows to the
// user's Run key, emptied after each test.
class SettingsDialogTest : public ::testing::Test {
protected:
    QTemporaryDir configHome;
    QByteArray savedConfigHome = qgetenv("XDG_CONFIG_HOME");
    Settings settings;
    Autostart autostart;
    Help help{QStringLiteral("/nonexistent/tarrow.hlp")};
    std::unique_ptr<SettingsDialog> dialog;
    void SetUp() override { qputenv("XDG_CONFIG_HOME", configHome.path().toLocal8Bit()); }
    void TearDown() override
    {
        qputenv("XDG_CONFIG_HOME", savedConfigHome);
#ifdef Q_OS_WIN
        autostart.disable();
#endif
    }
    template <typename T = QAbstractButton> T *control(const char *name) const
    {
        return dialog->findChild<T *>(name);
    }
    void setAutostart(bool on)
    {
        dialog = std::make_unique<SettingsDialog>(settings, autostart, "/opt/tarrowby", help);
        dialog->show();
        control("checkAutostart")->setChecked(on);
        QTest::mouseClick(control<QPushButton>("commandOK"), Qt::LeftButton);
    }
    QString entryPath() const
    {
        return configHome.filePath("autostart/Tarrowby.desktop");
    }
    // What the logon entry starts; empty when there is none.
    QString entryProgram() const
    {
#ifdef Q_OS_WIN
        const QSettings run(R"(HKEY_CURRENT_USER\Software\Microsoft\Windows\CurrentVersion\Run)",
                            QSettings::NativeFormat);
        return run.value("Tarrowby").toString();
#else
        QFile entry(entryPath());
        if (!entry.open(QIODevice::ReadOnly))
            return {};
        const QString text = QString::fromUtf8(entry.readAll());
        const qsizetype exec = text.indexOf("\nExec=");
        return exec < 0 ? QString() : text.mid(exec + 6).section('\n', 0, 0);
#endif
    }
};

// The entry for the program in the folder the dialog is given; what else the entry holds is the autostart's own test.
#ifdef Q_OS_WIN
const QString OptProgram = R"(\opt\tarrowby\tarrow.exe)";
#else
const QString OptProgram = Autostart::desktopExec("/opt/tarrowby/tarrow");
#endif

} // namespace

// Each box shows its stored setting, on and off, and Enter stores the opposite.
TEST_F(SettingsDialogTest, EveryPageShowsTheStoredSettingsAndEnterStoresTheChanges)
{
    // clang-format off
    const struct { const char *box; qint16 Settings::*value; } rows[] = {
        {"checkAutostart", &Settings::autostart},         {"checkLoadMinimized", &Settings::loadMinimized},
        {"checkMute", &Settings::mute},                   {"checkConfirmExit", &Settings::confirmExit},
        {"checkConfirmRemoveE", &Settings::confirmRemoveE}, {"checkConfirmRemoveN", &Settings::confirmRemoveN},
        {"checkMarkDays", &Settings::markDays},
    };
    // clang-format on
    for (const bool on : {false, true}) {
        for (const auto &row : rows)
            settings.*row.value = on ? 1 : 0;
        settings.timeFormat = on ? 12 : 24;
        dialog = std::make_unique<SettingsDialog>(settings, autostart, "/opt/tarrowby", help);
        dialog->show();
        for (const auto &row : rows) {
            EXPECT_EQ(control(row.box)->isChecked(), on) << row.box;
            control(row.box)->setChecked(!on);
        }
        EXPECT_TRUE(control(on ? "optTimeFormat12" : "optTimeFormat24")->isChecked());
        control(on ? "optTimeFormat24" : "optTimeFormat12")->setChecked(true);
        QSignalSpy applied(dialog.get(), &SettingsDialog::settingsApplied);
        QTest::keyClicks(control<QLineEdit>("textOwnCategory2"), "Chess club"); // after the stored name
        QTest::keyClick(control<QLineEdit>("textOwnCategory2"), Qt::Key_Return);
        EXPECT_EQ(applied.count(), 1);
        for (const auto &row : rows)
            EXPECT_EQ(settings.*row.value, on ? 0 : 1) << row.box;
        EXPECT_EQ(settings.timeFormat, on ? 24 : 12);
        EXPECT_EQ(settings.userCategories[2], on ? "Chess clubChess " : "Chess club"); // typing stops at 16 characters
        EXPECT_EQ(entryProgram(), on ? QString() : OptProgram);
    }
}

TEST_F(SettingsDialogTest, AnUnchangedAutostartBoxDoesNotPutBackAnEntryRemovedElsewhere)
{
    settings.autostart = 1;
    setAutostart(true);
    EXPECT_EQ(entryProgram(), QString());
}

// A file where the autostart folder belongs, a folder where the entry belongs: no one, root included, can write or
// remove the entry there.
TEST_F(SettingsDialogTest, AnEntryThatCannotBeChangedIsToldInTheMessageBox)
{
#ifdef Q_OS_WIN
    GTEST_SKIP() << "the user's own Run key cannot be made unwritable to the user";
#endif
    // clang-format off
    const struct { bool on; const char *inTheWay; bool isFolder; const char *told; } rows[] = {
        {true, "autostart", false, "Tarrowby could not be set to start with the system."},
        {false, "autostart/Tarrowby.desktop", true, "Tarrowby could not be kept from starting with the system."},
    };
    // clang-format on
    for (const auto &row : rows) {
        QDir(configHome.filePath("autostart")).removeRecursively();
        QFile::remove(configHome.filePath("autostart"));
        const QString inTheWay = configHome.filePath(row.inTheWay);
        ASSERT_TRUE(row.isFolder ? QDir().mkpath(inTheWay) : QFile(inTheWay).open(QIODevice::WriteOnly));
        settings.autostart = row.on ? 0 : 1;
        GeneralDialog::setNextAnswer({MessageButton::Ok});
        setAutostart(row.on);
        const std::optional<Message> asked = GeneralDialog::takeAskedMessage();
        ASSERT_TRUE(asked.has_value()) << row.inTheWay;
        EXPECT_EQ(std::pair(asked->kind, asked->text), std::pair(MessageKind::Alert, QString(row.told)));
        EXPECT_EQ(settings.autostart, row.on ? 1 : 0); // kept as chosen, so the next OK does not retry
    }
}

TEST_F(SettingsDialogTest, CancelStoresNothing)
{
    dialog = std::make_unique<SettingsDialog>(settings, autostart, "/opt/tarrowby", help);
    ASSERT_TRUE(showActive(*dialog));
    QTest::keyClicks(control<QLineEdit>("textOwnCategory0"), "Chess club");
    pressOn(*dialog, "commandCancel");
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(settings.userCategories[0], QString());
}

// Cancel's caption has the same access key as the categories heading: on that page the table names the heading the
// winner, whose hold on the key is the access keys' own test.
TEST_F(SettingsDialogTest, AltCReachesTheFirstCategoryOnItsPage)
{
    dialog = std::make_unique<SettingsDialog>(settings, autostart, "/opt/tarrowby", help);
    dialog->findChild<QListWidget *>("listSettings")->setCurrentRow(2);
    ASSERT_TRUE(showActive(*dialog));
    for (int press = 0; press < 2; ++press) {
        pressOn(*dialog, "listSettings", Qt::Key_C, Qt::AltModifier);
        EXPECT_EQ(focusedName(), "textOwnCategory0") << press;
    }
}

// The Sync page shows the settings and the password the store keeps for them; OK takes the settings into the settings
// and the password, under the account as it now is, into the store alone.
TEST_F(SettingsDialogTest, SyncPageKeepsThePasswordInTheStoreAndTheRestInTheSettings)
{
    MemoryCredentialStore credentials;
    settings.sync = {"https://dav.example.org/ann/cal/", "ann", 15};
    credentials.writePassword(syncAccount(settings.sync), "old secret", [](CredentialError) {});
    dialog = std::make_unique<SettingsDialog>(settings, autostart, "/opt/tarrowby", help);
    dialog->addSyncPage(credentials);
    dialog->findChild<QListWidget *>("listSettings")->setCurrentRow(3);
    ASSERT_TRUE(showActive(*dialog));
    EXPECT_EQ(control<QLineEdit>("textSyncPassword")->text(), "old secret");
    EXPECT_EQ(control<QLineEdit>("textSyncPassword")->echoMode(), QLineEdit::Password);
    control<QLineEdit>("textSyncUser")->setText("ann.smith");
    control<QLineEdit>("textSyncPassword")->selectAll();
    QTest::keyClicks(control<QLineEdit>("textSyncPassword"), "new secret");
    control<QComboBox>("comboSyncInterval")->setCurrentText("Every 60 minutes");
    QTest::mouseClick(control<QPushButton>("commandOK"), Qt::LeftButton);
    const SyncSettings chosen{"https://dav.example.org/ann/cal/", "ann.smith", 60};
    EXPECT_EQ(settings.sync, chosen);
    CredentialResult kept;
    credentials.readPassword(syncAccount(chosen), [&](const CredentialResult &result) { kept = result; });
    EXPECT_EQ(kept.password, "new secret");
}

TEST_F(SettingsDialogTest, SyncNowIsTheCallersToRun)
{
    MemoryCredentialStore credentials;
    dialog = std::make_unique<SettingsDialog>(settings, autostart, "/opt/tarrowby", help);
    QSignalSpy asked(dialog->addSyncPage(credentials), &SyncPage::syncNowRequested);
    dialog->findChild<QListWidget *>("listSettings")->setCurrentRow(3);
    ASSERT_TRUE(showActive(*dialog));
    pressOn(*dialog, "commandSyncNow");
    EXPECT_EQ(asked.count(), 1);
    EXPECT_TRUE(dialog->isVisible());
}
