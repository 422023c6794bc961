#include "platform/ModuleCredentialStore.h"

// QtKeychain is needed only once a sync runs or its settings are open, so
// it is not loaded for a start that has no sync.
ModuleCredentialStore::ModuleCredentialStore(QStringList folders)
    : store_(std::move(folders), QStringLiteral("tarrowkeychain"), MakeCredentialStoreName)
{
}

ModuleCredentialStore::~ModuleCredentialStore() = default;

void ModuleCredentialStore::readPassword(const QString &account, std::function<void(const CredentialResult &)> done)
{
    if (CredentialStore *loaded = store_.get())
        loaded->readPassword(account, std::move(done));
    else
        done({CredentialError::NoBackend});
}

void ModuleCredentialStore::writePassword(const QString &account, const QString &password,
                                          std::function<void(CredentialError)> done)
{
    if (CredentialStore *loaded = store_.get())
        loaded->writePassword(account, password, std::move(done));
    else
        done(CredentialError::NoBackend);
}

void ModuleCredentialStore::removePassword(const QString &account, std::function<void(CredentialError)> done)
{
    if (CredentialStore *loaded = store_.get())
        loaded->removePassword(account, std::move(done));
    else
        done(CredentialError::NoBackend);
}
