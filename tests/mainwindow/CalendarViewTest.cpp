#include "MainWindowFixture.h"

#include "editing/EventDialog.h"
#include "eventdata/CalendarFile.h"
#include "mainwindow/MonthGrid.h"
#include "menus/MenuStyle.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QSignalSpy>
#include <QToolBar>
#include <QToolButton>

namespace {

// The calendar part of the main window: the grid, the day list and the
// commands around them. Today is Sunday 6 December 2026.
class CalendarViewTest : public MainWindowTest {
protected:
    void startWith(const std::vector<Event> &events)
    {
        EventTable table;
        for (const Event &event : events)
            table.addEvent(event);
        CalendarFile(folder.path(), reporter, platform.clock()).saveCalendar(table);
        startUp();
    }
    // Shortcuts only reach the active window, and a closed dialog does not
    // give the activation back on every platform.
    void press(Qt::Key key, Qt::KeyboardModifiers modifiers)
    {
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
        QTest::keyClick(&window, key, modifiers);
    }
    QLabel *cell(int k) const { return window.findChild<QLabel *>(QStringLiteral("labelDay%1").arg(k)); }
    QListWidget *dayList() const { return window.findChild<QListWidget *>("listboxEvents"); }
    QString heading() const { return window.findChild<QLabel *>("labelDateToday")->text(); }
    QString text(const char *name) const { return window.findChild<QLabel *>(name)->text(); }
    QComboBox *combo(const char *name) const { return window.findChild<QComboBox *>(name); }
    QAction *action(const char *name) const { return window.findChild<QAction *>(name); }
    QStringList listed() const
    {
        QStringList titles;
        for (int row = 0; row < dayList()->count(); ++row)
            titles << dayList()->item(row)->text();
        return titles;
    }
    void showMonth(const QString &month, const QString &year)
    {
        combo("comboYear")->setCurrentText(year);
        combo("comboMonth")->setCurrentText(month);
    }
    // Runs act and returns the title and message of the general dialog it opened
    // ("" when none opened), answering it with button.
    std::pair<QString, QString> dialogFrom(const std::function<void()> &act, const char *button = "commandOK")
    {
        QString title;
        QString message;
        const QPointer<ModalWatch> watch = whenModalOpens([&](QDialog *dialog) {
            title = dialog->windowTitle();
            if (auto *label = dialog->findChild<QLabel *>("labelMessage"))
                message = label->text();
            if (auto *answer = dialog->findChild<QPushButton *>(button); answer && answer->isVisible())
                QTest::mouseClick(answer, Qt::LeftButton);
            else
                dialog->reject();
        });
        act();
        delete watch.data(); // no dialog came
        return {title, message};
    }
    QToolButton *toolbarButton(const QString &key) const
    {
        auto *toolbar = window.findChild<QToolBar *>("Toolbar");
        for (QAction *button : toolbar->actions()) {
            if (button->data().toString() == key)
                return qobject_cast<QToolButton *>(toolbar->widgetForAction(button));
        }
        return nullptr;
    }
};

Event timedEvent(const QString &title, const QString &date, const QString &time, const QString &description = {})
{
    Event event = makeEvent(title, date);
    event.time = time;
    event.description = description;
    return event;
}

} // namespace

TEST_F(CalendarViewTest, StartsOnTodayWithTheWeekdayHeadings)
{
    startUp();
    EXPECT_EQ(heading(), "December 6, 2026");
    EXPECT_EQ(text("labelMonday"), "Mo");
    EXPECT_EQ(text("labelSunday"), "Su");
    // December 2026 starts on a Tuesday: cell 8; the 6th is bold.
    EXPECT_EQ(cell(8)->text(), "1");
    EXPECT_EQ(cell(13)->text(), "6");
    EXPECT_TRUE(cell(13)->font().bold());
    EXPECT_FALSE(cell(12)->font().bold());
    EXPECT_EQ(cell(0)->text(), "23"); // November 23
    EXPECT_EQ(state->displayedDateInfo,
              "DisplayedDate(short)=20261206\r\nDisplayedDate(long)=December 6, 2026");
}

