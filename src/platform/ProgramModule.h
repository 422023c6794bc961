#pragma once

#include <QLibrary>
#include <QStringList>

// The entry point named entry of the program's module baseName (without the
// system's prefix and suffix), from the first of folders whose module has
// it; null when none has. The module stays loaded for the rest of the run.
QFunctionPointer programModuleEntry(const QStringList &folders, const QString &baseName, const char *entry);
