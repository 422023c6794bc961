#pragma once

#include <QList>
#include <QPair>
#include <QStringList>

class QWidget;

// Sibling controls, by object name, that are laid over each other on purpose.
using AllowedOverlaps = QList<QPair<QString, QString>>;

// What does not fit in a shown window, one line per fault: a visible control
// reaching outside its window or page, two visible sibling controls over each
// other (a label counts where its text is), or the text of a label, button,
// check box, option button, list or box larger than its place in the control.
// Controls are not walked into: Qt lays out their insides itself.
QStringList layoutFaults(const QWidget &window, const AllowedOverlaps &allowed);
