#include "MainWindowFixture.h"

#include "editing/EventDialog.h"
#include "eventdata/CalendarFile.h"
#include "mainwindow/DayCell.h"
#include "mainwindow/MonthGrid.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QRadioButton>
#include <QToolBar>
#include <QToolButton>

namespace {

// The calendar part of the main window: the grid, the day list and the
// commands around them. Today is Sunday 6 December 2026; in December 2026
// cell 0 is November 23, cell 8 the 1st and cell 41 January 3.
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
    DayCell *cell(int k) const { return window.findChild<DayCell *>(QStringLiteral("labelDay%1").arg(k)); }
    MonthGrid *grid() const { return window.findChild<MonthGrid *>(); }
    QListWidget *dayList() const { return window.findChild<QListWidget *>("listboxEvents"); }
    QString heading() const { return text("labelDateToday"); }
    QString text(const char *name) const { return window.findChild<QLabel *>(name)->text(); }
    QComboBox *combo(const char *name) const { return window.findChild<QComboBox *>(name); }
    QAction *action(const char *name) const { return window.findChild<QAction *>(name); }
    QMenu *menu(const char *name) const { return window.findChild<QMenu *>(name); }
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
    // Runs act and returns the title of the modal dialog it opened ("" when
    // none did), answering it with button, or closing it without one.
    QString dialogFrom(const std::function<void()> &act, const char *button = "commandOK")
    {
        QString title;
        const QPointer<ModalWatch> watch = whenModalOpens([&](QDialog *dialog) {
            title = dialog->windowTitle();
            if (auto *answer = dialog->findChild<QPushButton *>(button); answer && answer->isVisible())
                QTest::mouseClick(answer, Qt::LeftButton);
            else
                dialog->reject();
        });
        act();
        delete watch.data();
        return title;
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

} // namespace

TEST_F(CalendarViewTest, ClicksAndKeysOnTheGridReachTheShownDay)
{
    startUp();
    const struct {
        const char *name;
        const char *month, *year;
        std::function<void()> act;
        const char *heading; // null: the day stays
        bool popsUp, refused;
    } rows[] = {
        {"left click", "December", "2026", [this] { QTest::mouseClick(cell(17), Qt::LeftButton); },
         "December 10, 2026", false, false},
        {"grey day of the year before", "January", "2027",
         [this] { QTest::mouseClick(cell(0), Qt::LeftButton); }, "December 28, 2026", false, false},
        {"right click", "December", "2026", [this] { QTest::mouseClick(cell(20), Qt::RightButton); },
         "December 13, 2026", true, false},
        {"right click on a grey day", "December", "2026",
         [this] { QTest::mouseClick(cell(0), Qt::RightButton); }, nullptr, false, false},
        {"middle click", "December", "2026", [this] { QTest::mouseClick(cell(20), Qt::MiddleButton); },
         nullptr, false, false},
        {"arrow key", "December", "2026", [this] { QTest::keyClick(grid(), Qt::Key_Right); },
         "December 7, 2026", false, false},
        {"click before the range", "January", "2026",
         [this] { QTest::mouseClick(cell(0), Qt::LeftButton); }, nullptr, false, true},
        {"key before the range", "January", "2026", [this] { QTest::keyClick(grid(), Qt::Key_PageUp); },
         nullptr, false, true},
    };
    QMenu *popup = menu("menuPopupCalendar");
    for (const auto &row : rows) {
        showMonth(row.month, row.year);
        QTest::mouseClick(cell(13), Qt::LeftButton);
        grid()->setFocus();
        const QString before = heading();
        EXPECT_EQ(dialogFrom([&] { row.act(); }) == "Date out of range", row.refused) << row.name;
        EXPECT_EQ(heading(), row.heading ? QString(row.heading) : before) << row.name;
        EXPECT_TRUE(heading().startsWith(combo("comboMonth")->currentText())) << row.name;
        EXPECT_FALSE(state->navigating) << row.name;
        EXPECT_EQ(QTest::qWaitFor([popup] { return popup->isVisible(); }, row.popsUp ? 2000 : 0), row.popsUp)
            << row.name;
        popup->close();
    }
}

TEST_F(CalendarViewTest, DayListShowsTheSelectedDayAndOnlyARightPressOpensItsMenu)
{
    writeSettings("[General]\r\nTimeFormat=12\r\n");
    Event timed = makeEvent("<b>Apple</b>", "20261210");
    timed.time = QStringLiteral("1305");
    startWith({timed, makeEvent("banana", "20261210"), makeEvent("Elsewhere", "20261211")});
    EXPECT_FALSE(dayList()->isVisible());
    EXPECT_TRUE(window.findChild<QLabel *>("labelNoMatchingEvents")->isVisible());
    EXPECT_FALSE(toolbarButton("Remove")->isEnabled());

    QTest::mouseClick(cell(17), Qt::LeftButton);
    EXPECT_EQ(listed(), (QStringList{"<b>Apple</b>", "banana"}));
    EXPECT_TRUE(toolbarButton("Remove")->isEnabled());
    EXPECT_EQ(window.findChild<QLabel *>("labelTitle1")->textFormat(), Qt::PlainText);
    EXPECT_EQ(text("labelTitle1"), "<b>Apple</b>");
    EXPECT_EQ(text("labelTime"), "1:05 PM");
    dayList()->setCurrentRow(1);
    EXPECT_EQ(text("labelTitle1"), "banana");

    QMenu *popup = menu("menuPopupEvent");
    const QPoint first = dayList()->visualItemRect(dayList()->item(0)).center();
    QTest::mouseClick(dayList()->viewport(), Qt::LeftButton, {}, first);
    EXPECT_FALSE(popup->isVisible());
    EXPECT_EQ(dayList()->currentRow(), 0);
    dayList()->setCurrentRow(1);
    QTest::mousePress(dayList()->viewport(), Qt::RightButton, {}, first);
    EXPECT_TRUE(QTest::qWaitFor([popup] { return popup->isVisible(); }, 2000));
    EXPECT_EQ(dayList()->currentRow(), 1); // the menu is for the selected entry
    popup->close();
}

TEST_F(CalendarViewTest, RemoveAsksAndTheAnswerReachesTheTableAndTheFile)
{
    startWith({makeEvent("Same", "20261206"), makeEvent("Other", "20261206"), makeEvent("Same", "20261207")});
    dayList()->setCurrentRow(listed().indexOf("Same"));
    EXPECT_EQ(dialogFrom([&] { QTest::mouseClick(toolbarButton("Remove"), Qt::LeftButton); }, "commandNo"),
              "Remove Same?");
    EXPECT_EQ(state->size(), 3);

    dialogFrom([&] { QTest::keyClick(dayList(), Qt::Key_Delete); }, "commandYes");
    EXPECT_EQ(listed(), QStringList{"Other"});
    ASSERT_GE(state->indexOfTitle("Same"), 0);
    EXPECT_EQ(state->events[state->indexOfTitle("Same")].date, "20261207"); // the other "Same" stays
    EXPECT_EQ(folder.read("calendar.dat").count("Title=Same"), 1);

    whenModalOpens([](QDialog *dialog) {
        dialog->findChild<QCheckBox *>("checkboxCheckbox")->setChecked(true);
        QTest::mouseClick(dialog->findChild<QPushButton *>("commandYes"), Qt::LeftButton);
    });
    action("menuPopupEventRemove")->trigger();
    EXPECT_EQ(state->confirmRemoveE, 0);
    QTest::mouseClick(cell(14), Qt::LeftButton);
    EXPECT_EQ(dialogFrom([&] { QTest::keyClick(dayList(), Qt::Key_Delete); }), ""); // no longer asked
    EXPECT_EQ(state->size(), 0);
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

TEST_F(CalendarViewTest, SettingsRedrawTheDayAndTheMarksAsDoesANewDay)
{
    Event timed = makeEvent("Lunch", "20261206");
    timed.time = QStringLiteral("1330");
    startWith({timed, makeEvent("Party", "20270103")});
    const auto marked = [this] {
        std::vector<int> found;
        for (int k = 0; k < MonthLayout::CellCount; ++k) {
            if (cell(k)->hasEventMark())
                found.push_back(k);
        }
        return found;
    };
    const QString before = text("labelTime");
    EXPECT_TRUE(marked().empty());
    whenModalOpens([](QDialog *dialog) {
        dialog->findChild<QRadioButton *>("optTimeFormat12")->setChecked(true);
        dialog->findChild<QCheckBox *>("checkMarkDays")->setChecked(true);
        QTest::mouseClick(dialog->findChild<QPushButton *>("commandOK"), Qt::LeftButton);
    });
    action("menuFileSettings")->trigger();
    EXPECT_NE(text("labelTime"), before);
    EXPECT_EQ(marked(), (std::vector<int>{13, 41}));
    EXPECT_TRUE(cell(13)->hasTodayFrame());

    platform.clock_.pass(24 * 60 * 60); // the 7th comes while the program runs
    platform.clockChanged();
    EXPECT_TRUE(cell(14)->hasTodayFrame());
    EXPECT_FALSE(cell(13)->hasTodayFrame());
}
