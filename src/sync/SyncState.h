#pragma once

#include "eventdata/FileErrors.h"

#include <QByteArray>
#include <QString>
#include <QUrl>

#include <vector>

// What the sync remembers of one event between passes.
struct SyncEntry {
    QString uid;
    QString href;
    QByteArray etag;       // of the server's copy below
    QString localKey;      // the event here
    QByteArray localHash;  // of the event here as last synced
    QByteArray serverHash; // of what the calendar holds of the server's copy
    QByteArray serverCopy; // the server's own iCalendar text, so that its other properties survive an edit here
    bool operator==(const SyncEntry &) const = default;
};

// The state of the sync with one collection, kept in calendar.sync.
struct SyncState {
    QUrl collection;
    QString token; // the sync token after the last complete pass; empty for none
    std::vector<SyncEntry> entries;
    bool operator==(const SyncState &) const = default;
};

QByteArray writeSyncState(const SyncState &state);
// Unreadable for a text that is not a sync state: without
// its first line, a field before any event, an event without its href, or
// the same UID or href twice.
FileError readSyncState(const QByteArray &bytes, SyncState &state);

// Reads the file as the other data files are read (a regular file, bounded
// in size); FileNotFound before the first sync.
FileError loadSyncState(const QString &path, SyncState &state);
// Replaces the file at once or not at all, readable by its owner only: it
// holds the user's events. On failure the old file stays as it was.
FileError saveSyncState(const QString &path, const SyncState &state);
