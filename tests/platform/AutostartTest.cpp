#include "platform/Autostart.h"

#include "ScopedEnvironment.h"
#include "TestSupport.h"

#include <QFileInfo>
#include <QStandardPaths>
#include <QTest>

#include <gtest/gtest.h>

namespace {

#ifndef Q_OS_WIN
const char *const SystemdGenerator = "/usr/lib/systemd/user-generators/systemd-xdg-autostart-generator";

// A stand-in for the program in folder that marks its start in the file $STARTED.
void makeProgram(const QString &folder)
{
    ASSERT_TRUE(QDir().mkpath(folder));
    QFile program(folder + "/tarrow");
    ASSERT_TRUE(program.open(QIODevice::WriteOnly));
    program.write("#!/bin/sh\ntouch \"$STARTED\"\n");
    program.setPermissions(program.permissions() | QFileDevice::ExeOwner);
}

// Runs a tool to its end with extra environment; its exit code and everything it wrote.
std::pair<int, QByteArray> run(const QString &tool, const QStringList &arguments,
                               const QList<std::pair<QString, QString>> &environment = {})
{
    QProcess process;
    QProcessEnvironment variables = QProcessEnvironment::systemEnvironment();
    for (const auto &[name, value] : environment)
        variables.insert(name, value);
    process.setProcessEnvironment(variables);
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(tool, arguments);
    if (!process.waitForFinished(30000))
        return {-1, {}};
    return {process.exitCode(), process.readAll()};
}
#endif

class AutostartTest : public ::testing::Test {
protected:
    DataFolderFixture base;
    QString configHome = base.file("config");
    ScopedEnvironment config{"XDG_CONFIG_HOME", QFile::encodeName(configHome)};
    Autostart autostart;
};

} // namespace

// The entry passes desktop-file-validate, and gio and systemd's autostart both start this very program from it, in a
// folder whose name holds blanks, quotes, %, \, a line break: readers that differ over % and \ get a link without them.
TEST_F(AutostartTest, EveryReaderOfTheEntryStartsTheProgramInAnyFolder)
{
#ifdef Q_OS_WIN
    GTEST_SKIP() << "desktop entries are the Linux desktops' autostart; Windows has the Run key";
#else
    const QString validator = QStandardPaths::findExecutable("desktop-file-validate");
    const QString gio = QStandardPaths::findExecutable("gio");
    ASSERT_FALSE(validator.isEmpty()) << "desktop-file-validate (desktop-file-utils) is missing";
    ASSERT_FALSE(gio.isEmpty()) << "gio (libglib2.0-bin) is missing";
    ASSERT_TRUE(QFileInfo(SystemdGenerator).isExecutable()) << "systemd's autostart generator (systemd) is missing";
    const char *folders[] = {"plain",
                             "with blanks",
                             "quote \" dollar $ backtick `",
                             "single ' semi ; hash #",
                             "percent %% %s",
                             "back\\slash\\n",
                             "line\nHidden=true",
                             "tab\tthere"};
    for (const char *name : folders) {
        SCOPED_TRACE(name);
        const QString folder = base.file(name);
        makeProgram(folder);
        ASSERT_TRUE(autostart.enable(folder));
        const QString entry = Autostart::desktopEntryPath();
        EXPECT_EQ(run(validator, {entry}), std::pair(0, QByteArray()));
        const QString started = base.file("started");
        EXPECT_EQ(run(gio, {"launch", entry}, {{"STARTED", started}}).first, 0);
        EXPECT_TRUE(QTest::qWaitFor([&] { return QFile::remove(started); }, 10000));
        // systemd's autostart makes its unit for the entry only when it found the program.
        const QString units = base.file("units");
        ASSERT_TRUE(QDir().mkpath(units));
        run(SystemdGenerator, {units, units, units}, {{"XDG_CONFIG_DIRS", base.file("none")}});
        EXPECT_TRUE(QFileInfo::exists(units + "/app-Tarrowby@autostart.service"));
        QDir(units).removeRecursively();
        ASSERT_TRUE(autostart.disable());
        EXPECT_FALSE(QFileInfo::exists(entry));
        EXPECT_FALSE(QFileInfo(Autostart::programLinkPath()).isSymLink());
    }
#endif
}
