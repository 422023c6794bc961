#include "platform/MemoryCredentialStore.h"

void MemoryCredentialStore::readPassword(const QString &account, std::function<void(const CredentialResult &)> done)
{
    const auto found = passwords_.constFind(account);
    done(found == passwords_.cend() ? CredentialResult{CredentialError::NotFound}
                                    : CredentialResult{CredentialError::None, *found});
}

void MemoryCredentialStore::writePassword(const QString &account, const QString &password,
                                          std::function<void(CredentialError)> done)
{
    passwords_.insert(account, password);
    done(CredentialError::None);
}

void MemoryCredentialStore::removePassword(const QString &account, std::function<void(CredentialError)> done)
{
    done(passwords_.remove(account) ? CredentialError::None : CredentialError::NotFound);
}
