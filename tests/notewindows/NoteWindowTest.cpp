#include "notewindows/NotesMenu.h"
#include "notewindows/NoteWindow.h"
#include "notewindows/NoteWindows.h"
#include "notes/NoteTable.h"
#include "settings/Settings.h"
#include "messages/GeneralDialog.h"
#include "help/Help.h"
#include "notes/NotesFile.h"
#include "TestSupport.h"

#include <QtWidgets>
#include <QtTest>

#include <gtest/gtest.h>

namespace {

// A note typed at 100, 40 pixels, as notes.dat holds it.
const QByteArray Stored = "[Note Left=1500 Top=600 Color=Default]\r\nBuy milk\r\ncall the garage\r\n";

class NoteWindowTest : public ::testing::Test {
protected:
    NoteTable table;
    Settings settings;
    Help help{QStringLiteral(TARROW_HELP_FILE)};
    DataFolderFixture folder;
    RecordingReporter reporter;
    NotesFile file{folder.path(), reporter};
    QMenu menuNotes;
    NotesMenu menu{&menuNotes, table};
    NoteWindows notes{table, settings, help, menu, file, nullptr};

    // The given note, or the one opened last.
    NoteWindow *window(NoteWindow *note) const { return note ? note : notes.windows().last(); }
    QPlainTextEdit *text(NoteWindow *note = nullptr) const
    {
        return window(note)->findChild<QPlainTextEdit *>("textContent");
    }
    void click(const char *mark, NoteWindow *note = nullptr) const
    {
        QTest::mouseClick(window(note)->findChild<QWidget *>(mark), Qt::LeftButton);
    }
    // The note Stored holds, saved and in the menu.
    void storeNote()
    {
        table.addNote(Note{"Buy milk\r\ncall the garage", 600, 1500});
        ASSERT_TRUE(file.saveNotes(table));
        menu.refreshNotesMenu();
    }
    std::pair<bool, bool> menuShown() const // the first note's entry and the separator above the notes
    {
        return {menu.entry(0)->isVisible(), menuNotes.findChild<QAction *>("menuSeparator4")->isVisible()};
    }
};

} // namespace

TEST_F(NoteWindowTest, EscapeStoresTheNoteWithItsPlaceAndListsItInTheMenu)
{
    notes.openNew();
    QTest::keyClicks(text(), "Buy milk\rcall the garage");
    notes.windows().last()->move(100, 40);
    notes.windows().last()->activateWindow(); // keys reach a note only while it is the active window
    ASSERT_TRUE(QTest::qWaitForWindowActive(notes.windows().last()));
    QTest::keyClick(text(), Qt::Key_Escape); // closes and keeps the text
    EXPECT_EQ(folder.read("notes.dat"), Stored);
    EXPECT_EQ(menuShown(), std::pair(true, true));
}

TEST_F(NoteWindowTest, AnEmptiedNoteClosesKeepingWhatItStoredWhenItsRemovalIsRefused)
{
    storeNote();
    notes.open(0);
    text()->clear();
    GeneralDialog::setNextAnswer({MessageButton::No}); // asked while confirmRemoveN is 1
    click("imageClose");
    EXPECT_TRUE(GeneralDialog::takeAskedMessage().value().title.startsWith("Remove Buy milk"));
    EXPECT_TRUE(notes.windows().isEmpty());
    EXPECT_EQ(folder.read("notes.dat"), Stored);
}

TEST_F(NoteWindowTest, RemovingTheNoteStoresItsAbsenceAndTheTickedQuestion)
{
    storeNote();
    notes.open(0);
    GeneralDialog::setNextAnswer({MessageButton::Yes, true});
    click("imageRemove");
    EXPECT_EQ(std::pair(folder.read("notes.dat"), settings.confirmRemoveN), std::pair(QByteArray(), qint16(0)));
    EXPECT_EQ(menuShown(), std::pair(false, false));
}

TEST_F(NoteWindowTest, AnEmptyNewNoteLeavesNoTrace)
{
    notes.openNew();
    click("imageClose");
    EXPECT_EQ(table.noteCount, -1);
}

TEST_F(NoteWindowTest, AnOpenNoteKeepsItsEntryDisabledAndFollowsWhenARemovalMovesIt)
{
    settings.confirmRemoveN = 0;
    for (const char *content : {"zero", "one", "two"})
        table.addNote(Note{content, 0, 0});
    notes.open(2);
    NoteWindow *moved = notes.windows().last();
    notes.open(0);
    click("imageRemove"); // the last note moves into the freed slot
    EXPECT_FALSE(menu.entry(0)->isEnabled());
    text(moved)->setPlainText("two & three");
    click("imageClose", moved);
    EXPECT_TRUE(menu.entry(0)->isEnabled());
    EXPECT_EQ(menu.entry(0)->text(), "two && three"); // not an access key
}

// The note's box takes tabs as text, so a full box refuses a Tab too; a paste is cut to fit.
TEST_F(NoteWindowTest, FullNoteRefusesTypingAndCutsAPasteKeepingTextAndCursor)
{
    notes.openNew();
    QPlainTextEdit *box = text();
    QTest::keyClick(box, Qt::Key_Tab);
    QApplication::clipboard()->setText(QString(2000, QLatin1Char('x')));
    box->paste();
    const QString full = box->toPlainText();
    ASSERT_TRUE(full.startsWith("\tx") && full.size() < 2000);
    box->moveCursor(QTextCursor::Start);
    QTest::keyClick(box, Qt::Key_Tab);
    EXPECT_EQ(std::pair(box->toPlainText(), box->textCursor().position()), std::pair(full, 0));
    QApplication::clipboard()->setText("12345");
    for (int i = 0; i < 3; ++i)
        QTest::keyClick(box, Qt::Key_Right, Qt::ShiftModifier);
    box->paste(); // over the three selected characters
    EXPECT_EQ(std::pair(box->toPlainText(), box->textCursor().position()), std::pair("123" + full.mid(3), 3));
}
