#include "sync/SyncPass.h"

#include "programinfo/ProgramInfo.h"
#include "platform/Clock.h"
#include "sync/CalDavClient.h"
#include "sync/DavAddress.h"
#include "sync/LocalCalendar.h"
#include "sync/ServerEvent.h"

#include <QUuid>

#include <algorithm>

namespace {

QString newUid()
{
    return QUuid::createUuid().toString(QUuid::WithoutBraces) + u'@' + ProgramInfo::WebHost;
}

bool isLocalStep(SyncStep step)
{
    return step != SyncStep::Upload && step != SyncStep::DeleteThere;
}

} // namespace

SyncPass::SyncPass(CalDavClient &client, LocalCalendar &local, const Clock &clock, SyncState state)
    : client_(client), local_(local), clock_(clock), state_(std::move(state)), original_(state_)
{
}

void SyncPass::run(Confirm confirm, Finished done)
{
    confirm_ = std::move(confirm);
    done_ = std::move(done);
    list();
}

// By token when there is one; a refused token, or a server without sync
// reports, gives a full listing instead.
void SyncPass::list()
{
    etags_.clear();
    copies_.clear();
    toFetch_.clear();
    queue_.clear();
    const bool whole = state_.token.isEmpty();
    client_.changesSince(state_.collection, state_.token, [this, whole](const DavResult<CollectionChanges> &changes) {
        if (changes.ok())
            return listed(changes.value.members, changes.value.token, whole);
        if (changes.error == SyncError::BadSyncToken) {
            state_.token.clear();
            return list();
        }
        if (!whole || (changes.error != SyncError::ServerError && changes.error != SyncError::InvalidAnswer))
            return finish(changes.error);
        client_.list(state_.collection, [this](const DavResult<std::vector<DavMember>> &members) {
            if (!members.ok())
                return finish(members.error);
            listed(members.value, {}, true);
        });
    });
}

void SyncPass::listed(const std::vector<DavMember> &members, const QString &token, bool whole)
{
    token_ = token;
    if (!whole)
        for (const SyncEntry &entry : state_.entries)
            etags_.insert(entry.href, entry.etag);
    for (const DavMember &member : members) {
        if (member.removed)
            etags_.remove(canonicalHref(member.url));
        else
            etags_.insert(canonicalHref(member.url), member.etag);
    }
    for (auto it = etags_.cbegin(); it != etags_.cend(); ++it) {
        const SyncEntry *known = entryAt(it.key());
        if (known && !known->etag.isEmpty() && known->etag == it.value())
            copies_.insert(it.key(), known->serverCopy);
        else
            toFetch_.push_back(it.key());
    }
    fetchNext();
}

void SyncPass::fetchNext()
{
    if (toFetch_.empty())
        return decide();
    const qsizetype count = std::min<qsizetype>(FetchBatch, static_cast<qsizetype>(toFetch_.size()));
    std::vector<QUrl> batch;
    for (qsizetype i = 0; i < count; ++i) {
        batch.emplace_back(toFetch_.back());
        toFetch_.pop_back();
    }
    client_.fetch(state_.collection, batch, [this](const DavResult<std::vector<DavMember>> &fetched) {
        if (!fetched.ok())
            return finish(fetched.error);
        for (const DavMember &member : fetched.value) {
            const QString href = canonicalHref(member.url);
            if (member.removed) {
                etags_.remove(href);
                continue;
            }
            etags_.insert(href, member.etag);
            copies_.insert(href, member.calendarData);
        }
        fetchNext();
    });
}

void SyncPass::decide()
{
    std::vector<ServerItem> server;
    for (auto it = etags_.cbegin(); it != etags_.cend(); ++it) {
        const ServerEvent event = readServerEvent(copies_.value(it.key()), clock_.today());
        // An item the server listed but did not give is left alone.
        const bool holdable = event.problem == HoldProblem::None && copies_.contains(it.key());
        server.push_back({it.key(), it.value(), event.uid, holdable, event.fields.title, event.fields.date,
                          contentHash(event.fields)});
    }
    std::sort(server.begin(), server.end(), [](const ServerItem &a, const ServerItem &b) { return a.href < b.href; });
    const bool firstSync = state_.entries.empty() && original_.token.isEmpty();
    outcome_.plan = decideSync({local_.items(), std::move(server), state_.entries, firstSync, local_.room()});
    queue_.assign(outcome_.plan.actions.begin(), outcome_.plan.actions.end());
    if (outcome_.plan.question == SyncQuestion::None)
        return next();
    confirm_(outcome_.plan, [this](bool goOn) {
        if (!goOn) {
            outcome_.declined = true;
            return finish(SyncError::None);
        }
        next();
    });
}

void SyncPass::next()
{
    while (!queue_.empty() && isLocalStep(queue_.front().step)) {
        const SyncAction action = queue_.front();
        queue_.pop_front();
        applyHere(action);
    }
    if (queue_.empty()) {
        // The pass is complete only when nothing was left out.
        if (!outcome_.plan.noRoom)
            state_.token = token_;
        return finish(SyncError::None);
    }
    const SyncAction action = queue_.front();
    queue_.pop_front();
    if (action.step == SyncStep::Upload)
        upload(action);
    else
        deleteThere(action);
}

