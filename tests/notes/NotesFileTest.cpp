#include "notes/NotesFile.h"

#include "eventdata/FileErrors.h"
#include "notes/NoteTable.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

namespace {

class NotesFileTest : public ::testing::Test {
protected:
    DataFolderFixture folder;
    RecordingReporter reporter;
    NotesFile file{folder.path(), reporter};
    NoteTable table;

    bool loadFrom(const QByteArray &bytes)
    {
        folder.write("notes.dat", bytes);
        return file.loadNotes(table);
    }
    void add(const QString &content, qint16 left, qint16 top) { table.addNote({content, top, left}); }
};

} // namespace

TEST_F(NotesFileTest, SavesHeaderAndTextOfEveryNote)
{
    add("Buy milk\r\ncall the garage", 7200, 1440);
    add("Backup on Friday", -300, 600);
    add("", 0, 0);
    ASSERT_TRUE(file.saveNotes(table));
    EXPECT_EQ(folder.read("notes.dat"),
              "[Note Left=7200 Top=1440 Color=Default]\r\nBuy milk\r\ncall the garage\r\n"
              "[Note Left=-300 Top=600 Color=Default]\r\nBackup on Friday\r\n"
              "[Note Left=0 Top=0 Color=Default]\r\n\r\n");
}

TEST_F(NotesFileTest, EmptyTableSavesAnEmptyFileThatLoadsAsNoNotes)
{
    ASSERT_TRUE(file.saveNotes(table));
    EXPECT_EQ(folder.read("notes.dat"), "");
    ASSERT_TRUE(file.loadNotes(table));
    EXPECT_EQ(table.noteCount, -1);
}

TEST_F(NotesFileTest, FullTableRoundTrips)
{
    for (int i = 0; i < NoteTable::Capacity; ++i)
        add(QStringLiteral("Note %1\r\n\r\nwith an empty line and a trailing one\r\n").arg(i), qint16(i * 100 - 800), qint16(-i));
    const NoteTable saved = table;
    ASSERT_TRUE(file.saveNotes(table));
    table = NoteTable{};
    ASSERT_TRUE(file.loadNotes(table));
    ASSERT_EQ(table.noteCount, 15);
    for (int i = 0; i < NoteTable::Capacity; ++i) {
        EXPECT_EQ(table.notes[i].content, saved.notes[i].content);
        EXPECT_EQ(table.notes[i].left, saved.notes[i].left);
        EXPECT_EQ(table.notes[i].top, saved.notes[i].top);
    }
}

TEST_F(NotesFileTest, LineBreaksOfAnyKindAreStoredAsCrLf)
{
    add("one\ntwo\rthree", 1, 2);
    ASSERT_TRUE(file.saveNotes(table));
    ASSERT_TRUE(file.loadNotes(table));
    EXPECT_EQ(table.notes[0].content, "one\r\ntwo\r\nthree");
}

TEST_F(NotesFileTest, HeaderValuesAreFoundInAnyOrder)
{
    ASSERT_TRUE(loadFrom("[Note Top=600 Left=-45.5 Color=Yellow]\n"
                         "first\n"
                         "[Note Color=Default]\n"
                         "[Notes from work Left=10 ]\n"));
    ASSERT_EQ(table.noteCount, 2);
    EXPECT_EQ(table.notes[0].top, 600);
    EXPECT_EQ(table.notes[0].left, -46); // halves round to even
    EXPECT_EQ(table.notes[0].content, "first");
    EXPECT_EQ(table.notes[1].left, 0); // a header without positions
    EXPECT_EQ(table.notes[2].left, 10);
}

TEST_F(NotesFileTest, BadContentFailsWithItsErrorNumberAndEmptiesTheTable)
{
    struct Case {
        QByteArray content;
        int error;
    };
    QByteArray seventeen;
    for (int i = 0; i < 17; ++i)
        seventeen += "[Note Left=0 Top=0 Color=Default]\r\ntext\r\n";
    const Case cases[] = {
        {seventeen, FileError::SubscriptRange},
        {"[Note Left=abc Top=0 Color=Default]\r\n", FileError::TypeMismatch},
        {"[Note Left= Top=0 Color=Default]\r\n", FileError::TypeMismatch},
        {"[Note Left=0 Top=5]\r\n", FileError::Overflow}, // the value would run to the line's end
        {"[Note Left=99999 Top=0 Color=Default]\r\n", FileError::Overflow},
    };
    for (const Case &c : cases) {
        NoteTable parsed;
        EXPECT_EQ(NotesFile::parse(decodeDataLines("[Note Left=1 Top=1 Color=Default]\r\nkept?\r\n" + c.content), parsed),
                  c.error)
            << c.content.left(40).toStdString();
    }
    add("in the table before", 0, 0);
    EXPECT_FALSE(loadFrom(cases[0].content));
    EXPECT_EQ(table.noteCount, -1);
}

