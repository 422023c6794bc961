#include "dialogs/AboutWindow.h"
#include "dialogs/ErrorTrackingWindow.h"

#include "appstate/AppState.h"
#include "datelogic/ErrorTrackingText.h"
#include "FakePlatform.h"

#include <QtWidgets>
#include <QtTest>

#include <gtest/gtest.h>

TEST(ErrorTrackingWindow, ShowsTheLinesAndCopiesWhatTheUserEdited)
{
    FakePlatform platform(QDate(2002, 2, 10));
    AppState state;
    state.lastCheck = "20020228";
    state.displayedDateInfo = "DisplayedDate(short)=20020210\r\nDisplayedDate(long)=February 10, 2002";
    ErrorTrackingWindow window(state, platform);
    auto *data = window.findChild<QPlainTextEdit *>("textUsefulData");
    EXPECT_EQ(data->toPlainText().split('\n'),
              errorTrackingText(QDate(2002, 2, 10), state.displayedDateInfo, state.lastCheck).split("\r\n"));
    data->setPlainText("edited\nby the user");
    QTest::mouseClick(window.findChild<QPushButton *>("commandCopy"), Qt::LeftButton);
    EXPECT_EQ(platform.clipboard, "edited\r\nby the user");
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
