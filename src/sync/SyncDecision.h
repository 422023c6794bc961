#pragma once

#include "sync/CalendarFields.h"
#include "sync/SyncState.h"

#include <QByteArray>
#include <QString>

#include <vector>

// An event here, as the sync sees it.
struct LocalItem {
    QString key;   // stays the same while the event lives here
    QString title; // title and date find the same event on both sides
    EventDate date;
    QByteArray hash; // contentHash of its fields
};

// An item of the collection, as the sync sees it.
struct ServerItem {
    QString href;
    QByteArray etag;
    QString uid;
    bool holdable = true; // false: left on the server as it is, counted
    QString title;
    EventDate date;
    QByteArray hash; // contentHash of what the calendar holds of it
};

enum class SyncStep : quint8 {
    Upload,       // the event here to the server: new (no ETag) or over the ETag given
    AddHere,      // a server item becomes a new event here
    TakeServer,   // the server's version replaces the event here
    Link,         // the same on both sides: remembered, nothing written
    RefreshCopy,  // the server changed only what the calendar does not hold: its copy is kept
    ConflictCopy, // changed on both sides: the server's version here, the local one beside it as a new event
    DeleteThere,  // over the ETag given
    DeleteHere,
    Forget, // nothing left to sync on either side: only the remembered entry goes
};

struct SyncAction {
    SyncStep step;
    QString localKey;
    QString href;    // empty for a new upload
    QByteArray etag; // the precondition: the server's ETag; empty when the item must be new
    QString uid;     // of a known event; empty when an upload needs a new one
    bool operator==(const SyncAction &) const = default;
};

// What the user is asked before anything is written.
enum class SyncQuestion : quint8 {
    None,
    FirstSync,    // the collection already holds events: the counts are shown first
    MassDeletion, // the pass would delete more than half of one side's events
};

struct SyncPlan {
    std::vector<SyncAction> actions;
    SyncQuestion question = SyncQuestion::None;
    int here = 0;      // events here
    int there = 0;     // items on the server
    int same = 0;      // found on both sides by title and date
    int untouched = 0; // server items the calendar cannot hold
    // The server holds more new events than the calendar has room for: none
    // of them is added, the user is told, and the pass is not complete.
    bool noRoom = false;
};

struct SyncInput {
    std::vector<LocalItem> local;
    std::vector<ServerItem> server;
    std::vector<SyncEntry> entries;
    bool firstSync = false; // never synced with this collection
    int room = 0;           // events the calendar can still take
};

// The decisions of one pass. Pure: the same input gives the same plan.
SyncPlan decideSync(const SyncInput &input);
