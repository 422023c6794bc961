#pragma once

#include "exchange/ImportTable.h"

#include <QObject>
#include <QString>

#include <atomic>
#include <functional>
#include <memory>
#include <optional>

class CalendarStore;
class FileErrorReporter;
class Platform;
class QThread;
class QWidget;
struct Settings;

// File > Import events... and Export events...: the file chooser, the import
// into the calendar store with its one report, the export.
class ExchangeCommands {
public:
    // Reads a file to import. It runs beside the windows, so it touches
    // nothing of theirs.
    using Reader = std::function<ImportReading(const QString &path, const ImportContext &context)>;

    ExchangeCommands(CalendarStore &store, const Settings &settings, FileErrorReporter &reporter, Platform &platform,
                     QWidget *window);
    // Asks a reading that still runs to stop, and waits for it.
    ~ExchangeCommands();

    // The file is read beside the windows, which go on answering (reminders,
    // the end of the program) however long a hostile file takes. Its events
    // are entered into the calendar as it is when the reading is done, so
    // nothing changed meanwhile is lost. While a reading runs, a second
    // import does nothing: the first one reports when it is done.
    void importEvents();
    bool importRunning() const { return reading_ != nullptr; }
    // A failed write is reported as any file error; success needs no word.
    void exportEvents();

    void setReader(Reader reader) { read_ = std::move(reader); }

private:
    void finishImport();

    CalendarStore &store_;
    const Settings &settings_;
    FileErrorReporter &reporter_;
    Platform &platform_;
    QWidget *window_;
    Reader read_;
    std::unique_ptr<QThread> reading_;
    std::optional<ImportReading> readResult_;
    std::atomic<bool> stop_ = false;
    QObject receiver_; // gets the end of a reading on the windows' thread, for as long as these commands live
};

// The report of an import, in the general dialog.
void showImportReport(QWidget *centreOn, const ImportReport &report);
