#include "sync/SyncDecision.h"

#include <QHash>
#include <QSet>

#include <algorithm>

namespace {

QString matchKey(const QString &title, const EventDate &date)
{
    return title + u'\n' + QString::number(date.year) + u'-' + QString::number(date.month) + u'-'
           + QString::number(date.day);
}

// One remembered event against what both sides hold now.
//
// | here     | there                    | step                                      |
// |----------|--------------------------|-------------------------------------------|
// | any      | cannot be held any more  | changed here: kept as new; else gone here |
// | gone     | gone                     | forget                                    |
// | gone     | unchanged                | delete there                              |
// | gone     | changed                  | add here: the changed one comes back      |
// | unchanged| gone                     | delete here                               |
// | changed  | gone                     | upload: the changed one comes back        |
// | changed  | changed, now the same    | link                                      |
// | changed  | changed                  | conflict copy                             |
// | changed  | unchanged                | upload over its ETag                      |
// | unchanged| changed                  | take the server's                         |
// | unchanged| other properties changed | refresh the copy                          |
class PlanBuilder {
public:
    explicit PlanBuilder(const SyncInput &input) : input_(input) {}
    SyncPlan build();

private:
    void decideEntry(const SyncEntry &entry);
    void decideUnreachable(const SyncEntry &entry, const LocalItem *here);
    void decideBoth(const SyncEntry &entry, const LocalItem &here, const ServerItem &there);
    void matchNewOnes();
    void countDuplicateUids();
    void leaveOutAdds();
    bool deletesMostOf(SyncStep step, int count) const;
    void add(SyncStep step, const QString &key, const QString &href, const QByteArray &etag = {},
             const QString &uid = {})
    {
        plan_.actions.push_back({step, key, href, etag, uid});
    }

