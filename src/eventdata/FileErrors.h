#pragma once

#include <QString>

#include <vector>

// The errors of the data files. The reports show the numbers to the user, so
// they stay as they are.
enum class FileError {
    None = 0,
    Overflow = 6,       // a number does not fit its field
    FileTooLarge = 7,   // far beyond anything the program writes
    NotRegularFile = 8, // a folder, FIFO, device or socket where a file belongs
    SubscriptRange = 9, // too many events or notes, a key before its block
    Unreadable = 10,    // text, but nothing in it the program knows
    TypeMismatch = 13,  // a text that should be a number is not one
    FileNotFound = 53,
    DeviceIO = 57,
    DiskFull = 61,
    DeviceUnavailable = 68,
    PermissionDenied = 70,
    DiskNotReady = 71,
    PathFileAccess = 75,
    PathNotFound = 76,
};

constexpr bool failed(FileError error)
{
    return error != FileError::None;
}

enum class FileOperation { Reading, Writing };
// "reading" or "writing", as the reports name it.
QString fileOperationName(FileOperation operation);

// What a data file means to the user, in the words of its failure reports;
// empty for a file that holds nothing of the program's own (an export).
struct FileStakes {
    QString held;                   // "reminders": what a failed save leaves unsaved
    QString lossOnFailedRead;       // what an unreadable file means for the user's data
    bool lossHoldsWhenKept = false; // that sentence stays true when the file was kept aside
};

// One failure of a data file, as its report tells it.
struct FileFailure {
    QString fileName; // without folder
    FileOperation operation = FileOperation::Reading;
    FileError error = FileError::None;
    QString backupName = {}; // empty when no copy of the file was kept
    FileStakes stakes = {};
};

// Caption of a file error report, e.g. "File not found" or "Unknown error (#6)".
QString fileErrorTitle(FileError error);
// Body of a file error report: what failed and what it means for the user's
// data, which is safe when the file could be kept under its backup name; a
// failed save says what was not saved and that the file on the disk is as it
// was.
QString fileErrorMessage(const FileFailure &failure);

// The notice that a file changed on disk was kept before it was replaced.
QString fileChangedTitle();
QString fileChangedMessage(const QString &fileName, const QString &backupName);

// A save that failed, as the question after failed exit saves lists it.
struct FailedSave {
    QString fileName;
    FileError error = FileError::None;
    bool operator==(const FailedSave &) const = default;
};
QString failedSavesTitle();
// Names each file with the reason and asks whether to keep the program
// running, so that nothing held only in memory is lost.
QString failedSavesMessage(const std::vector<FailedSave> &failures);

// Where the data files report their failures; the main window shows them,
// tests record them.
class FileErrorReporter {
public:
    virtual ~FileErrorReporter() = default;
    virtual void reportFileError(const FileFailure &failure) = 0;
    // Another program changed fileName since this run last read or wrote it;
    // that version was kept as backupName before the save replaced it.
    virtual void reportFileChanged(const QString &fileName, const QString &backupName) = 0;
};
