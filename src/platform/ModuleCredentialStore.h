#pragma once

#include "platform/CredentialStore.h"
#include "platform/ProgramModule.h"

#include <QStringList>

// The Secret Service store of the program's module tarrowkeychain, loaded at
// the first call from the first of folders that holds it. Without the module
// every call answers NoBackend, as without a Secret Service.
class ModuleCredentialStore : public CredentialStore {
public:
    explicit ModuleCredentialStore(QStringList folders);
    ~ModuleCredentialStore() override;
    ModuleCredentialStore(const ModuleCredentialStore &) = delete;
    ModuleCredentialStore &operator=(const ModuleCredentialStore &) = delete;

    void readPassword(const QString &account, std::function<void(const CredentialResult &)> done) override;
    void writePassword(const QString &account, const QString &password,
                       std::function<void(CredentialError)> done) override;
    void removePassword(const QString &account, std::function<void(CredentialError)> done) override;

private:
    ModuleObject<CredentialStore> store_;
};

// The module's one entry point: a new store, owned by the caller.
using MakeCredentialStore = CredentialStore *();
inline constexpr char MakeCredentialStoreName[] = "tarrowMakeCredentialStore";
