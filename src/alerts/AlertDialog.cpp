#include "alerts/AlertDialog.h"

#include "eventdata/EventTable.h"
#include "settings/Settings.h"
#include "programinfo/ProgramInfo.h"
#include "datelogic/AlertTexts.h"
#include "datelogic/Occurrence.h"
#include "widgets/ControlTable.h"
#include "widgets/ElidedText.h"
#include "widgets/ProgramFont.h"
#include "widgets/ShowAnnouncer.h"
#include "widgets/Twips.h"
#include "platform/Clock.h"
#include "platform/Platform.h"

#include <QComboBox>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QUrl>

#include <array>

namespace {

constexpr int ClientWidth = 6615;
constexpr int ClientHeight = 2745;
constexpr int DescriptionLimit = 17000; // about three lines of the description
constexpr int OneLineTitleDrop = 140;

using When = RemindAnswer::When;
struct RemindChoice {
    const char *entry;
    RemindAnswer answer;
};
// clang-format off
constexpr std::array<RemindChoice, 8> RemindChoices{{
    {"Never", {When::Never}},
    {"in 5 minutes", {When::After, 5}},
    {"in 15 minutes", {When::After, 15}},
    {"in 30 minutes", {When::After, 30}},
    {"in 1 hour", {When::After, 60}},
    {"in 2 hours", {When::After, 120}},
    {"in 5 hours", {When::After, 300}},
    {"on next start up", {When::NextStart}},
}};
// clang-format on
constexpr int DefaultChoice = 4; // in 1 hour

} // namespace