TEST_F(CalendarViewTest, LeftClickSelectsADayAndListsItsEvents)
{
    startWith({makeEvent("Dentist", "20261210"), makeEvent("Elsewhere", "20261211")});
    QTest::mouseClick(cell(17), Qt::LeftButton);
    EXPECT_EQ(state->displayedDay, "10");
    EXPECT_EQ(heading(), "December 10, 2026");
    EXPECT_TRUE(cell(17)->font().bold());
    EXPECT_FALSE(cell(13)->font().bold());
    EXPECT_EQ(listed(), QStringList{"Dentist"});
    EXPECT_EQ(text("labelTitle1"), "Dentist");
}

TEST_F(CalendarViewTest, GreyDaysMoveTheMonthWithinTheYearsShown)
{
    startUp();
    QTest::mouseClick(cell(0), Qt::LeftButton); // November 23
    EXPECT_EQ(combo("comboMonth")->currentText(), "November");
    EXPECT_EQ(heading(), "November 23, 2026");

    showMonth("January", "2027");
    QTest::mouseClick(cell(0), Qt::LeftButton); // December 28 of the year before
    EXPECT_EQ(combo("comboMonth")->currentText(), "December");
    EXPECT_EQ(combo("comboYear")->currentText(), "2026");
    EXPECT_EQ(state->displayedDay, "28");

    QTest::mouseClick(cell(41), Qt::LeftButton); // January 3
    EXPECT_EQ(heading(), "January 3, 2027");
}

TEST_F(CalendarViewTest, MonthMovesBeyondTheRangeAreRefusedAtBothEnds)
{
    startUp();
    for (const auto &[month, year, k] : {std::tuple{"January", "2026", 0}, std::tuple{"December", "2036", 41}}) {
        showMonth(month, year);
        const QString before = heading();
        const auto [title, message] = dialogFrom([&] { QTest::mouseClick(cell(k), Qt::LeftButton); });
        EXPECT_EQ(title, "Date out of range");
        EXPECT_EQ(message, "The calendar can show dates between January 2026 and December 2036.");
        EXPECT_EQ(heading(), before);
        EXPECT_EQ(combo("comboYear")->currentText(), year);
        EXPECT_FALSE(state->navigating);
    }
}

TEST_F(CalendarViewTest, RightAndMiddleButtons)
{
    startUp();
    auto *popup = window.findChild<QMenu *>("menuPopupCalendar");

    QTest::mouseClick(cell(0), Qt::RightButton); // grey: nothing at all
    EXPECT_EQ(heading(), "December 6, 2026");
    EXPECT_FALSE(popup->isVisible());

    QTest::mouseClick(cell(20), Qt::MiddleButton);
    EXPECT_EQ(heading(), "December 6, 2026");

    QTest::mouseClick(cell(20), Qt::RightButton); // December 13: selected, menu open
    EXPECT_EQ(heading(), "December 13, 2026");
    EXPECT_TRUE(QTest::qWaitFor([popup] { return popup->isVisible(); }, 2000));
    popup->close();
}

TEST_F(CalendarViewTest, ChoosingAShorterMonthKeepsAnExistingDay)
{
    startUp();
    QTest::mouseClick(cell(38), Qt::LeftButton); // December 31
    combo("comboMonth")->setCurrentText("February");
    EXPECT_EQ(heading(), "February 28, 2026");
    EXPECT_EQ(state->displayedDay, "28");
}

