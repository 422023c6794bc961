#pragma once

#include "notewindows/NoteLayout.h"

#include <QWidget>

class Help;
class NoteMark;
class QFrame;
class QPlainTextEdit;
struct NoteTable;
struct Settings;

// What the user is told when all notes are taken.
QString notesFullMessage();

// A sticky note on the desktop: always on top, no title bar, dragged by its
// caption bar and margins. Its text and place reach the notes table when it
// closes; a new note (index -1) takes the next free slot then.
class NoteWindow : public QWidget {
    Q_OBJECT

public:
    NoteWindow(NoteTable &notes, Settings &settings, Help &help, int noteIndex, const QWidget *mainWindow);

    int noteIndex() const { return noteIndex_; }
    // The note was moved to another slot by the removal of another note.
    void setNoteIndex(int index) { noteIndex_ = index; }

    // Close as the close mark does: keeps the text, or removes an emptied note.
    void closeNote();
    // Keeps the text and place without closing or asking anything. False
    // when a new note's text found no free slot.
    bool storeNote();
    // Keeps the text and closes without asking, as when the program ends; an
    // emptied note goes only when removal questions are off. False when the
    // text of a new note was dropped for want of a slot.
    bool closeKeepingText();

signals:
    void noteStored();
    // The window has closed; index is the note's slot, -1 for a dropped new note.
    void closed(int index);
    // The note in slot index was removed; the last note moved into it.
    void noteRemoved(int index);

protected:
    void resizeEvent(QResizeEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void removeNote();
    void finish();
    void buildParts();
    void placeParts(const NoteLayout &layout);

    NoteTable &notes_;
    Settings &settings_;
    Help &help_;
    int noteIndex_;
    bool finished_ = false;
    NoteLayout layout_;

    QFrame *shapeCaption_;
    NoteMark *imageRemove_;
    NoteMark *imageQuestion_;
    NoteMark *imageClose_;
    QPlainTextEdit *textContent_;
};
