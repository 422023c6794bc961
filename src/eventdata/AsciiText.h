#pragma once

#include <QChar>

// The characters of the data files' own syntax are ASCII whatever the
// language: QChar::isDigit and isLetter would also take other scripts'
// digits and letters, which no file of ours writes there.
constexpr bool isAsciiDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

constexpr bool isAsciiLetter(QChar c)
{
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
}
