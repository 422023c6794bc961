// Tarrowby: a desktop calendar and reminder with sticky notes.
#include "alerts/AlertPresenter.h"
#include "appstate/AppState.h"
#include "appstate/ProgramInfo.h"
#include "dialogs/FileErrorDialogReporter.h"
#include "dialogs/GeneralDialog.h"
#include "eventdata/DataFolder.h"
#include "help/Help.h"
#include "mainwindow/MainWindow.h"
#include "platform/DesktopPlatform.h"
#include "platform/SingleInstance.h"

#include <QApplication>
#include <QStandardPaths>

#include <cstdio>
#include <memory>

namespace {

constexpr auto Usage = "Usage: tarrow [DATA FOLDER]\n"
                       "\n"
                       "A calendar and reminder with sticky notes.\n"
                       "\n"
                       "DATA FOLDER  the folder of calendar.dat, notes.dat and tarrow.ini; the whole\n"
                       "             command line is taken as the folder, blanks included.\n"
                       "             Without it the program's own folder is used when it holds\n"
                       "             the files or can be written to, else the per-user data folder.\n"
                       "\n"
                       "  --help     show this text and exit\n"
                       "  --version  show the version and exit\n";

} // namespace

int main(int argc, char *argv[])
{
    // Answered before any window system is needed.
    const QString firstArgument = argc == 2 ? QString::fromLocal8Bit(argv[1]) : QString();
    if (firstArgument == QLatin1String("--help") || firstArgument == QLatin1String("-h")) {
        std::fputs(Usage, stdout);
        return 0;
    }
    if (firstArgument == QLatin1String("--version")) {
        std::printf("Tarrowby %s\n", ProgramVersion);
        return 0;
    }

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tarrowby"));
    QApplication::setApplicationVersion(ProgramInfo::Version);
    QApplication::setQuitOnLastWindowClosed(false);

    // The whole command line is the data folder, blanks included.
    const QString commandLine = QApplication::arguments().mid(1).join(QLatin1Char(' '));
    auto state = std::make_unique<AppState>();
    state->dataFolder = resolveDataFolder(commandLine, QApplication::applicationDirPath(),
                                          QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));

    MainWindow *mainWindow = nullptr;
    SingleInstance instance(state->dataFolder);
    if (instance.folder().isEmpty()) {
        std::fputs("tarrow: no private folder for the instance lock: XDG_RUNTIME_DIR or ~/.cache/tarrowby "
                   "must be a folder of yours with mode 0700\n",
                   stderr);
        return 1;
    }
    if (!instance.acquire([&mainWindow] {
            if (mainWindow)
                mainWindow->restoreFromTray();
        })) {
        instance.askRunningInstanceToShow();
        GeneralDialog::ask(nullptr, {MessageKind::Ok, QStringLiteral("Tarrowby"),
                                     QStringLiteral("The program is already running!")});
        return 0;
    }

    DesktopPlatform platform;
    FileErrorDialogReporter reporter(nullptr);
    Help help(Help::defaultHelpFilePath());
    AlertPresenter alerts(*state, platform);
    MainWindow window(*state, platform, reporter, help, alerts);
    mainWindow = &window;
    reporter.setCentreOn(&window);
    alerts.setParentWindow(&window);
    QObject::connect(&app, &QGuiApplication::commitDataRequest, &window, [&window] { window.saveForSessionEnd(); });
    window.start();
    return QApplication::exec();
}
