#include "notewindows/NotesMenu.h"
#include "notewindows/NoteWindow.h"
#include "notewindows/NoteWindows.h"
#include "notes/NoteTable.h"
#include "settings/Settings.h"
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

    // The text box of the note opened last.
    QPlainTextEdit *text() const { return notes.windows().last()->findChild<QPlainTextEdit *>("textContent"); }
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
