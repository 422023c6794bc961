#include "mainwindow/ExchangeCommands.h"

#include "eventdata/CalendarStore.h"
#include "eventdata/DataFile.h"
#include "messages/GeneralDialog.h"
#include "exchange/CalendarExport.h"
#include "exchange/EventImport.h"
#include "platform/Clock.h"
#include "platform/Platform.h"
#include "settings/Settings.h"

#include <QDir>
#include <QFileInfo>
#include <QThread>

ExchangeCommands::ExchangeCommands(CalendarStore &store, const Settings &settings, FileErrorReporter &reporter,
                                   Platform &platform, QWidget *window)
    : store_(store), settings_(settings), reporter_(reporter), platform_(platform), window_(window),
      read_(readEventFile)
{
}

ExchangeCommands::~ExchangeCommands()
{
    stop_ = true;
    if (reading_)
        reading_->wait();
}

void ExchangeCommands::importEvents()
{
    if (reading_)
        return;
    const QString path =
        platform_.chooseFile(window_, FileChoice::Open, QStringLiteral("Import events"), QDir::homePath(),
                             QStringLiteral("Calendars and contacts (*.ics *.vcf);;iCalendar files (*.ics);;"
                                            "vCard files (*.vcf);;All Files (*)"));
    if (path.isEmpty())
        return;
    const ImportContext context{platform_.clock().today(), settings_.userCategories, &stop_};
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
    const QString path = platform_.chooseFile(window_, FileChoice::Save, QStringLiteral("Export events"),
                                              QDir(QDir::homePath()).filePath(QStringLiteral("Tarrowby.ics")),
                                              QStringLiteral("iCalendar files (*.ics)"));
    if (path.isEmpty())
        return;
    const QFileInfo file(path);
    const QString calendar = exportCalendar(store_.table(), platform_.clock().now());
    DataFile(file.absolutePath(), file.fileName(), reporter_).save(calendar);
}

void showImportReport(QWidget *centreOn, const ImportReport &report)
{
    GeneralDialog::ask(centreOn, fittedMessage(MessageKind::Ok, importReportTitle(report), importReportText(report)));
}