void SyncPass::applyHere(const SyncAction &action)
{
    const QByteArray copy = copies_.value(action.href);
    const CalendarFields there = readServerEvent(copy, clock_.today()).fields;
    LocalItem here;
    switch (action.step) {
    case SyncStep::AddHere:
        here = local_.add(there);
        if (here.key.isEmpty())
            return;
        break;
    case SyncStep::TakeServer:
        here = local_.replace(action.localKey, there);
        break;
    case SyncStep::Link:
        remember(action.uid, action.href, action.etag,
                 {action.localKey, {}, {}, contentHash(local_.fields(action.localKey))}, copy);
        return;
    case SyncStep::RefreshCopy:
        remember(action.uid, action.href, action.etag, {action.localKey, {}, {}, entryAt(action.href)->localHash},
                 copy);
        return;
    case SyncStep::ConflictCopy:
        return conflictCopy(action);
    case SyncStep::DeleteHere:
        outcome_.changes.push_back({action.step, local_.fields(action.localKey).title});
        local_.remove(action.localKey);
        return forget(action.href);
    default:
        return forget(action.href); // Forget; the server steps never come here
    }
    remember(action.uid, action.href, action.etag, here, copy);
    outcome_.changes.push_back({action.step, here.title});
}

// The server's version keeps its UID here; the version made here stays
// beside it as an event of its own and goes up as a new one.
void SyncPass::conflictCopy(const SyncAction &action)
{
    CalendarFields mine = local_.fields(action.localKey);
    const QByteArray copy = copies_.value(action.href);
    const CalendarFields there = readServerEvent(copy, clock_.today()).fields;
    remember(action.uid, action.href, action.etag, local_.replace(action.localKey, there), copy);
    mine.title += ConflictMark;
    const LocalItem kept = local_.add(mine);
    outcome_.changes.push_back({SyncStep::ConflictCopy, kept.title});
    if (!kept.key.isEmpty())
        queue_.push_front({SyncStep::Upload, kept.key, {}, {}, {}});
}

void SyncPass::upload(const SyncAction &action)
{
    const CalendarFields fields = local_.fields(action.localKey);
    if (fields.title.isEmpty()) // removed here while the pass ran: the next pass decides
        return next();
    const QString uid = action.uid.isEmpty() ? newUid() : action.uid;
    const QString href = action.href.isEmpty() ? canonicalHref(newMemberUrl(state_.collection, uid)) : action.href;
    // A change goes into the server's current copy; an event that comes back
    // after a deletion there into the copy last known.
    const SyncEntry *known = entryAt(href);
    const QByteArray base = !action.etag.isEmpty() ? copies_.value(href) : known ? known->serverCopy : QByteArray();
    const QDateTime now = clock_.now();
    const QByteArray text = base.isEmpty() ? newServerEvent(uid, fields, now) : mergeServerEvent(base, fields, now);
    if (!action.etag.isEmpty() && text == base) { // changed back to what the server has
        remember(uid, href, action.etag, {action.localKey, {}, {}, contentHash(fields)}, base);
        return next();
    }
    client_.put(QUrl(href), text, action.etag, [this, action, uid, href, text](const DavResult<QByteArray> &put) {
        uploaded(action, uid, href, text, put.error, put.value);
    });
}

void SyncPass::uploaded(const SyncAction &action, const QString &uid, const QString &href, const QByteArray &text,
                        SyncError error, const QByteArray &etag)
{
    if (error == SyncError::PreconditionFailed || (error == SyncError::NotFound && !action.etag.isEmpty()))
        return restartOrFail(error);
    if (error != SyncError::None)
        return finish(error);
    const CalendarFields fields = local_.fields(action.localKey);
    // Without an ETag (the server changed what it got) the next pass fetches it.
    remember(uid, href, etag, {action.localKey, {}, {}, contentHash(fields)}, text);
    outcome_.changes.push_back({SyncStep::Upload, fields.title});
    next();
}

void SyncPass::deleteThere(const SyncAction &action)
{
    client_.remove(QUrl(action.href), action.etag, [this, action](const DavResult<Done> &removed) {
        if (removed.error == SyncError::PreconditionFailed)
            return restartOrFail(removed.error);
        if (removed.error != SyncError::None && removed.error != SyncError::NotFound)
            return finish(removed.error);
        outcome_.changes.push_back(
            {SyncStep::DeleteThere, readServerEvent(copies_.value(action.href), clock_.today()).fields.title});
        forget(action.href);
        next();
    });
}

void SyncPass::remember(const QString &uid, const QString &href, const QByteArray &etag, const LocalItem &here,
                        const QByteArray &copy)
{
    const QByteArray serverHash = contentHash(readServerEvent(copy, clock_.today()).fields);
    const SyncEntry entry{uid, href, etag, here.key, here.hash, serverHash, copy};
    if (SyncEntry *known = entryAt(href))
        *known = entry;
    else
        state_.entries.push_back(entry);
}

void SyncPass::forget(const QString &href)
{
    std::erase_if(state_.entries, [&href](const SyncEntry &entry) { return entry.href == href; });
}

SyncEntry *SyncPass::entryAt(const QString &href)
{
    const auto found = std::find_if(state_.entries.begin(), state_.entries.end(),
                                    [&href](const SyncEntry &entry) { return entry.href == href; });
    return found == state_.entries.end() ? nullptr : &*found;
}

// Someone changed the item in the meantime: the pass begins again from the
// listing, with what it did so far remembered.
void SyncPass::restartOrFail(SyncError error)
{
    if (++restarts_ > MaxRestarts)
        return finish(error);
    list();
}

void SyncPass::finish(SyncError error)
{
    outcome_.error = error;
    outcome_.state = state_;
    if (done_)
        done_(outcome_);
}
