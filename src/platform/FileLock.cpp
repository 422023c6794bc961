#include "platform/FileLock.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#ifdef Q_OS_WIN
#include <QLockFile>
#else
#include <cerrno>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

#ifndef Q_OS_WIN
// Open to others for reading, so that another user sharing the folder can
// take the same lock; it never holds anything.
constexpr mode_t LockFileMode = 0644;

QString reasonFor(int systemError)
{
    switch (systemError) {
    case ELOOP: return QStringLiteral("it is a symbolic link");
    case EISDIR: return QStringLiteral("it is a folder");
    default: return qt_error_string(systemError);
    }
}

// The lock file for writing, or when only the folder refuses that, for
// reading: a lock file another user made serves as well. -1 with errno set.
int openLockFile(const QByteArray &path)
{
    const int fd = ::open(path.constData(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, LockFileMode);
    if (fd >= 0 || (errno != EACCES && errno != EROFS))
        return fd;
    const int createError = errno;
    const int readOnly = ::open(path.constData(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW);
    if (readOnly < 0 && errno == ENOENT)
        errno = createError;
    return readOnly;
}
#endif

} // namespace

FileLock::FileLock(QString path) : path_(std::move(path)) {}

FileLock::~FileLock()
{
#ifndef Q_OS_WIN
    if (fd_ >= 0)
        ::close(fd_); // ends the lock; the file stays
#endif
}

FileLock::Outcome FileLock::fail(const QString &reason)
{
    failure_ = QStringLiteral("The lock file %1 cannot be made (%2).").arg(QDir::toNativeSeparators(path_), reason);
    return Outcome::Failed;
}

#ifdef Q_OS_WIN

FileLock::Outcome FileLock::take()
{
    lock_ = std::make_unique<QLockFile>(path_);
    lock_->setStaleLockTime(0); // a lock is stale only when its process is gone
    if (lock_->tryLock(0))
        return Outcome::Taken;
    switch (lock_->error()) {
    case QLockFile::LockFailedError: return Outcome::HeldElsewhere;
    case QLockFile::PermissionError:
        fail(QStringLiteral("access denied"));
        return QFileInfo::exists(path_) ? Outcome::Failed : Outcome::FolderUnwritable;
    default: return fail(QStringLiteral("unknown error"));
    }
}

#else

FileLock::Outcome FileLock::take()
{
    fd_ = openLockFile(QFile::encodeName(path_));
    if (fd_ < 0) {
        const int systemError = errno;
        const QFileInfo entry(path_);
        const bool missing = !entry.exists() && !entry.isSymLink();
        const bool unwritable = systemError == EACCES || systemError == EROFS || systemError == ENOENT;
        const Outcome failed = fail(reasonFor(systemError));
        return missing && unwritable ? Outcome::FolderUnwritable : failed;
    }
    struct stat status {};
    if (::fstat(fd_, &status) != 0 || !S_ISREG(status.st_mode))
        return fail(QStringLiteral("it is not a regular file"));
    if (::flock(fd_, LOCK_EX | LOCK_NB) != 0)
        return errno == EWOULDBLOCK ? Outcome::HeldElsewhere : fail(reasonFor(errno));
    ::futimens(fd_, nullptr); // a lock file opened for reading keeps its time, which only lets less be tidied
    return Outcome::Taken;
}

#endif
