#include "eventdata/RegularFile.h"

#include "eventdata/FileErrors.h"

#include <QDir>
#include <QFileInfo>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

constexpr int MaxLinksFollowed = 40; // the kernel's own limit

#ifdef Q_OS_UNIX
// The kernel's rule for links in shared sticky folders, applied everywhere:
// a link is followed when this user made it, or when the folder's owner did,
// who could replace the file itself anyway.
bool isOwnLink(const QString &link)
{
    struct stat entry {};
    struct stat folder {};
    if (::lstat(QFile::encodeName(link).constData(), &entry) != 0)
        return false;
    if (entry.st_uid == ::geteuid())
        return true;
    const QByteArray folderPath = QFile::encodeName(QFileInfo(link).absolutePath());
    return ::stat(folderPath.constData(), &folder) == 0 && folder.st_uid == entry.st_uid;
}
#else
// Windows has no such shared folders, and making a link takes an administrator.
bool isOwnLink(const QString &)
{
    return true;
}
#endif

} // namespace

FileError followOwnLinks(const QString &path, QString &file)
{
    QString current = QFileInfo(path).absoluteFilePath();
    for (int followed = 0; followed <= MaxLinksFollowed; ++followed) {
        const QFileInfo entry(current);
        if (!entry.isSymbolicLink()) {
            file = current;
            return FileError::None;
        }
        if (!isOwnLink(current))
            return FileError::PermissionDenied;
        current = entry.symLinkTarget();
    }
    return FileError::PathFileAccess;
}

#ifdef Q_OS_UNIX

// The links are followed by hand, each only when it is trusted; the file
// they lead to is opened without following a link, so none put there since
// is followed. O_NONBLOCK lets the open of a FIFO return at once; fstat on
// the descriptor then judges the very file that was opened, so nothing can
// swap it between the check and the read.
RegularFile::RegularFile(const QString &path)
{
    QString file;
    error_ = followOwnLinks(path, file);
    if (failed(error_))
        return;
    const int fd = ::open(QFile::encodeName(file).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOFOLLOW);
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
    if (failed(error_))
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

FileError openErrorForReading(const QString &path)
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

FileError replaceableFile(const QString &path, QString &file)
{
    if (const FileError error = followOwnLinks(path, file); failed(error))
        return error;
    return pathKind(file) == PathKind::Special ? FileError::NotRegularFile : FileError::None;
}
