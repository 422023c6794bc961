#pragma once

#include <QString>
#include <QStringList>

#include <functional>

class FileErrorReporter;

// One of the program's text files in the data folder. Every load and save is
// complete in itself: the file is closed whatever happens, saves are atomic,
// and a file whose load failed for any reason but its absence is copied to a
// fresh backup name before the first save may replace it.
class DataFile {
public:
    // Full tables take a few hundred kilobytes and no line of them a few
    // thousand characters; anything far larger is refused, not read.
    static constexpr qint64 MaxFileBytes = 4 * 1024 * 1024;
    static constexpr qsizetype MaxLineLength = 64 * 1024;

    DataFile(QString folder, QString name, FileErrorReporter &reporter);

    const QString &name() const { return name_; }
    QString path() const;

    // Reads the file and hands its lines (without line ends) to parse, which
    // returns 0 or an error number. Reports a failure as a reading error and
    // returns false.
    bool load(const std::function<int(const QStringList &lines)> &parse);

    // Replaces the file with contents, lines separated by CR LF as given.
    // Reports a failure as a writing error and returns false; the old file is
    // then untouched.
    bool save(const QString &contents);

private:
    int readLines(QStringList &lines) const;
    int writeAtomically(const QByteArray &bytes) const;
    int keepBackup() const;

    QString folder_;
    QString name_;
    FileErrorReporter &reporter_;
    bool backupBeforeSave_ = false;
};

// The system's 8-bit text as stored in the data files. Bytes that are not
// valid in the system encoding are read as Latin-1 so no character is lost.
QString decodeDataText(const QByteArray &bytes);
QByteArray encodeDataText(const QString &text);

// Splits at CR LF, LF or CR; a line end at the very end opens no further line.
QStringList splitDataLines(const QString &text);

// The same text on one line: each line break becomes one blank.
QString toSingleLine(const QString &text);
