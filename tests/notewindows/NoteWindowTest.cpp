#include "notewindows/NoteMark.h"
#include "notewindows/NotesMenu.h"
#include "notewindows/NoteWindow.h"
#include "notewindows/NoteWindows.h"

#include "appstate/AppState.h"
#include "widgets/Twips.h"
#include "help/Help.h"
#include "notes/NotesFile.h"
#include "ModalDriver.h"
#include "TestSupport.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
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
    QWidget mainWindow;
    QMenu menuNotes;
    NotesMenu menu{&menuNotes, state};
    NoteWindows notes{state, help, menu, file, &mainWindow};

    void SetUp() override
    {
        state.confirmRemoveN = 0;
        mainWindow.setGeometry(200, 200, 400, 300);
    }
    void addNotes(const QStringList &texts)
    {
        for (const QString &text : texts)
            state.addNote(Note{text, 1500, 1500});
        menu.refreshNotesMenu();
    }
    NoteWindow *last() const { return notes.windows().last(); }
    static QPlainTextEdit *text(NoteWindow *window) { return window->findChild<QPlainTextEdit *>("textContent"); }
    static void click(NoteWindow *window, const char *mark)
    {
        QTest::mouseClick(window->findChild<NoteMark *>(mark), Qt::LeftButton);
    }
    QStringList visibleEntries() const
    {
        QStringList captions;
        for (int i = 0; i < NoteTable::Capacity; ++i) {
            if (menu.entry(i)->isVisible())
                captions << menu.entry(i)->text();
        }
        return captions;
    }
    bool separatorVisible() const { return menuNotes.findChild<QAction *>("menuSeparator4")->isVisible(); }
    // Answers the next removal question; its title lands in question.
    void answerRemoval(const char *button, bool tick = false)
    {
        whenModalOpens([=, this](QDialog *dialog) {
            question = dialog->windowTitle();
            dialog->findChild<QCheckBox *>("checkboxCheckbox")->setChecked(tick);
            QTest::mouseClick(dialog->findChild<QPushButton *>(button), Qt::LeftButton);
        });
    }
    // Keys reach a note only while it is the active window.
    static void press(NoteWindow *window, Qt::Key key)
    {
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window));
        QTest::keyClick(text(window), key);
    }
    QString question;
};

} // namespace

