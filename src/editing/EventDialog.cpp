#include "editing/EventDialog.h"

#include "appstate/AppState.h"
#include "datelogic/EventChecks.h"
#include "dialogs/GeneralDialog.h"
#include "widgets/ComboBox.h"
#include "widgets/LimitedTextEdit.h"
#include "widgets/ProgramFont.h"
#include "widgets/TextLimit.h"
#include "widgets/Twips.h"
#include "eventdata/Categories.h"
#include "eventdata/DataFile.h"
#include "eventdata/DateText.h"
#include "eventdata/Event.h"
#include "eventdata/TimeText.h"
#include "help/Help.h"
#include "platform/Clock.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>

#include <cstdlib>

namespace {

constexpr int TitleLength = Event::TitleLength;
constexpr int NoLimit = 0; // a sound file's path is taken whole, however long
constexpr int DescriptionLength = Event::DescriptionLength;
const QString AddCaption = QStringLiteral("Add event");
const QString EditCaption = QStringLiteral("Edit event");

QLabel *addLabel(QWidget *parent, const QString &name, const QString &text, const QRect &place, bool bold)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setGeometry(place);
    if (bold) {
        QFont font = label->font();
        font.setBold(true);
        label->setFont(font);
    }
    return label;
}

QPushButton *addButton(QWidget *parent, const QString &name, const QString &caption, const QRect &place)
{
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setAutoDefault(false);
    button->setGeometry(place);
    return button;
}

QString defaultFileChooser(QWidget *parent, const QString &title, const QString &folder, const QString &filters)
{
    return QFileDialog::getOpenFileName(parent, title, folder, filters);
}

} // namespace

QString eventsFullMessage()
{
    return QStringLiteral("The event database is full. Please remove an event before you add a new one.");
}

EventDialog::EventDialog(AppState &state, const Clock &clock, Help &help, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      state_(state), clock_(clock), help_(help), chooseFile_(defaultFileChooser)
{
    setObjectName(QStringLiteral("formAddEditEvent"));
    setWindowTitle(QStringLiteral("Add/edit"));
    setFont(programFont());
    setFixedSize(twipsToPixels(5655), twipsToPixels(4065));
    buildWindow();
    textTitle_->setFocus();
}

QLineEdit *EventDialog::addBox(const QString &name, const QString &toolTip, const QRect &place, int maxLength)
{
    auto *box = new QLineEdit(this);
    box->setObjectName(name);
    box->setToolTip(toolTip);
    box->setGeometry(place);
    if (maxLength != NoLimit)
        limitLength(box, maxLength);
    return box;
}

// The validator judges the whole text, so pasted text is held to digits as
// much as typed text is.
QLineEdit *EventDialog::addDigitBox(const QString &name, const QString &toolTip, const QRect &place, int digits)
{
    QLineEdit *box = addBox(name, toolTip, place, digits);
    box->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), box));
    return box;
}

