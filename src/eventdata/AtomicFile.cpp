#include "eventdata/AtomicFile.h"

#include "eventdata/DataFile.h"
#include "eventdata/FileErrors.h"

#include <cerrno>

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#ifdef Q_OS_WIN
#include <QDir>

#include <io.h>
#include <windows.h>
#else
#include <cstdio>
#include <unistd.h>
#endif

namespace {

constexpr int TemporaryNameLength = 6;
constexpr int TemporaryNameTries = 16;

QString randomLettersAndDigits()
{
    const QLatin1StringView characters("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789");
    QString text;
    for (int i = 0; i < TemporaryNameLength; ++i)
        text += characters.at(QRandomGenerator::global()->bounded(int(characters.size())));
    return text;
}

// A new file beside target under a name no file or link had: the open never
// follows a link that someone put there first. A name taken by chance is
// tried again with another; a folder that takes no new file refuses them all.
bool openTemporary(QFile &temporary, const QString &target)
{
    for (int attempt = 0; attempt < TemporaryNameTries; ++attempt) {
        temporary.setFileName(target + temporarySaveMarker() + randomLettersAndDigits());
        if (temporary.open(QIODevice::WriteOnly | QIODevice::NewOnly, PrivateFileMode))
            return true;
    }
    return false;
}

#ifdef Q_OS_WIN
bool syncToDisk(QFile &file)
{
    return _commit(file.handle()) == 0;
}

bool replaceFile(const QString &from, const QString &to)
{
    const auto native = [](const QString &path) { return reinterpret_cast<const wchar_t *>(path.utf16()); };
    return MoveFileExW(native(QDir::toNativeSeparators(from)), native(QDir::toNativeSeparators(to)),
                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
}
#else
bool syncToDisk(QFile &file)
{
    return ::fsync(file.handle()) == 0;
}

bool replaceFile(const QString &from, const QString &to)
{
    return std::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) == 0;
}
#endif

// Writes everything to the open temporary file and makes sure it is on the
// disk before it may replace anything.
FileError writeThrough(QFile &temporary, const QByteArray &bytes)
{
    if (temporary.write(bytes) != bytes.size() || !temporary.flush()) {
        const int systemError = errno;
        return transferError(temporary.error(), systemError);
    }
    if (!syncToDisk(temporary)) {
        const int systemError = errno;
        return transferError(QFileDevice::WriteError, systemError); // Qt does not know of the failure
    }
    return FileError::None;
}

} // namespace

QString temporarySaveMarker()
{
    return QStringLiteral(".tarrowby-save-");
}

FileError replaceFileAtomically(const QString &target, const QByteArray &bytes, QDateTime &modified, SavedMode mode)
{
    const QFileInfo existing(target);
    if (existing.exists() && !existing.isWritable())
        return FileError::PermissionDenied; // the user's own guard against changes
    QFile temporary;
    if (!openTemporary(temporary, target))
        return openErrorForWriting(target);
    if (existing.exists() && mode == SavedMode::KeepExisting)
        temporary.setPermissions(existing.permissions());
    FileError error = writeThrough(temporary, bytes);
    modified = temporary.fileTime(QFileDevice::FileModificationTime);
    temporary.close();
    if (!failed(error) && !replaceFile(temporary.fileName(), target))
        error = openErrorForWriting(target);
    if (failed(error))
        QFile::remove(temporary.fileName());
    return error;
}

FileError openErrorForWriting(const QString &path)
{
    const QFileInfo info(path);
    const QFileInfo folder(info.absolutePath());
    if (!folder.exists())
        return FileError::PathNotFound;
    if (!folder.isWritable())
        return FileError::PermissionDenied;
    return FileError::PathFileAccess;
}
