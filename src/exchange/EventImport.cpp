#include "exchange/EventImport.h"

#include "eventdata/DataFile.h"
#include "exchange/ICalendarImport.h"
#include "exchange/ImportText.h"
#include "exchange/VCardImport.h"

#include <algorithm>

namespace {

enum class Format { ICalendar, VCard };

struct Kind {
    Format format;
    QLatin1StringView begin;
    QLatin1StringView end;
};

// clang-format off
constexpr Kind Kinds[] = {
    {Format::ICalendar, QLatin1StringView("BEGIN:VCALENDAR"), QLatin1StringView("END:VCALENDAR")},
    {Format::VCard, QLatin1StringView("BEGIN:VCARD"), QLatin1StringView("END:VCARD")},
};
// clang-format on

QString firstText(const QStringList &lines)
{
    const auto found =
        std::find_if(lines.cbegin(), lines.cend(), [](const QString &l) { return !l.trimmed().isEmpty(); });
    return found == lines.cend() ? QString() : found->trimmed();
}

QString lastText(const QStringList &lines)
{
    const auto found =
        std::find_if(lines.crbegin(), lines.crend(), [](const QString &l) { return !l.trimmed().isEmpty(); });
    return found == lines.crend() ? QString() : found->trimmed();
}

// The kind of file its first line names; its last line must close it, or
// the file was cut short.
const Kind *kindOf(const QStringList &lines)
{
    const QString first = firstText(lines);
    for (const Kind &kind : Kinds) {
        if (first.compare(kind.begin, Qt::CaseInsensitive) == 0)
            return &kind;
    }
    return nullptr;
}

ImportReport::Refusal refusalFor(const QStringList &lines, const Kind *kind)
{
    if (!kind)
        return ImportReport::Refusal::NotACalendar;
    // UTF-16 text may hold a NUL character too.
    if (std::any_of(lines.cbegin(), lines.cend(), [](const QString &line) { return line.contains(QChar(0)); }))
        return ImportReport::Refusal::NotACalendar;
    if (lastText(lines).compare(kind->end, Qt::CaseInsensitive) != 0)
        return ImportReport::Refusal::Truncated;
    return ImportReport::Refusal::None;
}

ImportReading refused(const ImportContext &context, ImportReport::Refusal refusal,
                      FileError fileError = FileError::None)
{
    ImportReading reading(context);
    reading.report.refusal = refusal;
    reading.report.fileError = fileError;
    return reading;
}

} // namespace

ImportReading readEvents(const QByteArray &bytes, const ImportContext &context)
{
    // Bytes that are no text are refused as such, before their length is.
    if (holdsNulBytes(bytes))
        return refused(context, ImportReport::Refusal::NotACalendar);
    QStringList lines;
    if (const FileError error = boundedLinesOf(withDamagedUtf8Replaced(bytes), lines); failed(error))
        return refused(context, ImportReport::Refusal::FileError, error);
    const Kind *kind = kindOf(lines);
    if (const ImportReport::Refusal refusal = refusalFor(lines, kind); refusal != ImportReport::Refusal::None)
        return refused(context, refusal);
    ImportReading reading(context);
    if (kind->format == Format::VCard)
        importVCards(lines, reading);
    else if (!importICalendar(lines, reading))
        return refused(context, ImportReport::Refusal::NotACalendar);
    return reading;
}

ImportReading readEventFile(const QString &path, const ImportContext &context)
{
    QByteArray bytes;
    if (const FileError error = readBoundedFile(path, bytes); failed(error))
        return refused(context, ImportReport::Refusal::FileError, error);
    return readEvents(bytes, context);
}

ImportResult importEvents(const QByteArray &bytes, const EventTable &calendar, const ImportContext &context)
{
    return enterImport(readEvents(bytes, context), calendar);
}
