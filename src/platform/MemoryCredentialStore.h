#pragma once

#include "platform/CredentialStore.h"

#include <QHash>

// A store held in memory for tests: it answers at once.
class MemoryCredentialStore : public CredentialStore {
public:
    void readPassword(const QString &account, std::function<void(const CredentialResult &)> done) override;
    void writePassword(const QString &account, const QString &password,
                       std::function<void(CredentialError)> done) override;
    void removePassword(const QString &account, std::function<void(CredentialError)> done) override;

private:
    QHash<QString, QString> passwords_;
};
