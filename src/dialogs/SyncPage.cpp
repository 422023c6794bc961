#include "dialogs/SyncPage.h"

#include "platform/CredentialStore.h"
#include "settings/SyncAccount.h"
#include "widgets/ControlTable.h"
#include "widgets/TextLimit.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>

#include <algorithm>

namespace {

constexpr int UrlLength = 1024;
constexpr int UserLength = 256;
constexpr int PasswordLength = 256;

// The page's own table, in the settings dialog's pages frame (3015 twips by
// 2610); its access keys are none of the dialog's buttons'.
const std::initializer_list<Control> &controlTable()
{
    using enum ControlKind;
    // clang-format off
    static const std::initializer_list<Control> table = {
        {Heading, u"labelSyncServer", u"Calendar server (CalDAV)", 0, 120, 3015, 240},
        {Label, u"labelUrl", u"Server &address:", 120, 390, 2895, 240},
        {LineEdit, u"textSyncUrl", {}, 120, 630, 2895, 315, {}, UrlLength},
        {Label, u"labelUser", u"&User name:", 120, 1035, 1095, 240},
        {LineEdit, u"textSyncUser", {}, 1260, 1005, 1755, 315, {}, UserLength},
        {Label, u"labelPassword", u"&Password:", 120, 1425, 1095, 240},
        {LineEdit, u"textSyncPassword", {}, 1260, 1395, 1755, 315, {}, PasswordLength},
        {Label, u"labelInterval", u"How o&ften:", 120, 1815, 1095, 240},
        {ComboBox, u"comboSyncInterval", {}, 1260, 1785, 1755, 315},
        {Button, u"commandSyncNow", u"S&ync now", 120, 2205, 1095, 345},
        {TextLabel, u"labelLastResult", {}, 1320, 2250, 1695, 255},
    };
    // clang-format on
    return table;
}

QString intervalName(int minutes)
{
    return minutes == 0 ? QStringLiteral("Off") : QStringLiteral("Every %1 minutes").arg(minutes);
}

} // namespace

SyncPage::SyncPage(CredentialStore &credentials, QWidget *parent) : QWidget(parent), credentials_(credentials)
{
    setObjectName(QStringLiteral("frameSync"));
    const ControlSet controls(this, controlTable());
    textUrl_ = controls.get<QLineEdit>(u"textSyncUrl");
    textUser_ = controls.get<QLineEdit>(u"textSyncUser");
    textPassword_ = controls.get<QLineEdit>(u"textSyncPassword");
    comboInterval_ = controls.get<QComboBox>(u"comboSyncInterval");
    labelLastResult_ = controls.get<QLabel>(u"labelLastResult");
    textPassword_->setEchoMode(QLineEdit::Password);
    for (const int minutes : SyncIntervals)
        comboInterval_->addItem(intervalName(minutes), minutes);
    controls.get<QLabel>(u"labelUrl")->setBuddy(textUrl_);
    controls.get<QLabel>(u"labelUser")->setBuddy(textUser_);
    controls.get<QLabel>(u"labelPassword")->setBuddy(textPassword_);
    controls.get<QLabel>(u"labelInterval")->setBuddy(comboInterval_);
    // A password field keeps no undo history, so its modified flag says nothing: the user's edits are counted here.
    connect(textPassword_, &QLineEdit::textEdited, this, [this] { passwordEdited_ = true; });
    connect(controls.get<QPushButton>(u"commandSyncNow"), &QPushButton::clicked, this, &SyncPage::syncNowRequested);
}

void SyncPage::load(const SyncSettings &settings)
{
    setWholeText(textUrl_, settings.url);
    setWholeText(textUser_, settings.user);
    comboInterval_->setCurrentIndex(std::max(0, comboInterval_->findData(settings.interval)));
    textPassword_->clear();
    passwordEdited_ = false;
    loadedAccount_ = syncAccount(settings);
    if (!settings.isConfigured())
        return;
    // The store may answer after the page is gone, or after the user typed a password of their own.
    credentials_.readPassword(syncAccount(settings), [page = QPointer(this)](const CredentialResult &result) {
        if (page && result.error == CredentialError::None && !page->passwordEdited_)
            page->textPassword_->setText(result.password);
    });
}

SyncSettings SyncPage::settings() const
{
    return {textUrl_->text().trimmed(), textUser_->text(), comboInterval_->currentData().toInt()};
}

// The dialog is closed by the time the store answers: a failure is told in a window of its own.
void SyncPage::storePassword()
{
    const QString account = syncAccount(settings());
    if (!settings().isConfigured() || (!passwordEdited_ && account == loadedAccount_))
        return;
    const auto done = [](CredentialError error) {
        if (error != CredentialError::None && error != CredentialError::NotFound)
            QMessageBox::warning(nullptr, QStringLiteral("Tarrowby"),
                                 QStringLiteral("The password could not be kept in the system's credential store. "
                                                "Type it again on the Sync page of the settings."));
    };
    if (textPassword_->text().isEmpty())
        credentials_.removePassword(account, done);
    else
        credentials_.writePassword(account, textPassword_->text(), done);
    passwordEdited_ = false;
    loadedAccount_ = account;
}

void SyncPage::showLastResult(const QString &text)
{
    labelLastResult_->setText(text);
}
