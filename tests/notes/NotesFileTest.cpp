#include "notes/NotesFile.h"

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

std::string fields(const Note &note)
{
    return (note.content + u'|' + QString::number(note.left) + u'|' + QString::number(note.top)).toStdString();
}

} // namespace

// A line of text that begins like a header gets one bracket more.
TEST_F(NotesFileTest, SavesAHeaderLineThenTheTextOfEveryNoteWithCrLfLineBreaks)
{
    ASSERT_TRUE(file.saveNotes(table));
    EXPECT_EQ(folder.read("notes.dat"), "");
    add("Buy milk\ncall\rthe\r\ngarage", 7200, 1440);
    add("[Note to self]\r\n[[Note", -32768, 32767);
    add("", 0, 0);
    ASSERT_TRUE(file.saveNotes(table));
    EXPECT_EQ(folder.read("notes.dat"),
              "[Note Left=7200 Top=1440 Color=Default]\r\nBuy milk\r\ncall\r\nthe\r\ngarage\r\n"
              "[Note Left=-32768 Top=32767 Color=Default]\r\n[[Note to self]\r\n[[[Note\r\n"
              "[Note Left=0 Top=0 Color=Default]\r\n\r\n");
}

// No text can pass for a header, and every line, empty ones too, comes back.
TEST_F(NotesFileTest, FullTableRoundTrips)
{
    const QString texts[] = {"[Note to self]", "x\r\n[Notes] Left", "[[Note", "Note", "[[", "\r\n\r\nafter two", ""};
    for (int i = 0; i < NoteTable::Capacity; ++i)
        add(i < int(std::size(texts)) ? texts[i] : QStringLiteral("Note %1\r\n\r\nwith an empty line\r\n").arg(i),
            qint16(i * 100 - 800), qint16(-i));
    const NoteTable saved = table;
    ASSERT_TRUE(file.saveNotes(table));
    ASSERT_TRUE(file.loadNotes(table));
    ASSERT_EQ(table.noteCount, NoteTable::Capacity - 1);
    for (int i = 0; i < NoteTable::Capacity; ++i)
        EXPECT_EQ(fields(table.notes[i]), fields(saved.notes[i]));
}

TEST_F(NotesFileTest, TheSeventeenthNoteFailsTheLoad)
{
    for (int i = 0; i < NoteTable::Capacity; ++i)
        add(QStringLiteral("Note %1").arg(i), 0, 0);
    ASSERT_TRUE(file.saveNotes(table));
    folder.write("notes.dat", folder.read("notes.dat") + Header);
    EXPECT_FALSE(file.loadNotes(table));
    EXPECT_EQ(table.noteCount, -1);
    EXPECT_EQ(reporter.reports, (Reports{{"notes.dat", "reading", FileError::SubscriptRange, "notes.dat.bak"}}));
}

TEST_F(NotesFileTest, HeadersAreReadByTheirKeysAndBadValuesFail)
{
    const std::tuple<const char *, QByteArray, FileError, std::string> rows[] = {
        // the error, or the note read
        {"any order, rounded", "[Note Top=600 Left=-45.5 Color=Yellow]", FileError::None, "|-46|600"},
        {"no positions", "[Note Color=Default]", FileError::None, "|0|0"},
        {"one item, blanks after the bracket", "[Note Left=10 ] \t", FileError::None, "|10|0"},
        {"blank lines before the first note", " \r\n\t\r\n[Note Left=3 Top=4 ]\r\nx", FileError::None, "x|3|4"},
        {"text like a header", Header + "[Note to self] buy milk", FileError::None, "[Note to self] buy milk|1|2"},
        {"no items", Header + "[Note]", FileError::None, "[Note]|1|2"},
        {"tabs for blanks", "[Note\tColor=Yellow\t]", FileError::None, "|0|0"},
        {"a key without letters", Header + "[Note =3 ]", FileError::None, "[Note =3 ]|1|2"},
        {"a key not only of letters", Header + "[Note L2=3 ]", FileError::None, "[Note L2=3 ]|1|2"},
        {"a word after an empty value", Header + "[Note Left= x]", FileError::None, "[Note Left= x]|1|2"},
        {"a word before the items", Header + "[Notes Left=3 ]", FileError::None, "[Notes Left=3 ]|1|2"},
        {"no closing bracket", Header + "[Note Left=3 ", FileError::None, "[Note Left=3 |1|2"},
        {"past 16 bits", "[Note Left=32768 Top=0 ]", FileError::Overflow, ""},
        {"no blank after the value", "[Note Left=0 Top=5]", FileError::Overflow, ""},
        {"text before the first note", "text\r\n" + Header, FileError::SubscriptRange, ""},
    };
    for (const auto &[name, content, error, note] : rows) {
        NoteTable parsed;
        EXPECT_EQ(NotesFile::parse(decodeDataLines(content), parsed), error) << name;
        EXPECT_EQ(failed(error) ? "" : fields(parsed.notes[0]), note) << name;
    }
}

TEST(NoteTable, MenuCaptionShortensTextsLongerThan28)
{
    // The line break counts as the one blank it is shown as.
    const QString x26(26, QLatin1Char('x'));
    EXPECT_EQ(noteMenuCaption("a\r\n" + x26), "a " + x26);
    EXPECT_EQ(noteMenuCaption("a\r\n" + x26 + "y"), "a " + x26.left(23) + "...");
}

TEST(NoteTable, RemoveMovesTheLastNoteIntoTheGap)
{
    NoteTable table;
    for (const char *content : {"A", "B", "C"})
        table.addNote({content});
    table.removeNote(0);
    table.removeNote(1);
    EXPECT_EQ(std::pair(table.noteCount, table.notes[0].content), std::pair(qint16(0), QString("C")));
}
