#include "notes/NoteTable.h"

#include <QtGlobal>

int NoteTable::addNote(const Note &note)
{
    Q_ASSERT(!isFull());
    ++noteCount;
    notes[noteCount] = note;
    return noteCount;
}

void NoteTable::removeNote(int index)
{
    Q_ASSERT(index >= 0 && index <= noteCount);
    if (index != noteCount)
        notes[index] = notes[noteCount];
    --noteCount;
}

QString noteMenuCaption(const QString &content)
{
    constexpr int WholeUpTo = 28;
    constexpr int ShortenedTo = 25;
    return content.size() <= WholeUpTo ? content : content.left(ShortenedTo) + QStringLiteral("...");
}
