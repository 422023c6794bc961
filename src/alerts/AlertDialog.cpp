#include "alerts/AlertDialog.h"

#include "appstate/AppState.h"
#include "appstate/ProgramInfo.h"
#include "datelogic/Occurrence.h"
#include "widgets/ElidedText.h"
#include "widgets/ProgramFont.h"
#include "widgets/ShowAnnouncer.h"
#include "widgets/Twips.h"
#include "eventdata/DateText.h"
#include "eventdata/TimeText.h"
#include "platform/Clock.h"
#include "platform/Platform.h"

#include <QComboBox>
#include <QFrame>
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

struct RemindChoice {
    const char *entry;
    const char *answer;
};
constexpr std::array<RemindChoice, 8> RemindChoices{{
    {"Never", "never"},
    {"in 5 minutes", "5"},
    {"in 15 minutes", "15"},
    {"in 30 minutes", "30"},
    {"in 1 hour", "60"},
    {"in 2 hours", "120"},
    {"in 5 hours", "300"},
    {"on next start up", "next"},
}};
constexpr int DefaultChoice = 4; // in 1 hour

QLabel *addLabel(QWidget *parent, const QString &name, const QRect &place)
{
    auto *label = new QLabel(parent);
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText); // titles and descriptions are the user's
    label->setGeometry(place);
    return label;
}

void addLine(QWidget *parent, const QString &name, int top)
{
    auto *line = new QFrame(parent);
    line->setObjectName(name);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    line->setGeometry(twipsRect(0, top, ClientWidth, 30));
}

// An every-year event is stored with the year 0000; it has no single year to name.
QString dateLine(const Event &event, bool twelveHourClock)
{
    const int month = event.monthText().toInt();
    QString line = monthName(month) + QLatin1Char(' ') + QString::number(event.dayText().toInt());
    line += event.isEveryYear() ? QStringLiteral(", every year") : QStringLiteral(", ") + event.yearText().toString();
    if (const QString time = timeText(event.time, twelveHourClock); !time.isEmpty())
        line += QStringLiteral(" at ") + time;
    return line;
}

} // namespace

