#include "mainwindow/ExchangeCommands.h"

#include "appstate/AppState.h"
#include "appstate/DataFiles.h"
#include "dialogs/GeneralDialog.h"
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

ExchangeCommands::ExchangeCommands(AppState &state, DataFiles &files, FileErrorReporter &reporter,
                                   const Clock &clock, QWidget *window, std::function<void()> redraw)
    : state_(state), files_(files), reporter_(reporter), clock_(clock), window_(window),
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
    const ImportResult result =
        enterImport(readEventFile(path, ImportContext{clock_.today(), state_.userCategories}), table);
    if (result.report.imported > 0) {
        table = result.table;
        redraw_();
        files_.saveCalendar(state_);
    }
    showImportReport(window_, result.report);
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

void showImportReport(QWidget *centreOn, const ImportReport &report)
{
    GeneralDialog::ask(centreOn, {MessageKind::Ok, importReportTitle(report), importReportText(report), 3225, 2295});
}
