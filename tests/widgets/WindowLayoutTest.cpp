#include "LayoutCheck.h"
#include "WindowGallery.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QComboBox>
#include <QLabel>

#include <gtest/gtest.h>

namespace {

// Laid over each other on purpose: the alert days box sits in the gap of
// its label's text, and the day list covers its "no events" line.
const AllowedOverlaps Deliberate = {{"labelAlert", "textAlert"}, {"labelNoMatchingEvents", "listboxEvents"}};

// What a screen reader cannot name of what takes the focus or is pressed, and of pictures.
QStringList unnamedControls(QWidget &window)
{
    QStringList unnamed;
    for (QWidget *widget : window.findChildren<QWidget *>()) {
        const auto *label = qobject_cast<QLabel *>(widget);
        const bool control = widget->focusPolicy() != Qt::NoFocus || qobject_cast<QAbstractButton *>(widget)
                             || (label && !label->pixmap().isNull());
        if (!control || !widget->isVisibleTo(&window))
            continue;
        const QAccessibleInterface *access = QAccessible::queryAccessibleInterface(widget);
        // On Linux Qt names a drop-down list by its shown entry; other systems read the given name.
        const bool namedCombo = qobject_cast<QComboBox *>(widget) && !widget->accessibleName().isEmpty();
        if (!namedCombo && (!access || access->text(QAccessible::Name).trimmed().isEmpty()))
            unnamed << widget->objectName() + ':' + widget->metaObject()->className();
    }
    return unnamed;
}

} // namespace

TEST(WindowLayout, EveryWindowsControlsAndTextsFitAndAreNamed)
{
    const WindowGallery gallery;
    for (const QString &name : gallery.names()) {
        bool seen = false;
        gallery.visit(name, [&](QWidget &window) {
            seen = true;
            EXPECT_EQ(layoutFaults(window, Deliberate).join("\n  ").toStdString(), "") << name.toStdString();
            EXPECT_EQ(unnamedControls(window).join(", ").toStdString(), "") << name.toStdString();
        });
        EXPECT_TRUE(seen) << name.toStdString() << " was not shown";
    }
}
