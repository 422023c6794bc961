#pragma once

#include "eventdata/DataFile.h"

struct NoteTable;

// notes.dat: each note as a header line with its position, then its text.
class NotesFile {
public:
    static const QString FileName;

    NotesFile(const QString &dataFolder, FileErrorReporter &reporter);

    // After a failure the table is empty.
    bool LoadNotes(NoteTable &table);
    bool SaveNotes(const NoteTable &table);

    static QString format(const NoteTable &table);
    static int parse(const QStringList &lines, NoteTable &table);

private:
    DataFile file_;
};
