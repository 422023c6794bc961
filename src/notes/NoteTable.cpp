#include "notes/NoteTable.h"

#include <QtGlobal>

int NoteTable::AddNote(const Note &note)
{
    Q_ASSERT(!isFull());
    ++NoteCount;
    Notes[NoteCount] = note;
    return NoteCount;
}

void NoteTable::RemoveNote(int index)
{
    Q_ASSERT(index >= 0 && index <= NoteCount);
    if (index != NoteCount)
        Notes[index] = Notes[NoteCount];
    --NoteCount;
}

QString noteMenuCaption(const QString &content)
{
    constexpr int WholeUpTo = 28;
    constexpr int ShortenedTo = 25;
    return content.size() <= WholeUpTo ? content : content.left(ShortenedTo) + QStringLiteral("...");
}
