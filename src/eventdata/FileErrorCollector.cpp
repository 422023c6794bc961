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

void FileErrorCollector::reportFileError(const QString &fileName, const QString &operation, int errorNumber,
                                         const QString &backupName)
{
    if (!collecting_ || operation != QLatin1String("writing")) {
        target_.reportFileError(fileName, operation, errorNumber, backupName);
        return;
    }
    const auto same = std::find_if(failures_.begin(), failures_.end(),
                                   [&](const FailedSave &failure) { return failure.fileName == fileName; });
    if (same != failures_.end())
        same->errorNumber = errorNumber;
    else
        failures_.push_back({fileName, errorNumber});
}

void FileErrorCollector::reportFileChanged(const QString &fileName, const QString &backupName)
{
    target_.reportFileChanged(fileName, backupName);
}
