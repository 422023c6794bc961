#pragma once

#include <QString>

// The numbered errors of the data files; the reports show them to the user.
namespace FileError {
constexpr int Overflow = 6;           // a number does not fit its field
constexpr int FileTooLarge = 7;       // far beyond anything the program writes
constexpr int SubscriptRange = 9;     // too many events or notes, a key before its block
constexpr int TypeMismatch = 13;      // a text that should be a number is not one
constexpr int FileNotFound = 53;
constexpr int FileAlreadyOpen = 55;
constexpr int DeviceIO = 57;
constexpr int DiskFull = 61;
constexpr int DeviceUnavailable = 68;
constexpr int PermissionDenied = 70;
constexpr int DiskNotReady = 71;
constexpr int PathFileAccess = 75;
constexpr int PathNotFound = 76;
} // namespace FileError

// Caption of a file error report, e.g. "File not found" or "Unknown error (#6)".
QString FileErrorTitle(int errorNumber);
// Body of a file error report: what failed and what it means for the user's data.
QString FileErrorMessage(const QString &fileName, const QString &operation);

// Where the data files report their failures; the main window shows them,
// tests record them.
class FileErrorReporter {
public:
    virtual ~FileErrorReporter() = default;
    // fileName without folder, operation "reading" or "writing".
    virtual void ReportFileError(const QString &fileName, const QString &operation, int errorNumber) = 0;
};
