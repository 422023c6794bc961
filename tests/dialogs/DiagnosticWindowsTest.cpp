#include "dialogs/AboutWindow.h"
#include "dialogs/ErrorTrackingWindow.h"

#include "appstate/AppState.h"
#include "FakePlatform.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

TEST(ErrorTrackingWindow, ShowsTheLinesAndCopiesWhatTheUserEdited)
{
    FakePlatform platform(QDate(2002, 2, 10));
    AppState state;
    state.lastCheck = QStringLiteral("20020228");
    state.displayedDateInfo = QStringLiteral("DisplayedDate(short)=20020210\r\nDisplayedDate(long)=February 10, 2002");
    ErrorTrackingWindow window(state, platform);
    auto *data = window.findChild<QPlainTextEdit *>("textUsefulData");
    EXPECT_TRUE(data->toPlainText().contains("\nDayDiff=40\nDisplayedDate(short)=20020210\n"));
    EXPECT_TRUE(data->toPlainText().contains("LastCheck_plus30=20020330"));
    EXPECT_FALSE(data->isReadOnly());

    data->setPlainText("edited\nby the user");
    QTest::mouseClick(window.findChild<QPushButton *>("commandCopy"), Qt::LeftButton);
    EXPECT_EQ(platform.clipboard, "edited\r\nby the user");
    EXPECT_TRUE(window.findChild<QPushButton *>("commandOK")->isDefault());
}

TEST(AboutWindow, ShowsTheVersionAndOpensTheLinksThroughThePlatform)
{
    FakePlatform platform(QDate(2002, 2, 10));
    AboutWindow window(platform);
    EXPECT_EQ(window.findChild<QLabel *>("labelVersion")->text(), "Version: 1.21");
    EXPECT_TRUE(window.windowFlags().testFlag(Qt::FramelessWindowHint));

    emit window.findChild<QLabel *>("labelEmail")->linkActivated(QString());
    emit window.findChild<QLabel *>("labelWebSite")->linkActivated(QString());
    ASSERT_EQ(platform.openedUrls.size(), 2u);
    EXPECT_EQ(platform.openedUrls[0].scheme(), "mailto");
    EXPECT_EQ(platform.openedUrls[1].path(), "/tb/");

    window.show();
    // The white shape paints its own background over the window's.
    const auto *shape = window.findChild<QWidget *>("shapeForm");
    const QColor fill = shape->palette().color(QPalette::Window);
    ASSERT_NE(fill, window.palette().color(QPalette::Window));
    const QPixmap picture = window.grab();
    const QPoint inside = shape->mapTo(&window, QPoint(3, 3)) * picture.devicePixelRatio();
    EXPECT_EQ(picture.toImage().pixelColor(inside), fill);

    QTest::keyClick(&window, Qt::Key_Escape); // no close box, no Escape
    EXPECT_TRUE(window.isVisible());
    QTest::keyClick(&window, Qt::Key_Return);
    EXPECT_FALSE(window.isVisible());
}
