#include "eventdata/FileErrors.h"

QString fileErrorTitle(FileError error)
{
    switch (error) {
    case FileError::FileTooLarge:
        return QStringLiteral("File too large");
    case FileError::NotRegularFile:
        return QStringLiteral("Not a regular file");
    case FileError::Unreadable:
        return QStringLiteral("Unreadable file");
    case FileError::FileNotFound:
        return QStringLiteral("File not found");
    case FileError::DeviceIO:
        return QStringLiteral("Device I/O error");
    case FileError::DiskFull:
        return QStringLiteral("Disk full");
    case FileError::DeviceUnavailable:
        return QStringLiteral("Device unavailable");
    case FileError::PermissionDenied:
        return QStringLiteral("Permission denied");
    case FileError::DiskNotReady:
        return QStringLiteral("Disk not ready");
    case FileError::PathFileAccess:
        return QStringLiteral("Path/file access error");
    case FileError::PathNotFound:
        return QStringLiteral("Path not found");
    default:
        return QStringLiteral("Unknown error (#%1)").arg(static_cast<int>(error));
    }
}

QString fileOperationName(FileOperation operation)
{
    return operation == FileOperation::Writing ? QStringLiteral("writing") : QStringLiteral("reading");
}

QString fileErrorMessage(const FileFailure &failure)
{
    const FileStakes &stakes = failure.stakes;
    const bool writing = failure.operation == FileOperation::Writing;
    QString what = QStringLiteral("There was an error ") + fileOperationName(failure.operation) + QLatin1Char(' ')
                   + failure.fileName + QStringLiteral(". ");
    // A failed save replaces nothing: the file keeps what the last save wrote.
    if (writing) {
        if (stakes.held.isEmpty())
            return what;
        return what
               + QStringLiteral("Your %1 as they are now were not saved; %2 stays as it was on the disk.")
                     .arg(stakes.held, failure.fileName);
    }
    if (failure.backupName.isEmpty())
        return what + stakes.lossOnFailedRead;
    // A kept file is not lost, so most losses are not to be feared.
    const QString kept = QStringLiteral("The file was kept as ") + failure.backupName + QLatin1Char('.');
    return what + kept + (stakes.lossHoldsWhenKept ? QLatin1Char(' ') + stakes.lossOnFailedRead : QString());
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
        files += failures[i].fileName + QStringLiteral(" (") + fileErrorTitle(failures[i].error) + QLatin1Char(')');
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
    return fileName
           + QStringLiteral(" was changed by another program since Tarrowby last read or saved it. "
                            "That version was kept as ")
           + backupName + QStringLiteral(", and Tarrowby saved its own.");
}
