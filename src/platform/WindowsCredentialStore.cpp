#include "platform/WindowsCredentialStore.h"

#include <string>

#include <windows.h>
#include <wincred.h>

namespace {

std::wstring targetOf(const QString &account)
{
    return (QStringLiteral("Tarrowby/") + account).toStdWString();
}

CredentialError errorOf(DWORD systemError)
{
    switch (systemError) {
    case ERROR_SUCCESS:
        return CredentialError::None;
    case ERROR_NOT_FOUND:
        return CredentialError::NotFound;
    case ERROR_NO_SUCH_LOGON_SESSION:
        return CredentialError::NoBackend;
    case ERROR_ACCESS_DENIED:
        return CredentialError::AccessDenied;
    default:
        return CredentialError::Failed;
    }
}

} // namespace

void WindowsCredentialStore::readPassword(const QString &account, std::function<void(const CredentialResult &)> done)
{
    PCREDENTIALW credential = nullptr;
    if (!CredReadW(targetOf(account).c_str(), CRED_TYPE_GENERIC, 0, &credential)) {
        done({errorOf(GetLastError())});
        return;
    }
    const QString password = QString::fromUtf16(reinterpret_cast<const char16_t *>(credential->CredentialBlob),
                                                qsizetype(credential->CredentialBlobSize / sizeof(char16_t)));
    CredFree(credential);
    done({CredentialError::None, password});
}

// The password is kept as UTF-16, as the Credential Manager shows it.
void WindowsCredentialStore::writePassword(const QString &account, const QString &password,
                                           std::function<void(CredentialError)> done)
{
    if (password.size() > MaxPasswordLength) {
        done(CredentialError::Failed);
        return;
    }
    std::wstring target = targetOf(account);
    std::wstring user = account.toStdWString();
    std::u16string secret = password.toStdU16String();
    CREDENTIALW credential{};
    credential.Type = CRED_TYPE_GENERIC;
    credential.TargetName = target.data();
    credential.UserName = user.data();
    credential.CredentialBlobSize = DWORD(secret.size() * sizeof(char16_t));
    credential.CredentialBlob = reinterpret_cast<LPBYTE>(secret.data());
    credential.Persist = CRED_PERSIST_LOCAL_MACHINE;
    done(CredWriteW(&credential, 0) ? CredentialError::None : errorOf(GetLastError()));
}

void WindowsCredentialStore::removePassword(const QString &account, std::function<void(CredentialError)> done)
{
    done(CredDeleteW(targetOf(account).c_str(), CRED_TYPE_GENERIC, 0) ? CredentialError::None
                                                                      : errorOf(GetLastError()));
}