TEST_F(NoteWindowTest, ANewNoteIsStoredWithItsPlaceOnCloseAndTheFileFollows)
{
    notes.openNew();
    NoteWindow *window = last();
    EXPECT_TRUE(window->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    QTest::keyClicks(text(window), "Buy milk");
    QTest::keyClick(text(window), Qt::Key_Return);
    QTest::keyClicks(text(window), "call the garage");
    window->move(100, 40);
    press(window, Qt::Key_Escape); // closes and keeps the text
    ASSERT_EQ(state.noteCount, 0);
    EXPECT_EQ(state.notes[0].content, "Buy milk\r\ncall the garage");
    EXPECT_EQ(folder.read("notes.dat"), "[Note Left=1500 Top=600 Color=Default]\r\nBuy milk\r\ncall the garage\r\n");
    EXPECT_EQ(visibleEntries(), QStringList{NotesMenu::captionFor(state.notes[0].content)});
    EXPECT_TRUE(separatorVisible());
    EXPECT_TRUE(notes.windows().isEmpty());

    notes.open(0);
    click(last(), "imageRemove");
    EXPECT_EQ(folder.read("notes.dat"), "");
    EXPECT_FALSE(separatorVisible());

    notes.openNew(); // an empty new note leaves no trace
    click(last(), "imageClose");
    EXPECT_EQ(state.noteCount, -1);
    EXPECT_TRUE(visibleEntries().isEmpty());
    EXPECT_TRUE(reporter.reports.empty());
}

TEST_F(NoteWindowTest, AnOpenNoteKeepsItsEntryDisabledAndFollowsWhenARemovalMovesIt)
{
    addNotes({"zero", "one", "two"});
    notes.open(2);
    NoteWindow *moved = last();
    EXPECT_EQ(text(moved)->toPlainText(), "two");
    EXPECT_EQ(moved->pos(), QPoint(100, 100));
    EXPECT_FALSE(menu.entry(2)->isEnabled());
    notes.open(0);
    click(last(), "imageRemove"); // the last note moves into the freed slot
    EXPECT_EQ(moved->noteIndex(), 0);
    EXPECT_FALSE(menu.entry(0)->isEnabled());
    text(moved)->setPlainText("two, edited");
    click(moved, "imageClose");
    EXPECT_EQ(state.noteCount, 1);
    EXPECT_TRUE(menu.entry(0)->isEnabled());
    EXPECT_EQ(visibleEntries(), (QStringList{"two, edited", "one"}));
}

TEST_F(NoteWindowTest, RemovalAndEmptyingAskAndTheAnswerDecides)
{
    state.confirmRemoveN = 1;
    addNotes({"keep me", "remove me"});
    notes.open(0);
    answerRemoval("commandNo");
    click(last(), "imageRemove");
    EXPECT_EQ(question, "Remove keep me?");
    EXPECT_EQ(notes.windows().size(), 1); // No keeps the window open
    text(last())->clear();
    answerRemoval("commandNo");
    press(last(), Qt::Key_Escape);
    EXPECT_TRUE(notes.windows().isEmpty()); // an emptied note closes all the same
    EXPECT_EQ(state.notes[0].content, "keep me");

    notes.open(1);
    answerRemoval("commandYes", true);
    click(last(), "imageRemove");
    EXPECT_EQ(state.noteCount, 0);
    EXPECT_EQ(state.confirmRemoveN, 0);
    notes.open(0);
    text(last())->clear();
    click(last(), "imageClose"); // no longer asked
    EXPECT_EQ(state.noteCount, -1);
}

// The note's box takes tabs as text, so a full box refuses a Tab too.
TEST_F(NoteWindowTest, FullNoteRefusesTypingAndCutsAPasteKeepingTextAndCursor)
{
    notes.openNew();
    QPlainTextEdit *box = text(last());
    QApplication::clipboard()->setText(QString(2000, QLatin1Char('x')));
    box->paste();
    const QString full = box->toPlainText();
    ASSERT_LT(full.size(), 2000);
    box->moveCursor(QTextCursor::Start);
    for (const Qt::Key key : {Qt::Key_A, Qt::Key_Tab, Qt::Key_Return})
        QTest::keyClick(box, key);
    EXPECT_EQ(box->toPlainText(), full);
    EXPECT_EQ(box->textCursor().position(), 0);
    box->clear();
    QTest::keyClick(box, Qt::Key_Tab);
    EXPECT_EQ(box->toPlainText(), "\t");

    box->setPlainText(full);
    QApplication::clipboard()->setText("12345");
    QTextCursor selection = box->textCursor();
    selection.setPosition(1);
    selection.movePosition(QTextCursor::Right, QTextCursor::KeepAnchor, 3);
    box->setTextCursor(selection);
    box->paste();
    EXPECT_EQ(box->toPlainText(), "x123" + full.mid(4));
    EXPECT_EQ(box->textCursor().position(), 4);
}

TEST(NotesMenuCaption, OneLineShortenedAmpersandsShown)
{
    const struct {
        const char *name;
        QString text, caption;
    } rows[] = {
        {"ampersand", "Tom & Jerry", "Tom && Jerry"},
        {"line break", "two\r\nlines", "two lines"},
        {"longest whole", QString(28, QLatin1Char('x')), QString(28, QLatin1Char('x'))},
        {"one too long", QString(29, QLatin1Char('x')), QString(25, QLatin1Char('x')) + "..."},
    };
    for (const auto &row : rows)
        EXPECT_EQ(NotesMenu::captionFor(row.text), row.caption) << row.name;
}
