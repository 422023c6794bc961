#include "MainWindowFixture.h"

#include "mainwindow/DayCell.h"
#include "mainwindow/MonthGrid.h"

namespace {

// In December 2026 cell 0 is November 23, cell 13 today (Sunday the 6th) and cell 41 January 3.
class CalendarViewTest : public MainWindowTest {
protected:
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
};

const QByteArray TwoDays = "[Event]\r\nTitle=<b>Same</b>\r\nDate=20261206\r\n[Event]\r\nTitle=Other\r\n"
                           "Date=20261206\r\n[Event]\r\nTitle=<b>Same</b>\r\nDate=20261207\r\n";

} // namespace

TEST_F(CalendarViewTest, MarksTheDaysWithEventsAndFramesTodayAsTheClockMoves)
{
    folder.write("tarrow.ini", "MarkDays=1\r\n");
    folder.write("calendar.dat", "[Event]\r\nTitle=Lunch\r\nDate=20261206\r\n[Event]\r\nTitle=Party\r\n"
                                 "Date=20270103\r\n");
    startUp();
    EXPECT_TRUE(cell(13)->hasEventMark() && cell(41)->hasEventMark() && !cell(14)->hasEventMark());
    platform.clock_.pass(24 * 60 * 60); // the 7th comes while the program runs
    platform.clockChanged();
    EXPECT_TRUE(cell(14)->hasTodayFrame() && !cell(13)->hasTodayFrame());
}

// A key, when set, is pressed instead of the click; without a heading the day stays. An arrow key reaching the day is
// the main window's focus test.
TEST_F(CalendarViewTest, ClicksAndKeysReachTheShownDay)
{
    startUp();
    const struct {
        const char *name, *month, *year;
        int cell;
        Qt::MouseButton button;
        Qt::Key key;
        const char *heading;
        bool popsUp, refused;
    } rows[] = {
        {"grey day of the year before", "January", "2027", 0, Qt::LeftButton, {}, "December 28, 2026", false, false},
        {"right click", "December", "2026", 20, Qt::RightButton, {}, "December 13, 2026", true, false},
        {"right click on a grey day", "December", "2026", 0, Qt::RightButton, {}, nullptr, false, false},
        {"click before the range", "January", "2026", 0, Qt::LeftButton, {}, nullptr, false, true},
        {"key before the range", "January", "2026", 0, {}, Qt::Key_PageUp, nullptr, false, true}};
    auto *grid = window.findChild<MonthGrid *>();
    QMenu *popup = window.findChild<QMenu *>("menuPopupCalendar");
    for (const auto &row : rows) {
        window.findChild<QComboBox *>("comboYear")->setCurrentText(row.year);
        window.findChild<QComboBox *>("comboMonth")->setCurrentText(row.month);
        QTest::mouseClick(cell(13), Qt::LeftButton);
        const QString before = text("labelDateToday");
        const auto act = [&] {
            if (row.key)
                QTest::keyClick(grid, row.key);
            else
                QTest::mouseClick(cell(row.cell), row.button);
        };
        EXPECT_EQ(askedTitle(act) == "Date out of range", row.refused) << row.name;
        EXPECT_EQ(text("labelDateToday"), row.heading ? QString(row.heading) : before) << row.name;
        EXPECT_EQ(QTest::qWaitFor([&] { return popup->isVisible(); }, row.popsUp ? 2000 : 0), row.popsUp) << row.name;
        popup->close();
    }
}

// The titles show as typed.
TEST_F(CalendarViewTest, TheMenuIsForTheSelectedEntryAndALeftClickSelects)
{
    folder.write("calendar.dat", TwoDays);
    startUp();
    EXPECT_EQ(listed(), (QStringList{"<b>Same</b>", "Other"}));
    EXPECT_TRUE(dayList()->isVisible());
    QMenu *popup = window.findChild<QMenu *>("menuPopupEvent");
    const QPoint first = dayList()->visualItemRect(dayList()->item(0)).center();
    dayList()->setCurrentRow(1);
    QTest::mousePress(dayList()->viewport(), Qt::RightButton, {}, first);
    EXPECT_TRUE(QTest::qWaitFor([popup] { return popup->isVisible(); }, 2000));
    EXPECT_EQ(text("labelTitle1"), "Other"); // the menu is for the selected entry
    popup->close();
    QTest::mouseClick(dayList()->viewport(), Qt::LeftButton, {}, first);
    EXPECT_EQ(text("labelTitle1"), "<b>Same</b>"); // a left click selects and the details follow
}

// The keys, the tool bar and the menu reach the selected entry; a removal reaches the file.
TEST_F(CalendarViewTest, KeysToolBarAndMenuEditAndRemoveTheSelectedEvent)
{
    folder.write("calendar.dat", TwoDays);
    startUp();
    dayList()->setCurrentRow(0);
    QToolBar *toolbar = window.findChild<QToolBar *>("Toolbar");
    QAction *remove = toolbar->actions().at(1); // after Add
    QString edited;
    whenModalOpens([&edited](QDialog *dialog) {
        edited = dialog->windowTitle();
        dialog->reject();
    });
    QTest::keyClick(dayList(), Qt::Key_Return);
    EXPECT_EQ(edited, "Edit event");
    const auto removeButton = [&] { QTest::mouseClick(toolbar->widgetForAction(remove), Qt::LeftButton); };
    EXPECT_EQ(askedTitle(removeButton, {MessageButton::No}), "Remove <b>Same</b>?");
    askedTitle([this] { QTest::keyClick(dayList(), Qt::Key_Delete); }, {MessageButton::Yes});
    EXPECT_EQ(listed(), QStringList{"Other"});
    EXPECT_EQ(folder.read("calendar.dat").count("Title=<b>Same</b>"), 1); // the other day's one stays
    askedTitle([this] { window.findChild<QAction *>("menuPopupEventRemove")->trigger(); }, {MessageButton::Yes});
    EXPECT_FALSE(remove->isEnabled() || dayList()->isVisible()); // nothing left on the day
}

TEST_F(CalendarViewTest, ADoubleClickOnADayAddsAnEvent)
{
    startUp();
    whenModalOpens([](QDialog *dialog) {
        QTest::keyClicks(dialog->findChild<QLineEdit *>("textTitle"), "Concert");
        QTest::mouseClick(dialog->findChild<QPushButton *>("commandOK"), Qt::LeftButton);
    });
    QTest::mouseClick(cell(20), Qt::LeftButton); // December 13
    QTest::mouseDClick(cell(20), Qt::LeftButton);
    EXPECT_TRUE(folder.read("calendar.dat").contains("Date=20261213"));
    EXPECT_EQ(listed(), QStringList{"Concert"});
    EXPECT_TRUE(window.findChild<QToolBar *>("Toolbar")->actions().at(1)->isEnabled()); // Remove, after Add
}
