#include "dialogs/SettingsDialog.h"

#include "appstate/AppState.h"
#include "help/Help.h"
#include "ModalDriver.h"
#include "platform/Autostart.h"

#include <QLineEdit>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace {

// The arguments of a desktop entry's Exec line as a desktop reads them: first the escapes of a string
// value, then the quoting of the arguments, then %% as %.
QStringList execArguments(const QString &entryPath)
{
    static const QHash<QChar, QChar> escapes = {{'s', ' '}, {'n', '\n'}, {'t', '\t'}, {'r', '\r'}, {'\\', '\\'}};
    QFile file(entryPath);
    const QString entry = file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    const QString value = QRegularExpression("(?m)^Exec=(.*)$").match(entry).captured(1);
    QString text;
    QString unquoted; // with each blank outside quotes, which ends an argument, as \1
    for (qsizetype i = 0; i < value.size(); ++i)
        text += value[i] == '\\' && i + 1 < value.size() ? escapes.value(value[++i], '?') : value[i];
    bool quoted = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == '"')
            quoted = !quoted;
        else if (quoted && text[i] == '\\' && i + 1 < text.size() && QStringLiteral("\"`$\\").contains(text[i + 1]))
            unquoted += text[++i];
        else
            unquoted += text[i] == ' ' && !quoted ? QChar(1) : text[i];
    }
    return unquoted.replace("%%", "%").split(QChar(1), Qt::SkipEmptyParts);
}

// The logon entry goes to a temporary configuration home.
class SettingsDialogTest : public ::testing::Test {
protected:
    QTemporaryDir configHome;
    QByteArray savedConfigHome = qgetenv("XDG_CONFIG_HOME");
    AppState state;
    Autostart autostart;
    Help help{QStringLiteral("/nonexistent/tarrow.hlp")};
    std::unique_ptr<SettingsDialog> dialog;
    void SetUp() override { qputenv("XDG_CONFIG_HOME", configHome.path().toLocal8Bit()); }
    void TearDown() override { qputenv("XDG_CONFIG_HOME", savedConfigHome); }
    void open(const QString &programFolder = QStringLiteral("/opt/tarrowby"))
    {
        dialog = std::make_unique<SettingsDialog>(state, autostart, programFolder, help);
        dialog->show();
    }
    template <typename T> T *control(const char *name) const { return dialog->findChild<T *>(name); }
    void tick(const char *name, bool on) const { control<QAbstractButton>(name)->setChecked(on); }
    void ok() const { QTest::mouseClick(control<QPushButton>("commandOK"), Qt::LeftButton); }
    void setAutostart(bool on, const char *folder = "/opt/tarrowby")
    {
        open(folder);
        tick("checkAutostart", on);
        ok();
    }
    QString entryPath() const { return configHome.filePath("autostart/Tarrowby.desktop"); }
};

} // namespace

TEST_F(SettingsDialogTest, ShowsTheStoredSettings)
{
    const struct { const char *box; qint16 Settings::*value; } rows[] = {
        {"checkAutostart", &Settings::autostart},         {"checkLoadMinimized", &Settings::loadMinimized},
        {"checkMute", &Settings::mute},                   {"checkConfirmExit", &Settings::confirmExit},
        {"checkConfirmRemoveE", &Settings::confirmRemoveE}, {"checkConfirmRemoveN", &Settings::confirmRemoveN},
        {"checkMarkDays", &Settings::markDays},
    };
    for (const bool on : {false, true}) {
        for (const auto &row : rows)
            state.*row.value = on ? 1 : 0;
        state.timeFormat = on ? 12 : 24;
        open();
        for (const auto &row : rows)
            EXPECT_EQ(control<QAbstractButton>(row.box)->isChecked(), on) << row.box;
        EXPECT_EQ(control<QAbstractButton>("optTimeFormat12")->isChecked(), on);
    }
}

TEST_F(SettingsDialogTest, EnterAppliesEveryPage)
{
    state.autostart = 1; // an unchanged box does not put back an entry removed elsewhere
    open();
    QSignalSpy applied(dialog.get(), &SettingsDialog::settingsApplied);
    tick("checkLoadMinimized", true);
    tick("checkConfirmRemoveN", false);
    tick("optTimeFormat12", true);
    QTest::keyClicks(control<QLineEdit>("textOwnCategory0"), "A very long category name");
    QTest::keyClick(control<QLineEdit>("textOwnCategory0"), Qt::Key_Return);
    EXPECT_EQ(applied.count(), 1);
    EXPECT_EQ(std::tuple(state.loadMinimized, state.confirmRemoveN, state.timeFormat), std::tuple(1, 0, 12));
    EXPECT_EQ(state.userCategories[0], "A very long cate"); // typing stops at 16 characters
    EXPECT_FALSE(QFile::exists(entryPath()));
    open();
    tick("optTimeFormat24", true);
    ok();
    EXPECT_EQ(state.timeFormat, 24);
}

TEST_F(SettingsDialogTest, UnwritableEntrySaysOpenKeyFailed)
{
    // A file where the autostart folder belongs: no one, root included, can write there.
    QFile blocker(configHome.filePath("autostart"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    open();
    tick("checkAutostart", true);
    QString message;
    whenModalOpens([&](QDialog *box) {
        message = qobject_cast<QMessageBox *>(box)->text();
        box->accept();
    });
    ok();
    EXPECT_EQ(message, "OpenKey failed.");
    EXPECT_EQ(state.autostart, 1); // kept as chosen, so the next OK does not retry
}

// Every folder name, however odd, gives an entry the desktop accepts and that starts this very program.
TEST_F(SettingsDialogTest, AutostartWritesAValidEntryThatStartsTheProgramInAnyFolderAndRemovesIt)
{
    const QString validator = QStandardPaths::findExecutable("desktop-file-validate");
    ASSERT_FALSE(validator.isEmpty()) << "desktop-file-validate (desktop-file-utils) is missing";
    for (const char *folder : {"/opt/tarrowby", "/home/ann/a\\\\b%%c", "/home/ann/My \"best\" $apps",
                               "/home/ann/`tick` 'single'", "/odd\nHidden=true", "/tab\there;semi#hash"}) {
        setAutostart(true, folder);
        QProcess validate;
        validate.start(validator, {entryPath()});
        ASSERT_TRUE(validate.waitForFinished(10000));
        EXPECT_EQ(std::pair(validate.exitCode(), validate.readAll()), std::pair(0, QByteArray())) << folder;
        EXPECT_EQ(execArguments(entryPath()), QStringList(QString(folder) + "/tarrow")) << folder; // one argument
        setAutostart(false);
        EXPECT_FALSE(QFile::exists(entryPath())) << folder;
    }
}
