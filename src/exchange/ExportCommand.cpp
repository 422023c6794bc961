#include "exchange/ExportCommand.h"

#include "eventdata/CalendarFile.h"
#include "eventdata/DataFolder.h"
#include "eventdata/EventTable.h"
#include "eventdata/FileErrors.h"
#include "eventdata/RegularFile.h"
#include "exchange/CalendarExport.h"

#include <QDir>
#include <QFileInfo>

namespace {

// Keeps the first failure of the export's one save.
class FailureNote : public FileErrorReporter {
public:
    void reportFileError(const FileFailure &failure) override { error = failure.error; }
    void reportFileChanged(const QString &, const QString &) override {}
    FileError error = FileError::None;
};

// calendar.dat as the program would show it, read without touching it: a
// missing file is an empty calendar.
FileError readCalendar(const QString &dataFolder, int currentYear, EventTable &table)
{
    QByteArray bytes;
    QStringList lines;
    FileError error = readBoundedFile(QDir(dataFolder).filePath(CalendarFile::FileName), bytes);
    if (error == FileError::FileNotFound)
        return FileError::None;
    if (!failed(error))
        error = boundedLinesOf(bytes, lines);
    QString lastCheck;
    if (!failed(error))
        error = CalendarFile::parse(lines, table, lastCheck);
    return failed(error) ? error : table.purgePastEvents(currentYear);
}

#ifdef Q_OS_WIN
constexpr Qt::CaseSensitivity FileNameCase = Qt::CaseInsensitive;
#else
constexpr Qt::CaseSensitivity FileNameCase = Qt::CaseSensitive;
#endif

// Where a save to path would write: its links followed as a save follows
// them, and its folder named without links, "." or "..".
QString resolvedPath(const QString &path)
{
    QString file;
    if (failed(followOwnLinks(path, file)))
        file = QFileInfo(path).absoluteFilePath(); // refused by the save anyway
    const QFileInfo info(file);
    const QString folder = QFileInfo(info.absolutePath()).canonicalFilePath();
    return folder.isEmpty() ? info.absoluteFilePath() : QDir(folder).filePath(info.fileName());
}

// Why the export must not write to target, empty when it may: the program's
// own files are never replaced by iCalendar text.
QString refusalFor(const QString &target, const QString &dataFolder)
{
    if (QFileInfo(target).isDir())
        return QStringLiteral("a folder; name the file to write");
    const QString file = resolvedPath(target);
    for (const QString &name : dataFileNames() + QStringList{dataFolderLockName()}) {
        if (resolvedPath(QDir(dataFolder).filePath(name)).compare(file, FileNameCase) == 0)
            return QStringLiteral("the data folder's own %1, which the export never replaces").arg(name);
    }
    return {};
}

} // namespace

int runExportCommand(const QString &target, const QString &dataFolder, const QDateTime &now, QString &failure)
{
    EventTable table;
    if (const FileError error = readCalendar(dataFolder, now.date().year(), table); failed(error)) {
        failure = CalendarFile::FileName + QStringLiteral(": ") + fileErrorTitle(error);
        return 1;
    }
    if (const QString refusal = refusalFor(target, dataFolder); !refusal.isEmpty()) {
        failure = target + QStringLiteral(": ") + refusal;
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
