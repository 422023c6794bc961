#pragma once

#include <QList>
#include <QObject>
#include <QPointer>

class Help;
class NotesFile;
class NotesMenu;
class NoteWindow;
class QWidget;
struct NoteTable;
struct Settings;

// The open note windows. Keeps each window on its note when a removal moves
// notes between slots, and the Notes menu in line with the windows. Every
// stored or removed note is saved at once, so no edit waits for the exit.
class NoteWindows : public QObject {
    Q_OBJECT

public:
    NoteWindows(NoteTable &notes, Settings &settings, Help &help, NotesMenu &menu, NotesFile &file,
                QWidget *mainWindow);
    // A note is a window of its own, without a parent: the open ones, and
    // those closed but not yet deleted, go with their keeper.
    ~NoteWindows() override;

    void openNew();
    void open(int index);
    // Every open note keeps its text and place, before the notes are saved.
    void storeAll();
    // Closes every note as the program ends, asking nothing; says once when
    // new notes found no free slot.
    void closeAll();
    // The open note windows.
    QList<NoteWindow *> windows() const;

private:
    void show(int index);
    void noteStored();
    void noteRemoved(int index);

    NoteTable &notes_;
    Settings &settings_;
    Help &help_;
    NotesMenu &menu_;
    NotesFile &file_;
    QWidget *mainWindow_;
    QList<QPointer<NoteWindow>> windows_;
};
