#include "platform/WindowsCredentialStore.h"

#include <gtest/gtest.h>

namespace {

CredentialResult readBack(CredentialStore &store, const QString &account)
{
    CredentialResult result{CredentialError::Failed, QStringLiteral("no answer")};
    store.readPassword(account, [&](const CredentialResult &given) { result = given; });
    return result;
}

CredentialError written(CredentialStore &store, const QString &account, const QString &password)
{
    CredentialError error = CredentialError::Failed;
    store.writePassword(account, password, [&](CredentialError given) { error = given; });
    return error;
}

CredentialError removed(CredentialStore &store, const QString &account)
{
    CredentialError error = CredentialError::Failed;
    store.removePassword(account, [&](CredentialError given) { error = given; });
    return error;
}

} // namespace

// What is written reads back whole up to the store's size, replaces what was
// kept, and is gone once removed; a longer one fails and keeps nothing.
TEST(WindowsCredentialStore, KeepsEachAccountsPasswordUntilRemoved)
{
    constexpr qsizetype LargestPassword = WindowsCredentialStore::MaxPasswordLength;
    // clang-format off
    const struct { const char *name; QString password; CredentialError error; } rows[] = {
        {"empty", QString(), CredentialError::None},
        {"beyond ASCII", QString::fromUtf16(u"pässwörd €𝄞"), CredentialError::None},
        {"as long as the store takes", QString(LargestPassword, u'x'), CredentialError::None},
        {"a character longer", QString(LargestPassword + 1, u'x'), CredentialError::Failed},
    };
    // clang-format on
    WindowsCredentialStore store;
    const QString account = QStringLiteral("ann@https://dav.example.org/ann/cal/");
    const QString other = QStringLiteral("bob@https://dav.example.org/bob/cal/");
    ASSERT_EQ(written(store, other, QStringLiteral("bob's")), CredentialError::None);
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        ASSERT_EQ(written(store, account, QStringLiteral("earlier")), CredentialError::None);
        EXPECT_EQ(written(store, account, row.password), row.error);
        const CredentialResult read = readBack(store, account);
        EXPECT_EQ(read.error, CredentialError::None);
        EXPECT_EQ(read.password, row.error == CredentialError::None ? row.password : QStringLiteral("earlier"));
        EXPECT_EQ(removed(store, account), CredentialError::None);
        EXPECT_EQ(readBack(store, account).error, CredentialError::NotFound);
        EXPECT_EQ(removed(store, account), CredentialError::NotFound);
    }
    EXPECT_EQ(readBack(store, other).password, QStringLiteral("bob's"));
    EXPECT_EQ(removed(store, other), CredentialError::None);
}