void EventDialog::buildWindow()
{
    addLabel(this, QStringLiteral("labelTitle"), QStringLiteral("&Title"), twipsRect(120, 120, 495, 255), true);
    textTitle_ = addBox(QStringLiteral("textTitle"), QStringLiteral("Title"), twipsRect(240, 360, 3735, 315),
                        TitleLength);
    comboCategory_ = addComboBox(this, QStringLiteral("comboCategory"), QStringLiteral("Category"),
                             twipsRect(4080, 360, 1455, 315));
    fillCategories(QString());

    addLabel(this, QStringLiteral("labelDescription"), QStringLiteral("D&escription"), twipsRect(120, 720, 975, 285),
             true);
    textDescription_ = new LimitedTextEdit(DescriptionLength, this);
    textDescription_->setObjectName(QStringLiteral("textDescription"));
    textDescription_->setToolTip(QStringLiteral("Description"));
    textDescription_->setGeometry(twipsRect(240, 960, 5295, 735));
    textDescription_->setTabChangesFocus(true);

    addLabel(this, QStringLiteral("labelDate"), QStringLiteral("&Date"), twipsRect(120, 1800, 495, 285), true);
    comboMonth_ = addComboBox(this, QStringLiteral("comboMonth"), QStringLiteral("Month"), twipsRect(240, 2040, 1335, 315));
    comboMonth_->addItems(monthNames());
    textDay_ = addDigitBox(QStringLiteral("textDay"), QStringLiteral("Day"), twipsRect(1680, 2040, 375, 285), 2);
    addLabel(this, QStringLiteral("labelComma"), QStringLiteral(","), twipsRect(2055, 2160, 255, 255), false);
    textYear_ = addDigitBox(QStringLiteral("textYear"), QStringLiteral("Year (leave empty for \"every year\")"),
                            twipsRect(2280, 2040, 615, 285), 4);

    addLabel(this, QStringLiteral("labelTime"), QStringLiteral("&Time"), twipsRect(3840, 1800, 615, 255), true);
    textHours_ = addDigitBox(QStringLiteral("textHours"), QStringLiteral("Hours (leave empty to ignore)"),
                             twipsRect(3960, 2040, 375, 285), 2);
    addLabel(this, QStringLiteral("labelTimeDivider"), QStringLiteral(":"), twipsRect(4335, 2070, 135, 255), false);
    textMinutes_ = addDigitBox(QStringLiteral("textMinutes"), QStringLiteral("Minutes (leave empty to ignore)"),
                               twipsRect(4440, 2040, 375, 285), 2);
    comboAMPM_ = addComboBox(this, QStringLiteral("comboAMPM"), QStringLiteral("AM/PM"), twipsRect(4920, 2025, 615, 315));
    if (state_.uses12HourClock())
        comboAMPM_->addItems({QStringLiteral("AM"), QStringLiteral("PM")});
    else
        comboAMPM_->hide();

    addLabel(this, QStringLiteral("labelOtherSettings"), QStringLiteral("Other settings for this event"),
             twipsRect(120, 2520, 2415, 255), true);
    QLabel *alert = addLabel(this, QStringLiteral("labelAlert"), QStringLiteral("&Alert             days before this event"),
                             twipsRect(240, 2820, 2640, 255), false);
    textAlert_ = addDigitBox(QStringLiteral("textAlert"), QStringLiteral("Alert about the event"),
                             twipsRect(720, 2760, 375, 285), 2);
    alert->setBuddy(textAlert_);
    checkboxDisableThisYear_ = new QCheckBox(QStringLiteral("D&isable alert this year"), this);
    checkboxDisableThisYear_->setObjectName(QStringLiteral("checkboxDisableThisYear"));
    checkboxDisableThisYear_->setGeometry(twipsRect(3570, 2760, 1965, 255));

    QLabel *sound = addLabel(this, QStringLiteral("labelSound"), QStringLiteral("&Play a sound:"),
                             twipsRect(240, 3150, 1035, 255), false);
    textSound_ = addBox(QStringLiteral("textSound"), QStringLiteral("Play a sound (leave empty to ignore)"),
                        twipsRect(1320, 3090, 3615, 285), NoLimit);
    sound->setBuddy(textSound_);
    QPushButton *chooser = addButton(this, QStringLiteral("commandSound"), QStringLiteral("..."),
                                     twipsRect(5040, 3120, 495, 285));
    chooser->setToolTip(QStringLiteral("Select sound"));
    connect(chooser, &QPushButton::clicked, this, &EventDialog::chooseSound);

    for (const auto &[label, box] : {std::pair{"labelTitle", static_cast<QWidget *>(textTitle_)},
                                     std::pair{"labelDescription", static_cast<QWidget *>(textDescription_)},
                                     std::pair{"labelDate", static_cast<QWidget *>(comboMonth_)},
                                     std::pair{"labelTime", static_cast<QWidget *>(textHours_)}})
        findChild<QLabel *>(QLatin1String(label))->setBuddy(box);

    QPushButton *ok = addButton(this, QStringLiteral("commandOK"), QStringLiteral("&OK"), twipsRect(2040, 3600, 1095, 345));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &EventDialog::store);
    connect(addButton(this, QStringLiteral("commandCancel"), QStringLiteral("&Cancel"), twipsRect(3240, 3600, 1095, 345)),
            &QPushButton::clicked, this, &QDialog::reject);
    connect(addButton(this, QStringLiteral("commandHelp"), QStringLiteral("&Help"), twipsRect(4440, 3600, 1095, 345)),
            &QPushButton::clicked, help_.addHelpKey(this, HelpContext::EventDialog), &QAction::trigger);
}

// The sorted category list, with extra added when it is not empty.
void EventDialog::fillCategories(const QString &extra)
{
    QStringList categories = categoryChoices(state_.userCategories);
    if (!extra.isEmpty())
        categories << extra;
    categories.sort(Qt::CaseInsensitive);
    comboCategory_->clear();
    comboCategory_->addItems(categories);
}

