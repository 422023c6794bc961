#include "dialogs/SettingsDialog.h"

#include "settings/Settings.h"
#include "dialogs/SyncPage.h"
#include "widgets/CategoryNameValidator.h"
#include "widgets/ControlTable.h"
#include "widgets/ProgramFont.h"
#include "widgets/TextLimit.h"
#include "widgets/Twips.h"
#include "help/Help.h"
#include "messages/GeneralDialog.h"
#include "platform/Autostart.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>

namespace {

constexpr int CategoryLength = 16;

// The pages stand in rows from the top, one every 270 twips, with a gap of
// 30 between groups; the General page's ten rows stand every 240 twips so
// that they fit above the buttons.
const std::initializer_list<Control> &controlTable()
{
    using enum ControlKind;
    // clang-format off
    static const std::initializer_list<Control> table = {
        {ListBox, u"listSettings", {}, 120, 120, 1575, 2400},
        {Pages, u"framePages", {}, 1800, 0, 3015, 2610},
        {Frame, u"frameGeneral", {}, 0, 0, 3015, 2610, {}, 0, u"framePages"},
        {Heading, u"labelGeneralSettings", u"Start up", 0, 120, 3015, 240, {}, 0, u"frameGeneral"},
        {CheckBox, u"checkAutostart", u"&Autostart", 120, 360, 2895, 240, {}, 0, u"frameGeneral"},
        {CheckBox, u"checkLoadMinimized", u"Start in system &tray (minimized)", 120, 600, 2895, 240, {}, 0,
         u"frameGeneral"},
        {Heading, u"labelAlert", u"Sound", 0, 870, 3015, 240, {}, 0, u"frameGeneral"},
        {CheckBox, u"checkMute", u"&Mute (disable all sounds)", 120, 1110, 2895, 240, {}, 0, u"frameGeneral"},
        {Heading, u"labelConfirm", u"Confirm", 0, 1380, 3015, 240, {}, 0, u"frameGeneral"},
        {CheckBox, u"checkConfirmExit", u"Confirm on &exit", 120, 1620, 2895, 240, {}, 0, u"frameGeneral"},
        {CheckBox, u"checkConfirmRemoveE", u"Confirm on removing an e&vent", 120, 1860, 2895, 240, {}, 0,
         u"frameGeneral"},
        {CheckBox, u"checkConfirmRemoveN", u"Confirm on removing a &note", 120, 2100, 2895, 240, {}, 0,
         u"frameGeneral"},
        {CheckBox, u"checkMarkDays", u"Mark &days with events and today", 120, 2370, 2895, 240, {}, 0,
         u"frameGeneral"},
        {Frame, u"frameTime", {}, 0, 0, 3015, 2610, {}, 0, u"framePages"},
        {Heading, u"labelTimeFormat", u"Time format", 0, 120, 3015, 255, {}, 0, u"frameTime"},
        {RadioButton, u"optTimeFormat12", u"&12 hrs (AM/PM)", 120, 390, 2895, 255, {}, 0, u"frameTime"},
        {RadioButton, u"optTimeFormat24", u"&24 hrs", 120, 660, 2895, 255, {}, 0, u"frameTime"},
        {CheckBox, u"checkboxAutodetect", u"Autodetect", 120, 960, 2895, 255, {}, 0, u"frameTime"},
        {Frame, u"frameEventCategories", {}, 0, 0, 3015, 2610, {}, 0, u"framePages"},
        // Its key is also Cancel's; on its page the page's own control wins.
        {Heading, u"labelCustomEventCategories", u"Custom event &categories", 0, 120, 3015, 255, {}, 0,
         u"frameEventCategories", KeyClash::Wins},
        {Label, u"labelCategoryDescription",
         u"It is possible to add up to three custom named categories for your events.", 0, 390, 3015, 510, {}, 0,
         u"frameEventCategories"},
        {Label, u"labelCategory0", u"1.", 120, 1020, 255, 255, {}, 0, u"frameEventCategories"},
        {LineEdit, u"textOwnCategory0", {}, 480, 990, 2175, 315, {}, CategoryLength, u"frameEventCategories"},
        {Label, u"labelCategory1", u"2.", 120, 1410, 255, 255, {}, 0, u"frameEventCategories"},
        {LineEdit, u"textOwnCategory1", {}, 480, 1380, 2175, 315, {}, CategoryLength, u"frameEventCategories"},
        {Label, u"labelCategory2", u"3.", 120, 1800, 255, 255, {}, 0, u"frameEventCategories"},
        {LineEdit, u"textOwnCategory2", {}, 480, 1770, 2175, 315, {}, CategoryLength, u"frameEventCategories"},
        {Button, u"commandOK", u"&OK", 1320, 2640, 1095, 345},
        {Button, u"commandCancel", u"&Cancel", 2520, 2640, 1095, 345},
        {Button, u"commandHelp", u"&Help", 3720, 2640, 1095, 345},
    };
    // clang-format on
    return table;
}

} // namespace