TEST_F(NotesFileTest, BlankLinesBeforeTheFirstHeaderAreNoTextButTextIs)
{
    const std::pair<QString, int> rows[] = {
        {" \r\n\t\r\n", 0},
        {" \r\n\r\n[Note Left=1 Top=1 Color=Default]\r\nx", 0},
        {"text before any note\r\n[Note Left=1 Top=1 Color=Default]\r\n", FileError::SubscriptRange},
    };
    for (const auto &[content, error] : rows)
        EXPECT_EQ(NotesFile::parse(splitDataLines(content), table), error) << content.toStdString();
}

// No text can pass for a header, and every line, empty ones first, comes back.
TEST_F(NotesFileTest, TextComesBackAsTyped)
{
    struct Row {
        const char *name;
        QString content;
        QByteArray written; // the note's lines as they stand in the file
    };
    const Row rows[] = {
        {"a header look-alike", "[Note to self] buy milk", "[[Note to self] buy milk\r\n"},
        {"another", "x\r\n[Notes] Left keys at the office", "x\r\n[[Notes] Left keys at the office\r\n"},
        {"already doubled", "[[Note", "[[[Note\r\n"},
        {"many brackets", "[[[[Note", "[[[[[Note\r\n"},
        {"no bracket", "Note", "Note\r\n"},
        {"other case", "[note", "[note\r\n"},
        {"bracket elsewhere", " [Note", " [Note\r\n"},
        {"brackets alone", "[[", "[[\r\n"},
        {"leading empty lines", "\r\n\r\nafter two empty lines", "\r\n\r\nafter two empty lines\r\n"},
        {"one line break", "\r\n", "\r\n\r\n"},
        {"empty", "", "\r\n"},
    };
    for (const Row &row : rows) {
        table = NoteTable{};
        add(row.content, 5, 6);
        add("second", 7, 8);
        ASSERT_TRUE(file.saveNotes(table));
        EXPECT_EQ(folder.read("notes.dat"), "[Note Left=5 Top=6 Color=Default]\r\n" + row.written
                                                + "[Note Left=7 Top=8 Color=Default]\r\nsecond\r\n")
            << row.name;
        ASSERT_TRUE(file.loadNotes(table));
        ASSERT_EQ(table.noteCount, 1) << row.name;
        EXPECT_EQ(table.notes[0].content, row.content) << row.name;
    }
}

TEST_F(NotesFileTest, MissingFileIsReportedAsNotFound)
{
    EXPECT_FALSE(file.loadNotes(table));
    EXPECT_EQ(reporter.reports, (std::vector<FileErrorReport>{{"notes.dat", "reading", FileError::FileNotFound}}));
    EXPECT_EQ(fileErrorTitle(reporter.reports[0].errorNumber), "File not found");
}

TEST(NoteTable, MenuCaptionShortensLongTexts)
{
    const QString twentyEight(28, QLatin1Char('x'));
    EXPECT_EQ(noteMenuCaption(twentyEight), twentyEight);
    EXPECT_EQ(noteMenuCaption(twentyEight + "y"), QString(25, QLatin1Char('x')) + "...");
}

TEST(NoteTable, RemoveMovesTheLastNoteIntoTheGap)
{
    NoteTable table;
    table.addNote({"A", 0, 0});
    table.addNote({"B", 0, 0});
    table.addNote({"C", 0, 0});
    table.removeNote(0);
    EXPECT_EQ(table.noteCount, 1);
    EXPECT_EQ(table.notes[0].content, "C");
    EXPECT_EQ(table.notes[1].content, "B");
    for (int i = table.noteCount + 1; i < NoteTable::Capacity; ++i)
        table.addNote({});
    EXPECT_TRUE(table.isFull());
}
