#pragma once

#include "eventdata/FileErrors.h"
#include "eventdata/DataFile.h"

struct NoteTable;

// notes.dat: each note as a header line with its position, then its text.
// A header is "[Note", Key=value items such as Left= and Top=, and "]";
// any other line is text. A text line that begins with one or more "[" and
// then "Note" is written with one "[" more and read with one less, so no
// text can pass for a header.
class NotesFile {
public:
    static const QString FileName;
    // What a failure of the file means to the user.
    static FileStakes stakes();

    NotesFile(const QString &dataFolder, FileErrorReporter &reporter);

    // After a failure the table is empty.
    bool loadNotes(NoteTable &table, MissingFile missing = MissingFile::IsAnError);
    bool saveNotes(const NoteTable &table);

    static QString format(const NoteTable &table);
    static FileError parse(const QStringList &lines, NoteTable &table);

private:
    DataFile file_;
};
