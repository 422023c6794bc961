#include "datelogic/AlertCheck.h"

#include "datelogic/Occurrence.h"
#include "eventdata/CalendarStore.h"
#include "platform/Clock.h"

AlertCheck::AlertCheck(EventTable &table, const QString &lastCheck, CalendarStore &store, const Clock &clock,
                       AlertWindow &window)
    : table_(table), lastCheck_(lastCheck), store_(store), clock_(clock), window_(window), reminderClock_(clock, table)
{
}

void AlertCheck::checkEventAlert(int index, Pass pass)
{
    const Event &event = table_.events[index];
    const int notifyingDays = event.notifyingDays;
    if (notifyingDays <= 0)
        return; // no alert, or alerts switched off
    const QDate today = clock_.today();
    const std::optional<qint64> left = daysLeft(event, today);
    if (!left)
        return; // a date that does not exist never alerts

    if (*left < 0) {
        if (pass == Pass::RegularOnly)
            return;
        // Missed: the alert period began after the previous save, so the user
        // has never seen this alert.
        const QDate lastCheck = readStoredDay(lastCheck_);
        if (lastCheck.isValid() && lastCheck.addDays(notifyingDays) < *nextOccurrence(event, today))
            alertWindowOpen(index, true);
        return;
    }
    if (*left <= notifyingDays)
        recordAnswer(index, alertWindowOpen(index, false));
}

void AlertCheck::checkAllAlerts()
{
    const int last = table_.eventCount;
    for (int i = 0; i <= last; ++i)
        checkEventAlert(i);
}

RemindAnswer AlertCheck::alertWindowOpen(int index, bool missed)
{
    return window_.showAlert(index, missed);
}

// A delay counts from the moment it was chosen, however long the window was open.
void AlertCheck::recordAnswer(int index, const RemindAnswer &answer)
{
    Event event = table_.events[index];
    if (answer.when == RemindAnswer::When::Never)
        event.notifyingDays = qint16(-event.notifyingDays);
    event.remindAgain = reminderForAnswer(answer, reminderClock_.nowMs());
    store_.answerAlert(index, event);
}
