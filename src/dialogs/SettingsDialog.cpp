#include "dialogs/SettingsDialog.h"

#include "appstate/AppState.h"
#include "widgets/CategoryNameValidator.h"
#include "widgets/ProgramFont.h"
#include "widgets/TextLimit.h"
#include "widgets/Twips.h"
#include "help/Help.h"
#include "platform/Autostart.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>

namespace {

constexpr int CategoryLength = 16;
// Ten rows of the General page fit above the buttons.
constexpr int RowHeight = 240;
constexpr int GroupGap = 30;

// The pages fill their controls in rows from the top.
class PageRows {
public:
    explicit PageRows(QWidget *page) : page_(page) {}

    QLabel *heading(const QString &name, const QString &text)
    {
        QLabel *label = add<QLabel>(name, text, 0);
        QFont bold = label->font();
        bold.setBold(true);
        label->setFont(bold);
        return label;
    }
    QCheckBox *check(const QString &name, const QString &text) { return add<QCheckBox>(name, text, 120); }
    QRadioButton *option(const QString &name, const QString &text) { return add<QRadioButton>(name, text, 120); }
    void skip(int twips) { top_ += twips; }
    int top() const { return top_; }

private:
    template <typename Control>
    Control *add(const QString &name, const QString &text, int indent)
    {
        auto *control = new Control(text, page_);
        control->setObjectName(name);
        control->setGeometry(twipsRect(indent, top_, 3015 - indent, RowHeight));
        top_ += RowHeight;
        return control;
    }

    QWidget *page_;
    int top_ = 120;
};

QPushButton *addButton(QWidget *parent, const QString &name, const QString &caption, int left)
{
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setGeometry(twipsRect(left, 2640, 1095, 345));
    return button;
}

} // namespace

SettingsDialog::SettingsDialog(AppState &state, const Autostart &autostart, QString programFolder, Help &help,
                               QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      state_(state), autostart_(autostart), programFolder_(std::move(programFolder)), help_(help)
{
    setObjectName(QStringLiteral("formSettings"));
    setWindowTitle(QStringLiteral("Settings"));
    setFont(programFont());
    setFixedSize(twipsToPixels(4935), twipsToPixels(3120));

    listSettings_ = new QListWidget(this);
    listSettings_->setObjectName(QStringLiteral("listSettings"));
    listSettings_->setAccessibleName(QStringLiteral("Pages"));
    listSettings_->setGeometry(twipsRect(120, 120, 1575, 2400));
    listSettings_->addItems({QStringLiteral("General"), QStringLiteral("Time"), QStringLiteral("Event categories")});

    pages_ = new QStackedWidget(this);
    pages_->setGeometry(twipsRect(1800, 0, 3015, 2610));
    pages_->addWidget(buildGeneralPage());
    pages_->addWidget(buildTimePage());
    pages_->addWidget(buildCategoriesPage());
    connect(listSettings_, &QListWidget::currentRowChanged, pages_, &QStackedWidget::setCurrentIndex);
    listSettings_->setCurrentRow(0);

    QPushButton *ok = addButton(this, QStringLiteral("commandOK"), QStringLiteral("&OK"), 1320);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &SettingsDialog::apply);
    connect(addButton(this, QStringLiteral("commandCancel"), QStringLiteral("&Cancel"), 2520), &QPushButton::clicked,
            this, &QDialog::reject);
    QPushButton *helpButton = addButton(this, QStringLiteral("commandHelp"), QStringLiteral("&Help"), 3720);
    helpButton->setAutoDefault(false);
    connect(helpButton, &QPushButton::clicked, help_.addHelpKey(this, HelpContext::Settings), &QAction::trigger);

    load();
}

QWidget *SettingsDialog::buildGeneralPage()
{
    auto *page = new QWidget;
    page->setObjectName(QStringLiteral("frameGeneral"));
    PageRows rows(page);
    rows.heading(QStringLiteral("labelGeneralSettings"), QStringLiteral("Start up"));
    checkAutostart_ = rows.check(QStringLiteral("checkAutostart"), QStringLiteral("&Autostart"));
    checkLoadMinimized_ = rows.check(QStringLiteral("checkLoadMinimized"), QStringLiteral("Start in system &tray (minimized)"));
    rows.skip(GroupGap);
    rows.heading(QStringLiteral("labelAlert"), QStringLiteral("Sound"));
    checkMute_ = rows.check(QStringLiteral("checkMute"), QStringLiteral("&Mute (disable all sounds)"));
    rows.skip(GroupGap);
    rows.heading(QStringLiteral("labelConfirm"), QStringLiteral("Confirm"));
    checkConfirmExit_ = rows.check(QStringLiteral("checkConfirmExit"), QStringLiteral("Confirm on &exit"));
    checkConfirmRemoveE_ = rows.check(QStringLiteral("checkConfirmRemoveE"), QStringLiteral("Confirm on removing an e&vent"));
    checkConfirmRemoveN_ = rows.check(QStringLiteral("checkConfirmRemoveN"), QStringLiteral("Confirm on removing a &note"));
    rows.skip(GroupGap);
    checkMarkDays_ = rows.check(QStringLiteral("checkMarkDays"), QStringLiteral("Mark &days with events and today"));
    return page;
}

