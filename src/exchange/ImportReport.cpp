#include "exchange/ImportReport.h"

#include "datelogic/MonthLayout.h"
#include "eventdata/FileErrors.h"

#include <QStringList>

namespace {

QString counted(int count, const char *one, const char *many)
{
    return QString::fromLatin1(count == 1 ? one : many).arg(count);
}

QString refusalText(const ImportReport &report)
{
    switch (report.refusal) {
    case ImportReport::Refusal::NotACalendar:
        return QStringLiteral("The file is neither an iCalendar (.ics) nor a vCard (.vcf) file. Nothing was imported.");
    case ImportReport::Refusal::Truncated:
        return QStringLiteral("The file ends in the middle of its calendar or contact; it may have been cut short. "
                              "Nothing was imported.");
    default:
        return fileErrorTitle(report.fileError) + QStringLiteral(": the file could not be read. Nothing was imported.");
    }
}

QString skippedText(const ImportReport &report)
{
    // clang-format off
    static const char *const reasons[SkipReasonCount][2] = {
        {"%1 already in the calendar", "%1 already in the calendar"},
        {"%1 whose title another event has", "%1 whose title other events have"},
        {"%1 in the past", "%1 in the past"},
        {"%1 cancelled", "%1 cancelled"},
        {"%1 for lack of room (the calendar is full)", "%1 for lack of room (the calendar is full)"},
        {"%1 without a title or a valid date", "%1 without a title or a valid date"},
        {"%1 whose repeat rule never occurs in the next %2 years", "%1 whose repeat rules never occur in the next %2 years"},
        {"%1 change to one date of a repeating event", "%1 changes to single dates of repeating events"},
    };
    // clang-format on
    QStringList parts;
    for (int i = 0; i < SkipReasonCount; ++i) {
        if (report.skipped[i] == 0)
            continue;
        const QString part = counted(report.skipped[i], reasons[i][0], reasons[i][1]);
        parts << (i == static_cast<int>(SkipReason::NeverOccurs) ? part.arg(ShownYearsAhead) : part);
    }
    return parts.isEmpty() ? QString() : QStringLiteral("Left out: ") + parts.join(QStringLiteral(", ")) + u'.';
}

QString zoneText(const ZoneChoice &zone)
{
    const QString why =
        zone.defined ? QStringLiteral("defines the time zone \u201c%1\u201d with more changes than can be worked out")
                     : QStringLiteral("names the time zone \u201c%1\u201d without defining it");
    return QStringLiteral("The file ") + why.arg(zone.name) + QStringLiteral("; ") + zone.used
           + QStringLiteral(" was used.");
}

} // namespace

QString importReportTitle(const ImportReport &report)
{
    return report.refused() ? QStringLiteral("Import failed") : QStringLiteral("Import finished");
}

QString importReportText(const ImportReport &report)
{
    if (report.refused())
        return refusalText(report);
    QStringList lines{counted(report.imported, "%1 event imported.", "%1 events imported.")};
    if (const QString skipped = skippedText(report); !skipped.isEmpty())
        lines << skipped;
    if (report.repeatsAsOneTime > 0)
        lines << counted(report.repeatsAsOneTime, "%1 repeating event was entered for its next date only.",
                         "%1 repeating events were entered for their next date only.");
    if (report.february29Moved > 0)
        lines << counted(report.february29Moved,
                         "%1 yearly event on 29 February was entered on 28 February, so that it alerts every year.",
                         "%1 yearly events on 29 February were entered on 28 February, so that they alert every year.");
    if (report.withoutBirthday > 0)
        lines << counted(report.withoutBirthday, "%1 contact has no birthday.", "%1 contacts have no birthday.");
    for (const ZoneChoice &zone : report.zones)
        lines << zoneText(zone);
    if (report.moreZones > 0)
        lines << counted(report.moreZones, "%1 more time zone was not defined in the file in a way that could be used.",
                         "%1 more time zones were not defined in the file in a way that could be used.");
    return lines.join(u'\n');
}
