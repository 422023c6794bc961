#include "messages/FileErrorDialogReporter.h"

#include "messages/GeneralDialog.h"

namespace {

constexpr int Height = 1605;
constexpr int MessageHeight = 675;
// Room for the sentence that names a backup.
constexpr int LongerBy = 405;

} // namespace

void FileErrorDialogReporter::reportFileError(const FileFailure &failure)
{
    const int extra = failure.backupName.isEmpty() ? 0 : LongerBy;
    GeneralDialog::ask(centreOn_, {MessageKind::Ok, fileErrorTitle(failure.error), fileErrorMessage(failure),
                                   Height + extra, MessageHeight + extra});
}

void FileErrorDialogReporter::reportFileChanged(const QString &fileName, const QString &backupName)
{
    GeneralDialog::ask(centreOn_, {MessageKind::Ok, fileChangedTitle(), fileChangedMessage(fileName, backupName),
                                   Height + LongerBy, MessageHeight + LongerBy});
}
