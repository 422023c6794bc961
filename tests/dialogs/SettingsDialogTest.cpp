#include "dialogs/SettingsDialog.h"

#include "settings/Settings.h"
#include "help/Help.h"
#include "messages/GeneralDialog.h"
#include "KeyPress.h"
#include "platform/Autostart.h"

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

// A file where the autostart folder belongs: no one, root included, can write the entry there. The box stays as
// chosen, so the next OK does not try again.
TEST_F(SettingsDialogTest, AnEntryThatCannotBeWrittenIsToldInTheMessageBox)
{
#ifdef Q_OS_WIN
    GTEST_SKIP() << "the user's own Run key cannot be made unwritable to the user";
#endif
    ASSERT_TRUE(QFile(configHome.filePath("autostart")).open(QIODevice::WriteOnly));
    dialog = std::make_unique<SettingsDialog>(settings, autostart, "/opt/tarrowby", help);
    dialog->show();
    control("checkAutostart")->setChecked(true);
    GeneralDialog::setNextAnswer({MessageButton::Ok});
    QTest::mouseClick(control<QPushButton>("commandOK"), Qt::LeftButton);
    const std::optional<Message> asked = GeneralDialog::takeAskedMessage();
    ASSERT_TRUE(asked.has_value());
    EXPECT_EQ(std::pair(asked->kind, asked->text),
              std::pair(MessageKind::Alert, QStringLiteral("Tarrowby could not be set to start with the system.")));
    EXPECT_EQ(settings.autostart, 1);
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
