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
#include <QToolBar>

namespace {

// In December 2026 cell 0 is November 23, cell 13 today (Sunday the 6th) and cell 41 January 3.
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
    QListWidget *dayList() const { return window.findChild<QListWidget *>("listboxEvents"); }
    QString text(const char *name) const { return window.findChild<QLabel *>(name)->text(); }
    QStringList listed() const
    {
        QStringList titles;
        for (int row = 0; row < dayList()->count(); ++row)
            titles << dayList()->item(row)->text();
        return titles;
    }
    // Runs act and returns the title of the dialog it opened ("" if none), answered with button or closed.
    QString dialogFrom(const std::function<void()> &act, const char *button = "commandOK", bool tickBox = false)
    {
        QString title;
        const QPointer<ModalWatch> watch = whenModalOpens([&](QDialog *dialog) {
            title = dialog->windowTitle();
            if (auto *box = dialog->findChild<QCheckBox *>("checkboxCheckbox"); box && tickBox)
                box->setChecked(true);
            if (auto *answer = dialog->findChild<QPushButton *>(button); answer && answer->isVisible())
                QTest::mouseClick(answer, Qt::LeftButton);
            else
                dialog->reject();
        });
        act();
        delete watch.data();
        return title;
    }
};

} // namespace

TEST_F(CalendarViewTest, ClicksAndKeysOnTheGridReachTheShownDay)
{
    startUp();
    // A key, when set, is pressed instead of the click; without a heading the day stays.
    const struct { const char *name, *month, *year; int cell; Qt::MouseButton button; Qt::Key key;
                   const char *heading; bool popsUp, refused; } rows[] = {
        {"grey day of the year before", "January", "2027", 0, Qt::LeftButton, {}, "December 28, 2026", false, false},
        {"right click", "December", "2026", 20, Qt::RightButton, {}, "December 13, 2026", true, false},
        {"right click on a grey day", "December", "2026", 0, Qt::RightButton, {}, nullptr, false, false},
        {"middle click", "December", "2026", 20, Qt::MiddleButton, {}, nullptr, false, false},
        {"arrow key", "December", "2026", 0, {}, Qt::Key_Right, "December 7, 2026", false, false},
        {"click before the range", "January", "2026", 0, Qt::LeftButton, {}, nullptr, false, true},
        {"key before the range", "January", "2026", 0, {}, Qt::Key_PageUp, nullptr, false, true},
    };
    auto *grid = window.findChild<MonthGrid *>();
    QMenu *popup = window.findChild<QMenu *>("menuPopupCalendar");
    for (const auto &row : rows) {
        window.findChild<QComboBox *>("comboYear")->setCurrentText(row.year);
        window.findChild<QComboBox *>("comboMonth")->setCurrentText(row.month);
        QTest::mouseClick(cell(13), Qt::LeftButton);
        grid->setFocus();
        const QString before = text("labelDateToday");
        auto act = [&] { row.key ? QTest::keyClick(grid, row.key) : QTest::mouseClick(cell(row.cell), row.button); };
        EXPECT_EQ(dialogFrom(act) == "Date out of range", row.refused) << row.name;
        EXPECT_EQ(text("labelDateToday"), row.heading ? QString(row.heading) : before) << row.name;
        EXPECT_EQ(QTest::qWaitFor([&] { return popup->isVisible(); }, row.popsUp ? 2000 : 0), row.popsUp) << row.name;
        popup->close();
    }
}