TEST_F(CalendarViewTest, DayListIsSortedAndShowsTheDetailsAsPlainText)
{
    writeSettings("[General]\r\nTimeFormat=12\r\n");
    const QString longText(300, QLatin1Char('w'));
    startWith({timedEvent("banana", "20261206", "1305"), timedEvent("<b>Apple & pear</b>", "20261206", "0005", longText),
               timedEvent("Cherry", "00001206", "    ")});
    EXPECT_EQ(listed(), (QStringList{"<b>Apple & pear</b>", "banana", "Cherry"}));
    auto *title = window.findChild<QLabel *>("labelTitle1");
    EXPECT_EQ(title->textFormat(), Qt::PlainText);
    EXPECT_EQ(title->text(), "<b>Apple & pear</b>");
    EXPECT_EQ(text("labelTime"), "12:05 AM");

    auto *comments = window.findChild<QLabel *>("labelComments1");
    EXPECT_TRUE(comments->text().endsWith("..."));
    EXPECT_LE(comments->fontMetrics().horizontalAdvance(comments->text()), comments->width());
    EXPECT_TRUE(comments->toolTip().contains(longText));

    dayList()->setCurrentRow(1);
    EXPECT_EQ(text("labelTitle1"), "banana");
    EXPECT_EQ(text("labelTime"), "1:05 PM");
    dayList()->setCurrentRow(2);
    EXPECT_EQ(text("labelTime"), "");
}

TEST_F(CalendarViewTest, EmptyDaySaysSoAndDisablesRemove)
{
    startWith({makeEvent("Dentist", "20261210")});
    // The list hides and uncovers the notice beneath it.
    EXPECT_FALSE(dayList()->isVisible());
    EXPECT_TRUE(window.findChild<QLabel *>("labelNoMatchingEvents")->isVisible());
    EXPECT_FALSE(toolbarButton("Remove")->isEnabled());
    QTest::mouseClick(cell(17), Qt::LeftButton);
    EXPECT_TRUE(dayList()->isVisible());
    EXPECT_TRUE(toolbarButton("Remove")->isEnabled());
}

TEST_F(CalendarViewTest, RemoveAsksWithTheShortenedTitleAndSaves)
{
    startWith({makeEvent("A rather long event title", "20261206"), makeEvent("Other", "20261207")});
    const auto [title, message] = dialogFrom([&] { QTest::mouseClick(toolbarButton("Remove"), Qt::LeftButton); },
                                             "commandNo");
    EXPECT_EQ(title, "Remove A rather long event...?");
    EXPECT_EQ(state->size(), 2);

    dialogFrom([&] { QTest::keyClick(dayList(), Qt::Key_Delete); }, "commandYes");
    EXPECT_EQ(state->size(), 1);
    EXPECT_TRUE(listed().isEmpty());
    EXPECT_FALSE(folder.read("calendar.dat").contains("A rather long"));
    EXPECT_TRUE(folder.read("calendar.dat").contains("Other"));
}

TEST_F(CalendarViewTest, DoNotAskAgainRemovesAtOnceNextTime)
{
    startWith({makeEvent("One", "20261206"), makeEvent("Two", "20261206")});
    whenModalOpens([](QDialog *dialog) {
        dialog->findChild<QCheckBox *>("checkboxCheckbox")->setChecked(true);
        QTest::mouseClick(dialog->findChild<QPushButton *>("commandYes"), Qt::LeftButton);
    });
    QTest::mouseClick(toolbarButton("Remove"), Qt::LeftButton);
    EXPECT_EQ(state->confirmRemoveE, 0);
    EXPECT_EQ(listed(), QStringList{"Two"});

    const auto [title, message] = dialogFrom([&] { QTest::mouseClick(toolbarButton("Remove"), Qt::LeftButton); });
    EXPECT_EQ(title, "");
    EXPECT_EQ(state->size(), 0);
}

TEST_F(CalendarViewTest, RemovingOneOfTwoEqualTitlesRemovesTheSelectedOne)
{
    writeSettings("[General]\r\nConfirmRemoveE=0\r\n");
    startWith({makeEvent("Same", "20261206"), makeEvent("Other", "20261207"), makeEvent("Same", "20261207")});
    QTest::mouseClick(cell(14), Qt::LeftButton); // December 7
    dayList()->setCurrentRow(listed().indexOf("Same"));
    QTest::keyClick(dayList(), Qt::Key_Delete);
    ASSERT_EQ(state->size(), 2);
    EXPECT_EQ(state->events[0].date, "20261206"); // the other "Same" stays
}

