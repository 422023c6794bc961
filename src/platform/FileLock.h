#pragma once

#include <QString>

// A lock the kernel holds on a file for as long as this object lives, and
// never longer than the process: a crash leaves nothing held, and what the
// file holds never counts.
class FileLock {
public:
    enum class Outcome {
        Taken,
        HeldElsewhere,
        // There is no lock file and the folder takes no new file (read-only to
        // this user, or not there), so nothing can be written in it either.
        FolderUnwritable,
        Failed,
    };

    explicit FileLock(QString path);
    ~FileLock();
    FileLock(const FileLock &) = delete;
    FileLock &operator=(const FileLock &) = delete;

    // Takes the lock without waiting, making the lock file when it is
    // missing; a link in its place is never followed. Taking it sets the
    // file's time, so the time tells when the holder started.
    Outcome take();
    // After Failed or FolderUnwritable: which file could not be locked and
    // why, as one sentence.
    const QString &failure() const { return failure_; }

private:
    Outcome fail(const QString &reason);

    QString path_;
    QString failure_;
#ifdef Q_OS_WIN
    void *handle_ = nullptr; // the file's HANDLE, kept out of this header with windows.h
#else
    int fd_ = -1;
#endif
};
