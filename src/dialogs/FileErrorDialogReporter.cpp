#include "dialogs/FileErrorDialogReporter.h"

#include "dialogs/GeneralDialog.h"

namespace {

constexpr int Width = 4815;
constexpr int Height = 1605;
constexpr int MessageHeight = 675;
// Room for the sentence that names a backup.
constexpr int LongerBy = 405;

} // namespace

void FileErrorDialogReporter::reportFileError(const QString &fileName, const QString &operation, int errorNumber,
                                              const QString &backupName)
{
    const int extra = backupName.isEmpty() ? 0 : LongerBy;
    showGeneralDialog(state_, centreOn_, Width, Height + extra, fileErrorTitle(errorNumber),
                      fileErrorMessage(fileName, operation, backupName), MessageHeight + extra, QStringLiteral("Ok"),
                      QString());
}

void FileErrorDialogReporter::reportFileChanged(const QString &fileName, const QString &backupName)
{
    showGeneralDialog(state_, centreOn_, Width, Height + LongerBy, fileChangedTitle(),
                      fileChangedMessage(fileName, backupName), MessageHeight + LongerBy, QStringLiteral("Ok"), QString());
}
