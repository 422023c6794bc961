#pragma once

#include <QStringList>

class QWidget;

// What loses the user's keys in a shown window, one line per fault: a window that opens with no control focused or
// with the focus on a check box, a focused push button that hands Enter on to the window instead of taking it, and two
// visible controls that answer to one access key while the window's table names neither as the winner. Presses Enter
// on every visible button with the button's signals blocked, so nothing it would do happens; the window must be
// shown and able to become active.
QStringList keyFaults(QWidget &window);