AlertDialog::AlertDialog(AppState &state, Platform &platform, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      state_(state), platform_(platform), missed_(state.alertMissed != 0)
{
    setObjectName(QStringLiteral("formAlertEvent"));
    setWindowTitle(QStringLiteral("Alert!"));
    setFont(programFont());
    setFixedSize(twipsToPixels(ClientWidth), twipsToPixels(ClientHeight));
    buildWindow();
    fillFrom(state_.events[state_.alertEventIndex]);
    // Spoken as the window opens: what, when, how soon, and the description.
    ShowAnnouncer::announce(this, QStringList{labelTitle_->text(), labelDate_->text(), labelDaysLeft_->text(),
                                              labelDescription_->text()}
                                      .join(QStringLiteral(". ")));
}

void AlertDialog::buildWindow()
{
    labelDate_ = addLabel(this, QStringLiteral("labelDate"), twipsRect(120, 120, 4215, 255));
    QFont dateFont = font();
    dateFont.setBold(true);
    dateFont.setUnderline(true);
    labelDate_->setFont(dateFont);
    labelDaysLeft_ = addLabel(this, QStringLiteral("labelDaysLeft"), twipsRect(2760, 120, 3735, 255));
    labelDaysLeft_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    addLine(this, QStringLiteral("lineDark0"), 420);

    QLabel *image = addLabel(this, QStringLiteral("imageImage"), twipsRect(120, 480, 780, 705));
    image->setPixmap(QIcon(QStringLiteral(":/icons/alert.svg")).pixmap(image->size()));
    image->setAccessibleName(QStringLiteral("Alert"));

    labelTitle_ = addLabel(this, QStringLiteral("labelTitle"), twipsRect(1080, 525, 5415, 615));
    QFont titleFont = font();
    titleFont.setPointSizeF(12);
    titleFont.setBold(true);
    labelTitle_->setFont(titleFont);
    labelTitle_->setWordWrap(true);
    labelTitle_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    addLine(this, QStringLiteral("lineDark1"), 1320);

    labelDescription_ = addLabel(this, QStringLiteral("labelDescription"), twipsRect(120, 1460, 6375, 615));
    labelDescription_->setWordWrap(true);
    labelDescription_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    addLine(this, QStringLiteral("lineDark2"), 2160);

    labelRemindMeAgain_ = addLabel(this, QStringLiteral("labelRemindMeAgain"), twipsRect(120, 2355, 1335, 255));
    labelRemindMeAgain_->setTextFormat(Qt::AutoText);
    labelRemindMeAgain_->setText(QStringLiteral("&Repeat"));
    comboRemindAgain_ = new QComboBox(this);
    comboRemindAgain_->setObjectName(QStringLiteral("comboRemindAgain"));
    comboRemindAgain_->setGeometry(twipsRect(720, 2280, 1575, 315));
    labelRemindMeAgain_->setBuddy(comboRemindAgain_);
    for (const RemindChoice &choice : RemindChoices)
        comboRemindAgain_->addItem(QLatin1String(choice.entry), QLatin1String(choice.answer));
    labelRemindAgainNote_ = addLabel(this, QStringLiteral("labelRemindAgainNote"), twipsRect(2400, 2355, 1455, 255));
    labelRemindAgainNote_->setText(QStringLiteral("(not saved on exit)"));
    connect(comboRemindAgain_, &QComboBox::currentIndexChanged, this, &AlertDialog::remindAgainChosen);
    comboRemindAgain_->setCurrentIndex(DefaultChoice);

    auto *ecard = new QPushButton(QStringLiteral("Send &e-card"), this);
    ecard->setObjectName(QStringLiteral("commandEcard"));
    ecard->setAutoDefault(false);
    ecard->setGeometry(twipsRect(4080, 2280, 1215, 345));
    connect(ecard, &QPushButton::clicked, this, [this] { platform_.openUrl(QUrl(QString(ProgramInfo::ECardSite))); });

    auto *ok = new QPushButton(QStringLiteral("&OK"), this);
    ok->setObjectName(QStringLiteral("commandOK"));
    ok->setDefault(true);
    ok->setGeometry(twipsRect(5400, 2280, 1095, 345));
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

void AlertDialog::fillFrom(const Event &event)
{
    if (!event.category.isEmpty())
        setWindowTitle(event.category + QLatin1Char('!'));

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

    labelDate_->setText(dateLine(event, state_.uses12HourClock()));
    showDaysLeft(event);

    if (!event.sound.isEmpty() && state_.mute == 0)
        platform_.playSound(event.sound);
}

void AlertDialog::showDaysLeft(const Event &event)
{
    if (missed_) {
        labelDaysLeft_->setText(QStringLiteral("This event has already occured!"));
        for (QWidget *control : {static_cast<QWidget *>(labelRemindMeAgain_), static_cast<QWidget *>(labelRemindAgainNote_),
                                 static_cast<QWidget *>(comboRemindAgain_)})
            control->hide();
        return;
    }
    const qint64 days = daysLeft(event, platform_.clock().today()).value_or(0);
    if (days == 0) {
        QFont bold = labelDaysLeft_->font();
        bold.setBold(true);
        labelDaysLeft_->setFont(bold);
        labelDaysLeft_->setText(QStringLiteral("[ TODAY! ]"));
    } else if (days == 1) {
        labelDaysLeft_->setText(QStringLiteral("[ 1 day left ]"));
    } else {
        labelDaysLeft_->setText(QStringLiteral("[ %1 days left ]").arg(days));
    }
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
    state_.dialogResult = comboRemindAgain_->currentData().toString();
    QDialog::done(result);
}
