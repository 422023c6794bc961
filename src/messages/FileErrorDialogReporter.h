#pragma once

#include "eventdata/FileErrors.h"

class QWidget;

// Tells the user about a failed data file operation with the general dialog.
class FileErrorDialogReporter : public FileErrorReporter {
public:
    explicit FileErrorDialogReporter(QWidget *centreOn) : centreOn_(centreOn) {}

    // The window the reports appear over, once there is one.
    void setCentreOn(QWidget *centreOn) { centreOn_ = centreOn; }

    void reportFileError(const FileFailure &failure) override;
    void reportFileChanged(const QString &fileName, const QString &backupName) override;

private:
    QWidget *centreOn_;
};
