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

    void add(const QString &content, qint16 left, qint16 top) { table.addNote({content, top, left}); }
};

const QByteArray Header = "[Note Left=1 Top=2 Color=Default]\r\n";

} // namespace

TEST_F(NotesFileTest, SavesAHeaderLineThenTheTextOfEveryNote)
{
    ASSERT_TRUE(file.saveNotes(table));
    EXPECT_EQ(folder.read("notes.dat"), "");
    add("Buy milk\r\ncall the garage", 7200, 1440);
    add("Backup on Friday", -32768, 32767);
    add("", 0, 0);
    ASSERT_TRUE(file.saveNotes(table));
    EXPECT_EQ(folder.read("notes.dat"),
              "[Note Left=7200 Top=1440 Color=Default]\r\nBuy milk\r\ncall the garage\r\n"
              "[Note Left=-32768 Top=32767 Color=Default]\r\nBackup on Friday\r\n"
              "[Note Left=0 Top=0 Color=Default]\r\n\r\n");
}

TEST_F(NotesFileTest, FullTableRoundTripsAndTheSeventeenthNoteIsRefused)
{
    for (int i = 0; i < NoteTable::Capacity; ++i)
        add(QStringLiteral("Note %1\r\n\r\nwith an empty line and a trailing one\r\n").arg(i), qint16(i * 100 - 800), qint16(-i));
    EXPECT_TRUE(table.isFull());
    const NoteTable saved = table;
    ASSERT_TRUE(file.saveNotes(table));
    table = NoteTable{};
    ASSERT_TRUE(file.loadNotes(table));
    ASSERT_EQ(table.noteCount, NoteTable::Capacity - 1);
    for (int i = 0; i < NoteTable::Capacity; ++i) {
        EXPECT_EQ(table.notes[i].content, saved.notes[i].content) << i;
        EXPECT_EQ(table.notes[i].left, saved.notes[i].left) << i;
        EXPECT_EQ(table.notes[i].top, saved.notes[i].top) << i;
    }
    folder.write("notes.dat", folder.read("notes.dat") + Header);
    EXPECT_FALSE(file.loadNotes(table));
    EXPECT_EQ(table.noteCount, -1);
    EXPECT_EQ(reporter.reports, (std::vector<FileErrorReport>{{"notes.dat", "reading", FileError::SubscriptRange, "notes.dat.bak"}}));
}

TEST_F(NotesFileTest, HeadersAreReadByTheirKeysAndBadValuesFail)
{
    const struct {
        const char *name;
        QByteArray content;
        int error;
        qint16 left, top;
    } rows[] = {
        {"any order", "[Note Top=600 Left=-45.5 Color=Yellow]", 0, -46, 600},
        {"no positions", "[Note Color=Default]", 0, 0, 0},
        {"any header", "[Notes from work Left=10 ]", 0, 10, 0},
        {"16-bit ends", "[Note Left=-32768 Top=32767 ]", 0, -32768, 32767},
        {"past 16 bits", "[Note Left=32768 Top=0 ]", FileError::Overflow, 0, 0},
        {"not a number", "[Note Left=abc Top=0 Color=Default]", FileError::TypeMismatch, 0, 0},
        {"empty", "[Note Left= Top=0 Color=Default]", FileError::TypeMismatch, 0, 0},
        {"no blank after the value", "[Note Left=0 Top=5]", FileError::Overflow, 0, 0},
        {"text before the first note", "text\r\n" + Header, FileError::SubscriptRange, 0, 0},
        {"blank lines before the first note", " \r\n\t\r\n[Note Left=3 Top=4 ]", 0, 3, 4},
    };
    for (const auto &row : rows) {
        NoteTable parsed;
        EXPECT_EQ(NotesFile::parse(decodeDataLines(row.content), parsed), row.error) << row.name;
        if (row.error != 0)
            continue;
        ASSERT_EQ(parsed.noteCount, 0) << row.name;
        EXPECT_EQ(parsed.notes[0].left, row.left) << row.name;
        EXPECT_EQ(parsed.notes[0].top, row.top) << row.name;
    }
}

// No text can pass for a header, and every line, empty ones too, comes back.
TEST_F(NotesFileTest, TextComesBackAsTyped)
{
    const struct {
        const char *name;
        QString content;
        QByteArray written; // the note's lines as they stand in the file
    } rows[] = {
        {"a header look-alike", "[Note to self] buy milk", "[[Note to self] buy milk\r\n"},
        {"on a later line", "x\r\n[Notes] Left keys", "x\r\n[[Notes] Left keys\r\n"},
        {"already doubled", "[[Note", "[[[Note\r\n"},
        {"many brackets", "[[[[Note", "[[[[[Note\r\n"},
        {"no bracket", "Note", "Note\r\n"},
        {"other case", "[note", "[note\r\n"},
        {"bracket elsewhere", " [Note", " [Note\r\n"},
        {"brackets alone", "[[", "[[\r\n"},
        {"leading empty lines", "\r\n\r\nafter two", "\r\n\r\nafter two\r\n"},
        {"one line break", "\r\n", "\r\n\r\n"},
        {"empty", "", "\r\n"},
    };
    for (const auto &row : rows) {
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
    // A line of an older file with one bracket too many loses it.
    NoteTable parsed;
    ASSERT_EQ(NotesFile::parse(decodeDataLines(Header + "[[Note\r\n[[[Note x"), parsed), 0);
    EXPECT_EQ(parsed.notes[0].content, "[Note\r\n[[Note x");
}

TEST_F(NotesFileTest, LineBreaksOfAnyKindAreStoredAsCrLf)
{
    add("one\ntwo\rthree\r\nfour", 1, 2);
    ASSERT_TRUE(file.saveNotes(table));
    EXPECT_EQ(folder.read("notes.dat"), Header + "one\r\ntwo\r\nthree\r\nfour\r\n");
}

TEST(NoteTable, MenuCaptionShortensTextsLongerThan28)
{
    const QString x28(28, QLatin1Char('x'));
    for (const auto &[content, caption] : {std::pair{QString(), QString()}, {x28, x28},
                                           {x28 + "y", QString(25, QLatin1Char('x')) + "..."}})
        EXPECT_EQ(noteMenuCaption(content), caption) << content.size();
}

TEST(NoteTable, RemoveMovesTheLastNoteIntoTheGap)
{
    NoteTable table;
    for (const char *content : {"A", "B", "C"})
        table.addNote({content, 0, 0});
    table.removeNote(0);
    ASSERT_EQ(table.noteCount, 1);
    EXPECT_EQ(table.notes[0].content, "C");
    EXPECT_EQ(table.notes[1].content, "B");
    table.removeNote(1);
    table.removeNote(0);
    EXPECT_EQ(table.noteCount, -1);
}
