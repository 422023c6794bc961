#include "mainwindow/ExchangeCommands.h"

#include "appstate/AppState.h"
#include "dialogs/GeneralDialog.h"
#include "eventdata/CalendarFile.h"
#include "exchange/CalendarExport.h"
#include "exchange/EventImport.h"
#include "platform/Clock.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>

namespace {

QString defaultOpenChooser(QWidget *parent, const QString &title, const QString &start, const QString &filters)
{
    return QFileDialog::getOpenFileName(parent, title, start, filters);
}

QString defaultSaveChooser(QWidget *parent, const QString &title, const QString &start, const QString &filters)
{
    return QFileDialog::getSaveFileName(parent, title, start, filters);
}

} // namespace

ExchangeCommands::ExchangeCommands(AppState &state, CalendarFile &calendarFile, FileErrorReporter &reporter,
                                   const Clock &clock, QWidget *window, std::function<void()> redraw)
    : state_(state), calendarFile_(calendarFile), reporter_(reporter), clock_(clock), window_(window),
      redraw_(std::move(redraw)), chooseOpen_(defaultOpenChooser), chooseSave_(defaultSaveChooser)
{
}

void ExchangeCommands::setFileChoosers(FileChooser open, FileChooser save)
{
    chooseOpen_ = std::move(open);
    chooseSave_ = std::move(save);
}

void ExchangeCommands::importEvents()
{
    const QString path = chooseOpen_(window_, QStringLiteral("Import events"), QDir::homePath(),
                                     QStringLiteral("Calendars and contacts (*.ics *.vcf);;iCalendar files (*.ics);;"
                                                    "vCard files (*.vcf);;All Files (*)"));
    if (path.isEmpty())
        return;
    EventTable &table = state_;
    const ImportResult result = importEventFile(path, table, ImportContext{clock_.today(), state_.userCategories});
    if (result.report.imported > 0) {
        table = result.table;
        redraw_();
        calendarFile_.saveCalendar(state_);
    }
    showImportReport(state_, window_, result.report);
}

void ExchangeCommands::exportEvents()
{
    const QString path = chooseSave_(window_, QStringLiteral("Export events"),
                                     QDir(QDir::homePath()).filePath(QStringLiteral("Tarrowby.ics")),
                                     QStringLiteral("iCalendar files (*.ics)"));
    if (path.isEmpty())
        return;
    const QFileInfo file(path);
    DataFile(file.absolutePath(), file.fileName(), reporter_).save(exportCalendar(state_, clock_.now()));
}

void showImportReport(AppState &state, QWidget *centreOn, const ImportReport &report)
{
    showGeneralDialog(state, centreOn, 4815, 3225, importReportTitle(report), importReportText(report), 2295,
                      QStringLiteral("Ok"), QString());
}
