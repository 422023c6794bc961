#include "sync/SyncTexts.h"

#include <QStringList>

#include <algorithm>

namespace {

int countOf(const SyncPlan &plan, SyncStep step)
{
    return static_cast<int>(std::count_if(plan.actions.begin(), plan.actions.end(),
                                          [step](const SyncAction &action) { return action.step == step; }));
}

QString failureText(SyncError error)
{
    switch (error) {
    case SyncError::Offline:
    case SyncError::Timeout:
        return QStringLiteral("Offline, will try again");
    case SyncError::SignInFailed:
        return QStringLiteral("Sign-in failed");
    case SyncError::TlsError:
        return QStringLiteral("Sync failed: the server's certificate was refused");
    case SyncError::RefusedAddress:
        return QStringLiteral("Sync failed: the address needs https://");
    case SyncError::RefusedRedirect:
        return QStringLiteral("Sync failed: the server sent it elsewhere");
    case SyncError::NotFound:
        return QStringLiteral("Sync failed: no calendar at the address");
    case SyncError::StateFile:
        return QStringLiteral("Sync failed: calendar.sync could not be read or saved");
    default:
        return QStringLiteral("Sync failed, will try again");
    }
}

} // namespace

QString syncStatusText(const SyncOutcome &outcome, QTime at)
{
    if (outcome.error != SyncError::None)
        return failureText(outcome.error);
    if (outcome.declined)
        return QStringLiteral("Sync stopped: nothing was changed");
    if (outcome.plan.noRoom)
        return QStringLiteral("Synced %1, but the calendar is full").arg(at.toString(QStringLiteral("HH:mm")));
    return QStringLiteral("Synced %1").arg(at.toString(QStringLiteral("HH:mm")));
}

QString syncChangeLine(const SyncChange &change)
{
    switch (change.step) {
    case SyncStep::Upload:
        return QStringLiteral("Sent to the server: %1").arg(change.title);
    case SyncStep::AddHere:
        return QStringLiteral("Added here: %1").arg(change.title);
    case SyncStep::TakeServer:
        return QStringLiteral("Changed here: %1").arg(change.title);
    case SyncStep::ConflictCopy:
        return QStringLiteral("Changed on both sides: the server's version kept, yours as %1").arg(change.title);
    case SyncStep::DeleteThere:
        return QStringLiteral("Deleted on the server: %1").arg(change.title);
    case SyncStep::DeleteHere:
        return QStringLiteral("Deleted here: %1").arg(change.title);
    default:
        return change.title;
    }
}

QString syncReportText(const SyncOutcome &outcome, int maxLines)
{
    QStringList lines;
    const int named = std::min(static_cast<int>(outcome.changes.size()), maxLines);
    for (int i = 0; i < named; ++i)
        lines.append(syncChangeLine(outcome.changes[static_cast<size_t>(i)]));
    if (static_cast<int>(outcome.changes.size()) > named)
        lines.append(QStringLiteral("and %1 more").arg(static_cast<int>(outcome.changes.size()) - named));
    if (outcome.plan.noRoom)
        lines.append(QStringLiteral("The server holds more new events than the calendar has room for: "
                                    "none of them was added."));
    if (lines.isEmpty())
        return {};
    if (outcome.plan.untouched > 0)
        lines.append(QStringLiteral("%1 item(s) on the server that this calendar cannot hold were left as they are.")
                         .arg(outcome.plan.untouched));
    return lines.join(QLatin1Char('\n'));
}

QString syncQuestionText(const SyncPlan &plan)
{
    switch (plan.question) {
    case SyncQuestion::FirstSync:
        return QStringLiteral("The calendar on the server already holds events.\n"
                              "Here: %1, on the server: %2, the same on both sides: %3.\n"
                              "Sync them now? Nothing is written before you say yes.")
            .arg(plan.here)
            .arg(plan.there)
            .arg(plan.same);
    case SyncQuestion::MassDeletion:
        return QStringLiteral("This sync would delete %1 of %2 events here and %3 of %4 on the server.\n"
                              "Delete them?")
            .arg(countOf(plan, SyncStep::DeleteHere))
            .arg(plan.here)
            .arg(countOf(plan, SyncStep::DeleteThere))
            .arg(plan.there);
    default:
        return {};
    }
}
