#pragma once

#include <QString>

class QFontMetrics;

// The text as it fits into width pixels: whole when it fits, else as many
// leading characters as fit together with "...".
QString elideWithDots(const QString &text, const QFontMetrics &metrics, int width);
