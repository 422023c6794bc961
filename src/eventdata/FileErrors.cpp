#include "eventdata/FileErrors.h"

#include <QHash>

namespace {

const QString SettingsFileName = QStringLiteral("tarrow.ini");

QString consequenceFor(const QString &fileName)
{
    if (fileName == SettingsFileName)
        return QStringLiteral("All settings will be restored to their default values, "
                              "but your saved reminders and/or notes will not be affected.");
    if (fileName == QLatin1String("calendar.dat"))
        return QStringLiteral("Your saved reminders will most likely be lost for ever if no backup is available.");
    if (fileName == QLatin1String("notes.dat"))
        return QStringLiteral("Your saved notes will most likely be lost for ever if no backup is available.");
    return {};
}

// A failed save replaces nothing: the file keeps what the last save wrote.
QString unsavedFor(const QString &fileName)
{
    static const QHash<QString, QString> held = {
        {SettingsFileName, QStringLiteral("settings")},
        {QStringLiteral("calendar.dat"), QStringLiteral("reminders")},
        {QStringLiteral("notes.dat"), QStringLiteral("notes")},
    };
    const auto what = held.constFind(fileName);
    if (what == held.cend())
        return {};
    return QStringLiteral("Your %1 as they are now were not saved; %2 stays as it was on the disk.")
        .arg(*what, fileName);
}

} // namespace

QString fileErrorTitle(int errorNumber)
{
    switch (errorNumber) {
    case FileError::FileTooLarge: return QStringLiteral("File too large");
    case FileError::NotRegularFile: return QStringLiteral("Not a regular file");
    case FileError::Unreadable: return QStringLiteral("Unreadable file");
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

QString fileErrorMessage(const QString &fileName, const QString &operation, const QString &backupName)
{
    const QString failure = QStringLiteral("There was an error ") + operation + QLatin1Char(' ') + fileName
                            + QStringLiteral(". ");
    if (operation == QLatin1String("writing"))
        return failure + unsavedFor(fileName);
    if (backupName.isEmpty())
        return failure + consequenceFor(fileName);
    // A kept file is not lost; only the settings' own sentence stays true.
    const QString kept = QStringLiteral("The file was kept as ") + backupName + QLatin1Char('.');
    return failure + kept + (fileName == SettingsFileName ? QLatin1Char(' ') + consequenceFor(fileName) : QString());
}

QString failedSavesTitle()
{
    return QStringLiteral("Could not save");
}

QString failedSavesMessage(const std::vector<FailedSave> &failures)
{
    QString files;
    for (std::size_t i = 0; i < failures.size(); ++i) {
        if (i > 0)
            files += i + 1 == failures.size() ? QStringLiteral(" and ") : QStringLiteral(", ");
        files += failures[i].fileName + QStringLiteral(" (") + fileErrorTitle(failures[i].errorNumber) + QLatin1Char(')');
    }
    return QStringLiteral("Tarrowby could not save ") + files
           + QStringLiteral(". Keep Tarrowby running? Nothing is lost while it runs, and the next Quit saves "
                            "again. No quits now, and what could not be saved is lost.");
}

QString fileChangedTitle()
{
    return QStringLiteral("File changed");
}

QString fileChangedMessage(const QString &fileName, const QString &backupName)
{
    return fileName + QStringLiteral(" was changed by another program since Tarrowby last read or saved it. "
                                     "That version was kept as ")
           + backupName + QStringLiteral(", and Tarrowby saved its own.");
}