TEST_F(CalendarViewTest, EveryWayOfAddingRefusesWhenTheTableIsFull)
{
    std::vector<Event> events;
    for (int i = 0; i < EventTable::Capacity; ++i)
        events.push_back(makeEvent(QStringLiteral("Event %1").arg(i), "20261220"));
    startWith(events);
    const std::vector<std::pair<const char *, std::function<void()>>> ways{
        {"menu", [&] { action("menuCalendarAddEvent")->trigger(); }},
        {"Ctrl+E", [&] { press(Qt::Key_E, Qt::ControlModifier); }},
        {"tool bar", [&] { QTest::mouseClick(toolbarButton("Add"), Qt::LeftButton); }},
        {"tray menu", [&] { action("menuSystrayAddEvent")->trigger(); }},
        {"double-click", [&] { QTest::mouseDClick(cell(20), Qt::LeftButton); }},
        {"grid pop-up", [&] { action("menuPopupCalendarAdd")->trigger(); }},
    };
    for (const auto &[way, act] : ways) {
        const auto [title, message] = dialogFrom(act);
        EXPECT_EQ(title, "Database is full") << way;
        EXPECT_TRUE(message.contains("event database is full")) << way;
    }
    EXPECT_EQ(state->size(), EventTable::Capacity);
}

TEST_F(CalendarViewTest, AddNoteRefusesTheSeventeenthNote)
{
    startUp();
    for (int i = 0; i < NoteTable::Capacity; ++i)
        state->addNote(Note{QStringLiteral("n%1").arg(i), 0, 0});
    const auto [title, message] = dialogFrom([&] { press(Qt::Key_N, Qt::ControlModifier); });
    EXPECT_EQ(title, "Database is full");
    EXPECT_TRUE(message.contains("notes database is full"));
}

TEST_F(CalendarViewTest, F5OpensTheDiagnosticsOnlyWithAModifier)
{
    startUp();
    const auto diagnosticsFrom = [&](Qt::KeyboardModifiers modifiers) {
        QString data;
        const QPointer<ModalWatch> watch = whenModalOpens([&](QDialog *dialog) {
            if (dialog->objectName() == "formErrorTracking")
                data = dialog->findChild<QPlainTextEdit *>("textUsefulData")->toPlainText();
            dialog->reject();
        });
        press(Qt::Key_F5, modifiers);
        delete watch.data();
        return data;
    };
    EXPECT_EQ(diagnosticsFrom(Qt::NoModifier), "");
    for (const Qt::KeyboardModifiers held :
         {Qt::KeyboardModifiers(Qt::ShiftModifier), Qt::KeyboardModifiers(Qt::ControlModifier),
          Qt::KeyboardModifiers(Qt::AltModifier), Qt::ShiftModifier | Qt::ControlModifier}) {
        const QString data = diagnosticsFrom(held);
        EXPECT_TRUE(data.contains("DisplayedDate(long)=December 6, 2026")) << held.toInt();
        EXPECT_TRUE(data.contains("RealDate=2026126")) << held.toInt();
    }
}

TEST_F(CalendarViewTest, HelpLineFollowsTheHoveredMenuItem)
{
    startUp();
    auto *helpLine = window.findChild<QLabel *>("labelHelp");
    action("menuFileSettings")->hover();
    EXPECT_EQ(helpLine->text(), "Modify settings");
    EXPECT_EQ(action("menuFileSettings")->text(), "&Settings...");
    action("menuFileProfiles")->hover(); // disabled
    EXPECT_EQ(helpLine->text(), "");
}

TEST_F(CalendarViewTest, NextAndPreviousEventMoveTheDisplayOrSayThereIsNone)
{
    startWith({makeEvent("Later", "20270115"), makeEvent("Earlier", "20261203")});
    action("menuCalendarNextEvent")->trigger();
    EXPECT_EQ(heading(), "January 15, 2027");
    EXPECT_EQ(listed(), QStringList{"Later"});

    const auto [title, message] = dialogFrom([&] { action("menuCalendarNextEvent")->trigger(); });
    EXPECT_EQ(title, "Next event");
    EXPECT_EQ(message, "No future event(s) found.");
    EXPECT_EQ(heading(), "January 15, 2027");

    action("menuCalendarPreviousEvent")->trigger();
    EXPECT_EQ(heading(), "December 3, 2026");
    const auto [earlierTitle, earlierMessage] = dialogFrom([&] { action("menuCalendarPreviousEvent")->trigger(); });
    EXPECT_EQ(earlierTitle, "Previous event");
    EXPECT_EQ(earlierMessage, "No earlier event(s) found.");
}

