#pragma once

#include <QString>

#include <vector>

// The numbered errors of the data files; the reports show them to the user.
namespace FileError {
constexpr int Overflow = 6;           // a number does not fit its field
constexpr int FileTooLarge = 7;       // far beyond anything the program writes
constexpr int NotRegularFile = 8;     // a folder, FIFO, device or socket where a file belongs
constexpr int SubscriptRange = 9;     // too many events or notes, a key before its block
constexpr int Unreadable = 10;        // text, but nothing in it the program knows
constexpr int TypeMismatch = 13;      // a text that should be a number is not one
constexpr int FileNotFound = 53;
constexpr int DeviceIO = 57;
constexpr int DiskFull = 61;
constexpr int DeviceUnavailable = 68;
constexpr int PermissionDenied = 70;
constexpr int DiskNotReady = 71;
constexpr int PathFileAccess = 75;
constexpr int PathNotFound = 76;
} // namespace FileError

// Caption of a file error report, e.g. "File not found" or "Unknown error (#6)".
QString fileErrorTitle(int errorNumber);
// Body of a file error report: what failed and what it means for the user's
// data, which is safe when the file could be kept under backupName; a failed
// save says what was not saved and that the file on the disk is as it was.
QString fileErrorMessage(const QString &fileName, const QString &operation, const QString &backupName = {});

// The notice that a file changed on disk was kept before it was replaced.
QString fileChangedTitle();
QString fileChangedMessage(const QString &fileName, const QString &backupName);

// A save that failed, as the question after failed exit saves lists it.
struct FailedSave {
    QString fileName;
    int errorNumber = 0;
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
    // fileName and backupName without folder, operation "reading" or
    // "writing"; backupName is empty when no copy of the file was kept.
    virtual void reportFileError(const QString &fileName, const QString &operation, int errorNumber,
                                 const QString &backupName) = 0;
    // Another program changed fileName since this run last read or wrote it;
    // that version was kept as backupName before the save replaced it.
    virtual void reportFileChanged(const QString &fileName, const QString &backupName) = 0;
};
