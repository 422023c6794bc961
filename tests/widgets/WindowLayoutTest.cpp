#include "LayoutCheck.h"
#include "WindowGallery.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

namespace {

// Laid over each other on purpose: the alert days box sits in the gap of
// its label's text, and the day list covers its "no events" line.
const AllowedOverlaps Deliberate = {{"labelAlert", "textAlert"}, {"labelNoMatchingEvents", "listboxEvents"}};

} // namespace

TEST(WindowLayout, EveryWindowsControlsAndTextsFit)
{
    const WindowGallery gallery;
    for (const QString &name : gallery.names()) {
        bool seen = false;
        gallery.visit(name, [&](QWidget &window) {
            seen = true;
            const QStringList faults = layoutFaults(window, Deliberate);
            EXPECT_TRUE(faults.isEmpty()) << name.toStdString() << ":\n  " << faults.join("\n  ").toStdString();
        });
        EXPECT_TRUE(seen) << name.toStdString() << " was not shown";
    }
}

// What a screen reader can reach: whatever takes the focus or is pressed,
// and pictures.
TEST(WindowAccessibility, EveryVisibleControlHasAName)
{
    const WindowGallery gallery;
    for (const QString &name : gallery.names()) {
        gallery.visit(name, [&](QWidget &window) {
            QStringList unnamed;
            for (QWidget *widget : window.findChildren<QWidget *>()) {
                const auto *label = qobject_cast<QLabel *>(widget);
                const bool control = widget->focusPolicy() != Qt::NoFocus || qobject_cast<QAbstractButton *>(widget)
                                     || (label && !label->pixmap().isNull());
                if (!control || !widget->isVisibleTo(&window))
                    continue;
                const QAccessibleInterface *access = QAccessible::queryAccessibleInterface(widget);
                // On Linux Qt names a drop-down list by its shown entry; other systems read the given name.
                const QString spoken = access ? access->text(QAccessible::Name) : QString();
                const bool combo = qobject_cast<QComboBox *>(widget);
                if (spoken.trimmed().isEmpty() && !(combo && !widget->accessibleName().isEmpty()))
                    unnamed << widget->objectName() + QLatin1Char(':') + QLatin1String(widget->metaObject()->className());
            }
            EXPECT_TRUE(unnamed.isEmpty()) << name.toStdString() << ": " << unnamed.join(", ").toStdString();
        });
    }
}
