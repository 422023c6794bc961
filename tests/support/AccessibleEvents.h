#pragma once

#include <QAccessible>
#include <QtGui/private/qguiapplication_p.h>
#include <QtGui/qpa/qplatformaccessibility.h>
#include <QtGui/qpa/qplatformintegration.h>

#include <algorithm>
#include <utility>
#include <vector>

// Records the accessibility events sent while it lives, as a screen reader
// would hear them: Qt sends none while no reader is active, so it switches
// the platform's accessibility on meanwhile.
class AccessibleEvents {
public:
    AccessibleEvents() : previous_(QAccessible::installUpdateHandler(&record))
    {
        sent().clear();
        platformAccessibility()->setActive(true);
    }
    ~AccessibleEvents()
    {
        platformAccessibility()->setActive(false);
        QAccessible::installUpdateHandler(previous_);
    }
    AccessibleEvents(const AccessibleEvents &) = delete;
    AccessibleEvents &operator=(const AccessibleEvents &) = delete;

    static int count(QAccessible::Event type, const QObject *object)
    {
        return int(std::count(sent().begin(), sent().end(), std::pair{type, object}));
    }

private:
    static QPlatformAccessibility *platformAccessibility()
    {
        return QGuiApplicationPrivate::platformIntegration()->accessibility();
    }
    static std::vector<std::pair<QAccessible::Event, const QObject *>> &sent()
    {
        static std::vector<std::pair<QAccessible::Event, const QObject *>> events;
        return events;
    }
    static void record(QAccessibleEvent *event) { sent().emplace_back(event->type(), event->object()); }

    QAccessible::UpdateHandler previous_;
};
