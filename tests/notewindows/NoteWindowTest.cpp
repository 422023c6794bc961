#include "notewindows/NotesMenu.h"
#include "notewindows/NoteWindow.h"
#include "notewindows/NoteWindows.h"
#include "appstate/AppState.h"
#include "dialogs/GeneralDialog.h"
#include "help/Help.h"
#include "notes/NotesFile.h"
#include "TestSupport.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTest>

#include <gtest/gtest.h>

namespace {

class NoteWindowTest : public ::testing::Test {
protected:
    AppState state;
    Help help{QStringLiteral(TARROW_HELP_FILE)};
    DataFolderFixture folder;
    RecordingReporter reporter;
    NotesFile file{folder.path(), reporter};
    QMenu menuNotes;
    NotesMenu menu{&menuNotes, state};
    NoteWindows notes{state, help, menu, file, nullptr};

    NoteWindow *last() const { return notes.windows().last(); }
    static QPlainTextEdit *text(NoteWindow *note) { return note->findChild<QPlainTextEdit *>("textContent"); }
    static void click(NoteWindow *note, const char *mark)
    {
        QTest::mouseClick(note->findChild<QWidget *>(mark), Qt::LeftButton);
    }
};

} // namespace

TEST_F(NoteWindowTest, ANoteIsStoredWithItsPlaceOnCloseAndTheAnswerToRemovingItDecides)
{
    const QByteArray stored = "[Note Left=1500 Top=600 Color=Default]\r\nBuy milk\r\ncall the garage\r\n";
    notes.openNew();
    QTest::keyClicks(text(last()), "Buy milk\rcall the garage");
    last()->move(100, 40);
    last()->activateWindow(); // keys reach a note only while it is the active window
    ASSERT_TRUE(QTest::qWaitForWindowActive(last()));
    QTest::keyClick(text(last()), Qt::Key_Escape); // closes and keeps the text
    EXPECT_EQ(folder.read("notes.dat"), stored);
    EXPECT_TRUE(menu.entry(0)->isVisible() && menuNotes.findChild<QAction *>("menuSeparator4")->isVisible());
    notes.open(0);
    text(last())->clear();
    GeneralDialog::setNextAnswer({MessageButton::No}); // asked while confirmRemoveN is 1
    click(last(), "imageClose"); // an emptied note closes all the same, keeping what it stored
    EXPECT_TRUE(GeneralDialog::takeAskedMessage() && notes.windows().isEmpty());
    EXPECT_EQ(folder.read("notes.dat"), stored);
    notes.open(0);
    GeneralDialog::setNextAnswer({MessageButton::No});
    click(last(), "imageRemove");
    EXPECT_TRUE(GeneralDialog::takeAskedMessage().value().title.startsWith("Remove Buy milk"));
    ASSERT_EQ(notes.windows().size(), 1); // No keeps the window open
    GeneralDialog::setNextAnswer({MessageButton::Yes, true});
    click(last(), "imageRemove");
    EXPECT_EQ(folder.read("notes.dat"), "");
    EXPECT_EQ(state.confirmRemoveN, 0);
    EXPECT_FALSE(menu.entry(0)->isVisible() || menuNotes.findChild<QAction *>("menuSeparator4")->isVisible());
    notes.openNew(); // an empty new note leaves no trace
    click(last(), "imageClose");
    EXPECT_EQ(state.noteCount, -1);
}

TEST_F(NoteWindowTest, AnOpenNoteKeepsItsEntryDisabledAndFollowsWhenARemovalMovesIt)
{
    state.confirmRemoveN = 0;
    for (const char *content : {"zero", "one", "two"})
        state.addNote(Note{content, 0, 0});
    notes.open(2);
    NoteWindow *moved = last();
    notes.open(0);
    click(last(), "imageRemove"); // the last note moves into the freed slot
    EXPECT_FALSE(menu.entry(0)->isEnabled());
    text(moved)->setPlainText("two, edited");
    click(moved, "imageClose");
    EXPECT_TRUE(menu.entry(0)->isEnabled());
    EXPECT_EQ(menu.entry(0)->text(), "two, edited");
}

// The note's box takes tabs as text, so a full box refuses a Tab too.
TEST_F(NoteWindowTest, FullNoteRefusesTypingAndCutsAPasteKeepingTextAndCursor)
{
    notes.openNew();
    QPlainTextEdit *box = text(last());
    QTest::keyClick(box, Qt::Key_Tab);
    QApplication::clipboard()->setText(QString(2000, QLatin1Char('x')));
    box->paste();
    const QString full = box->toPlainText();
    ASSERT_TRUE(full.startsWith("\tx") && full.size() < 2000);
    box->moveCursor(QTextCursor::Start);
    for (const Qt::Key key : {Qt::Key_A, Qt::Key_Tab, Qt::Key_Return})
        QTest::keyClick(box, key);
    EXPECT_EQ(box->toPlainText(), full);
    EXPECT_EQ(box->textCursor().position(), 0);
    QApplication::clipboard()->setText("12345");
    for (int i = 0; i < 3; ++i)
        QTest::keyClick(box, Qt::Key_Right, Qt::ShiftModifier);
    box->paste(); // over the three selected characters
    EXPECT_EQ(box->toPlainText(), "123" + full.mid(3));
    EXPECT_EQ(box->textCursor().position(), 3);
}

TEST(NotesMenuCaption, OneLineShortenedAmpersandsShown)
{
    // Where a caption is shortened is the note table's rule; here only that the menu applies it.
    const struct { const char *name; QString text, caption; } rows[] = {
        {"ampersand", "Tom & Jerry", "Tom && Jerry"},
        {"line break", "two\r\nlines", "two lines"},
        {"too long", QString(29, QLatin1Char('x')), QString(25, QLatin1Char('x')) + "..."},
    };
    for (const auto &row : rows)
        EXPECT_EQ(NotesMenu::captionFor(row.text), row.caption) << row.name;
}
