#pragma once

#include "settings/SyncSettings.h"

#include <QWidget>

class CredentialStore;
class QComboBox;
class QLabel;
class QLineEdit;

// The settings dialog's page of the sync: the server's address, the user
// name, the password, how often, "Sync now" and how the last pass ended.
// The password goes to the credential store, never to the settings.
class SyncPage : public QWidget {
    Q_OBJECT

public:
    SyncPage(CredentialStore &credentials, QWidget *parent = nullptr);

    // Shows the settings, and the password the store keeps for them once it answers.
    void load(const SyncSettings &settings);
    SyncSettings settings() const;
    // Keeps the password shown (or removes it, when cleared) under the
    // account of settings(); nothing when neither it nor the account changed.
    void storePassword();
    void showLastResult(const QString &text);

signals:
    void syncNowRequested();

private:
    CredentialStore &credentials_;
    QLineEdit *textUrl_ = nullptr;
    QLineEdit *textUser_ = nullptr;
    QLineEdit *textPassword_ = nullptr;
    QComboBox *comboInterval_ = nullptr;
    QLabel *labelLastResult_ = nullptr;
    bool passwordEdited_ = false;
    QString loadedAccount_;
};
