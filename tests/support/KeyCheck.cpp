#include "KeyCheck.h"

#include "KeyPress.h"
#include "LayoutCheck.h"
#include "widgets/AccessKeyWinner.h"
#include "widgets/ControlTable.h"

#include <QtWidgets>
#include <QtTest>

#include <algorithm>
#include <map>

namespace {

// Takes the Enter presses that reach the window itself, where its default button would answer them.
class EnterAtWindow : public QObject {
public:
    explicit EnterAtWindow(QWidget &window) { window.installEventFilter(this); }
    bool reached = false;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() != QEvent::KeyPress || static_cast<QKeyEvent *>(event)->key() != Qt::Key_Return)
            return false;
        reached = true;
        return true;
    }
};

QStringList focusFaults(QWidget &window)
{
    if (!showActive(window))
        return {"never becomes active"};
    const QWidget *focus = QApplication::focusWidget();
    if (!focus || focus->window() != &window)
        return {"opens with no control focused"};
    if (qobject_cast<const QCheckBox *>(focus))
        return {"opens with the focus on the check box " + controlName(focus)};
    return {};
}

QStringList enterFaults(QWidget &window)
{
    QStringList faults;
    for (QPushButton *button : window.findChildren<QPushButton *>()) {
        if (!button->isVisible() || !button->isEnabled())
            continue;
        button->setFocus();
        const EnterAtWindow watch(window);
        const QSignalBlocker quiet(button);
        QTest::keyClick(button, Qt::Key_Return);
        if (watch.reached)
            faults << "Enter on the focused " + controlName(button) + " goes to the window";
    }
    return faults;
}

// The key a control answers to with Alt: a button's own, or that of a label which hands the focus to its buddy.
QKeySequence accessKey(const QWidget *control)
{
    if (const auto *button = qobject_cast<const QAbstractButton *>(control))
        return button->shortcut();
    if (const auto *label = qobject_cast<const QLabel *>(control); label && label->buddy())
        return QKeySequence::mnemonic(label->text());
    return {};
}

QStringList accessKeyFaults(const QWidget &window)
{
    std::map<QString, QList<const QWidget *>> holders;
    for (const QWidget *control : window.findChildren<const QWidget *>()) {
        const QKeySequence key = accessKey(control);
        if (!key.isEmpty() && control->window() == &window && control->isVisible() && control->isEnabled())
            holders[key.toString()] << control;
    }
    QList<const QWidget *> winners;
    for (const AccessKeyWinner *winner : window.findChildren<const AccessKeyWinner *>())
        winners << winner->control();
    QStringList faults;
    for (const auto &[key, controls] : holders) {
        const bool won = std::any_of(controls.begin(), controls.end(),
                                     [&winners](const QWidget *control) { return winners.contains(control); });
        const bool inTurn = std::all_of(controls.begin(), controls.end(), [](const QWidget *control) {
            return control->property(TakesTurnsProperty).toBool();
        });
        const bool settled = won || inTurn;
        if (controls.size() < 2 || settled)
            continue;
        QStringList names;
        for (const QWidget *control : controls)
            names << controlName(control);
        faults << names.join(" and ") + " share " + key + " and the table settles it neither way";
    }
    return faults;
}

} // namespace

QStringList keyFaults(QWidget &window)
{
    // The focus first: the presses of Enter move it.
    QStringList faults = focusFaults(window);
    faults << accessKeyFaults(window) << enterFaults(window);
    return faults;
}
