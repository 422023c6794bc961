#pragma once

#include "sync/CalendarFields.h"
#include "sync/SyncDecision.h"
#include "sync/SyncError.h"
#include "sync/SyncState.h"

#include <QHash>
#include <QString>

#include <deque>
#include <functional>
#include <vector>

class CalDavClient;
class Clock;
class LocalCalendar;
struct DavMember;

// One change a pass made, for the message after it and the command's lines.
struct SyncChange {
    SyncStep step;
    QString title;
    bool operator==(const SyncChange &) const = default;
};

struct SyncOutcome {
    SyncError error = SyncError::None;
    bool declined = false; // the user said no to the plan's question: nothing was written
    SyncPlan plan;         // the last plan: its counts, its question, no room
    SyncState state;       // to be saved, whatever happened
    std::vector<SyncChange> changes;
};

// One pass of the sync with the collection of state: what changed on the
// server (by sync token where the server keeps one, else by a full
// listing), the decisions, a question to the user where one is due, then
// the steps. The token moves on only after a complete pass; a write that
// meets a changed ETag starts the pass again from the listing.
class SyncPass {
public:
    // Asks the plan's question; answer(true) goes on.
    using Confirm = std::function<void(const SyncPlan &plan, std::function<void(bool)> answer)>;
    using Finished = std::function<void(const SyncOutcome &)>;

    static constexpr int FetchBatch = 50;
    static constexpr int MaxRestarts = 3;
    static constexpr auto ConflictMark = QLatin1StringView(" (conflict copy)");

    SyncPass(CalDavClient &client, LocalCalendar &local, const Clock &clock, SyncState state);
    void run(Confirm confirm, Finished done);

private:
    void list();
    void listed(const std::vector<DavMember> &members, const QString &token, bool whole);
    void fetchNext();
    void decide();
    void next();
    void upload(const SyncAction &action);
    void uploaded(const SyncAction &action, const QString &uid, const QString &href, const QByteArray &text,
                  SyncError error, const QByteArray &etag);
    void deleteThere(const SyncAction &action);
    void applyHere(const SyncAction &action);
    void conflictCopy(const SyncAction &action);
    void remember(const QString &uid, const QString &href, const QByteArray &etag, const LocalItem &here,
                  const QByteArray &copy);
    void forget(const QString &href);
    SyncEntry *entryAt(const QString &href);
    void restartOrFail(SyncError error);
    void finish(SyncError error);

    CalDavClient &client_;
    LocalCalendar &local_;
    const Clock &clock_;
    SyncState state_;
    SyncState original_;
    Confirm confirm_;
    Finished done_;
    QString token_;                     // of this pass's listing
    QHash<QString, QByteArray> etags_;  // the collection now: href to ETag
    QHash<QString, QByteArray> copies_; // the server's text of each href
    std::vector<QString> toFetch_;
    std::deque<SyncAction> queue_;
    SyncOutcome outcome_;
    int restarts_ = 0;
};
