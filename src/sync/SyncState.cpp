#include "sync/SyncState.h"

#include "eventdata/AtomicFile.h"
#include "eventdata/DataFile.h"
#include "eventdata/FileErrors.h"
#include "eventdata/RegularFile.h"

#include <QSet>

namespace {

constexpr auto Header = QByteArrayView("Tarrowby sync 1");

// Values are percent-encoded, so that no line break or blank of a server's
// text reaches the line structure.
QByteArray line(const char *key, const QByteArray &value)
{
    return key + QByteArrayLiteral(" ") + value.toPercentEncoding("/:@+=") + '\n';
}

QByteArray line(const char *key, const QString &value)
{
    return line(key, value.toUtf8());
}

bool setField(SyncEntry &entry, QByteArrayView key, const QByteArray &value)
{
    const QString text = QString::fromUtf8(value);
    if (key == "Href")
        entry.href = text;
    else if (key == "ETag")
        entry.etag = value;
    else if (key == "Key")
        entry.localKey = text;
    else if (key == "LocalHash")
        entry.localHash = value;
    else if (key == "ServerHash")
        entry.serverHash = value;
    else if (key == "Copy")
        entry.serverCopy = value;
    else
        return false;
    return true;
}

// One "Key value" line into the state; false for a line that has no place.
bool readLine(QByteArrayView text, SyncState &state)
{
    const qsizetype blank = text.indexOf(' ');
    const QByteArrayView key = blank < 0 ? text : text.first(blank);
    const QByteArray value =
        QByteArray::fromPercentEncoding(blank < 0 ? QByteArray() : text.sliced(blank + 1).toByteArray());
    if (key == "Collection")
        state.collection = QUrl(QString::fromUtf8(value));
    else if (key == "Token")
        state.token = QString::fromUtf8(value);
    else if (key == "Event")
        state.entries.emplace_back().uid = QString::fromUtf8(value);
    else
        return !state.entries.empty() && setField(state.entries.back(), key, value);
    return true;
}

bool isWhole(const SyncState &state)
{
    QSet<QString> uids, hrefs;
    for (const SyncEntry &entry : state.entries) {
        if (entry.href.isEmpty() || uids.contains(entry.uid) || hrefs.contains(entry.href))
            return false;
        uids.insert(entry.uid);
        hrefs.insert(entry.href);
    }
    return true;
}

} // namespace

QByteArray writeSyncState(const SyncState &state)
{
    QByteArray text = Header.toByteArray() + '\n';
    text += line("Collection", state.collection.toString(QUrl::FullyEncoded));
    text += line("Token", state.token);
    for (const SyncEntry &entry : state.entries) {
        text += line("Event", entry.uid);
        text += line("Href", entry.href);
        text += line("ETag", entry.etag);
        text += line("Key", entry.localKey);
        text += line("LocalHash", entry.localHash);
        text += line("ServerHash", entry.serverHash);
        text += line("Copy", entry.serverCopy);
    }
    return text;
}

FileError readSyncState(const QByteArray &bytes, SyncState &state)
{
    const QList<QByteArray> lines = bytes.split('\n');
    SyncState read;
    if (lines.isEmpty() || lines.first() != Header)
        return FileError::Unreadable;
    for (qsizetype i = 1; i < lines.size(); ++i)
        if (!lines[i].isEmpty() && !readLine(lines[i], read))
            return FileError::Unreadable;
    if (!isWhole(read))
        return FileError::Unreadable;
    state = std::move(read);
    return FileError::None;
}

FileError loadSyncState(const QString &path, SyncState &state)
{
    QByteArray bytes;
    const FileError error = readBoundedFile(path, bytes);
    return failed(error) ? error : readSyncState(bytes, state);
}

// As the data files are saved: only a regular file, reached through links
// this user or the folder's owner made, replaced whole or not at all.
FileError saveSyncState(const QString &path, const SyncState &state)
{
    QString file;
    if (const FileError error = replaceableFile(path, file); failed(error))
        return error;
    const QByteArray text = writeSyncState(state);
    if (text.size() > DataFile::MaxFileBytes)
        return FileError::FileTooLarge;
    QDateTime modified;
    return replaceFileAtomically(file, text, modified, SavedMode::Private);
}
