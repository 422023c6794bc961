#include "widgets/ElidedText.h"

#include <QFontMetrics>

QString elideWithDots(const QString &text, const QFontMetrics &metrics, int width)
{
    if (metrics.horizontalAdvance(text) <= width)
        return text;
    static const QString dots = QStringLiteral("...");
    // The longest prefix that still fits with the dots; widths grow with the
    // prefix, so a binary search finds it.
    qsizetype fits = 0;
    qsizetype tooLong = text.size();
    while (tooLong - fits > 1) {
        const qsizetype middle = (fits + tooLong) / 2;
        if (metrics.horizontalAdvance(text.left(middle) + dots) <= width)
            fits = middle;
        else
            tooLong = middle;
    }
    return text.left(fits) + dots;
}
