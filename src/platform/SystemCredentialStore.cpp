#include "platform/SystemCredentialStore.h"

#ifdef Q_OS_WIN
#include "platform/WindowsCredentialStore.h"
using SystemStore = WindowsCredentialStore;
#else
#include "platform/KeychainCredentialStore.h"
using SystemStore = KeychainCredentialStore;
#endif

std::unique_ptr<CredentialStore> systemCredentialStore()
{
    return std::make_unique<SystemStore>();
}
