#pragma once

#include "notes/Note.h"

#include <array>

// The fixed table of notes; NoteCount is the index of the last used slot,
// -1 when there are none.
struct NoteTable {
    static constexpr int Capacity = 16;

    std::array<Note, Capacity> notes{};
    qint16 noteCount = -1;

    bool isFull() const { return noteCount >= Capacity - 1; }
    // Appends a note and returns its index; the caller checks isFull() first.
    int addNote(const Note &note);
    // Moves the last note into the freed slot.
    void removeNote(int index);
};

// The Notes menu entry for a note: the text on one line, itself up to 28
// characters, otherwise shortened to its first 25.
QString noteMenuCaption(const QString &content);
