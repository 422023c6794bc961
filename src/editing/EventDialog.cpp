#include "editing/EventDialog.h"

#include "datelogic/EventChecks.h"
#include "messages/GeneralDialog.h"
#include "widgets/ControlTable.h"
#include "widgets/ProgramFont.h"
#include "widgets/TextLimit.h"
#include "widgets/Twips.h"
#include "eventdata/CalendarStore.h"
#include "eventdata/Categories.h"
#include "eventdata/DateText.h"
#include "eventdata/Event.h"
#include "help/Help.h"
#include "platform/Clock.h"
#include "platform/Platform.h"
#include "settings/Settings.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

namespace {

constexpr int TitleLength = Event::TitleLength;
constexpr int DescriptionLength = Event::DescriptionLength;
const QString AddCaption = QStringLiteral("Add event");
const QString EditCaption = QStringLiteral("Edit event");

} // namespace

QString eventsFullMessage()
{
    return QStringLiteral("The event database is full. Please remove an event before you add a new one.");
}

EventDialog::EventDialog(const Settings &settings, CalendarStore &store, Platform &platform, Help &help,
                         QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      settings_(settings), store_(store), platform_(platform), help_(help)
{
    setObjectName(QStringLiteral("formAddEditEvent"));
    setWindowTitle(QStringLiteral("Add/edit"));
    setFont(programFont());
    setFixedSize(twipsToPixels(5655), twipsToPixels(4065));
    buildWindow();
    textTitle_->setFocus();
}

void EventDialog::buildWindow()
{
    using enum ControlKind;
    // A sound file's path is taken whole, however long. "&Title" and "&Time"
    // share their key: the first press goes to the title, the next to the
    // hours, so both stay reachable.
    // clang-format off
    const ControlSet controls(this, {
        {Heading, u"labelTitle", u"&Title", 120, 120, 495, 255, {}, 0, {}, KeyClash::TakesTurns},
        {LineEdit, u"textTitle", {}, 240, 360, 3735, 315, u"Title", TitleLength},
        {ComboBox, u"comboCategory", {}, 4080, 360, 1455, 315, u"Category"},
        {Heading, u"labelDescription", u"D&escription", 120, 720, 975, 285},
        {TextBox, u"textDescription", {}, 240, 960, 5295, 735, u"Description", DescriptionLength},
        {Heading, u"labelDate", u"&Date", 120, 1800, 495, 285},
        {ComboBox, u"comboMonth", {}, 240, 2040, 1335, 315, u"Month"},
        {DigitBox, u"textDay", {}, 1680, 2040, 375, 285, u"Day", 2},
        {Label, u"labelComma", u",", 2055, 2160, 255, 255},
        {DigitBox, u"textYear", {}, 2280, 2040, 615, 285, u"Year (leave empty for \"every year\")", 4},
        {Heading, u"labelTime", u"&Time", 3840, 1800, 615, 255, {}, 0, {}, KeyClash::TakesTurns},
        {DigitBox, u"textHours", {}, 3960, 2040, 375, 285, u"Hours (leave empty to ignore)", 2},
        {Label, u"labelTimeDivider", u":", 4335, 2070, 135, 255},
        {DigitBox, u"textMinutes", {}, 4440, 2040, 375, 285, u"Minutes (leave empty to ignore)", 2},
        {ComboBox, u"comboAMPM", {}, 4920, 2025, 615, 315, u"AM/PM"},
        {Heading, u"labelOtherSettings", u"Other settings for this event", 120, 2520, 2415, 255},
        {Label, u"labelAlert", u"&Alert             days before this event", 240, 2820, 2640, 255},
        {DigitBox, u"textAlert", {}, 720, 2760, 375, 285, u"Alert about the event", 2},
        {CheckBox, u"checkboxDisableThisYear", u"D&isable alert this year", 3570, 2760, 1965, 255},
        {Label, u"labelSound", u"&Play a sound:", 240, 3150, 1035, 255},
        {LineEdit, u"textSound", {}, 1320, 3090, 3615, 285, u"Play a sound (leave empty to ignore)"},
        {Button, u"commandSound", u"...", 5040, 3120, 495, 285, u"Select sound"},
        {Button, u"commandOK", u"&OK", 2040, 3600, 1095, 345},
        {Button, u"commandCancel", u"&Cancel", 3240, 3600, 1095, 345},
        {Button, u"commandHelp", u"&Help", 4440, 3600, 1095, 345},
    });
    // clang-format on
    textTitle_ = controls.get<QLineEdit>(u"textTitle");
    comboCategory_ = controls.get<QComboBox>(u"comboCategory");
    textDescription_ = controls.get<QPlainTextEdit>(u"textDescription");
    comboMonth_ = controls.get<QComboBox>(u"comboMonth");
    textDay_ = controls.get<QLineEdit>(u"textDay");
    textYear_ = controls.get<QLineEdit>(u"textYear");
    textHours_ = controls.get<QLineEdit>(u"textHours");
    textMinutes_ = controls.get<QLineEdit>(u"textMinutes");
    comboAMPM_ = controls.get<QComboBox>(u"comboAMPM");
    textAlert_ = controls.get<QLineEdit>(u"textAlert");
    checkboxDisableThisYear_ = controls.get<QCheckBox>(u"checkboxDisableThisYear");
    textSound_ = controls.get<QLineEdit>(u"textSound");
    finishWindow(controls);
}

// What the table cannot say: the lists, the buddies and the buttons' work.
void EventDialog::finishWindow(const ControlSet &controls)
{
    fillCategories(QString());
    textDescription_->setTabChangesFocus(true);
    comboMonth_->addItems(monthNames());
    if (settings_.uses12HourClock())
        comboAMPM_->addItems({QStringLiteral("AM"), QStringLiteral("PM")});
    else
        comboAMPM_->hide();
    for (const auto &[label, box] : {std::pair{u"labelTitle", static_cast<QWidget *>(textTitle_)},
                                     std::pair{u"labelDescription", static_cast<QWidget *>(textDescription_)},
                                     std::pair{u"labelDate", static_cast<QWidget *>(comboMonth_)},
                                     std::pair{u"labelTime", static_cast<QWidget *>(textHours_)},
                                     std::pair{u"labelAlert", static_cast<QWidget *>(textAlert_)},
                                     std::pair{u"labelSound", static_cast<QWidget *>(textSound_)}})
        controls.get<QLabel>(label)->setBuddy(box);
    connect(controls.get<QPushButton>(u"commandSound"), &QPushButton::clicked, this, &EventDialog::chooseSound);
    auto *ok = controls.get<QPushButton>(u"commandOK");
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &EventDialog::store);
    connect(controls.get<QPushButton>(u"commandCancel"), &QPushButton::clicked, this, &QDialog::reject);
    connect(controls.get<QPushButton>(u"commandHelp"), &QPushButton::clicked,
            help_.addHelpKey(this, HelpTopic::EventDialog), &QAction::trigger);
}

