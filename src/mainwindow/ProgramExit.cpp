#include "mainwindow/ProgramExit.h"

#include "appstate/AppState.h"
#include "messages/GeneralDialog.h"
#include "help/Help.h"
#include "notewindows/NoteWindows.h"
#include "platform/Platform.h"
#include "widgets/WindowPlacement.h"

#include <QApplication>
#include <QTimer>
#include <QWidget>

ProgramExit::ProgramExit(AppState &state, Platform &platform, Help &help, DataFiles &files, NoteWindows &notes,
                         QTimer &timer, QWidget &window)
    : state_(state), platform_(platform), help_(help), files_(files), notes_(notes), timer_(timer), window_(window)
{
}

bool ProgramExit::requestExit()
{
    if (exiting_)
        return true;
    if (state_.settings.confirmExit == 1) {
        const MessageAnswer answer = GeneralDialog::ask(
            &window_, {MessageKind::YesNo, QStringLiteral("Please confirm"),
                       QStringLiteral("If you exit now, Tarrowby can not remind you about upcoming events until "
                                      "you run it again. Do you still want to exit?"),
                       1905, 615, QStringLiteral("Do not ask me this question again.")});
        if (exiting_)
            return true; // the system ended the program while the question was open
        if (answer.checked)
            state_.settings.confirmExit = 0;
        if (answer.button != MessageButton::Yes && state_.settings.confirmExit != 0)
            return false;
    }
    exiting_ = true;
    timer_.stop();
    if (files_.tablesLoaded() && !saveForExit()) {
        exiting_ = false;
        timer_.start();
        return false;
    }
    endProgram();
    return true;
}

void ProgramExit::exitWithoutQuestion()
{
    if (exiting_)
        return;
    saveForSessionEnd();
    exiting_ = true;
    timer_.stop();
    endProgram();
}

void ProgramExit::saveForSessionEnd()
{
    if (exiting_ || !files_.tablesLoaded())
        return;
    saveAll([this] { notes_.storeAll(); });
}

// Failed saves are told once, with the choice to keep running: the next Quit
// saves again.
bool ProgramExit::saveForExit()
{
    // Open notes keep what was typed in them: the program ends, not the user's edit.
    const std::vector<FailedSave> failures = saveAll([this] { notes_.closeAll(); });
    if (failures.empty())
        return true;
    const Message question{MessageKind::YesNo, failedSavesTitle(), failedSavesMessage(failures), 2505, 1575};
    return GeneralDialog::ask(&window_, question).button == MessageButton::No;
}

// A minimized window's place is where the system put its icon, not the
// user's choice, so it is not kept.
std::vector<FailedSave> ProgramExit::saveAll(const std::function<void()> &closeNotes)
{
    if (!window_.isMinimized()) {
        const WindowPlacement::Twips twips = WindowPlacement::toTwips(window_.geometry().topLeft());
        state_.position.mainLeft = twips.left;
        state_.position.mainTop = twips.top;
    }
    return files_.saveAll(state_, closeNotes);
}

void ProgramExit::endProgram()
{
    platform_.removeTrayIcon();
    help_.closeHelp();
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (window != &window_)
            window->close();
    }
    window_.close();
    QCoreApplication::quit();
}
