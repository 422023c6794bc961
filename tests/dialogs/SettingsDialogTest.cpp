#include "dialogs/SettingsDialog.h"

#include "appstate/AppState.h"
#include "help/Help.h"
#include "ModalDriver.h"
#include "platform/Autostart.h"

#include <QLineEdit>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace {

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
        dialog->activateWindow(); // shortcuts reach the active window only
        ASSERT_TRUE(QTest::qWaitForWindowActive(dialog.get()));
    }
    template <typename T>
    T *control(const char *name) const { return dialog->findChild<T *>(name); }
    void tick(const char *name, bool on) const { control<QAbstractButton>(name)->setChecked(on); }
    void ok() const { QTest::mouseClick(control<QPushButton>("commandOK"), Qt::LeftButton); }
    QString entryPath() const { return configHome.filePath("autostart/Tarrowby.desktop"); }
};

} // namespace

TEST_F(SettingsDialogTest, OkAndEnterApplyEveryPage)
{
    open();
    QSignalSpy applied(dialog.get(), &SettingsDialog::settingsApplied);
    tick("checkLoadMinimized", true);
    tick("checkConfirmRemoveN", false);
    tick("checkMarkDays", true);
    tick("optTimeFormat12", true);
    QTest::keyClicks(control<QLineEdit>("textOwnCategory0"), "A very long category name");
    ok();
    EXPECT_EQ(applied.count(), 1);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(state.loadMinimized, 1);
    EXPECT_EQ(state.confirmRemoveN, 0);
    EXPECT_EQ(state.confirmRemoveE, 1);
    EXPECT_EQ(state.markDays, 1);
    EXPECT_EQ(state.timeFormat, 12);
    EXPECT_EQ(state.userCategories[0], "A very long cate"); // typing stops at 16 characters
    EXPECT_FALSE(QFile::exists(entryPath()));                // autostart was left as it was

    open();
    tick("optTimeFormat24", true);
    control<QLineEdit>("textOwnCategory0")->clear();
    QTest::keyClick(control<QLineEdit>("textOwnCategory0"), Qt::Key_Return);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(state.timeFormat, 24);
    EXPECT_EQ(state.userCategories[0], "");
}

TEST_F(SettingsDialogTest, AutostartWritesAndRemovesTheLogonEntry)
{
    open(QStringLiteral("/home/ann/My \"best\" $apps"));
    tick("checkAutostart", true);
    ok();
    EXPECT_EQ(state.autostart, 1);
    QFile file(entryPath());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray written = file.readAll();
    file.close();
    EXPECT_TRUE(written.startsWith("[Desktop Entry]\n"));
    EXPECT_TRUE(written.contains("\nName=Tarrowby\n"));
    EXPECT_TRUE(written.contains("\nExec=\"/home/ann/My \\\\\"best\\\\\" \\\\$apps/tarrow\"\n"));

    QFile::remove(entryPath());
    open(); // an unchanged box does not put back an entry removed elsewhere
    ok();
    EXPECT_FALSE(QFile::exists(entryPath()));

    QFile(entryPath()).open(QIODevice::WriteOnly);
    open();
    tick("checkAutostart", false);
    ok();
    EXPECT_EQ(state.autostart, 0);
    EXPECT_FALSE(QFile::exists(entryPath()));
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

namespace {

// The Exec value as a desktop reads it back: first the escapes of a string
// value, then the quoting of the arguments, then %% as %.
QStringList execArguments(const QString &value)
{
    static const QHash<QChar, QChar> escapes = {{'s', ' '}, {'n', '\n'}, {'t', '\t'}, {'r', '\r'}, {'\\', '\\'}};
    QString text;
    for (qsizetype i = 0; i < value.size(); ++i)
        text += value[i] == '\\' && i + 1 < value.size() ? escapes.value(value[++i], '?') : value[i];
    QStringList arguments;
    QString argument;
    bool quoted = false;
    bool inArgument = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (quoted && c == '\\' && i + 1 < text.size() && QStringLiteral("\"`$\\").contains(text[i + 1])) {
            argument += text[++i];
        } else if (c == '"') {
            quoted = !quoted;
            inArgument = true;
        } else if (c == ' ' && !quoted) {
            if (inArgument)
                arguments << std::exchange(argument, QString());
            inArgument = false;
        } else {
            argument += c;
            inArgument = true;
        }
    }
    if (inArgument)
        arguments << argument;
    for (QString &each : arguments)
        each.replace("%%", "%");
    return arguments;
}

} // namespace

// Every folder name, however odd, gives an entry the desktop accepts and that starts this very program.
TEST_F(SettingsDialogTest, AutostartEntryIsValidAndStartsTheProgramInAnyFolder)
{
    const QString validator = QStandardPaths::findExecutable("desktop-file-validate");
    ASSERT_FALSE(validator.isEmpty()) << "desktop-file-validate (desktop-file-utils) is missing";
    const char *folders[] = {
        "/opt/tarrowby",          "/home/ann/My apps",  "/home/ann/100% sure", "/home/ann/back\\slash",
        "/home/ann/a\\\\b%%c",      "/home/ann/My \"best\" $apps", "/home/ann/`tick` 'single'",
        "/odd\nHidden=true",     "/tab\there;semi#hash",
    };
    for (const char *folder : folders) {
        ASSERT_TRUE(autostart.enable(folder)) << folder;
        QProcess validate;
        validate.start(validator, {entryPath()});
        ASSERT_TRUE(validate.waitForFinished(10000));
        EXPECT_EQ(validate.exitCode(), 0) << folder;
        EXPECT_EQ(validate.readAll(), "") << folder;

        QFile file(entryPath());
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QStringList lines = QString::fromUtf8(file.readAll()).split('\n');
        const QStringList exec = lines.filter(QRegularExpression("^Exec="));
        ASSERT_EQ(exec.size(), 1) << folder;
        EXPECT_EQ(execArguments(exec[0].mid(5)).join('|'), QString(folder) + "/tarrow"); // one argument
        EXPECT_EQ(lines.filter(QRegularExpression("^Hidden")).size(), 0) << folder;
    }
}

