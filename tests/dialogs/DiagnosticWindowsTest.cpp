#include "dialogs/AboutWindow.h"
#include "dialogs/ErrorTrackingWindow.h"

#include "datelogic/ErrorTrackingText.h"
#include "FakePlatform.h"
#include "KeyPress.h"

#include <QtWidgets>
#include <QtTest>

#include <gtest/gtest.h>

TEST(ErrorTrackingWindow, ShowsTheLinesAndCopiesTheBoxWithWindowsLineEnds)
{
    FakePlatform platform(QDate(2002, 2, 10));
    ErrorTrackingWindow window("20020228", QDate(2002, 3, 4), platform);
    auto *data = window.findChild<QPlainTextEdit *>("textUsefulData");
    EXPECT_EQ(data->toPlainText().split('\n'),
              errorTrackingText(QDate(2002, 2, 10), QDate(2002, 3, 4), "20020228").split("\r\n"));
    data->setPlainText("two\nlines");
    QTest::mouseClick(window.findChild<QPushButton *>("commandCopy"), Qt::LeftButton);
    EXPECT_EQ(platform.clipboard, "two\r\nlines");
    EXPECT_TRUE(window.findChild<QPushButton *>("commandOK")->isDefault());
}

TEST(AboutWindow, OpensTheLinksThroughThePlatformAndClosesOnEnterOnly)
{
    FakePlatform platform(QDate(2002, 2, 10));
    AboutWindow window(platform);
    window.show();
    emit window.findChild<QLabel *>("labelEmail")->linkActivated(QString());
    emit window.findChild<QLabel *>("labelWebSite")->linkActivated(QString());
    EXPECT_EQ(platform.openedUrls.at(0).scheme() + platform.openedUrls.at(1).path(), "mailto/tb/");
    QTest::keyClick(&window, Qt::Key_Escape); // a frameless window has no close box, and so no Escape
    EXPECT_TRUE(window.isVisible());
    QTest::keyClick(&window, Qt::Key_Return);
    EXPECT_FALSE(window.isVisible());
}

// The text box is read only: keys pressed in it move on or answer the window. Enter on a focused button is the window
// walk's key check.
TEST(ErrorTrackingWindow, OpensOnOkAndEnterAndTabActAsInADialogWithoutTyping)
{
    FakePlatform platform(QDate(2002, 2, 10));
    // clang-format off
    const struct { const char *focused; Qt::Key key; const char *outcome; } rows[] = {
        {"commandOK", {}, "commandOK, open"},
        {"textUsefulData", Qt::Key_Return, "closed"},
        {"textUsefulData", Qt::Key_Tab, "commandCopy, open"},
        {"textUsefulData", Qt::Key_A, "textUsefulData, open"}};
    for (const auto &row : rows) {
        platform.clipboard.clear();
        ErrorTrackingWindow window(QString(), QDate(2002, 2, 10), platform);
        const QString text = window.findChild<QPlainTextEdit *>("textUsefulData")->toPlainText();
        ASSERT_TRUE(showActive(window));
        if (row.key)
            pressOn(window, row.focused, row.key);
        QStringList outcome;
        if (window.isVisible())
            outcome << focusedName();
        if (!platform.clipboard.isEmpty())
            outcome << "copied";
        outcome << (window.isVisible() ? "open" : "closed");
        EXPECT_EQ(outcome.join(", ").toStdString(), row.outcome) << row.focused << " " << row.key;
        EXPECT_EQ(window.findChild<QPlainTextEdit *>("textUsefulData")->toPlainText(), text) << row.key;
    }
    // clang-format on
}
