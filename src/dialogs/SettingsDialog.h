#pragma once

#include <QDialog>

#include <array>

class Autostart;
class ControlSet;
class CredentialStore;
class Help;
class QCheckBox;
class QLineEdit;
class QListWidget;
class QRadioButton;
class QStackedWidget;
class SyncPage;
struct Settings;

// The preferences on three pages. Nothing changes before OK; OK copies the
// controls into the settings and switches the logon entry at once.
class SettingsDialog : public QDialog {
    Q_OBJECT

public:
    SettingsDialog(Settings &settings, const Autostart &autostart, QString programFolder, Help &help,
                   QWidget *parent = nullptr);

    // Adds the Sync page, its password kept in credentials; its "Sync now"
    // and its last result are the caller's.
    SyncPage *addSyncPage(CredentialStore &credentials);

signals:
    // The settings changed; what shows them must be drawn again.
    void settingsApplied();

private:
    void takeControls(const ControlSet &controls);
    void load();
    void apply();
    void switchAutostart(bool on);

    Settings &settings_;
    const Autostart &autostart_;
    QString programFolder_;
    Help &help_;

    QListWidget *listSettings_ = nullptr;
    QStackedWidget *pages_ = nullptr;
    QCheckBox *checkAutostart_ = nullptr;
    QCheckBox *checkLoadMinimized_ = nullptr;
    QCheckBox *checkMute_ = nullptr;
    QCheckBox *checkConfirmExit_ = nullptr;
    QCheckBox *checkConfirmRemoveE_ = nullptr;
    QCheckBox *checkConfirmRemoveN_ = nullptr;
    QCheckBox *checkMarkDays_ = nullptr;
    QRadioButton *twelveHours_ = nullptr;
    QRadioButton *twentyFourHours_ = nullptr;
    std::array<QLineEdit *, 3> textOwnCategory_{};
    SyncPage *syncPage_ = nullptr;
};
