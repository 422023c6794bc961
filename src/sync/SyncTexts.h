#pragma once

#include "sync/SyncPass.h"

#include <QString>
#include <QTime>

// What the user reads of the sync: the one line of the status bar and the
// tray's tool tip, the message after a pass, the question before one.

// "Synced 14:02", "Offline, will try again", "Sign-in failed", ...; at is
// when the pass ended.
QString syncStatusText(const SyncOutcome &outcome, QTime at);

// One change as a line of its own: "Added here: Party".
QString syncChangeLine(const SyncChange &change);

// What a pass did, for a message: empty when it changed nothing, found no
// conflict and has nothing to tell. At most maxLines changes are named.
QString syncReportText(const SyncOutcome &outcome, int maxLines);

// The question a plan asks before anything is written; empty for none.
QString syncQuestionText(const SyncPlan &plan);
