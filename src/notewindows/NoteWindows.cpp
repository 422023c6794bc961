#include "notewindows/NoteWindows.h"

#include "notes/NoteTable.h"
#include "messages/GeneralDialog.h"
#include "notewindows/NotesMenu.h"
#include "notewindows/NoteWindow.h"
#include "notes/NotesFile.h"

NoteWindows::NoteWindows(NoteTable &notes, Settings &settings, Help &help, NotesMenu &menu, NotesFile &file,
                         QWidget *mainWindow)
    : QObject(mainWindow), notes_(notes), settings_(settings), help_(help), menu_(menu), file_(file),
      mainWindow_(mainWindow)
{
}

NoteWindows::~NoteWindows()
{
    for (const QPointer<NoteWindow> &window : std::as_const(windows_))
        delete window.data();
}

void NoteWindows::openNew()
{
    show(-1);
}

void NoteWindows::open(int index)
{
    menu_.setOpen(index, true);
    show(index);
}

void NoteWindows::show(int index)
{
    windows_.removeAll(nullptr); // deleted since
    auto *window = new NoteWindow(notes_, settings_, help_, index, mainWindow_);
    windows_.append(window);
    connect(window, &NoteWindow::noteStored, this, &NoteWindows::noteStored);
    connect(window, &NoteWindow::noteRemoved, this, &NoteWindows::noteRemoved);
    connect(window, &NoteWindow::closed, this, [this](int closedIndex) {
        if (closedIndex >= 0)
            menu_.setOpen(closedIndex, false);
    });
    window->show();
}

void NoteWindows::noteStored()
{
    menu_.refreshNotesMenu();
    file_.saveNotes(notes_);
}

// The last note moved into the freed slot: its window, if open, follows it,
// and its entry stays disabled.
void NoteWindows::noteRemoved(int index)
{
    const int movedFrom = notes_.noteCount + 1;
    menu_.hideEntry(index);
    menu_.hideEntry(movedFrom);
    for (NoteWindow *window : windows()) {
        if (window->noteIndex() == movedFrom && movedFrom != index) {
            window->setNoteIndex(index);
            menu_.setOpen(index, true);
        }
    }
    menu_.refreshNotesMenu();
    file_.saveNotes(notes_);
}

void NoteWindows::storeAll()
{
    for (NoteWindow *window : windows())
        window->storeNote();
}

void NoteWindows::closeAll()
{
    int dropped = 0;
    for (NoteWindow *window : windows())
        dropped += window->closeKeepingText() ? 0 : 1;
    if (dropped == 0)
        return;
    const QString lost = dropped == 1
                             ? QStringLiteral("the new note that was still open could not be kept.")
                             : QStringLiteral("%1 new notes that were still open could not be kept.").arg(dropped);
    showDatabaseFull(mainWindow_, QStringLiteral("The notes database is full, so ") + lost);
}

QList<NoteWindow *> NoteWindows::windows() const
{
    QList<NoteWindow *> open;
    for (const QPointer<NoteWindow> &window : windows_) {
        if (window && window->isVisible()) // a closed one waits for its deletion
            open.append(window);
    }
    return open;
}
