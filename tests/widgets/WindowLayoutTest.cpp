#include "KeyCheck.h"
#include "LayoutCheck.h"
#include "WindowGallery.h"

#include "help/Help.h"
#include "help/HelpFile.h"
#include "help/HelpViewer.h"

#include <QtWidgets>
#include <QtTest>

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

// F1 and the Help button (null: the one on the tool bar) show the window's topic and close nothing.
void checkHelp(QWidget &window, const char *buttonName, const std::string &topic)
{
    ASSERT_NE(topic, "");
    window.activateWindow(); // shortcuts reach the active window only
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    QWidget *focus = QApplication::focusWidget();
    QTest::keyClick(focus ? focus : &window, Qt::Key_F1);
    EXPECT_EQ(takeShownTopic(), topic) << "F1";
    ASSERT_EQ(takeShownTopic(), "");
    QWidget *button = buttonName ? window.findChild<QWidget *>(buttonName) : nullptr;
    for (QToolButton *tool : window.findChildren<QToolButton *>()) {
        if (!buttonName && tool->defaultAction() && tool->defaultAction()->data() == "Help")
            button = tool;
    }
    ASSERT_NE(button, nullptr);
    QTest::mouseClick(button, Qt::LeftButton);
    EXPECT_EQ(takeShownTopic(), topic) << "button";
    EXPECT_TRUE(window.isVisible());
}

// Shows each window of the gallery in turn and hands it to look with the name of its entry.
void visitEveryWindow(const std::function<void(const QString &name, QWidget &window)> &look)
{
    const WindowGallery gallery;
    for (const QString &name : gallery.names()) {
        SCOPED_TRACE(name.toStdString());
        bool seen = false;
        gallery.visit(name, [&](QWidget &window) {
            seen = true;
            look(name, window);
        });
        EXPECT_TRUE(seen) << "not shown";
    }
}

} // namespace

TEST(EveryWindow, ShowsItsControlsAndTextsWholeAndF1AndTheHelpButtonShowItsTopic)
{
    // Laid over each other on purpose: the alert days box sits in the gap of
    // its label's text, and the day list covers its "no events" line.
    const QList<QPair<QString, QString>> deliberate = {{"labelAlert", "textAlert"},
                                                       {"labelNoMatchingEvents", "listboxEvents"}};
    // clang-format off
    const std::map<QString, std::pair<const char *, HelpTopic>> helped = {
        {"formMain", {nullptr, HelpTopic::Contents}},
        {"formAddEditEvent-add", {"commandHelp", HelpTopic::EventDialog}},
        {"formFind", {"commandHelp", HelpTopic::Find}},
        {"formSettings-General", {"commandHelp", HelpTopic::Settings}},
        {"formNote", {"imageQuestion", HelpTopic::Note}},
    };
    // clang-format on
    const HelpFile help = HelpFile::load(TARROW_HELP_FILE);
    // Given a folder, the walk leaves a picture of each window there, named after its entry.
    const QString pictures = qEnvironmentVariable("TARROW_WINDOW_PICTURES");
    ASSERT_TRUE(pictures.isEmpty() || QDir().mkpath(pictures));
    visitEveryWindow([&](const QString &name, QWidget &window) {
#ifndef Q_OS_WIN
        // Not on Windows: without fontconfig the offscreen platform there finds no condensed DejaVu face by its name
        // and measures with the wider one, and Windows' own fonts are not at hand, so widths would prove nothing.
        EXPECT_EQ(layoutFaults(window, deliberate).join("\n  ").toStdString(), "");
#endif
        if (!pictures.isEmpty()) {
            EXPECT_TRUE(window.grab().save(QDir(pictures).filePath(name + ".png")));
        }
        if (const auto row = helped.find(name); row != helped.end()) {
            const HelpPage topic = help.topic(static_cast<int>(row->second.second)).value_or(HelpPage{});
            checkHelp(window, row->second.first, topic.title.toStdString());
        }
    });
}

// A focused button takes Enter itself, an access key shared by visible controls has a winner, and every window opens
// with the focus on a control other than a check box.
TEST(EveryWindow, OpensFocusedOnAControlAndNoKeyGoesAstray)
{
    visitEveryWindow(
        [](const QString &, QWidget &window) { EXPECT_EQ(keyFaults(window).join("\n  ").toStdString(), ""); });
}
