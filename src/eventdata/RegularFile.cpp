#include "eventdata/RegularFile.h"

#include "eventdata/FileErrors.h"

#include <QDir>
#include <QFileInfo>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

#ifdef Q_OS_UNIX

// O_NONBLOCK lets the open of a FIFO return at once; fstat on the descriptor
// then judges the very file that was opened, so nothing can swap it between
// the check and the read.
RegularFile::RegularFile(const QString &path)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        error_ = openErrorForReading(path);
        return;
    }
    struct stat status {};
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
        ::close(fd);
        error_ = FileError::NotRegularFile;
        return;
    }
    if (!file_.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        error_ = FileError::PathFileAccess;
    }
}

#else

RegularFile::RegularFile(const QString &path) : file_(path)
{
    if (pathKind(path) == PathKind::Special)
        error_ = FileError::NotRegularFile;
    else if (!file_.open(QIODevice::ReadOnly))
        error_ = openErrorForReading(path);
}

#endif

QByteArray RegularFile::read(qint64 maxBytes)
{
    if (error_ != 0)
        return {};
    QByteArray bytes = file_.read(maxBytes);
    if (file_.error() != QFileDevice::NoError)
        error_ = FileError::DeviceIO;
    return bytes;
}

PathKind pathKind(const QString &path)
{
    const QFileInfo info(path);
    if (!info.exists())
        return PathKind::Missing;
    return info.isFile() ? PathKind::Regular : PathKind::Special;
}

int openErrorForReading(const QString &path)
{
    const QFileInfo info(path);
    if (!info.exists())
        return info.absoluteDir().exists() ? FileError::FileNotFound : FileError::PathNotFound;
    if (!info.isFile())
        return FileError::NotRegularFile; // a socket, for one, cannot be opened at all
    if (!info.isReadable())
        return FileError::PermissionDenied;
    return FileError::PathFileAccess;
}
