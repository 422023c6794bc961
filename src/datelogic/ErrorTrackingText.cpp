#include "datelogic/ErrorTrackingText.h"

#include "datelogic/MonthLayout.h"
#include "programinfo/ProgramInfo.h"

#include <QStringList>

namespace {

const QDate DayDiffOrigin(2002, 1, 1);

QString lastCheckPlus(const QDate &lastCheck, int days)
{
    if (!lastCheck.isValid())
        return QStringLiteral("not available (no valid last-check date)");
    return lastCheck.addDays(days).toString(QStringLiteral("yyyyMMdd"));
}

} // namespace

QString errorTrackingText(const QDate &today, const QDate &shownDay, const QString &lastCheck)
{
    const QDate lastCheckDate = QDate::fromString(lastCheck.left(8), QStringLiteral("yyyyMMdd"));
    const QStringList lines{
        QStringLiteral("sVersion=%1_%2").arg(ProgramInfo::Version, ProgramInfo::BuildDate),
        QStringLiteral("DayDiff=%1").arg(DayDiffOrigin.daysTo(today)),
        shownDay.isValid() ? displayedDateRecord(shownDay) : QString(),
        QStringLiteral("RealDate=%1%2%3").arg(today.year()).arg(today.month()).arg(today.day()),
        QStringLiteral("LastCheck=") + lastCheck.left(8),
        QStringLiteral("LastCheck_plus1=") + lastCheckPlus(lastCheckDate, 1),
        QStringLiteral("LastCheck_plus30=") + lastCheckPlus(lastCheckDate, 30),
        QString(),
        QStringLiteral("If an error occurs, please copy these data and send them to %1. Thank you for your help!")
            .arg(ProgramInfo::SupportMail),
    };
    return lines.join(QStringLiteral("\r\n"));
}
