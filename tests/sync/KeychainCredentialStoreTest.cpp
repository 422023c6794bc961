#include "Await.h"
#include "platform/KeychainCredentialStore.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

// Without a Secret Service every call fails and says so, and the password
// goes into no file instead.
TEST(KeychainCredentialStore, FailsWithoutAStoreAndWritesNoFile)
{
    QTemporaryDir home;
    qputenv("HOME", QFile::encodeName(home.path()));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.path()));
    qputenv("XDG_DATA_HOME", QFile::encodeName(home.path()));
    qputenv("DBUS_SESSION_BUS_ADDRESS", QFile::encodeName(QStringLiteral("unix:path=%1/no-bus").arg(home.path())));
    KeychainCredentialStore store;
    const QString account = QStringLiteral("ann@https://dav.example.org/ann/cal/");
    const auto written =
        answerOf<CredentialError>([&](auto done) { store.writePassword(account, QStringLiteral("secret"), done); });
    EXPECT_NE(written, CredentialError::None);
    const auto read = answerOf<CredentialResult>([&](auto done) { store.readPassword(account, done); });
    EXPECT_NE(read.error, CredentialError::None);
    EXPECT_EQ(read.password, QString());
    EXPECT_EQ(QDir(home.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden), QStringList());
}
