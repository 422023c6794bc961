#pragma once

#include <QDateTime>
#include <QFile>
#include <QString>

// A file opened for reading only when it is a regular file (a link to one is
// fine). The open never waits, as a plain open of a FIFO would, and a
// device, socket or folder is refused before a byte is read.
class RegularFile {
public:
    explicit RegularFile(const QString &path);

    // 0, or the FileError number that kept the file from being opened or read.
    int error() const { return error_; }
    // Up to maxBytes from where the last read stopped; empty at the end.
    QByteArray read(qint64 maxBytes);
    qint64 size() const { return file_.size(); }
    QDateTime modified() const { return file_.fileTime(QFileDevice::FileModificationTime); }

private:
    QFile file_;
    int error_ = 0;
};

// What stands at a path, links followed.
enum class PathKind { Missing, Regular, Special };
PathKind pathKind(const QString &path);

// Why a file could not be opened for reading, as a FileError number.
int openErrorForReading(const QString &path);