QWidget *SettingsDialog::buildTimePage()
{
    auto *page = new QWidget;
    page->setObjectName(QStringLiteral("frameTime"));
    PageRows rows(page);
    rows.heading(QStringLiteral("labelTimeFormat"), QStringLiteral("Time format"));
    twelveHours_ = rows.option(QStringLiteral("optTimeFormat12"), QStringLiteral("&12 hrs (AM/PM)"));
    twentyFourHours_ = rows.option(QStringLiteral("optTimeFormat24"), QStringLiteral("&24 hrs"));
    rows.skip(GroupGap);
    // Shown for completeness of the page; the clock format is the user's choice alone.
    rows.check(QStringLiteral("checkboxAutodetect"), QStringLiteral("Autodetect"))->setEnabled(false);
    return page;
}

QWidget *SettingsDialog::buildCategoriesPage()
{
    auto *page = new QWidget;
    page->setObjectName(QStringLiteral("frameEventCategories"));
    PageRows rows(page);
    QLabel *heading = rows.heading(QStringLiteral("labelCustomEventCategories"), QStringLiteral("Custom event &categories"));
    auto *description = new QLabel(
        QStringLiteral("It is possible to add up to three custom named categories for your events."), page);
    description->setObjectName(QStringLiteral("labelCategoryDescription"));
    description->setWordWrap(true);
    description->setGeometry(twipsRect(0, rows.top(), 3015, 510));
    rows.skip(600);
    for (int i = 0; i < 3; ++i) {
        auto *number = new QLabel(QStringLiteral("%1.").arg(i + 1), page);
        number->setObjectName(QStringLiteral("labelCategory%1").arg(i));
        number->setGeometry(twipsRect(120, rows.top() + 30, 255, 255));
        auto *box = new QLineEdit(page);
        box->setObjectName(QStringLiteral("textOwnCategory%1").arg(i));
        box->setAccessibleName(QStringLiteral("Custom event category %1").arg(i + 1));
        limitLength(box, CategoryLength);
        box->setValidator(new CategoryNameValidator(box));
        box->setGeometry(twipsRect(480, rows.top(), 2175, 315));
        textOwnCategory_[i] = box;
        rows.skip(390);
    }
    heading->setBuddy(textOwnCategory_[0]);
    return page;
}

void SettingsDialog::load()
{
    checkAutostart_->setChecked(state_.autostart == 1);
    checkLoadMinimized_->setChecked(state_.loadMinimized == 1);
    checkMute_->setChecked(state_.mute == 1);
    checkConfirmExit_->setChecked(state_.confirmExit == 1);
    checkConfirmRemoveE_->setChecked(state_.confirmRemoveE == 1);
    checkConfirmRemoveN_->setChecked(state_.confirmRemoveN == 1);
    checkMarkDays_->setChecked(state_.markDays == 1);
    (state_.uses12HourClock() ? twelveHours_ : twentyFourHours_)->setChecked(true);
    for (int i = 0; i < 3; ++i)
        setWholeText(textOwnCategory_[i], state_.userCategories[i]);
}

// Only a change of the box touches the entry, so one removed elsewhere is
// not put back behind the user's back.
void SettingsDialog::switchAutostart(bool on)
{
    const bool done = on ? autostart_.enable(programFolder_) : autostart_.disable();
    if (!done)
        QMessageBox::warning(this, QStringLiteral("Tarrowby"), QStringLiteral("OpenKey failed."));
}

void SettingsDialog::apply()
{
    const bool autostart = checkAutostart_->isChecked();
    if (autostart != (state_.autostart == 1))
        switchAutostart(autostart);
    const auto flag = [](const QCheckBox *box) { return static_cast<qint16>(box->isChecked() ? 1 : 0); };
    state_.autostart = flag(checkAutostart_);
    state_.loadMinimized = flag(checkLoadMinimized_);
    state_.mute = flag(checkMute_);
    state_.timeFormat = twelveHours_->isChecked() ? 12 : 24;
    state_.confirmExit = flag(checkConfirmExit_);
    state_.confirmRemoveE = flag(checkConfirmRemoveE_);
    state_.confirmRemoveN = flag(checkConfirmRemoveN_);
    state_.markDays = flag(checkMarkDays_);
    for (int i = 0; i < 3; ++i)
        state_.userCategories[i] = textOwnCategory_[i]->text();
    emit settingsApplied();
    accept();
}
