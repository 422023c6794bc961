#include "dialogs/FileErrorDialogReporter.h"

#include "dialogs/GeneralDialog.h"

void FileErrorDialogReporter::ReportFileError(const QString &fileName, const QString &operation, int errorNumber)
{
    ShowGeneralDialog(state_, centreOn_, 4815, 1605, FileErrorTitle(errorNumber), FileErrorMessage(fileName, operation),
                      675, QStringLiteral("Ok"), QString());
}
