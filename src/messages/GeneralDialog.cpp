#include "messages/GeneralDialog.h"

#include "widgets/ControlTable.h"
#include "widgets/ProgramFont.h"
#include "widgets/ShowAnnouncer.h"
#include "widgets/Twips.h"
#include "widgets/WindowFrame.h"

#include <QCheckBox>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QStyle>

#include <algorithm>
#include <utility>

namespace {

// Every message box is as wide; the caller gives the height its message needs.
constexpr int Width = 4870;
constexpr int ButtonsAboveBottom = 810;
constexpr int IconSizePixels = 32;

// Controls that only some kinds use start hidden and disabled, so that a hidden
// button's shortcut cannot answer the dialog.
void conceal(QWidget *widget)
{
    widget->setEnabled(false);
    widget->hide();
}

void reveal(QWidget *widget)
{
    widget->setEnabled(true);
    widget->show();
}

// A scripted answer stands in for the user in tests, so that no window needs
// to be found and clicked while exec() runs. Only tests ever set it.
struct Script {
    std::optional<MessageAnswer> nextAnswer;
    std::optional<Message> asked;
};

Script &script()
{
    static Script instance;
    return instance;
}

} // namespace

GeneralDialog::GeneralDialog(const Message &message, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("formGeneralDialog"));
    setFont(programFont());
    setWindowTitle(message.title);
    // The caller sizes the whole window, its caption and borders included.
    setFixedSize(QSize(twipsToPixels(Width), twipsToPixels(message.height)).shrunkBy(frameAllowance(this)));

    const int buttonTop = message.height - ButtonsAboveBottom;
    using enum ControlKind;
    // clang-format off
    const ControlSet controls(this, {
        {TextLabel, u"labelMessage", {}, 720, 120, 3975, message.textHeight},
        {CheckBox, u"checkboxCheckbox", {}, 720, message.textHeight + 170, 3975, 255},
        {Button, u"commandYes", u"&Yes", 2160, buttonTop, 1215, 345},
        {Button, u"commandNo", u"&No", 3480, buttonTop, 1215, 345},
        {Button, u"commandOK", u"&OK", 3480, buttonTop, 1215, 345},
    });
    // clang-format on
    auto *label = controls.get<QLabel>(u"labelMessage"); // messages carry event titles and file names
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setText(message.text);
    ShowAnnouncer::announce(this, message.text);

    checkbox_ = controls.get<QCheckBox>(u"checkboxCheckbox");
    checkbox_->setText(message.checkboxCaption);
    if (message.checkboxCaption.isEmpty())
        conceal(checkbox_);
    yes_ = controls.get<QPushButton>(u"commandYes");
    no_ = controls.get<QPushButton>(u"commandNo");
    ok_ = controls.get<QPushButton>(u"commandOK");
    for (QPushButton *button : {yes_, no_, ok_})
        conceal(button);
    connect(yes_, &QPushButton::clicked, this, [this] { answerWith(MessageButton::Yes, true); });
    connect(no_, &QPushButton::clicked, this, [this] { answerWith(MessageButton::No, false); });
    connect(ok_, &QPushButton::clicked, this, [this] { answerWith(MessageButton::Ok, true); });

    iconWarning_ = addIcon(style()->standardIcon(QStyle::SP_MessageBoxWarning, nullptr, this),
                           QStringLiteral("imageYesNo"), QStringLiteral("Warning"));
    iconInformation_ = addIcon(style()->standardIcon(QStyle::SP_MessageBoxInformation, nullptr, this),
                               QStringLiteral("imageOk"), QStringLiteral("Information"));
    iconInternet_ = addIcon(QIcon(QStringLiteral(":/icons/globe.svg")), QStringLiteral("imageInternet"),
                            QStringLiteral("Internet"));

    showKind(message.kind);
}

