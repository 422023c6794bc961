#include "platform/FileLock.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#ifdef Q_OS_WIN
#include <windows.h>
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
    case ELOOP:
        return QStringLiteral("it is a symbolic link");
    case EISDIR:
        return QStringLiteral("it is a folder");
    default:
        return qt_error_string(systemError);
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
#ifdef Q_OS_WIN
    if (handle_)
        CloseHandle(handle_); // ends the lock; the file stays
#else
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

namespace {

// Shared with every other opener, so that another user sharing the folder can
// take the same lock; a link is opened as itself, never followed.
HANDLE openLockFile(const QString &path, DWORD access, DWORD disposition)
{
    const QString native = QDir::toNativeSeparators(path);
    return CreateFileW(reinterpret_cast<const wchar_t *>(native.utf16()), access,
                       FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, disposition,
                       FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
}

QString windowsReasonFor(DWORD systemError, const QString &path)
{
    if (systemError == ERROR_ACCESS_DENIED && QFileInfo(path).isDir())
        return QStringLiteral("it is a folder");
    return qt_error_string(int(systemError));
}

bool isRegularFile(HANDLE file)
{
    BY_HANDLE_FILE_INFORMATION info{};
    return GetFileInformationByHandle(file, &info)
           && !(info.dwFileAttributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT))
           && GetFileType(file) == FILE_TYPE_DISK;
}

} // namespace

// The lock for writing, or when only the folder refuses that, for reading: a
// lock file another user made serves as well.
FileLock::Outcome FileLock::take()
{
    HANDLE file = openLockFile(path_, GENERIC_READ | GENERIC_WRITE, OPEN_ALWAYS);
    bool writable = file != INVALID_HANDLE_VALUE;
    if (!writable && GetLastError() == ERROR_ACCESS_DENIED && !QFileInfo(path_).isDir())
        file = openLockFile(path_, GENERIC_READ, OPEN_EXISTING);
    if (file == INVALID_HANDLE_VALUE) {
        const DWORD systemError = GetLastError();
        const QFileInfo entry(path_);
        const bool missing = !entry.exists() && !entry.isSymLink() && !QFileInfo(entry.path()).isFile();
        const bool unwritable = systemError == ERROR_ACCESS_DENIED || systemError == ERROR_PATH_NOT_FOUND
                                || systemError == ERROR_FILE_NOT_FOUND || systemError == ERROR_WRITE_PROTECT;
        const Outcome failed = fail(windowsReasonFor(systemError, path_));
        return missing && unwritable ? Outcome::FolderUnwritable : failed;
    }
    handle_ = file;
    if (!isRegularFile(file))
        return fail(QStringLiteral("it is not a regular file"));
    OVERLAPPED whole{};
    if (!LockFileEx(file, LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, 1, 0, &whole))
        return GetLastError() == ERROR_LOCK_VIOLATION ? Outcome::HeldElsewhere
                                                      : fail(windowsReasonFor(GetLastError(), path_));
    if (writable) {
        FILETIME now{};
        GetSystemTimeAsFileTime(&now);
        SetFileTime(file, nullptr, nullptr, &now);
    }
    return Outcome::Taken;
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
