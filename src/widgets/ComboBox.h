#pragma once

#include <QComboBox>

// A drop-down list at its place, with its name and tool tip.
inline QComboBox *addComboBox(QWidget *parent, const QString &name, const QString &toolTip, const QRect &place)
{
    auto *list = new QComboBox(parent);
    list->setObjectName(name);
    list->setToolTip(toolTip);
    list->setAccessibleName(toolTip);
    list->setGeometry(place);
    return list;
}