void EventDialog::prepareAdd(const QString &day, const QString &monthName, const QString &yearText)
{
    setWindowTitle(AddCaption);
    editedIndex_ = -1;
    textDay_->setText(day);
    textYear_->setText(QString::number(yearText.toInt()));
    comboMonth_->setCurrentText(monthName);
}

void EventDialog::prepareEdit(int index)
{
    setWindowTitle(EditCaption);
    editedIndex_ = index;
    const Event &event = state_.events[index];
    setWholeText(textTitle_, event.title);
    textDescription_->setPlainText(event.description);
    if (event.time != QString(Event::TimeWidth, QLatin1Char(' '))) {
        textHours_->setText(event.time.left(2));
        textMinutes_->setText(event.time.right(2));
        // Midnight is 12 AM and noon 12 PM on the 12-hour clock.
        if (state_.uses12HourClock()) {
            const TwelveHour twelve = toTwelveHour(event.time.left(2).toInt());
            textHours_->setText(twelve.pm ? QString::number(twelve.hour) : twoDigits(twelve.hour));
            comboAMPM_->setCurrentText(twelve.pm ? QStringLiteral("PM") : QStringLiteral("AM"));
        }
    }
    if (!event.isEveryYear())
        textYear_->setText(event.yearText().toString());
    if (event.notifyingDays != 0)
        setWholeText(textAlert_, QString::number(std::abs(event.notifyingDays)));
    checkboxDisableThisYear_->setChecked(event.notifyingDays < 0 &&
                                         textYear_->text() == QString::number(clock_.today().year()));
    textSound_->setText(event.sound);
    comboMonth_->setCurrentText(monthName(event.monthText().toInt()));
    if (!event.category.isEmpty()) {
        // A user category renamed since stays the event's own until the user
        // picks another; otherwise saving the edit would drop it.
        if (comboCategory_->findText(event.category) < 0)
            fillCategories(event.category);
        comboCategory_->setCurrentText(event.category);
    }
    textDay_->setText(event.dayText().toString());
}

void EventDialog::chooseSound()
{
    const QString folder = textSound_->text().isEmpty() ? QCoreApplication::applicationDirPath() : textSound_->text();
    const QString chosen = chooseFile_(this, QStringLiteral("Select sound file"), folder,
                                       QStringLiteral("Sound Files (*.wav);;All Files (*.*)"));
    if (!chosen.isEmpty())
        textSound_->setText(chosen.trimmed());
}

// The hours as stored, on the 24-hour clock. In 12-hour mode 1 to 12 are
// read with AM or PM (12 AM is midnight); other hours are taken as typed.
int EventDialog::storedHours() const
{
    const int hours = textHours_->text().toInt();
    if (comboAMPM_->isHidden() || hours < 1 || hours > 12)
        return hours;
    return fromTwelveHour(hours, comboAMPM_->currentText() == QLatin1String("PM"));
}

void EventDialog::store()
{
    const EventForm form{textTitle_->text(),  textYear_->text(),  comboMonth_->currentText(),
                         textDay_->text(),    textHours_->text(), textMinutes_->text()};
    if (const std::optional<CheckMessage> problem = checkEventForm(state_, form, editedIndex_, clock_.today())) {
        showGeneralDialog(state_, this, 4815, 1545, problem->title, problem->text, 615, QStringLiteral("Ok"),
                          QString());
        return;
    }

    Event event = editedIndex_ >= 0 ? state_.events[editedIndex_] : Event();
    event.title = form.title;
    event.date = (form.year.isEmpty() ? QString(Event::EveryYear) : form.year) +
                 twoDigits(monthNumber(form.monthName)) + twoDigits(form.day.toInt());
    // The main window shows the description on one line, as the file keeps it.
    event.description = toSingleLine(textDescription_->toPlainText());
    event.category = comboCategory_->currentText();
    event.sound = textSound_->text();
    const int alertDays = textAlert_->text().toInt();
    event.notifyingDays = static_cast<qint16>(checkboxDisableThisYear_->isChecked() ? -alertDays : alertDays);
    event.time = form.hours.isEmpty() ? QString(Event::TimeWidth, QLatin1Char(' '))
                                      : twoDigits(storedHours()) + twoDigits(form.minutes.toInt());
    if (editedIndex_ >= 0) {
        state_.events[editedIndex_] = event;
    } else if (!state_.addEvent(event)) {
        // Another add dialog (from the tray menu) took the last slot meanwhile.
        showDatabaseFull(state_, this, eventsFullMessage());
        return;
    }
    emit eventStored();
    accept();
}
