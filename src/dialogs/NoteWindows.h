#pragma once

#include <QList>
#include <QObject>
#include <QPointer>

class Help;
class NotesMenu;
class NoteWindow;
class QWidget;
struct AppState;

// The open note windows. Keeps each window on its note when a removal moves
// notes between slots, and the Notes menu in line with the windows.
class NoteWindows : public QObject {
    Q_OBJECT

public:
    NoteWindows(AppState &state, Help &help, NotesMenu &menu, QWidget *mainWindow);

    void openNew();
    void open(int index);
    // Every open note keeps its text and place, before the notes are saved.
    void storeAll();
    void closeAll();
    QList<NoteWindow *> windows() const;

private:
    NoteWindow *show(int index);
    void noteRemoved(int index);

    AppState &state_;
    Help &help_;
    NotesMenu &menu_;
    QWidget *mainWindow_;
    QList<QPointer<NoteWindow>> windows_;
};