// The sorted category list, with extra added when it is not empty.
void EventDialog::fillCategories(const QString &extra)
{
    QStringList categories = categoryChoices(settings_.userCategories);
    if (!extra.isEmpty())
        categories << extra;
    categories.sort(Qt::CaseInsensitive);
    comboCategory_->clear();
    comboCategory_->addItems(categories);
}

void EventDialog::prepareAdd(const QDate &day)
{
    setWindowTitle(AddCaption);
    editedIndex_ = -1;
    textDay_->setText(QString::number(day.day()));
    textYear_->setText(QString::number(day.year()));
    comboMonth_->setCurrentText(monthName(day.month()));
}

void EventDialog::prepareEdit(int index)
{
    setWindowTitle(EditCaption);
    editedIndex_ = index;
    const Event &event = store_.table().events[index];
    const EventForm form = formFromEvent(event, settings_.uses12HourClock(), platform_.clock().today().year());
    setWholeText(textTitle_, form.title);
    textDescription_->setPlainText(form.description);
    textHours_->setText(form.hours);
    textMinutes_->setText(form.minutes);
    if (form.twelveHourClock && !form.hours.isEmpty())
        comboAMPM_->setCurrentText(form.pm ? QStringLiteral("PM") : QStringLiteral("AM"));
    textYear_->setText(form.year);
    setWholeText(textAlert_, form.alertDays);
    checkboxDisableThisYear_->setChecked(form.alertOffThisYear);
    textSound_->setText(form.sound);
    comboMonth_->setCurrentText(form.monthName);
    if (!form.category.isEmpty()) {
        // A user category renamed since stays the event's own until the user
        // picks another; otherwise saving the edit would drop it.
        if (comboCategory_->findText(form.category) < 0)
            fillCategories(form.category);
        comboCategory_->setCurrentText(form.category);
    }
    textDay_->setText(form.day);
}

void EventDialog::chooseSound()
{
    const QString folder = textSound_->text().isEmpty() ? QCoreApplication::applicationDirPath() : textSound_->text();
    const QString chosen = platform_.chooseFile(this, FileChoice::Open, QStringLiteral("Select sound file"), folder,
                                                QStringLiteral("Sound Files (*.wav);;All Files (*.*)"));
    if (!chosen.isEmpty())
        textSound_->setText(chosen.trimmed());
}

EventForm EventDialog::form() const
{
    return {textTitle_->text(),
            textYear_->text(),
            comboMonth_->currentText(),
            textDay_->text(),
            textHours_->text(),
            textMinutes_->text(),
            textDescription_->toPlainText(),
            comboCategory_->currentText(),
            textSound_->text(),
            textAlert_->text(),
            checkboxDisableThisYear_->isChecked(),
            !comboAMPM_->isHidden(),
            comboAMPM_->currentText() == QLatin1String("PM")};
}

void EventDialog::store()
{
    const EventForm form = this->form();
    const QDate today = platform_.clock().today();
    if (const std::optional<CheckMessage> problem = checkEventForm(store_.table(), form, editedIndex_, today)) {
        GeneralDialog::ask(this, {MessageKind::Ok, problem->title, problem->text});
        return;
    }
    const Event event = eventFromForm(form, editedIndex_ >= 0 ? store_.table().events[editedIndex_] : Event());
    if (editedIndex_ >= 0) {
        store_.change(editedIndex_, event);
    } else if (!store_.add(event)) {
        // Another add dialog (from the tray menu) took the last slot meanwhile.
        showDatabaseFull(this, eventsFullMessage());
        return;
    }
    accept();
}
