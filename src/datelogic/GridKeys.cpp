#include "datelogic/GridKeys.h"

#include <Qt>

std::optional<QDate> dayAfterKey(const QDate &selected, int key)
{
    switch (key) {
    case Qt::Key_Left:
        return selected.addDays(-1);
    case Qt::Key_Right:
        return selected.addDays(1);
    case Qt::Key_Up:
        return selected.addDays(-7);
    case Qt::Key_Down:
        return selected.addDays(7);
    case Qt::Key_PageUp:
        return selected.addMonths(-1);
    case Qt::Key_PageDown:
        return selected.addMonths(1);
    case Qt::Key_Home:
        return QDate(selected.year(), selected.month(), 1);
    case Qt::Key_End:
        return QDate(selected.year(), selected.month(), selected.daysInMonth());
    default:
        return std::nullopt;
    }
}
