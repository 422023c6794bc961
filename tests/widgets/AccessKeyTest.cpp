#include "widgets/ControlTable.h"

#include "KeyPress.h"

#include <QtWidgets>
#include <QtTest>

#include <gtest/gtest.h>

namespace {

// Where a press of an access key left the focus, and the buttons it pressed. A pressed button's click is waited
// for: Qt does not press it again while the click is under way.
QString afterPress(const QWidget &window)
{
    std::vector<std::unique_ptr<QSignalSpy>> clicks;
    const QList<QPushButton *> buttons = window.findChildren<QPushButton *>();
    for (QPushButton *button : buttons)
        clicks.push_back(std::make_unique<QSignalSpy>(button, &QPushButton::clicked));
    pressOn(window, "start", Qt::Key_S, Qt::AltModifier);
    QStringList seen{focusedName()};
    for (qsizetype i = 0; i < buttons.size(); ++i) {
        if (buttons[i]->isDown() && clicks[i]->wait(1000))
            seen << buttons[i]->objectName() + " pressed";
    }
    return seen.join(' ');
}

} // namespace

// Qt's shortcuts would take turns between the holders of one key; a winner named by the table takes every press
// while it can be seen and used, and leaves the key to the others while it cannot.
TEST(AccessKey, TheTablesWinnerTakesEveryPressWhileItCanBeUsed)
{
    // clang-format off
    const struct { const char *name; bool buttonWins, shown, enabled; const char *outcome; } rows[] = {
        {"a label wins", false, true, true, "box box"},
        {"a button wins", true, true, true, "winner winner pressed winner winner pressed"},
        {"the winner hidden", false, false, true, "start sharer pressed start sharer pressed"},
        {"the winner disabled", false, true, false, "start sharer pressed start sharer pressed"},
    };
    // clang-format on
    for (const auto &row : rows) {
        QWidget window;
        using enum ControlKind;
        const KeyClash label = row.buttonWins ? KeyClash::Shares : KeyClash::Wins;
        const KeyClash button = row.buttonWins ? KeyClash::Wins : KeyClash::Shares;
        // clang-format off
        const ControlSet controls(&window, {
            {LineEdit, u"start", {}, 0, 0, 1000, 300},
            {Label, u"label", u"&Save as", 0, 400, 1000, 300, {}, 0, {}, label},
            {LineEdit, u"box", {}, 0, 800, 1000, 300},
            {Button, u"winner", u"&Save", 0, 1200, 1000, 300, {}, 0, {}, button},
        });
        // clang-format on
        controls.get<QLabel>(u"label")->setBuddy(controls.get<QLineEdit>(u"box"));
        controls.get<QPushButton>(u"winner")->setObjectName(row.buttonWins ? "winner" : "sharer");
        QWidget *winner = row.buttonWins ? controls.get<QWidget>(u"winner") : controls.get<QWidget>(u"label");
        winner->setVisible(row.shown);
        winner->setEnabled(row.enabled);
        ASSERT_TRUE(showActive(window));
        const QString first = afterPress(window);
        const QString second = afterPress(window);
        EXPECT_EQ((first + ' ' + second).toStdString(), row.outcome) << row.name;
    }
}
