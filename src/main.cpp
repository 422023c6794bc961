// Tarrowby: a desktop calendar and reminder with sticky notes.
#include "alerts/AlertPresenter.h"
#include "appstate/AppState.h"
#include "programinfo/ProgramInfo.h"
#include "messages/FileErrorDialogReporter.h"
#include "messages/GeneralDialog.h"
#include "eventdata/DataFolder.h"
#include "exchange/ExportCommand.h"
#include "exchange/ImportZones.h"
#include "help/Help.h"
#include "mainwindow/MainWindow.h"
#include "platform/DesktopPlatform.h"
#include "platform/SingleInstance.h"
#include "platform/SystemClock.h"
#include "platform/SystemCredentialStore.h"
#include "synccommand/SyncCommand.h"

#include <QApplication>
#include <QStandardPaths>

#include <cstdio>
#include <memory>

namespace {

constexpr auto Usage = "Usage: tarrow [DATA FOLDER]\n"
                       "       tarrow --export FILE.ics [DATA FOLDER]\n"
                       "       tarrow --sync [--password-file FILE] [DATA FOLDER]\n"
                       "\n"
                       "A calendar and reminder with sticky notes.\n"
                       "\n"
                       "DATA FOLDER  the folder of calendar.dat, notes.dat and tarrow.ini; the whole\n"
                       "             command line is taken as the folder, blanks included.\n"
                       "             Without it the program's own folder is used when it holds\n"
                       "             the files or can be written to, else the per-user data folder.\n"
                       "\n"
                       "  --export FILE.ics  write the events as an iCalendar file and exit,\n"
                       "             without a window; the data files stay as they are, and\n"
                       "             the program may be running meanwhile\n"
                       "  --sync     sync the events once with the server of the sync settings and\n"
                       "             exit, without a window, printing one line per change; it\n"
                       "             refuses while the program runs on the same data folder\n"
                       "  --password-file FILE  the password is FILE's first line (a file only\n"
                       "             its owner may read); else the system's credential store\n"
                       "  --help     show this text and exit\n"
                       "  --version  show the version and exit\n";

// The data folder as the program would take it from its command line, by
// one of the two rules: the export only reads, so it creates nothing.
using FolderRule = QString (*)(const QString &, const QString &, const QString &);
QString dataFolderFor(const QString &commandLine, FolderRule rule)
{
    return rule(commandLine, QCoreApplication::applicationDirPath(),
                QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
}

// Windows has no zone files that libical reads: the program's own lie beside
// it. Called before anything may read or write an iCalendar file.
void findLibicalZones()
{
#ifdef Q_OS_WIN
    setLibicalZoneFolder(QCoreApplication::applicationDirPath() + QStringLiteral("/zoneinfo"));
#endif
}

int exportWithoutWindow(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Tarrowby"));
    findLibicalZones();
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() < 3) {
        std::fputs("tarrow: --export needs the name of the file to write\n", stderr);
        return 2;
    }
    QString failure;
    const QString dataFolder = dataFolderFor(arguments.mid(3).join(QLatin1Char(' ')), chooseDataFolder);
    const int status = runExportCommand(arguments[2], dataFolder, QDateTime::currentDateTimeUtc(), failure);
    if (status != 0)
        std::fprintf(stderr, "tarrow: export failed: %s\n", failure.toLocal8Bit().constData());
    return status;
}

int syncWithoutWindow(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Tarrowby"));
    findLibicalZones();
    QStringList rest = QCoreApplication::arguments().mid(2);
    QString passwordFile;
    if (!rest.isEmpty() && rest.first() == QLatin1String("--password-file")) {
        if (rest.size() < 2) {
            std::fputs("tarrow: --password-file needs the name of the file\n", stderr);
            return 2;
        }
        passwordFile = rest[1];
        rest = rest.mid(2);
    }
    const QString dataFolder = dataFolderFor(rest.join(QLatin1Char(' ')), chooseDataFolder);
    const SystemClock clock;
    return runSyncCommand(dataFolder, passwordFile, *systemCredentialStore(), clock);
}

// Says why this start ends: on standard error, for a start from a terminal
// or a script, and in the program's message box.
void tellWhyItEnds(const QString &message)
{
    std::fprintf(stderr, "tarrow: %s\n", message.toLocal8Bit().constData());
    GeneralDialog::ask(nullptr, {MessageKind::Ok, QStringLiteral("Tarrowby"), message});
}

} // namespace

int main(int argc, char *argv[])
{
    // Answered before any window system is needed.
    const QString firstArgument = argc == 2 ? QString::fromLocal8Bit(argv[1]) : QString();
    if (firstArgument == QLatin1String("--help") || firstArgument == QLatin1String("-h")) {
        std::fputs(Usage, stdout);
        return 0;
    }
    if (argc >= 2 && QString::fromLocal8Bit(argv[1]) == QLatin1String("--export"))
        return exportWithoutWindow(argc, argv);
    if (argc >= 2 && QString::fromLocal8Bit(argv[1]) == QLatin1String("--sync"))
        return syncWithoutWindow(argc, argv);
    if (firstArgument == QLatin1String("--version")) {
        std::printf("Tarrowby %s\n", ProgramVersion);
        return 0;
    }

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tarrowby"));
    QApplication::setApplicationVersion(ProgramInfo::Version);
    QApplication::setQuitOnLastWindowClosed(false);
    findLibicalZones();

    // The whole command line is the data folder, blanks included.
    const QString commandLine = QApplication::arguments().mid(1).join(QLatin1Char(' '));
    auto state = std::make_unique<AppState>();
    state->dataFolder = dataFolderFor(commandLine, resolveDataFolder);

    MainWindow *mainWindow = nullptr;
    SingleInstance instance(state->dataFolder);
    const SingleInstance::Claim claim = instance.acquire([&mainWindow] {
        if (mainWindow)
            mainWindow->restoreFromTray();
    });
    if (claim == SingleInstance::Claim::AlreadyRunning) {
        instance.askRunningInstanceToShow();
        tellWhyItEnds(QStringLiteral("The program is already running!"));
        return 0;
    }
    if (claim == SingleInstance::Claim::Failed) {
        tellWhyItEnds(instance.failure());
        return 1;
    }

    DesktopPlatform platform;
    FileErrorDialogReporter reporter(nullptr);
    Help help(Help::defaultHelpFilePath());
    AlertPresenter alerts(state->events, state->settings, platform);
    MainWindow window(*state, platform, reporter, help, alerts);
    mainWindow = &window;
    reporter.setCentreOn(&window);
    alerts.setParentWindow(&window);
    QObject::connect(&app, &QGuiApplication::commitDataRequest, &window, [&window] { window.saveForSessionEnd(); });
    window.start();
    return QApplication::exec();
}
