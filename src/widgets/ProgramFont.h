#pragma once

#include <QFont>
#include <QStringList>

// The small sans-serif type every window of the program is laid out for;
// where Tahoma is missing, a face of similar width stands in, so that the
// texts fit the places laid out for them.
inline QFont programFont()
{
    QFont font;
    font.setFamilies({QStringLiteral("Tahoma"), QStringLiteral("DejaVu Sans Condensed"),
                      QStringLiteral("Liberation Sans Narrow"), QStringLiteral("Nimbus Sans")});
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(8.25);
    return font;
}
