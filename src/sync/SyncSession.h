#pragma once

#include "settings/SyncSettings.h"
#include "sync/CalDavClient.h"
#include "sync/DavTransport.h"
#include "sync/SyncPass.h"

#include <functional>
#include <memory>

// One pass as the program runs it, from calendar.sync back to it: the state
// read, the collection looked up again only when the address no longer
// leads to the one remembered (another collection starts afresh, as a first
// sync), the pass, and the state saved whatever came of the pass.
class SyncSession {
public:
    using FollowKey = std::function<QString(const QString &)>;

    SyncSession(const SyncSettings &settings, const QString &password, QString statePath, LocalCalendar &local,
                const Clock &clock, int timeoutMs = DavTransport::DefaultTimeoutMs);
    ~SyncSession();
    SyncSession(const SyncSession &) = delete;
    SyncSession &operator=(const SyncSession &) = delete;

    // followKey gives the key an event had at the last pass as it is now.
    // done is called once, later, from the event loop.
    void run(const FollowKey &followKey, SyncPass::Confirm confirm, SyncPass::Finished done);

private:
    void discovered(const DavResult<QUrl> &found);
    void startPass();
    void passDone(const SyncOutcome &outcome);
    void fail(SyncError error);

    QUrl address_;
    QString statePath_;
    LocalCalendar &local_;
    const Clock &clock_;
    DavTransport transport_;
    CalDavClient client_;
    SyncState state_;
    std::unique_ptr<SyncPass> pass_;
    SyncPass::Confirm confirm_;
    SyncPass::Finished done_;
};

// Where the state of the sync lives: calendar.sync in the data folder.
QString syncStatePath(const QString &dataFolder);

// Does the address the user gave lead to the collection: the collection
// itself, or the server or a folder above it?
bool leadsTo(const QUrl &address, const QUrl &collection);
