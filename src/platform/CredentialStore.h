#pragma once

#include <QString>
#include <QtGlobal>

#include <functional>

enum class CredentialError : quint8 {
    None,
    NotFound,     // nothing kept for the account
    NoBackend,    // the system has no credential store running
    AccessDenied, // the user or the system refused
    Failed,       // any other failure of the store
};

struct CredentialResult {
    CredentialError error = CredentialError::None;
    QString password = {};
};

// Where the sign-in passwords live: the system's credential store, never a
// file of the program's own. Each call answers exactly once, possibly only
// later from the event loop.
class CredentialStore {
public:
    virtual ~CredentialStore() = default;

    virtual void readPassword(const QString &account, std::function<void(const CredentialResult &)> done) = 0;
    virtual void writePassword(const QString &account, const QString &password,
                               std::function<void(CredentialError)> done) = 0;
    virtual void removePassword(const QString &account, std::function<void(CredentialError)> done) = 0;
};
