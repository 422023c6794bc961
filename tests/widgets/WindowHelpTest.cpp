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

// The topic of the help window on screen, closing it; "" when none is.
std::string takeShownTopic()
{
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (qobject_cast<HelpViewer *>(widget) && widget->isVisible()) {
            const QListWidgetItem *topic = widget->findChild<QListWidget *>("listTopics")->currentItem();
            widget->close();
            return topic ? topic->text().toStdString() : "";
        }
    }
    return "";
}

// The main window's is the tool bar's Help button.
QWidget *helpButton(QWidget &window, const char *name)
{
    if (name)
        return window.findChild<QWidget *>(name);
    auto *toolbar = window.findChild<QToolBar *>("Toolbar");
    for (QAction *button : toolbar->actions()) {
        if (button->data().toString() == "Help")
            return toolbar->widgetForAction(button);
    }
    return nullptr;
}

} // namespace

TEST(WindowHelp, F1AndTheHelpButtonShowTheWindowsTopic)
{
    const struct { const char *entry, *button; int context; } rows[] = {
        {"formMain", nullptr, HelpContext::Contents},
        {"formAddEditEvent-add", "commandHelp", HelpContext::EventDialog},
        {"formFind", "commandHelp", HelpContext::Find},
        {"formSettings-General", "commandHelp", HelpContext::Settings},
        {"formNote", "imageQuestion", HelpContext::Note},
    };
    const HelpFile help = HelpFile::load(TARROW_HELP_FILE);
    for (const auto &row : rows) {
        SCOPED_TRACE(row.entry);
        const std::string title = help.topic(row.context).value_or(HelpTopic{}).title.toStdString();
        ASSERT_NE(title, "");
        bool seen = false;
        WindowGallery().visit(row.entry, [&](QWidget &window) {
            seen = true;
            window.activateWindow(); // shortcuts reach the active window only
            ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
            QWidget *focus = QApplication::focusWidget();
            QTest::keyClick(focus ? focus : &window, Qt::Key_F1);
            EXPECT_EQ(takeShownTopic(), title) << "F1";
            ASSERT_EQ(takeShownTopic(), "");
            QWidget *button = helpButton(window, row.button);
            ASSERT_NE(button, nullptr);
            QTest::mouseClick(button, Qt::LeftButton);
            EXPECT_EQ(takeShownTopic(), title) << "button";
            EXPECT_TRUE(window.isVisible()); // asking for help closes nothing
        });
        EXPECT_TRUE(seen);
    }
}
