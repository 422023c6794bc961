#include "datelogic/AlertCheck.h"

#include "core/AppState.h"
#include "datelogic/Occurrence.h"
#include "platform/Clock.h"

AlertCheck::AlertCheck(AppState &state, const Clock &clock, AlertWindow &window)
    : state_(state), clock_(clock), window_(window), reminderClock_(clock, state)
{
}

void AlertCheck::CheckEventAlert(int index, Pass pass)
{
    const Event &event = state_.Events[index];
    const int notifyingDays = event.NotifyingDays;
    if (notifyingDays <= 0)
        return; // no alert, or alerts switched off
    const QDate today = clock_.today();
    const std::optional<qint64> daysLeft = DaysLeft(event, today);
    if (!daysLeft)
        return; // a date that does not exist never alerts

    if (*daysLeft < 0) {
        if (pass == Pass::RegularOnly)
            return;
        // Missed: the alert period began after the previous save, so the user
        // has never seen this alert.
        const QDate lastCheck = storedDate(state_.LastCheck);
        if (lastCheck.isValid() && lastCheck.addDays(notifyingDays) < *NextOccurrence(event, today))
            AlertWindowOpen(index, true);
        return;
    }
    if (*daysLeft <= notifyingDays) {
        AlertWindowOpen(index, false);
        recordAnswer(index);
    }
}

void AlertCheck::CheckAllAlerts()
{
    const int last = state_.EventCount;
    for (int i = 0; i <= last; ++i)
        CheckEventAlert(i);
}

void AlertCheck::AlertWindowOpen(int index, bool missed)
{
    state_.AlertMissed = missed ? 1 : 0;
    state_.AlertEventIndex = qint16(index);
    state_.DialogResult.clear(); // a window closed without an answer leaves no reminder
    window_.showAlert();
}

// A delay counts from the moment it was chosen, however long the window was open.
void AlertCheck::recordAnswer(int index)
{
    Event &event = state_.Events[index];
    if (state_.DialogResult == QLatin1String("never"))
        event.NotifyingDays = qint16(-event.NotifyingDays);
    event.RemindAgain = reminderForAnswer(state_.DialogResult, reminderClock_.nowMs());
}
