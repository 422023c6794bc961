#include "exchange/ExportCommand.h"

#include "eventdata/CalendarFile.h"
#include "eventdata/EventTable.h"
#include "eventdata/FileErrors.h"
#include "exchange/CalendarExport.h"

#include <QDir>
#include <QFileInfo>

namespace {

// Keeps the first failure of the export's one save.
class FailureNote : public FileErrorReporter {
public:
    void reportFileError(const QString &, const QString &, int errorNumber, const QString &) override
    {
        error = errorNumber;
    }
    void reportFileChanged(const QString &, const QString &) override {}
    int error = 0;
};

// calendar.dat as the program would show it, read without touching it: a
// missing file is an empty calendar.
int readCalendar(const QString &dataFolder, int currentYear, EventTable &table)
{
    QByteArray bytes;
    QStringList lines;
    int error = readBoundedFile(QDir(dataFolder).filePath(CalendarFile::FileName), bytes);
    if (error == FileError::FileNotFound)
        return 0;
    if (error == 0)
        error = boundedLinesOf(bytes, lines);
    QString lastCheck;
    if (error == 0)
        error = CalendarFile::parse(lines, table, lastCheck);
    return error != 0 ? error : table.purgePastEvents(currentYear);
}

} // namespace

int runExportCommand(const QString &target, const QString &dataFolder, const QDateTime &now, QString &failure)
{
    EventTable table;
    if (const int error = readCalendar(dataFolder, now.date().year(), table)) {
        failure = CalendarFile::FileName + QStringLiteral(": ") + fileErrorTitle(error);
        return 1;
    }
    const QFileInfo file(target);
    FailureNote note;
    DataFile output(file.absolutePath(), file.fileName(), note);
    if (!output.save(exportCalendar(table, now))) {
        failure = target + QStringLiteral(": ") + fileErrorTitle(note.error);
        return 1;
    }
    return 0;
}