TEST_F(CalendarViewTest, DayListOpensItsMenuOnARightPressAndRemovalAnswersReachTheTableAndTheFile)
{
    startWith({makeEvent("<b>Same</b>", "20261206"), makeEvent("Other", "20261206"),
               makeEvent("<b>Same</b>", "20261207")});
    EXPECT_EQ(listed(), (QStringList{"<b>Same</b>", "Other"}));
    EXPECT_EQ(window.findChild<QLabel *>("labelTitle1")->textFormat(), Qt::PlainText);
    QMenu *popup = window.findChild<QMenu *>("menuPopupEvent");
    const QPoint first = dayList()->visualItemRect(dayList()->item(0)).center();
    dayList()->setCurrentRow(1);
    QTest::mousePress(dayList()->viewport(), Qt::RightButton, {}, first);
    EXPECT_TRUE(QTest::qWaitFor([popup] { return popup->isVisible(); }, 2000));
    EXPECT_EQ(text("labelTitle1"), "Other"); // the menu is for the selected entry
    popup->close();
    QTest::mouseClick(dayList()->viewport(), Qt::LeftButton, {}, first);
    EXPECT_FALSE(popup->isVisible());
    EXPECT_EQ(text("labelTitle1"), "<b>Same</b>"); // a left click selects and the details follow

    auto *toolbar = window.findChild<QToolBar *>("Toolbar");
    const auto removeButton = [toolbar] {
        for (QAction *button : toolbar->actions())
            if (button->data() == "Remove")
                QTest::mouseClick(toolbar->widgetForAction(button), Qt::LeftButton);
    };
    EXPECT_EQ(dialogFrom([this] { QTest::keyClick(dayList(), Qt::Key_Return); }, "commandCancel"), "Edit event");
    EXPECT_EQ(dialogFrom(removeButton, "commandNo"), "Remove <b>Same</b>?");
    EXPECT_EQ(state->size(), 3);
    dialogFrom([this] { QTest::keyClick(dayList(), Qt::Key_Delete); }, "commandYes");
    EXPECT_EQ(listed(), QStringList{"Other"});
    EXPECT_EQ(folder.read("calendar.dat").count("Title=<b>Same</b>"), 1); // the other day's one stays
    dialogFrom([this] { window.findChild<QAction *>("menuPopupEventRemove")->trigger(); }, "commandYes", true);
    QTest::mouseClick(cell(14), Qt::LeftButton);
    EXPECT_EQ(dialogFrom([this] { QTest::keyClick(dayList(), Qt::Key_Delete); }), ""); // no longer asked
    EXPECT_EQ(state->size(), 0);
}

TEST_F(CalendarViewTest, AddedEventIsOnDiskBeforeTheDialogClosesAndShowsOnTheDay)
{
    startUp();
    QTest::mouseClick(cell(20), Qt::LeftButton); // December 13
    bool savedWhileOpen = false;
    whenModalOpens([&](QDialog *dialog) {
        QTest::keyClicks(dialog->findChild<QLineEdit *>("textTitle"), "Concert");
        QObject::connect(qobject_cast<EventDialog *>(dialog), &EventDialog::eventStored, [&, dialog] {
            savedWhileOpen = dialog->isVisible() && folder.read("calendar.dat").contains("Title=Concert");
        });
        QTest::mouseClick(dialog->findChild<QPushButton *>("commandOK"), Qt::LeftButton);
    });
    QTest::mouseDClick(cell(20), Qt::LeftButton);
    EXPECT_TRUE(savedWhileOpen);
    EXPECT_EQ(listed(), QStringList{"Concert"});
    EXPECT_TRUE(folder.read("calendar.dat").contains("Date=20261213"));
}

TEST_F(CalendarViewTest, SettingsRedrawTheMarksAndANewDayMovesTheTodayFrame)
{
    startWith({makeEvent("Lunch", "20261206"), makeEvent("Party", "20270103")});
    EXPECT_FALSE(cell(13)->hasEventMark());
    whenModalOpens([](QDialog *dialog) {
        dialog->findChild<QCheckBox *>("checkMarkDays")->setChecked(true);
        QTest::mouseClick(dialog->findChild<QPushButton *>("commandOK"), Qt::LeftButton);
    });
    window.findChild<QAction *>("menuFileSettings")->trigger();
    EXPECT_TRUE(cell(13)->hasEventMark() && cell(41)->hasEventMark()); // a grey day of the next month too
    EXPECT_FALSE(cell(14)->hasEventMark());
    platform.clock_.pass(24 * 60 * 60); // the 7th comes while the program runs
    platform.clockChanged();
    EXPECT_TRUE(cell(14)->hasTodayFrame());
    EXPECT_FALSE(cell(13)->hasTodayFrame());
}
