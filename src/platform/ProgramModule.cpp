#include "platform/ProgramModule.h"

#include <QDir>

QFunctionPointer programModuleEntry(const QStringList &folders, const QString &baseName, const char *entry)
{
    for (const QString &folder : folders) {
        QLibrary module(QDir(folder).absoluteFilePath(baseName));
        if (!module.load())
            continue;
        if (QFunctionPointer found = module.resolve(entry))
            return found;
        module.unload();
    }
    return nullptr;
}
