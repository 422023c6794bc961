#pragma once

#include <QList>
#include <QPair>
#include <QStringList>

class QWidget;

// A control's object name, or its class when it has none.
QString controlName(const QWidget *widget);

// What does not fit in a shown window, one line per fault: a visible control reaching outside its window or page,
// two visible sibling controls over each other (a label counts where its text is) unless allowed by object name, or
// the text of a label, button, box or list larger than its place. Qt lays out the insides of controls itself.
QStringList layoutFaults(const QWidget &window, const QList<QPair<QString, QString>> &allowedOverlaps);
