#pragma once

#include "platform/CredentialStore.h"

// The desktop's Secret Service (GNOME Keyring, KWallet) through QtKeychain.
// Without one running, every call answers NoBackend: a password is never
// put into a plain file instead.
class KeychainCredentialStore : public CredentialStore {
public:
    void readPassword(const QString &account, std::function<void(const CredentialResult &)> done) override;
    void writePassword(const QString &account, const QString &password,
                       std::function<void(CredentialError)> done) override;
    void removePassword(const QString &account, std::function<void(CredentialError)> done) override;
};
