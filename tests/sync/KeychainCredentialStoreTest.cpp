#include "Await.h"
#include "platform/ModuleCredentialStore.h"
#include "platform/ProgramModule.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

// Without a Secret Service every call of the keychain module's store fails
// and says so, and the password goes into no file instead.
TEST(KeychainCredentialStore, FailsWithoutAStoreAndWritesNoFile)
{
    const QStringList moduleFolders{QStringLiteral(TARROW_KEYCHAIN_MODULE_DIR)};
    ASSERT_NE(programModuleEntry(moduleFolders, QStringLiteral("tarrowkeychain"), MakeCredentialStoreName), nullptr);
    QTemporaryDir home;
    qputenv("HOME", QFile::encodeName(home.path()));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.path()));
    qputenv("XDG_DATA_HOME", QFile::encodeName(home.path()));
    qputenv("DBUS_SESSION_BUS_ADDRESS", QFile::encodeName(QStringLiteral("unix:path=%1/no-bus").arg(home.path())));
    ModuleCredentialStore store(moduleFolders);
    const QString account = QStringLiteral("ann@https://dav.example.org/ann/cal/");
    const auto written =
        answerOf<CredentialError>([&](auto done) { store.writePassword(account, QStringLiteral("secret"), done); });
    EXPECT_NE(written, CredentialError::None);
    const auto read = answerOf<CredentialResult>([&](auto done) { store.readPassword(account, done); });
    EXPECT_NE(read.error, CredentialError::None);
    EXPECT_EQ(read.password, QString());
    EXPECT_EQ(QDir(home.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden), QStringList());
}

// Without the module the store answers every call as a system without a
// Secret Service does, and the program goes on.
TEST(ModuleCredentialStore, AnswersNoBackendWithoutTheModule)
{
    QTemporaryDir empty;
    ModuleCredentialStore store({empty.path()});
    const QString account = QStringLiteral("ann@https://dav.example.org/ann/cal/");
    const auto read = answerOf<CredentialResult>([&](auto done) { store.readPassword(account, done); });
    EXPECT_EQ(read.error, CredentialError::NoBackend);
    EXPECT_EQ(answerOf<CredentialError>([&](auto done) { store.writePassword(account, QStringLiteral("s"), done); }),
              CredentialError::NoBackend);
    EXPECT_EQ(answerOf<CredentialError>([&](auto done) { store.removePassword(account, done); }),
              CredentialError::NoBackend);
}
