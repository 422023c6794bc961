// Any notes the program can hold come back whole from notes.dat.
#include "eventdata/DataFile.h"
#include "notes/NotesFile.h"
#include "notes/NoteTable.h"
#include "FuzzInput.h"

#include <cstdlib>

namespace {

// A note window holds up to 512 characters, its lines joined with CR LF.
constexpr int NoteLength = 512;

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzInput input(data, size);
    NoteTable table;
    for (int count = input.below(NoteTable::Capacity + 1); table.noteCount + 1 < count;)
        table.addNote({input.text(NoteLength, true), input.int16(), input.int16()});
    NoteTable loaded;
    if (failed(NotesFile::parse(decodeDataLines(encodeDataText(NotesFile::format(table))), loaded))
        || loaded.noteCount != table.noteCount)
        std::abort();
    for (int i = 0; i <= table.noteCount; ++i) {
        const Note &a = table.notes[i];
        const Note &b = loaded.notes[i];
        if (a.content != b.content || a.left != b.left || a.top != b.top)
            std::abort();
    }
    return 0;
}