TEST_F(CalendarViewTest, UpdateOpensThePageOfThisVersionOnlyOnYes)
{
    startUp();
    const auto [title, message] = dialogFrom([&] { action("menuFileUpdate")->trigger(); }, "commandNo");
    EXPECT_EQ(title, "Connect to www.tarrowby.org");
    EXPECT_TRUE(platform.openedUrls.empty());
    dialogFrom([&] { action("menuFileUpdate")->trigger(); }, "commandYes");
    ASSERT_EQ(platform.openedUrls.size(), 1u);
    EXPECT_TRUE(platform.openedUrls[0].toString().startsWith("https://www.tarrowby.org/tb/update_"));
    EXPECT_TRUE(platform.openedUrls[0].toString().endsWith(".html"));
}

TEST_F(CalendarViewTest, EveryMenuIsDrawnByTheProgram)
{
    for (const QMenu *menu : window.findChildren<QMenu *>()) {
        if (menu->objectName().isEmpty())
            continue; // Qt's own overflow menus of the bars
        EXPECT_NE(qobject_cast<const MenuStyle *>(menu->style()), nullptr) << menu->objectName().toStdString();
    }
}

TEST_F(CalendarViewTest, MenusAndToolBarCarryTheirIcons)
{
    startUp();
    for (const char *name : {"menuCalendarAddEvent", "menuFileQuit", "menuHelpContents", "menuNotesAddNote",
                             "menuCalendarFindEvent", "menuFileUpdate"})
        EXPECT_FALSE(action(name)->icon().pixmap(16, 16).isNull()) << name;
    for (const char *key : {"Add", "Remove", "Add note", "Help"})
        EXPECT_FALSE(toolbarButton(key)->icon().pixmap(16, 16).isNull()) << key;
}

TEST_F(CalendarViewTest, AddedEventIsOnDiskBeforeTheDialogClosesAndShowsOnTheDay)
{
    startUp();
    QTest::mouseClick(cell(20), Qt::LeftButton); // December 13
    QString proposedDay;
    bool savedWhileOpen = false;
    whenModalOpens([&](QDialog *dialog) {
        proposedDay = dialog->findChild<QLineEdit *>("textDay")->text();
        QTest::keyClicks(dialog->findChild<QLineEdit *>("textTitle"), "Concert");
        QObject::connect(qobject_cast<EventDialog *>(dialog), &EventDialog::eventStored, [&, dialog] {
            savedWhileOpen = dialog->isVisible() && folder.read("calendar.dat").contains("Title=Concert");
        });
        QTest::mouseClick(dialog->findChild<QPushButton *>("commandOK"), Qt::LeftButton);
    });
    QTest::mouseDClick(cell(20), Qt::LeftButton);
    EXPECT_EQ(proposedDay, "13");
    EXPECT_TRUE(savedWhileOpen);
    EXPECT_EQ(listed(), QStringList{"Concert"});
    EXPECT_TRUE(folder.read("calendar.dat").contains("Date=20261213"));
}

TEST_F(CalendarViewTest, EditOpensOnTheSelectedEventAndCancelLeavesTheFileAlone)
{
    startWith({makeEvent("Same", "20261206"), makeEvent("Same ", "20261207"), makeEvent("Dentist", "20261206")});
    const QByteArray before = folder.read("calendar.dat");
    dayList()->setCurrentRow(listed().indexOf("Same"));
    QString editedTitle;
    whenModalOpens([&](QDialog *dialog) {
        editedTitle = dialog->findChild<QLineEdit *>("textTitle")->text();
        dialog->findChild<QLineEdit *>("textTitle")->setText("Changed");
        QTest::mouseClick(dialog->findChild<QPushButton *>("commandCancel"), Qt::LeftButton);
    });
    QTest::keyClick(dayList(), Qt::Key_Return);
    EXPECT_EQ(editedTitle, "Same");
    EXPECT_EQ(folder.read("calendar.dat"), before);

    whenModalOpens([&](QDialog *dialog) {
        dialog->findChild<QLineEdit *>("textTitle")->setText("Renamed");
        QTest::mouseClick(dialog->findChild<QPushButton *>("commandOK"), Qt::LeftButton);
    });
    action("menuPopupEventEdit")->trigger();
    EXPECT_EQ(listed(), (QStringList{"Dentist", "Renamed"}));
    EXPECT_TRUE(folder.read("calendar.dat").contains("Title=Renamed"));
}

