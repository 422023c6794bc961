#pragma once

#include "eventdata/FileErrors.h"

#include <QByteArray>
#include <QDateTime>
#include <QFileDevice>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

// How a load takes a file that is not there: as the error it is, or, at the
// first start in a folder that holds none of the data files, as an empty one.
enum class MissingFile { IsAnError, IsEmpty };

// One of the program's text files in the data folder. Every load and save is
// complete in itself: the file is closed whatever happens, saves are atomic
// and only ever replace a regular file, never through another user's link. A file that could not be read, and a
// file that another program changed since this run last read or wrote it,
// is copied to a fresh backup name before a save may replace it.
class DataFile {
public:
    // Full tables take a few hundred kilobytes and no line of them a few
    // thousand characters; anything far larger is refused, not read.
    static constexpr qint64 MaxFileBytes = qint64{4} * 1024 * 1024;
    static constexpr qsizetype MaxLineLength = qsizetype{64} * 1024;

    DataFile(QString folder, QString name, FileErrorReporter &reporter, FileStakes stakes = {});

    QString path() const;

    // Reads the file and hands its lines (without line ends) to parse. Reports
    // a failure as a reading error and returns false.
    bool load(const std::function<FileError(const QStringList &lines)> &parse,
              MissingFile missing = MissingFile::IsAnError);

    // Replaces the file with contents, lines separated by CR LF as given.
    // Reports a failure as a writing error and returns false; the old file is
    // then untouched.
    bool save(const QString &contents);

private:
    // The file as this run last read or wrote it; size -1 when there was none.
    struct Seen {
        qint64 size = -1;
        QDateTime modified;
        QByteArray hash;
    };

    FileError replaceableError() const;
    FileError readLines(QStringList &lines);
    QString keepUnreadFile();
    FileError keepFileOnDisk();
    bool changedSinceSeen() const;
    FileError keepBackup(QString &backupName) const;
    QString freeBackupPath() const;
    FileError moveAside(const QString &backup) const;
    FileError writeAtomically(const QByteArray &bytes);

    QString folder_;
    QString name_;
    FileErrorReporter &reporter_;
    FileStakes stakes_;
    bool backupBeforeSave_ = false;
    std::optional<Seen> seen_;
};

// The lines of a data file, without their line ends. A file that starts with
// a UTF-16 byte order mark is UTF-16. Otherwise each line is read on its own:
// as UTF-8 when it is valid UTF-8, else as Windows-1252, the 8-bit text of
// older files, so one such line leaves the others as they are. A UTF-8 byte
// order mark is dropped.
QStringList decodeDataLines(const QByteArray &bytes);
// The error of a failed write, from Qt's error and errno taken
// right after the failing call.
FileError transferError(QFileDevice::FileError error, int systemError);
// The one reader of text files: a regular file only, opened without
// blocking, refused with FileTooLarge beyond DataFile::MaxFileBytes without
// being read whole.
FileError readBoundedFile(const QString &path, QByteArray &bytes, QDateTime *modified = nullptr);
// The decoded lines of a file's bytes; FileTooLarge when a line is longer
// than DataFile::MaxLineLength.
FileError boundedLinesOf(const QByteArray &bytes, QStringList &lines);

// The data files are written in UTF-8.
QByteArray encodeDataText(const QString &text);

// Splits at CR LF, LF or CR; a line end at the very end opens no further line.
QStringList splitDataLines(const QString &text);

// The same text on one line: each line break becomes one blank.
QString toSingleLine(const QString &text);

// Whether any line holds more than blanks.
bool holdsText(const QStringList &lines);
