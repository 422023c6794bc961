#include "dialogs/AboutWindow.h"

#include "FakePlatform.h"

#include <QtWidgets>
#include <QtTest>

#include <gtest/gtest.h>

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
