#pragma once

#include <QString>

// Tool tips take any text that looks like markup as rich text. Text from the
// user's files must show its characters as they are, so it is escaped and
// kept on its lines.
inline QString plainToolTip(const QString &text)
{
    if (text.isEmpty())
        return {};
    return QStringLiteral("<p style='white-space:pre-wrap'>") + text.toHtmlEscaped() + QStringLiteral("</p>");
}
