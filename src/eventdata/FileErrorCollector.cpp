#include "eventdata/FileErrorCollector.h"

#include <algorithm>
#include <utility>

void FileErrorCollector::startCollecting()
{
    collecting_ = true;
    failures_.clear();
}

std::vector<FailedSave> FileErrorCollector::stopCollecting()
{
    collecting_ = false;
    return std::exchange(failures_, {});
}

void FileErrorCollector::reportFileError(const FileFailure &failure)
{
    if (!collecting_ || failure.operation != FileOperation::Writing) {
        target_.reportFileError(failure);
        return;
    }
    const auto same = std::find_if(failures_.begin(), failures_.end(),
                                   [&](const FailedSave &save) { return save.fileName == failure.fileName; });
    if (same != failures_.end())
        same->error = failure.error;
    else
        failures_.push_back({failure.fileName, failure.error});
}

void FileErrorCollector::reportFileChanged(const QString &fileName, const QString &backupName)
{
    target_.reportFileChanged(fileName, backupName);
}
