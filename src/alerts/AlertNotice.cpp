#include "alerts/AlertNotice.h"

#include "core/AppState.h"
#include "datelogic/Occurrence.h"
#include "dialogs/GeneralDialog.h"
#include "eventdata/DateText.h"

#include <QDate>

void AlertNotice::showAlert()
{
    const Event &event = state_.Events[state_.AlertEventIndex];
    const QString when = state_.AlertMissed ? QStringLiteral("This event has already occured!")
                                            : QStringLiteral("%1 %2").arg(MonthName(event.monthText().toInt()),
                                                                          QString::number(event.dayText().toInt()));
    ShowGeneralDialog(state_, parent_, 4815, 1605, event.Title, when, 735, QStringLiteral("Alert"), QString());
}

AlertNotice::AlertNotice(AppState &state) : state_(state) {}
