#include "eventdata/DataFolder.h"

#include "eventdata/AsciiText.h"
#include "eventdata/AtomicFile.h"

#include <algorithm>

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#ifdef Q_OS_WIN
extern Q_CORE_EXPORT int qt_ntfs_permission_lookup;
#endif

const QStringList &dataFileNames()
{
    static const QStringList names = {
        QStringLiteral("calendar.dat"),
        QStringLiteral("notes.dat"),
        QStringLiteral("tarrow.ini"),
        syncStateFileName(),
    };
    return names;
}

QString syncStateFileName()
{
    return QStringLiteral("calendar.sync");
}

bool holdsNoDataFile(const QString &folder)
{
    const QDir dir(folder);
    return std::none_of(dataFileNames().begin(), dataFileNames().end(),
                        [&dir](const QString &name) { return QFileInfo::exists(dir.filePath(name)); });
}

namespace {

// A data folder the program makes is the user's alone; one that exists keeps its mode.
QString createdPrivately(const QString &folder)
{
    if (!QFileInfo::exists(folder)) {
        QDir().mkpath(QFileInfo(folder).absolutePath());
        QDir().mkdir(folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    }
    return folder;
}

// Qt answers from the read-only flag alone on Windows unless asked to read the
// folder's access list: Program Files has no such flag, yet users may not
// write there.
bool isWritableFolder(const QString &folder)
{
#ifdef Q_OS_WIN
    ++qt_ntfs_permission_lookup;
    const bool writable = QFileInfo(folder).isWritable();
    --qt_ntfs_permission_lookup;
    return writable;
#else
    return QFileInfo(folder).isWritable();
#endif
}

} // namespace

QString chooseDataFolder(const QString &commandLine, const QString &programFolder, const QString &userDataFolder)
{
    if (!commandLine.isEmpty())
        return commandLine;
    const QFileInfo program(programFolder);
    if (program.isDir() && (!holdsNoDataFile(programFolder) || isWritableFolder(programFolder)))
        return programFolder;
    return userDataFolder;
}

QString resolveDataFolder(const QString &commandLine, const QString &programFolder, const QString &userDataFolder)
{
    return createdPrivately(chooseDataFolder(commandLine, programFolder, userDataFolder));
}

QString dataFolderLockName()
{
    return QStringLiteral("tarrow.lock");
}

namespace {

// The data folder's lock file when it is a regular file: the time it was
// last taken, invalid otherwise.
QDateTime lockTakenAt(const QDir &folder)
{
    const QFileInfo lock(folder.filePath(dataFolderLockName()));
    return lock.isFile() && !lock.isSymLink() ? lock.lastModified() : QDateTime();
}

// The name a save of one of the data files gives its temporary file: the
// file's name, the save's mark and six ASCII letters or digits.
bool isTemporarySaveName(const QString &name)
{
    const auto isLetterOrDigit = [](QChar c) { return isAsciiLetter(c) || isAsciiDigit(c); };
    constexpr qsizetype Random = 6;
    if (name.size() < Random)
        return false;
    const QStringView random = QStringView(name).last(Random);
    const QStringView stem = QStringView(name).chopped(Random);
    const QString mark = temporarySaveMarker();
    return std::all_of(random.begin(), random.end(), isLetterOrDigit)
           && std::any_of(dataFileNames().begin(), dataFileNames().end(),
                          [&](const QString &file) { return stem == file + mark; });
}

} // namespace

// This start took the folder's lock just now, so a temporary file no newer
// than the lock was left by a save that was killed; a newer one belongs to a
// save of another process that is still under way.
void removeStaleTemporaryFiles(const QString &folder)
{
    const QDir dir(folder);
    const QDateTime lockTime = lockTakenAt(dir);
    if (!lockTime.isValid())
        return;
    for (const QFileInfo &entry : dir.entryInfoList(QDir::Files | QDir::Hidden | QDir::System)) {
        if (!entry.isSymLink() && entry.isFile() && isTemporarySaveName(entry.fileName())
            && entry.lastModified() <= lockTime)
            QFile::remove(entry.filePath());
    }
}