QLabel *GeneralDialog::addIcon(const QIcon &picture, const QString &name, const QString &spokenName)
{
    auto *icon = new QLabel(this);
    icon->setObjectName(name);
    icon->setAccessibleName(spokenName);
    icon->setPixmap(picture.pixmap(IconSizePixels, IconSizePixels));
    icon->setGeometry(twipsToPixels(120), twipsToPixels(170), IconSizePixels, IconSizePixels);
    conceal(icon);
    return icon;
}

// The focus starts on the default answer; on the check box, the first
// control, a Space would switch the question off.
void GeneralDialog::showKind(MessageKind kind)
{
    QPushButton *answer = ok_;
    if (kind == MessageKind::YesNo || kind == MessageKind::Update) {
        reveal(no_);
        answer = yes_;
    }
    reveal(answer);
    answer->setDefault(true);
    answer->setFocus();
    switch (kind) {
    case MessageKind::YesNo:
    case MessageKind::Alert:
        reveal(iconWarning_);
        break;
    case MessageKind::Ok:
        reveal(iconInformation_);
        break;
    case MessageKind::Update:
        reveal(iconInternet_);
        break;
    }
}

void GeneralDialog::answerWith(MessageButton button, bool keepsCheckbox)
{
    answer_ = {button, keepsCheckbox && checkbox_->isChecked()};
    accept();
}

void GeneralDialog::centreOn(const QWidget *widget)
{
    QPoint centre;
    if (widget && widget->isVisible())
        centre = widget->mapToGlobal(widget->rect().center());
    else if (const QScreen *screen = QGuiApplication::primaryScreen())
        centre = screen->availableGeometry().center();
    else
        return;
    move(centre - QPoint(width() / 2, height() / 2));
}

MessageAnswer GeneralDialog::ask(QWidget *centreOn, const Message &message)
{
    if (std::optional<MessageAnswer> scripted = std::exchange(script().nextAnswer, std::nullopt)) {
        script().asked = message;
        return *scripted;
    }
    GeneralDialog dialog(message, centreOn);
    dialog.centreOn(centreOn);
    dialog.exec();
    return dialog.answer();
}

void GeneralDialog::setNextAnswer(MessageAnswer answer)
{
    script().nextAnswer = answer;
}

std::optional<Message> GeneralDialog::takeAskedMessage()
{
    return std::exchange(script().asked, std::nullopt);
}

bool confirmRemoval(QWidget *centreOn, const QString &shownTitle, const QString &thing, qint16 &confirmSetting)
{
    if (confirmSetting != 1)
        return true;
    const MessageAnswer answer =
        GeneralDialog::ask(centreOn, {MessageKind::YesNo, QStringLiteral("Remove ") + shownTitle + QLatin1Char('?'),
                                      QStringLiteral("Are you sure you want to remove this %1?\n"
                                                     "Note: You can not undo this operation!")
                                          .arg(thing),
                                      1785, 495, QStringLiteral("Do not ask me this question again.")});
    if (answer.button != MessageButton::Yes)
        return false;
    if (answer.checked)
        confirmSetting = 0;
    return true;
}

void showDatabaseFull(QWidget *centreOn, const QString &message)
{
    GeneralDialog::ask(centreOn, {MessageKind::Ok, QStringLiteral("Database is full"), message, 1605, 735});
}

Message fittedMessage(MessageKind kind, const QString &title, const QString &text)
{
    constexpr int TextWidth = 3975; // the message box's text, in twips
    constexpr int BoxHeight = 3225;
    constexpr int TextHeight = 2295;
    const QFontMetrics metrics(programFont());
    const QRect needed = metrics.boundingRect(QRect(0, 0, twipsToPixels(TextWidth), 1 << 20), Qt::TextWordWrap, text);
    const int textHeight = std::max(TextHeight, (needed.height() + metrics.lineSpacing()) * TwipsPerPixel);
    return {kind, title, text, BoxHeight - TextHeight + textHeight, textHeight};
}
