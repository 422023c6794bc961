#include "notes/NotesFile.h"

#include "eventdata/AsciiText.h"
#include "eventdata/FileErrors.h"
#include "eventdata/NumberText.h"
#include "notes/NoteTable.h"

#include <algorithm>

const QString NotesFile::FileName = QStringLiteral("notes.dat");

FileStakes NotesFile::stakes()
{
    return {QStringLiteral("notes"),
            QStringLiteral("Your saved notes will most likely be lost for ever if no backup is available.")};
}

namespace {

const QString LineEnd = QStringLiteral("\r\n");

// Reads "Key=value " from a header line: the value runs from behind the key
// and one more character up to the next blank. A header without the key
// leaves the field as it is.
FileError readHeaderValue(const QString &header, QLatin1StringView key, qint16 &field)
{
    const qsizetype keyAt = header.indexOf(key);
    if (keyAt < 0)
        return FileError::None;
    const qsizetype valueAt = keyAt + key.size() + 1;
    const qsizetype blankAt = header.indexOf(QLatin1Char(' '), valueAt);
    if (blankAt < 0)
        return FileError::Overflow;
    const Int16Reading reading = readInt16(QStringView(header).mid(valueAt, blankAt - valueAt), Rounding::NearestEven);
    if (!failed(reading.error))
        field = reading.value;
    return reading.error;
}

// The number of "[" before "Note" at the start of a line; 0 when the line
// does not begin that way.
qsizetype bracketsBeforeNote(const QString &line)
{
    qsizetype brackets = 0;
    while (brackets < line.size() && line.at(brackets) == QLatin1Char('['))
        ++brackets;
    return QStringView(line).sliced(brackets).startsWith(QLatin1String("Note")) ? brackets : 0;
}

// The blanks between a header's items: ASCII white space only.
bool isBlank(QChar c)
{
    return QStringView(u" \t\n\v\f\r").contains(c);
}

// The length of text's start whose characters all pass the test.
template <typename Test> qsizetype leading(QStringView text, Test test)
{
    return std::find_if_not(text.begin(), text.end(), test) - text.begin();
}

// "[Note", one or more blank-separated Key=value items and "]": the only
// line that starts a note. Older files hold text lines such as
// "[Note to self] buy milk" unstuffed, and those stay text.
bool isHeader(const QString &line)
{
    const QLatin1StringView start("[Note");
    QStringView items(line);
    while (!items.isEmpty() && isBlank(items.back()))
        items.chop(1);
    if (!items.startsWith(start) || !items.endsWith(QLatin1Char(']')))
        return false;
    items = items.sliced(start.size()).chopped(1);
    bool any = false;
    while (const qsizetype blanks = leading(items, isBlank)) {
        items = items.sliced(blanks);
        if (items.isEmpty())
            break;
        const qsizetype key = leading(items, isAsciiLetter);
        if (key == 0 || key == items.size() || items.at(key) != QLatin1Char('='))
            return false;
        items = items.sliced(key + 1);
        items = items.sliced(leading(items, [](QChar c) { return !isBlank(c) && c != QLatin1Char(']'); }));
        any = true;
    }
    return any && items.isEmpty();
}

QString stuffed(const QString &line)
{
    return bracketsBeforeNote(line) > 0 ? QLatin1Char('[') + line : line;
}

QString unstuffed(const QString &line)
{
    return bracketsBeforeNote(line) > 1 ? line.sliced(1) : line;
}

QString withCrLf(const QString &text)
{
    QString normalized = text;
    normalized.replace(LineEnd, QLatin1String("\n"));
    normalized.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    normalized.replace(QLatin1Char('\n'), LineEnd);
    return normalized;
}

} // namespace

NotesFile::NotesFile(const QString &dataFolder, FileErrorReporter &reporter)
    : file_(dataFolder, FileName, reporter, stakes())
{
}

bool NotesFile::loadNotes(NoteTable &table, MissingFile missing)
{
    const bool loaded = file_.load([&](const QStringList &lines) { return parse(lines, table); }, missing);
    if (!loaded)
        table.noteCount = -1;
    return loaded;
}

bool NotesFile::saveNotes(const NoteTable &table)
{
    return file_.save(format(table));
}

QString NotesFile::format(const NoteTable &table)
{
    QString text;
    for (int i = 0; i <= table.noteCount; ++i) {
        const Note &note = table.notes[i];
        text += QStringLiteral("[Note Left=") + QString::number(note.left) + QStringLiteral(" Top=")
                + QString::number(note.top) + QStringLiteral(" Color=Default]") + LineEnd;
        // Every line break is stored as CR LF, however the text was typed.
        const QStringList lines = withCrLf(note.content).split(LineEnd);
        for (const QString &line : lines)
            text += stuffed(line) + LineEnd;
    }
    return text;
}

FileError NotesFile::parse(const QStringList &lines, NoteTable &table)
{
    table.noteCount = -1;
    bool firstLine = true; // of the current note, which keeps even an empty one
    for (const QString &line : lines) {
        if (isHeader(line)) {
            firstLine = true;
            if (table.isFull())
                return FileError::SubscriptRange;
            Note &note = table.notes[++table.noteCount];
            note = Note{};
            if (const FileError error = readHeaderValue(line, QLatin1StringView("Left"), note.left); failed(error))
                return error;
            if (const FileError error = readHeaderValue(line, QLatin1StringView("Top"), note.top); failed(error))
                return error;
            continue;
        }
        if (table.noteCount < 0) {
            if (line.trimmed().isEmpty())
                continue; // blank lines before the first note are no text
            return FileError::SubscriptRange;
        }
        QString &content = table.notes[table.noteCount].content;
        content = firstLine ? unstuffed(line) : content + LineEnd + unstuffed(line);
        firstLine = false;
    }
    return FileError::None;
}
