#include "eventdata/FileErrors.h"

QString FileErrorTitle(int errorNumber)
{
    switch (errorNumber) {
    case FileError::FileTooLarge: return QStringLiteral("File too large");
    case FileError::FileNotFound: return QStringLiteral("File not found");
    case FileError::DeviceIO: return QStringLiteral("Device I/O error");
    case FileError::DiskFull: return QStringLiteral("Disk full");
    case FileError::DeviceUnavailable: return QStringLiteral("Device unavailable");
    case FileError::PermissionDenied: return QStringLiteral("Permission denied");
    case FileError::DiskNotReady: return QStringLiteral("Disk not ready");
    case FileError::PathFileAccess: return QStringLiteral("Path/file access error");
    case FileError::PathNotFound: return QStringLiteral("Path not found");
    default: return QStringLiteral("Unknown error (#%1)").arg(errorNumber);
    }
}

static QString consequenceFor(const QString &fileName)
{
    if (fileName == QLatin1String("tarrow.ini"))
        return QStringLiteral("All settings will be restored to their default values, "
                              "but your saved reminders and/or notes will not be affected.");
    if (fileName == QLatin1String("calendar.dat"))
        return QStringLiteral("Your saved reminders will most likely be lost for ever if no backup is available.");
    if (fileName == QLatin1String("notes.dat"))
        return QStringLiteral("Your saved notes will most likely be lost for ever if no backup is available.");
    return {};
}

QString FileErrorMessage(const QString &fileName, const QString &operation)
{
    return QStringLiteral("There was an error ") + operation + QLatin1Char(' ') + fileName
           + QStringLiteral(". ") + consequenceFor(fileName);
}
