#include "platform/SystemCredentialStore.h"

#ifdef Q_OS_WIN
#include "platform/WindowsCredentialStore.h"
#else
#include "platform/ModuleCredentialStore.h"

#include <QCoreApplication>
#endif

std::unique_ptr<CredentialStore> systemCredentialStore()
{
#ifdef Q_OS_WIN
    return std::make_unique<WindowsCredentialStore>();
#else
    // QtKeychain's module is installed beside the program.
    return std::make_unique<ModuleCredentialStore>(QStringList{QCoreApplication::applicationDirPath()});
#endif
}
