#include "MainWindowFixture.h"

#include "mainwindow/DayCell.h"

namespace {

// In December 2026 cell 13 is today (Sunday the 6th) and cell 20 December 13.
class CalendarViewTest : public MainWindowTest {
protected:
    DayCell *cell(int k) const { return window.findChild<DayCell *>(QStringLiteral("labelDay%1").arg(k)); }
    QListWidget *dayList() const { return window.findChild<QListWidget *>("listboxEvents"); }
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

// A removal reaches the file; the same title on another day stays.
TEST_F(CalendarViewTest, TheDeleteKeyRemovesTheSelectedEventFromTheFile)
{
    folder.write("calendar.dat", TwoDays);
    startUp();
    dayList()->setCurrentRow(0);
    askedTitle([this] { QTest::keyClick(dayList(), Qt::Key_Delete); }, {MessageButton::Yes});
    EXPECT_EQ(listed(), QStringList{"Other"});
    EXPECT_EQ(folder.read("calendar.dat").count("Title=<b>Same</b>"), 1);
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
}
