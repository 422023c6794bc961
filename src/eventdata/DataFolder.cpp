#include "eventdata/DataFolder.h"

#include <QDir>
#include <QFileInfo>

const QStringList &DataFileNames()
{
    static const QStringList names = {
        QStringLiteral("calendar.dat"),
        QStringLiteral("notes.dat"),
        QStringLiteral("tarrow.ini"),
    };
    return names;
}

static bool holdsDataFile(const QString &folder)
{
    const QDir dir(folder);
    for (const QString &name : DataFileNames()) {
        if (QFileInfo::exists(dir.filePath(name)))
            return true;
    }
    return false;
}

QString resolveDataFolder(const QString &commandLine, const QString &programFolder,
                          const QString &userDataFolder)
{
    if (!commandLine.isEmpty())
        return commandLine;
    const QFileInfo program(programFolder);
    if (program.isDir() && (holdsDataFile(programFolder) || program.isWritable()))
        return programFolder;
    QDir().mkpath(userDataFolder);
    return userDataFolder;
}
