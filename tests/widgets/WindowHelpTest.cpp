#include "WindowGallery.h"

#include "help/Help.h"
#include "help/HelpFile.h"
#include "help/HelpViewer.h"

#include <QAction>
#include <QApplication>
#include <QListWidget>
#include <QTest>
#include <QToolBar>

#include <gtest/gtest.h>

namespace {

struct HelpRow {
    const char *entry;  // of the gallery
    const char *button; // null: the main window's tool bar button
    int context;
};

void PrintTo(const HelpRow &row, std::ostream *os) { *os << row.entry; }

// The topic of the help window on screen, "" when none is.
QString shownTopic()
{
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        const auto *viewer = qobject_cast<HelpViewer *>(widget);
        if (viewer && viewer->isVisible()) {
            const QListWidgetItem *topic = viewer->findChild<QListWidget *>("listTopics")->currentItem();
            return topic ? topic->text() : QString();
        }
    }
    return {};
}

void closeHelpWindows()
{
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (qobject_cast<HelpViewer *>(widget))
            widget->close();
    }
}

QWidget *helpButton(QWidget &window, const char *name)
{
    if (name)
        return window.findChild<QWidget *>(QLatin1String(name));
    auto *toolbar = window.findChild<QToolBar *>(QStringLiteral("Toolbar"));
    for (QAction *button : toolbar->actions()) {
        if (button->data().toString() == QLatin1String("Help"))
            return toolbar->widgetForAction(button);
    }
    return nullptr;
}

class WindowHelp : public ::testing::TestWithParam<HelpRow> {};

TEST_P(WindowHelp, F1AndTheHelpButtonShowTheWindowsTopic)
{
    const HelpRow row = GetParam();
    const std::optional<HelpTopic> topic = HelpFile::load(QStringLiteral(TARROW_HELP_FILE)).topic(row.context);
    ASSERT_TRUE(topic);
    bool seen = false;
    WindowGallery().visit(QLatin1String(row.entry), [&](QWidget &window) {
        seen = true;
        window.activateWindow(); // shortcuts reach the active window only
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
        QWidget *focus = QApplication::focusWidget();
        QTest::keyClick(focus ? focus : &window, Qt::Key_F1);
        EXPECT_EQ(shownTopic(), topic->title) << "F1";
        closeHelpWindows();
        EXPECT_EQ(shownTopic(), "");
        QWidget *button = helpButton(window, row.button);
        ASSERT_NE(button, nullptr);
        QTest::mouseClick(button, Qt::LeftButton);
        EXPECT_EQ(shownTopic(), topic->title) << "button";
        EXPECT_TRUE(window.isVisible()); // asking for help closes nothing
        closeHelpWindows();
    });
    EXPECT_TRUE(seen);
}

INSTANTIATE_TEST_SUITE_P(EveryWindowWithHelp, WindowHelp,
                         ::testing::Values(HelpRow{"formMain", nullptr, HelpContext::Contents},
                                           HelpRow{"formAddEditEvent-add", "commandHelp", HelpContext::EventDialog},
                                           HelpRow{"formFind", "commandHelp", HelpContext::Find},
                                           HelpRow{"formSettings-General", "commandHelp", HelpContext::Settings},
                                           HelpRow{"formNote", "imageQuestion", HelpContext::Note}),
                         [](const auto &info) { return QString::fromLatin1(info.param.entry).remove('-').toStdString(); });

} // namespace
