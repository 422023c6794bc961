#pragma once

#include "notes/NoteTable.h"

#include <QObject>

#include <array>

class QAction;
class QMenu;
struct NoteTable;

// The note entries of the Notes menu: one per stored note, below a separator
// that shows only while there are notes.
class NotesMenu : public QObject {
    Q_OBJECT

public:
    NotesMenu(QMenu *menu, const NoteTable &notes);

    void refreshNotesMenu();
    // An open note's entry is disabled, so it cannot be opened twice.
    void setOpen(int index, bool open);
    void hideEntry(int index);
    QAction *entry(int index) const { return entries_.at(index); }

    // The caption for a note: its text on one line, shortened, with its
    // ampersands shown as they are.
    static QString captionFor(const QString &content);

signals:
    void noteChosen(int index);

private:
    const NoteTable &notes_;
    QAction *separator_;
    std::array<QAction *, NoteTable::Capacity> entries_{};
};
