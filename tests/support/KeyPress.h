#pragma once

#include <QApplication>
#include <QTest>
#include <QWidget>

// Shows window and makes it the active window, as the window manager would; false when it never became active.
// QTest's own wait would return early for a dialog: it counts as active while its owner is.
[[nodiscard]] inline bool showActive(QWidget &window)
{
    window.show();
    window.activateWindow();
    return QTest::qWaitFor([&window] { return QApplication::activeWindow() == &window; });
}

// Gives the control of window named focused the focus and presses key on it.
inline void pressOn(const QWidget &window, const char *focused, Qt::Key key = Qt::Key_Return,
                    Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QWidget *control = window.findChild<QWidget *>(focused);
    control->setFocus();
    QTest::keyClick(control, key, modifiers);
}

// The object name of the control that has the focus, "none" when no control has it.
inline QString focusedName()
{
    const QWidget *focused = QApplication::focusWidget();
    return focused ? focused->objectName() : QStringLiteral("none");
}