TEST_F(CalendarViewTest, FindJumpsToTheResultAndTheListsFollow)
{
    startWith({makeEvent("Dentist", "20270305"), makeEvent("Other", "20261210"), makeEvent("Far", "20990310")});
    whenModalOpens([](QDialog *dialog) {
        QTest::keyClicks(dialog->findChild<QLineEdit *>("Text"), "dent");
        QTest::mouseClick(dialog->findChild<QPushButton *>("commandOK"), Qt::LeftButton);
    });
    press(Qt::Key_F, Qt::ControlModifier);
    EXPECT_EQ(heading(), "March 5, 2027");
    EXPECT_EQ(listed(), QStringList{"Dentist"});
    EXPECT_EQ(combo("comboMonth")->currentText(), "March");
    EXPECT_EQ(combo("comboYear")->currentText(), "2027");
    EXPECT_FALSE(state->navigating);

    // A date the grid cannot show gets the grid's own message, and the date stays.
    QString refusal;
    whenModalOpens([&](QDialog *find) {
        QTest::keyClicks(find->findChild<QLineEdit *>("Text"), "far");
        whenModalOpens([&](QDialog *message) {
            refusal = message->windowTitle();
            message->accept();
        });
        QTest::mouseClick(find->findChild<QPushButton *>("commandOK"), Qt::LeftButton);
        find->reject();
    });
    press(Qt::Key_F, Qt::ControlModifier);
    EXPECT_EQ(refusal, "Date out of range");
    EXPECT_EQ(heading(), "March 5, 2027");
}

TEST_F(CalendarViewTest, NotesMenuListsTheNotesAndQuittingKeepsAnOpenNotesText)
{
    folder.write("notes.dat", "[Note Left=1500 Top=1500 Color=Default]\r\nTom & Jerry\r\n");
    writeSettings("[General]\r\nConfirmExit=0\r\n");
    startUp();
    QAction *entry = action("menuNotesNote0");
    EXPECT_TRUE(entry->isVisible());
    EXPECT_EQ(entry->text(), "Tom && Jerry");
    EXPECT_TRUE(action("menuSeparator4")->isVisible());
    EXPECT_FALSE(action("menuNotesNote1")->isVisible());

    entry->trigger();
    EXPECT_FALSE(entry->isEnabled());
    QWidget *note = nullptr;
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (widget->objectName() == "formNote")
            note = widget;
    }
    ASSERT_NE(note, nullptr);
    note->findChild<QPlainTextEdit *>("textContent")->setPlainText("Tom & Jerry\nand Spike");
    window.requestExit();
    EXPECT_TRUE(folder.read("notes.dat").contains("Tom & Jerry\r\nand Spike\r\n"));
}

TEST_F(CalendarViewTest, SettingsOkRedrawsTheDayInTheNewClock)
{
    Event timed = makeEvent("Lunch", "20261206");
    timed.time = QStringLiteral("1330");
    startWith({timed});
    EXPECT_EQ(text("labelTime"), "13:30");
    whenModalOpens([](QDialog *dialog) {
        dialog->findChild<QRadioButton *>("optTimeFormat12")->setChecked(true);
        QTest::mouseClick(dialog->findChild<QPushButton *>("commandOK"), Qt::LeftButton);
    });
    action("menuFileSettings")->trigger();
    EXPECT_EQ(state->timeFormat, 12);
    EXPECT_EQ(text("labelTime"), "1:30 PM");
}
