#include "notes/NotesFile.h"
#include "notes/NoteTable.h"
#include "FuzzRoundTrip.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    return checkRoundTrip<NoteTable>(data, size, &NotesFile::parse, &NotesFile::format);
}