    const SyncInput &input_;
    SyncPlan plan_;
    QHash<QString, const LocalItem *> local_;
    QHash<QString, const ServerItem *> server_;
    QSet<QString> linkedKeys_;
    QSet<QString> linkedHrefs_;
    QSet<QString> duplicates_; // hrefs of server items whose UID another item has
};

// The server's item turned into something the calendar cannot hold (a
// weekly rule, say): it stays there as it is.
void PlanBuilder::decideUnreachable(const SyncEntry &entry, const LocalItem *here)
{
    ++plan_.untouched;
    if (here && here->hash == entry.localHash) {
        add(SyncStep::DeleteHere, here->key, entry.href, {}, entry.uid);
        return;
    }
    add(SyncStep::Forget, entry.localKey, entry.href, {}, entry.uid);
    if (here) // changed here as well: nothing lost, it goes up as an event of its own
        add(SyncStep::Upload, here->key, {});
}

void PlanBuilder::decideBoth(const SyncEntry &entry, const LocalItem &here, const ServerItem &there)
{
    const bool changedHere = here.hash != entry.localHash;
    const bool touchedThere = there.etag != entry.etag;
    const bool changedThere = touchedThere && there.hash != entry.serverHash;
    if (changedHere && changedThere)
        add(here.hash == there.hash ? SyncStep::Link : SyncStep::ConflictCopy, here.key, there.href, there.etag,
            entry.uid);
    else if (changedHere)
        add(SyncStep::Upload, here.key, there.href, there.etag, entry.uid);
    else if (changedThere)
        add(SyncStep::TakeServer, here.key, there.href, there.etag, entry.uid);
    else if (touchedThere)
        add(SyncStep::RefreshCopy, here.key, there.href, there.etag, entry.uid);
}

void PlanBuilder::decideEntry(const SyncEntry &entry)
{
    const LocalItem *here = local_.value(entry.localKey);
    const ServerItem *there = server_.value(entry.href);
    linkedKeys_.insert(entry.localKey);
    linkedHrefs_.insert(entry.href);
    if (there && !there->holdable) {
        decideUnreachable(entry, here);
    } else if (!here && !there) {
        add(SyncStep::Forget, entry.localKey, entry.href, {}, entry.uid);
    } else if (!here) {
        const bool changedThere = there->hash != entry.serverHash;
        add(changedThere ? SyncStep::AddHere : SyncStep::DeleteThere, {}, there->href, there->etag, entry.uid);
    } else if (!there) {
        const bool changedHere = here->hash != entry.localHash;
        add(changedHere ? SyncStep::Upload : SyncStep::DeleteHere, here->key, entry.href, {}, entry.uid);
    } else {
        decideBoth(entry, *here, *there);
    }
}

// A UID names one event: a second item with the same UID is left alone.
void PlanBuilder::countDuplicateUids()
{
    QHash<QString, QString> owner; // UID to the href that keeps it
    for (const SyncEntry &entry : input_.entries)
        owner.insert(entry.uid, entry.href);
    std::vector<const ServerItem *> items;
    for (const ServerItem &item : input_.server)
        items.push_back(&item);
    std::sort(items.begin(), items.end(), [](const ServerItem *a, const ServerItem *b) { return a->href < b->href; });
    for (const ServerItem *item : items) {
        const auto found = owner.constFind(item->uid);
        if (item->uid.isEmpty() || (found != owner.cend() && *found != item->href))
            duplicates_.insert(item->href);
        else
            owner.insert(item->uid, item->href);
    }
}

// Events new on both sides: the same title and date are one event, whatever
// else differs (the server's version is taken then); the rest go across.
void PlanBuilder::matchNewOnes()
{
    QHash<QString, const ServerItem *> unmatched;
    std::vector<const ServerItem *> newThere;
    for (const ServerItem &item : input_.server) {
        if (linkedHrefs_.contains(item.href))
            continue;
        if (!item.holdable || duplicates_.contains(item.href)) {
            ++plan_.untouched;
            continue;
        }
        newThere.push_back(&item);
        unmatched.insert(matchKey(item.title, item.date), &item);
    }
    QSet<QString> matched;
    for (const LocalItem &item : input_.local) {
        if (linkedKeys_.contains(item.key))
            continue;
        const ServerItem *same = unmatched.take(matchKey(item.title, item.date));
        if (!same) {
            add(SyncStep::Upload, item.key, {});
            continue;
        }
        matched.insert(same->href);
        ++plan_.same;
        add(same->hash == item.hash ? SyncStep::Link : SyncStep::TakeServer, item.key, same->href, same->etag,
            same->uid);
    }
    for (const ServerItem *item : newThere)
        if (!matched.contains(item->href))
            add(SyncStep::AddHere, {}, item->href, item->etag, item->uid);
}

bool PlanBuilder::deletesMostOf(SyncStep step, int count) const
{
    const auto deletes = std::count_if(plan_.actions.begin(), plan_.actions.end(),
                                       [step](const SyncAction &action) { return action.step == step; });
    return 2 * deletes > count;
}

// Nothing is added when not all fits: the calendar is never cut down, and
// no event is taken in at random.
void PlanBuilder::leaveOutAdds()
{
    const auto adds = [](const SyncAction &action) {
        return action.step == SyncStep::AddHere || action.step == SyncStep::ConflictCopy;
    };
    if (std::count_if(plan_.actions.begin(), plan_.actions.end(), adds) <= input_.room)
        return;
    plan_.noRoom = true;
    std::erase_if(plan_.actions, adds);
}

SyncPlan PlanBuilder::build()
{
    for (const LocalItem &item : input_.local)
        local_.insert(item.key, &item);
    for (const ServerItem &item : input_.server)
        server_.insert(item.href, &item);
    countDuplicateUids();
    for (const SyncEntry &entry : input_.entries)
        decideEntry(entry);
    matchNewOnes();
    leaveOutAdds();
    plan_.here = static_cast<int>(input_.local.size());
    plan_.there = static_cast<int>(input_.server.size());
    const int held = plan_.there - plan_.untouched;
    if (input_.firstSync && plan_.there > 0)
        plan_.question = SyncQuestion::FirstSync;
    else if (deletesMostOf(SyncStep::DeleteHere, plan_.here) || deletesMostOf(SyncStep::DeleteThere, held))
        plan_.question = SyncQuestion::MassDeletion;
    return std::move(plan_);
}

} // namespace

SyncPlan decideSync(const SyncInput &input)
{
    return PlanBuilder(input).build();
}
