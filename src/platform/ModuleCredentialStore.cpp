#include "platform/ModuleCredentialStore.h"

#include "platform/ProgramModule.h"

ModuleCredentialStore::ModuleCredentialStore(QStringList folders) : folders_(std::move(folders)) {}

ModuleCredentialStore::~ModuleCredentialStore() = default;

// QtKeychain is needed only once a sync runs or its settings are open, so
// it is not loaded for a start that has no sync.
CredentialStore *ModuleCredentialStore::store()
{
    if (!moduleLooked_) {
        moduleLooked_ = true;
        const auto make = reinterpret_cast<MakeCredentialStore *>(
            programModuleEntry(folders_, QStringLiteral("tarrowkeychain"), MakeCredentialStoreName));
        if (make)
            store_.reset(make());
    }
    return store_.get();
}

void ModuleCredentialStore::readPassword(const QString &account, std::function<void(const CredentialResult &)> done)
{
    if (CredentialStore *loaded = store())
        loaded->readPassword(account, std::move(done));
    else
        done({CredentialError::NoBackend});
}

void ModuleCredentialStore::writePassword(const QString &account, const QString &password,
                                          std::function<void(CredentialError)> done)
{
    if (CredentialStore *loaded = store())
        loaded->writePassword(account, password, std::move(done));
    else
        done(CredentialError::NoBackend);
}

void ModuleCredentialStore::removePassword(const QString &account, std::function<void(CredentialError)> done)
{
    if (CredentialStore *loaded = store())
        loaded->removePassword(account, std::move(done));
    else
        done(CredentialError::NoBackend);
}
