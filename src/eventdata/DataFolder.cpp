#include "eventdata/DataFolder.h"

#include <algorithm>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

const QStringList &dataFileNames()
{
    static const QStringList names = {
        QStringLiteral("calendar.dat"),
        QStringLiteral("notes.dat"),
        QStringLiteral("tarrow.ini"),
    };
    return names;
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

} // namespace

QString chooseDataFolder(const QString &commandLine, const QString &programFolder, const QString &userDataFolder)
{
    if (!commandLine.isEmpty())
        return commandLine;
    const QFileInfo program(programFolder);
    if (program.isDir() && (!holdsNoDataFile(programFolder) || program.isWritable()))
        return programFolder;
    return userDataFolder;
}

QString resolveDataFolder(const QString &commandLine, const QString &programFolder,
                          const QString &userDataFolder)
{
    return createdPrivately(chooseDataFolder(commandLine, programFolder, userDataFolder));
}

QString dataFolderLockName()
{
    return QStringLiteral("tarrow.lock");
}

void removeStaleTemporaryFiles(const QString &folder)
{
    static const QRegularExpression temporary = [] {
        QStringList names;
        for (const QString &name : dataFileNames())
            names.append(QRegularExpression::escape(name));
        return QRegularExpression(QStringLiteral("^(%1)\\.(?!bak\\d*$)[A-Za-z0-9]{6}$").arg(names.join(QLatin1Char('|'))));
    }();
    const QDir dir(folder);
    for (const QFileInfo &entry : dir.entryInfoList(QDir::Files | QDir::Hidden | QDir::System)) {
        if (!entry.isSymLink() && entry.isFile() && temporary.match(entry.fileName()).hasMatch())
            QFile::remove(entry.filePath());
    }
}
