#include "platform/KeychainCredentialStore.h"
#include "platform/ModuleCredentialStore.h"

extern "C" Q_DECL_EXPORT CredentialStore *tarrowMakeCredentialStore()
{
    return new KeychainCredentialStore;
}
