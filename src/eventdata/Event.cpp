#include "eventdata/Event.h"

QString fitToWidth(const QString &text, int width)
{
    return text.leftJustified(width, QLatin1Char(' '), true);
}
