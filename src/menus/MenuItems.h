#pragma once

#include <QString>

class QAction;
class QLabel;
class QMenu;

// Adds one of the program's own items: the stored caption (see MenuCaption)
// gives the shown text, the help line and the check style, the text its icon.
QAction *addMenuItem(QMenu *menu, const QString &storedCaption, const QString &objectName);

// Shows the help line of the item under the pointer in label; an item that
// is disabled, or has none, clears it.
void showHelpLinesIn(QMenu *menu, QLabel *label);
