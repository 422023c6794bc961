#pragma once

#include "eventdata/FileErrors.h"

#include <QDateTime>
#include <QFile>
#include <QString>

// A file opened for reading only when it is a regular file (a link to one is
// fine, as long as followOwnLinks() follows it). The open never waits, as a
// plain open of a FIFO would, and a device, socket or folder is refused
// before a byte is read.
class RegularFile {
public:
    explicit RegularFile(const QString &path);

    // What kept the file from being opened or read, if anything.
    FileError error() const { return error_; }
    // Up to maxBytes from where the last read stopped; empty at the end.
    QByteArray read(qint64 maxBytes);
    qint64 size() const { return file_.size(); }
    QDateTime modified() const { return file_.fileTime(QFileDevice::FileModificationTime); }

private:
    QFile file_;
    FileError error_ = FileError::None;
};

// What stands at a path, links followed.
enum class PathKind { Missing, Regular, Special };
PathKind pathKind(const QString &path);

// Why a file could not be opened for reading.
FileError openErrorForReading(const QString &path);

// The file that path names once its symbolic links are followed, each one
// only when its owner is this user or the owner of the folder that holds it:
// in a folder others may write, another user's link could point anywhere
// (a shell start-up file, a file of made-up events), so it is never
// followed. 0 and the file's path (it may not exist), PermissionDenied for
// another user's link, PathFileAccess for a loop of links.
FileError followOwnLinks(const QString &path, QString &file);

// The file a save may replace: followOwnLinks(), and then only a regular
// file or none yet (NotRegularFile for a device, FIFO, socket or folder).
FileError replaceableFile(const QString &path, QString &file);
