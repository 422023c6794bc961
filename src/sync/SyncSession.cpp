#include "sync/SyncSession.h"

#include "eventdata/DataFolder.h"
#include "eventdata/FileErrors.h"
#include "sync/DavAddress.h"

#include <QDir>
#include <QTimer>

QString syncStatePath(const QString &dataFolder)
{
    return QDir(dataFolder).filePath(syncStateFileName());
}

bool leadsTo(const QUrl &address, const QUrl &collection)
{
    return !collection.isEmpty() && isSameOrigin(address, collection)
           && asCollection(collection).path().startsWith(asCollection(address).path());
}

SyncSession::SyncSession(const SyncSettings &settings, const QString &password, QString statePath, LocalCalendar &local,
                         const Clock &clock, int timeoutMs)
    : address_(settings.url), statePath_(std::move(statePath)), local_(local), clock_(clock),
      transport_({settings.user, password}, timeoutMs), client_(transport_)
{
}

SyncSession::~SyncSession() = default;

void SyncSession::run(const FollowKey &followKey, SyncPass::Confirm confirm, SyncPass::Finished done)
{
    confirm_ = std::move(confirm);
    done_ = std::move(done);
    const FileError error = loadSyncState(statePath_, state_);
    if (failed(error) && error != FileError::FileNotFound) {
        // Answered from the event loop, as every other outcome is.
        QTimer::singleShot(0, &transport_, [this] { fail(SyncError::StateFile); });
        return;
    }
    for (SyncEntry &entry : state_.entries)
        entry.localKey = followKey(entry.localKey);
    if (leadsTo(address_, state_.collection)) {
        QTimer::singleShot(0, &transport_, [this] { startPass(); });
        return;
    }
    client_.discover(address_, [this](const DavResult<QUrl> &found) { discovered(found); });
}

void SyncSession::discovered(const DavResult<QUrl> &found)
{
    if (!found.ok())
        return fail(found.error);
    if (found.value != state_.collection)
        state_ = {found.value, {}, {}};
    startPass();
}

void SyncSession::startPass()
{
    pass_ = std::make_unique<SyncPass>(client_, local_, clock_, state_);
    pass_->run(confirm_, [this](const SyncOutcome &outcome) { passDone(outcome); });
}

void SyncSession::passDone(const SyncOutcome &outcome)
{
    SyncOutcome saved = outcome;
    if (failed(saveSyncState(statePath_, outcome.state)) && saved.error == SyncError::None)
        saved.error = SyncError::StateFile;
    done_(saved);
}

void SyncSession::fail(SyncError error)
{
    SyncOutcome outcome;
    outcome.error = error;
    outcome.state = state_;
    done_(outcome);
}
