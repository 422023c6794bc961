#include "mainwindow/ExchangeCommands.h"

#include "eventdata/CalendarStore.h"
#include "eventdata/DataFile.h"
#include "messages/GeneralDialog.h"
#include "exchange/CalendarExport.h"
#include "exchange/EventImport.h"
#include "platform/Clock.h"
#include "settings/Settings.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QThread>

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

ExchangeCommands::ExchangeCommands(CalendarStore &store, const Settings &settings, FileErrorReporter &reporter,
                                   const Clock &clock, QWidget *window)
    : store_(store), settings_(settings), reporter_(reporter), clock_(clock), window_(window),
      chooseOpen_(defaultOpenChooser), chooseSave_(defaultSaveChooser),
      read_(readEventFile)
{
}

ExchangeCommands::~ExchangeCommands()
{
    stop_ = true;
    if (reading_)
        reading_->wait();
}

void ExchangeCommands::setFileChoosers(FileChooser open, FileChooser save)
{
    chooseOpen_ = std::move(open);
    chooseSave_ = std::move(save);
}

void ExchangeCommands::importEvents()
{
    if (reading_)
        return;
    const QString path = chooseOpen_(window_, QStringLiteral("Import events"), QDir::homePath(),
                                     QStringLiteral("Calendars and contacts (*.ics *.vcf);;iCalendar files (*.ics);;"
                                                    "vCard files (*.vcf);;All Files (*)"));
    if (path.isEmpty())
        return;
    const ImportContext context{clock_.today(), settings_.userCategories, &stop_};
    reading_.reset(QThread::create([this, path, context] { readResult_ = read_(path, context); }));
    QObject::connect(reading_.get(), &QThread::finished, &receiver_, [this] { finishImport(); });
    reading_->start();
}

void ExchangeCommands::finishImport()
{
    reading_->wait();
    reading_.reset();
    const ImportReading reading = std::move(*readResult_);
    readResult_.reset();
    const ImportResult result = enterImport(reading, store_.table());
    if (result.report.imported > 0)
        store_.replaceAll(result.table);
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
    DataFile(file.absolutePath(), file.fileName(), reporter_).save(exportCalendar(store_.table(), clock_.now()));
}

void showImportReport(QWidget *centreOn, const ImportReport &report)
{
    GeneralDialog::ask(centreOn, fittedMessage(MessageKind::Ok, importReportTitle(report), importReportText(report)));
}
