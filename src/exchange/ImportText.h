#pragma once

#include <QByteArray>
#include <QString>

// Other programs write their calendars in UTF-8. A line that holds valid
// UTF-8 beside a few damaged bytes keeps its text: only the damaged bytes
// become U+FFFD. A line without any valid multi-byte sequence keeps its
// bytes, to be read as Windows-1252 as the data files' lines are. Text with
// a UTF-16 byte order mark is left as it is.
QByteArray withDamagedUtf8Replaced(const QByteArray &bytes);

// Whether the bytes hold a NUL byte outside UTF-16 text with its byte order
// mark: no calendar or contact file does.
bool holdsNulBytes(const QByteArray &bytes);

// Whether a content line is that text, in capitals or not, with blanks
// around it (BEGIN:VCARD, END:VTIMEZONE).
bool isLine(const QString &line, QLatin1StringView text);
