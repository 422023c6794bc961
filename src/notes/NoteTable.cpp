#include "notes/NoteTable.h"

#include "eventdata/DataFile.h"
#include "eventdata/LengthLimit.h"

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
    return shortTitle(toSingleLine(content), 28, 25);
}
