#pragma once

#include "eventdata/DataFile.h"

#include <QByteArray>
#include <QStringList>

#include <cstdint>
#include <cstdlib>
#include <memory>

// The readers must take any bytes without crashing, and whatever they accept
// must save to a text that reads back to the same tables.
template <typename Table, typename Parse, typename Format>
int checkRoundTrip(const uint8_t *data, size_t size, Parse parse, Format format)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    const QStringList lines = decodeDataLines(bytes);
    auto first = std::make_unique<Table>();
    if (failed(parse(lines, *first)))
        return 0;
    const QString saved = format(*first);
    auto second = std::make_unique<Table>();
    if (failed(parse(decodeDataLines(encodeDataText(saved)), *second)) || format(*second) != saved)
        std::abort();
    return 0;
}
