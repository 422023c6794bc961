#include "platform/KeychainCredentialStore.h"

#include <qt6keychain/keychain.h>

namespace {

const QString Service = QStringLiteral("Tarrowby");

CredentialError errorOf(QKeychain::Error error)
{
    switch (error) {
    case QKeychain::NoError:
        return CredentialError::None;
    case QKeychain::EntryNotFound:
        return CredentialError::NotFound;
    case QKeychain::NoBackendAvailable:
    case QKeychain::NotImplemented:
        return CredentialError::NoBackend;
    case QKeychain::AccessDenied:
    case QKeychain::AccessDeniedByUser:
        return CredentialError::AccessDenied;
    default:
        return CredentialError::Failed;
    }
}

// The job deletes itself once it has finished.
template <typename Job> Job *prepared(const QString &account)
{
    auto *job = new Job(Service);
    job->setAutoDelete(true);
    job->setInsecureFallback(false);
    job->setKey(account);
    return job;
}

} // namespace

void KeychainCredentialStore::readPassword(const QString &account, std::function<void(const CredentialResult &)> done)
{
    auto *job = prepared<QKeychain::ReadPasswordJob>(account);
    QObject::connect(job, &QKeychain::Job::finished, [job, done = std::move(done)] {
        const CredentialError error = errorOf(job->error());
        done({error, error == CredentialError::None ? job->textData() : QString()});
    });
    job->start();
}

void KeychainCredentialStore::writePassword(const QString &account, const QString &password,
                                            std::function<void(CredentialError)> done)
{
    auto *job = prepared<QKeychain::WritePasswordJob>(account);
    job->setTextData(password);
    QObject::connect(job, &QKeychain::Job::finished, [job, done = std::move(done)] { done(errorOf(job->error())); });
    job->start();
}

void KeychainCredentialStore::removePassword(const QString &account, std::function<void(CredentialError)> done)
{
    auto *job = prepared<QKeychain::DeletePasswordJob>(account);
    QObject::connect(job, &QKeychain::Job::finished, [job, done = std::move(done)] { done(errorOf(job->error())); });
    job->start();
}
