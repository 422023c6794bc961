#pragma once

#include "platform/CredentialStore.h"

// Windows' Credential Manager: generic credentials named "Tarrowby/" and the
// account, kept for this user on this computer. Each call answers at once.
class WindowsCredentialStore : public CredentialStore {
public:
    // UTF-16 code units: what every Windows version keeps (later ones keep
    // more); a longer password fails whole.
    static constexpr qsizetype MaxPasswordLength = 256;

    void readPassword(const QString &account, std::function<void(const CredentialResult &)> done) override;
    void writePassword(const QString &account, const QString &password,
                       std::function<void(CredentialError)> done) override;
    void removePassword(const QString &account, std::function<void(CredentialError)> done) override;
};