AlertDialog::AlertDialog(const EventTable &events, const Settings &settings, Platform &platform, int index, bool missed,
                         QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      settings_(settings), platform_(platform), missed_(missed)
{
    setObjectName(QStringLiteral("formAlertEvent"));
    setFont(programFont());
    setFixedSize(twipsToPixels(ClientWidth), twipsToPixels(ClientHeight));
    buildWindow();
    fillFrom(events.events[index]);
    // Spoken as the window opens: what, when, how soon, and the description.
    ShowAnnouncer::announce(
        this,
        QStringList{labelTitle_->text(), labelDate_->text(), labelDaysLeft_->text(), labelDescription_->text()}.join(
            QStringLiteral(". ")));
}

void AlertDialog::buildWindow()
{
    using enum ControlKind;
    // clang-format off
    const ControlSet controls(this, {
        {TextLabel, u"labelDate", {}, 120, 120, 4215, 255},
        {TextLabel, u"labelDaysLeft", {}, 2760, 120, 3735, 255},
        {Line, u"lineDark0", {}, 0, 420, ClientWidth, 30},
        {Image, u"imageImage", {}, 120, 480, 780, 705},
        {TextLabel, u"labelTitle", {}, 1080, 525, 5415, 615},
        {Line, u"lineDark1", {}, 0, 1320, ClientWidth, 30},
        {TextLabel, u"labelDescription", {}, 120, 1460, 6375, 615},
        {Line, u"lineDark2", {}, 0, 2160, ClientWidth, 30},
        {Label, u"labelRemindMeAgain", u"&Repeat", 120, 2355, 1335, 255},
        {ComboBox, u"comboRemindAgain", {}, 720, 2280, 1575, 315},
        {TextLabel, u"labelRemindAgainNote", u"(not saved on exit)", 2400, 2355, 1455, 255},
        {Button, u"commandEcard", u"Send &e-card", 4080, 2280, 1215, 345},
        {Button, u"commandOK", u"&OK", 5400, 2280, 1095, 345},
    });
    // clang-format on
    labelDate_ = controls.get<QLabel>(u"labelDate");
    QFont dateFont = font();
    dateFont.setBold(true);
    dateFont.setUnderline(true);
    labelDate_->setFont(dateFont);
    labelDaysLeft_ = controls.get<QLabel>(u"labelDaysLeft");
    labelDaysLeft_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    auto *image = controls.get<QLabel>(u"imageImage");
    image->setPixmap(QIcon(QStringLiteral(":/icons/alert.svg")).pixmap(image->size()));
    image->setAccessibleName(QStringLiteral("Alert"));

    labelTitle_ = controls.get<QLabel>(u"labelTitle");
    QFont titleFont = font();
    titleFont.setPointSizeF(12);
    titleFont.setBold(true);
    labelTitle_->setFont(titleFont);
    for (QLabel *label : {labelTitle_, controls.get<QLabel>(u"labelDescription")}) {
        label->setWordWrap(true);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    }
    labelDescription_ = controls.get<QLabel>(u"labelDescription");
    buildRemindAgain(controls);
}

void AlertDialog::buildRemindAgain(const ControlSet &controls)
{
    labelRemindMeAgain_ = controls.get<QLabel>(u"labelRemindMeAgain");
    comboRemindAgain_ = controls.get<QComboBox>(u"comboRemindAgain");
    labelRemindMeAgain_->setBuddy(comboRemindAgain_);
    for (const RemindChoice &choice : RemindChoices)
        comboRemindAgain_->addItem(QLatin1String(choice.entry));
    labelRemindAgainNote_ = controls.get<QLabel>(u"labelRemindAgainNote");
    connect(comboRemindAgain_, &QComboBox::currentIndexChanged, this, &AlertDialog::remindAgainChosen);
    comboRemindAgain_->setCurrentIndex(DefaultChoice);

    connect(controls.get<QPushButton>(u"commandEcard"), &QPushButton::clicked, this,
            [this] { platform_.openUrl(QUrl(QString(ProgramInfo::ECardSite))); });
    commandOK_ = controls.get<QPushButton>(u"commandOK");
    commandOK_->setDefault(true);
    connect(commandOK_, &QPushButton::clicked, this, &QDialog::accept);
}

void AlertDialog::fillFrom(const Event &event)
{
    setWindowTitle(AlertTexts::caption(event));

    labelTitle_->setText(event.title);
    if (labelTitle_->fontMetrics().horizontalAdvance(event.title) < labelTitle_->width())
        labelTitle_->move(labelTitle_->x(), labelTitle_->y() + twipsToPixels(OneLineTitleDrop));

    if (event.description.isEmpty()) {
        QFont italic = labelDescription_->font();
        italic.setItalic(true);
        labelDescription_->setFont(italic);
        labelDescription_->setText(QStringLiteral("No description found."));
    } else {
        labelDescription_->setText(
            elideWithDots(event.description, labelDescription_->fontMetrics(), twipsToPixels(DescriptionLimit)));
    }

    labelDate_->setText(AlertTexts::dateLine(event, settings_.uses12HourClock()));
    showDaysLeft(event);

    if (!event.sound.isEmpty() && settings_.mute == 0)
        platform_.playSound(event.sound);
}

void AlertDialog::showDaysLeft(const Event &event)
{
    if (missed_) {
        labelDaysLeft_->setText(QStringLiteral("This event has already occured!"));
        for (QWidget *control :
             {static_cast<QWidget *>(labelRemindMeAgain_), static_cast<QWidget *>(labelRemindAgainNote_),
              static_cast<QWidget *>(comboRemindAgain_)})
            control->hide();
        // Without the list the focus would start on the e-card button.
        commandOK_->setFocus();
        return;
    }
    const qint64 days = daysLeft(event, platform_.clock().today()).value_or(0);
    if (days == 0) {
        QFont bold = labelDaysLeft_->font();
        bold.setBold(true);
        labelDaysLeft_->setFont(bold);
    }
    labelDaysLeft_->setText(AlertTexts::daysLeft(days));
}

// The delays last only while the program runs; the note says so.
void AlertDialog::remindAgainChosen()
{
    if (missed_)
        return;
    labelRemindAgainNote_->setVisible(comboRemindAgain_->currentText().startsWith(QLatin1String("in ")));
}

// OK, Escape and the close box all end here: every way of closing keeps the
// chosen reminder, so none is lost, and silences the event.
void AlertDialog::done(int result)
{
    platform_.stopSound();
    answer_ = RemindChoices.at(comboRemindAgain_->currentIndex()).answer;
    QDialog::done(result);
}
