#pragma once

#include "eventdata/FileErrors.h"

#include <vector>

// Passes every report on, except that while it collects it keeps the writing
// errors instead, so that the failures of a run of saves can be told once.
class FileErrorCollector : public FileErrorReporter {
public:
    explicit FileErrorCollector(FileErrorReporter &target) : target_(target) {}

    void startCollecting();
    // The files whose last save since startCollecting() failed, in the order
    // they first failed; from now on reports pass on again.
    std::vector<FailedSave> stopCollecting();

    void reportFileError(const FileFailure &failure) override;
    void reportFileChanged(const QString &fileName, const QString &backupName) override;

private:
    FileErrorReporter &target_;
    bool collecting_ = false;
    std::vector<FailedSave> failures_;
};