SettingsDialog::SettingsDialog(Settings &settings, const Autostart &autostart, QString programFolder, Help &help,
                               QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      settings_(settings), autostart_(autostart), programFolder_(std::move(programFolder)), help_(help)
{
    setObjectName(QStringLiteral("formSettings"));
    setWindowTitle(QStringLiteral("Settings"));
    setFont(programFont());
    setFixedSize(twipsToPixels(4935), twipsToPixels(3120));

    const ControlSet controls(this, controlTable());
    takeControls(controls);
    listSettings_->setAccessibleName(QStringLiteral("Pages"));
    listSettings_->addItems({QStringLiteral("General"), QStringLiteral("Time"), QStringLiteral("Event categories")});
    connect(listSettings_, &QListWidget::currentRowChanged, pages_, &QStackedWidget::setCurrentIndex);
    listSettings_->setCurrentRow(0);
    // Shown for completeness of the page; the clock format is the user's choice alone.
    controls.get<QCheckBox>(u"checkboxAutodetect")->setEnabled(false);
    controls.get<QLabel>(u"labelCategoryDescription")->setWordWrap(true);
    controls.get<QLabel>(u"labelCustomEventCategories")->setBuddy(textOwnCategory_[0]);
    for (int i = 0; i < int(textOwnCategory_.size()); ++i) {
        textOwnCategory_[i]->setValidator(new CategoryNameValidator(textOwnCategory_[i]));
        textOwnCategory_[i]->setAccessibleName(QStringLiteral("Custom event category %1").arg(i + 1));
    }

    auto *ok = controls.get<QPushButton>(u"commandOK");
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &SettingsDialog::apply);
    connect(controls.get<QPushButton>(u"commandCancel"), &QPushButton::clicked, this, &QDialog::reject);
    connect(controls.get<QPushButton>(u"commandHelp"), &QPushButton::clicked,
            help_.addHelpKey(this, HelpTopic::Settings), &QAction::trigger);

    load();
}

SyncPage *SettingsDialog::addSyncPage(CredentialStore &credentials)
{
    syncPage_ = new SyncPage(credentials);
    pages_->addWidget(syncPage_);
    listSettings_->addItem(QStringLiteral("Sync"));
    syncPage_->load(settings_.sync);
    return syncPage_;
}

void SettingsDialog::takeControls(const ControlSet &controls)
{
    listSettings_ = controls.get<QListWidget>(u"listSettings");
    pages_ = controls.get<QStackedWidget>(u"framePages");
    checkAutostart_ = controls.get<QCheckBox>(u"checkAutostart");
    checkLoadMinimized_ = controls.get<QCheckBox>(u"checkLoadMinimized");
    checkMute_ = controls.get<QCheckBox>(u"checkMute");
    checkConfirmExit_ = controls.get<QCheckBox>(u"checkConfirmExit");
    checkConfirmRemoveE_ = controls.get<QCheckBox>(u"checkConfirmRemoveE");
    checkConfirmRemoveN_ = controls.get<QCheckBox>(u"checkConfirmRemoveN");
    checkMarkDays_ = controls.get<QCheckBox>(u"checkMarkDays");
    twelveHours_ = controls.get<QRadioButton>(u"optTimeFormat12");
    twentyFourHours_ = controls.get<QRadioButton>(u"optTimeFormat24");
    textOwnCategory_ = {controls.get<QLineEdit>(u"textOwnCategory0"), controls.get<QLineEdit>(u"textOwnCategory1"),
                        controls.get<QLineEdit>(u"textOwnCategory2")};
}

void SettingsDialog::load()
{
    checkAutostart_->setChecked(settings_.autostart == 1);
    checkLoadMinimized_->setChecked(settings_.loadMinimized == 1);
    checkMute_->setChecked(settings_.mute == 1);
    checkConfirmExit_->setChecked(settings_.confirmExit == 1);
    checkConfirmRemoveE_->setChecked(settings_.confirmRemoveE == 1);
    checkConfirmRemoveN_->setChecked(settings_.confirmRemoveN == 1);
    checkMarkDays_->setChecked(settings_.markDays == 1);
    (settings_.uses12HourClock() ? twelveHours_ : twentyFourHours_)->setChecked(true);
    for (int i = 0; i < 3; ++i)
        setWholeText(textOwnCategory_[i], settings_.userCategories[i]);
}

// Only a change of the box touches the entry, so one removed elsewhere is
// not put back behind the user's back.
void SettingsDialog::switchAutostart(bool on)
{
    const bool done = on ? autostart_.enable(programFolder_) : autostart_.disable();
    if (done)
        return;
    const QString failure = on ? QStringLiteral("Tarrowby could not be set to start with the system.")
                               : QStringLiteral("Tarrowby could not be kept from starting with the system.");
    GeneralDialog::ask(this, {MessageKind::Alert, QStringLiteral("Autostart"), failure});
}

void SettingsDialog::apply()
{
    const bool autostart = checkAutostart_->isChecked();
    if (autostart != (settings_.autostart == 1))
        switchAutostart(autostart);
    const auto flag = [](const QCheckBox *box) { return static_cast<qint16>(box->isChecked() ? 1 : 0); };
    settings_.autostart = flag(checkAutostart_);
    settings_.loadMinimized = flag(checkLoadMinimized_);
    settings_.mute = flag(checkMute_);
    settings_.timeFormat = twelveHours_->isChecked() ? 12 : 24;
    settings_.confirmExit = flag(checkConfirmExit_);
    settings_.confirmRemoveE = flag(checkConfirmRemoveE_);
    settings_.confirmRemoveN = flag(checkConfirmRemoveN_);
    settings_.markDays = flag(checkMarkDays_);
    for (int i = 0; i < 3; ++i)
        settings_.userCategories[i] = textOwnCategory_[i]->text();
    if (syncPage_) {
        settings_.sync = syncPage_->settings();
        syncPage_->storePassword();
    }
    emit settingsApplied();
    accept();
}
