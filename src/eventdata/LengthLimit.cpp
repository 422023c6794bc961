#include "eventdata/LengthLimit.h"

#include <algorithm>

qsizetype lengthCeiling(qsizetype length, qsizetype limit)
{
    return std::max(length, limit);
}

qsizetype insertableLength(qsizetype length, qsizetype replaced, qsizetype inserted, qsizetype limit)
{
    const qsizetype room = lengthCeiling(length, limit) - (length - replaced);
    return std::clamp<qsizetype>(room, 0, inserted);
}

QString shortTitle(const QString &text, qsizetype wholeUpTo, qsizetype shortenedTo)
{
    if (text.size() <= wholeUpTo)
        return text;
    QString shortened = text.left(shortenedTo);
    while (shortened.endsWith(QLatin1Char(' ')))
        shortened.chop(1);
    return shortened + QStringLiteral("...");
}
