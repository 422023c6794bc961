#include "exchange/ImportText.h"

#include <QString>

#include <algorithm>

namespace {

bool hasUtf16Mark(const QByteArray &bytes)
{
    return bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF");
}

QByteArray repairedLine(QByteArrayView line)
{
    if (line.isValidUtf8())
        return line.toByteArray();
    const QString text = QString::fromUtf8(line); // damaged bytes become U+FFFD
    const bool holdsUtf8 = std::any_of(text.cbegin(), text.cend(),
                                       [](QChar c) { return c.unicode() >= 0x80 && c != QChar::ReplacementCharacter; });
    return holdsUtf8 ? text.toUtf8() : line.toByteArray();
}

} // namespace

QByteArray withDamagedUtf8Replaced(const QByteArray &bytes)
{
    if (hasUtf16Mark(bytes))
        return bytes;
    QByteArray repaired;
    repaired.reserve(bytes.size());
    qsizetype lineStart = 0;
    // CR and LF never occur inside a UTF-8 sequence, so the text between
    // them is each line, or nothing.
    for (qsizetype i = 0; i <= bytes.size(); ++i) {
        if (i < bytes.size() && bytes.at(i) != '\r' && bytes.at(i) != '\n')
            continue;
        repaired += repairedLine(QByteArrayView(bytes).sliced(lineStart, i - lineStart));
        if (i < bytes.size())
            repaired += bytes.at(i);
        lineStart = i + 1;
    }
    return repaired;
}

bool holdsNulBytes(const QByteArray &bytes)
{
    return !hasUtf16Mark(bytes) && bytes.contains('\0');
}

bool isLine(const QString &line, QLatin1StringView text)
{
    return line.trimmed().compare(text, Qt::CaseInsensitive) == 0;
}
