#pragma once

#include <QString>

#include <functional>

class Clock;
class DataFiles;
class FileErrorReporter;
class QWidget;
struct AppState;
struct ImportReport;

// File > Import events... and Export events...: the file chooser, the import
// into a copy of the table with its one report and one save, the export.
class ExchangeCommands {
public:
    // Asks for a file: parent, title, starting path, filters; returns the
    // chosen path or an empty text when the user cancelled.
    using FileChooser = std::function<QString(QWidget *, const QString &, const QString &, const QString &)>;

    ExchangeCommands(AppState &state, DataFiles &files, FileErrorReporter &reporter, const Clock &clock,
                     QWidget *window, std::function<void()> redraw);

    void importEvents();
    // A failed write is reported as any file error; success needs no word.
    void exportEvents();

    void setFileChoosers(FileChooser open, FileChooser save);

private:
    AppState &state_;
    DataFiles &files_;
    FileErrorReporter &reporter_;
    const Clock &clock_;
    QWidget *window_;
    std::function<void()> redraw_;
    FileChooser chooseOpen_;
    FileChooser chooseSave_;
};

// The report of an import, in the general dialog.
void showImportReport(QWidget *centreOn, const ImportReport &report);
