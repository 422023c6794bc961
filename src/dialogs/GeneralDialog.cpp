#include "dialogs/GeneralDialog.h"

#include "appstate/AppState.h"
#include "widgets/ProgramFont.h"
#include "widgets/ShowAnnouncer.h"
#include "widgets/Twips.h"
#include "widgets/WindowFrame.h"

#include <QCheckBox>
#include <QGuiApplication>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QStyle>

namespace {

constexpr int ExtraWidth = 55;
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

} // namespace

GeneralDialog::GeneralDialog(int width, int height, const QString &title, const QString &message,
                             int messageHeight, const QString &kind, const QString &checkboxCaption,
                             QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("formGeneralDialog"));
    setFont(programFont());
    setWindowTitle(title);
    // The caller sizes the whole window, its caption and borders included.
    setFixedSize(QSize(twipsToPixels(width + ExtraWidth), twipsToPixels(height)).shrunkBy(frameAllowance(this)));

    auto *label = new QLabel(this);
    label->setObjectName(QStringLiteral("labelMessage"));
    label->setTextFormat(Qt::PlainText); // messages carry event titles and file names
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setText(message);
    label->setGeometry(twipsRect(720, 120, 3975, messageHeight));
    ShowAnnouncer::announce(this, message);

    checkbox_ = new QCheckBox(checkboxCaption, this);
    checkbox_->setObjectName(QStringLiteral("checkboxCheckbox"));
    checkbox_->setGeometry(twipsRect(720, messageHeight + 170, 3975, 255));
    if (checkboxCaption.isEmpty())
        conceal(checkbox_);

    const int buttonTop = height - ButtonsAboveBottom;
    yes_ = addButton(QStringLiteral("&Yes"), QStringLiteral("commandYes"), 2160, buttonTop);
    no_ = addButton(QStringLiteral("&No"), QStringLiteral("commandNo"), 3480, buttonTop);
    ok_ = addButton(QStringLiteral("&OK"), QStringLiteral("commandOK"), 3480, buttonTop);
    connect(yes_, &QPushButton::clicked, this, [this] { answerWith(QStringLiteral("Yes"), true); });
    connect(no_, &QPushButton::clicked, this, [this] { answerWith(QStringLiteral("No"), false); });
    connect(ok_, &QPushButton::clicked, this, [this] { answerWith(QStringLiteral("Ok"), true); });

    iconWarning_ = addIcon(style()->standardIcon(QStyle::SP_MessageBoxWarning, nullptr, this),
                           QStringLiteral("imageYesNo"), QStringLiteral("Warning"));
    iconInformation_ = addIcon(style()->standardIcon(QStyle::SP_MessageBoxInformation, nullptr, this),
                               QStringLiteral("imageOk"), QStringLiteral("Information"));
    iconInternet_ = addIcon(QIcon(QStringLiteral(":/icons/globe.svg")), QStringLiteral("imageInternet"),
                            QStringLiteral("Internet"));

    showKind(kind);
}

QPushButton *GeneralDialog::addButton(const QString &caption, const QString &name, int left, int top)
{
    auto *button = new QPushButton(caption, this);
    button->setObjectName(name);
    button->setGeometry(twipsRect(left, top, 1215, 345));
    conceal(button);
    return button;
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

// Any other kind shows only the message; Escape still closes it.
void GeneralDialog::showKind(const QString &kind)
{
    if (kind == QLatin1String("YesNo") || kind == QLatin1String("Update")) {
        reveal(yes_);
        reveal(no_);
        yes_->setDefault(true);
        reveal(kind == QLatin1String("YesNo") ? iconWarning_ : iconInternet_);
    } else if (kind == QLatin1String("Ok") || kind == QLatin1String("Alert")) {
        reveal(ok_);
        ok_->setDefault(true);
        reveal(kind == QLatin1String("Ok") ? iconInformation_ : iconWarning_);
    }
}

void GeneralDialog::answerWith(const QString &answer, bool keepsCheckbox)
{
    answer_ = answer;
    checkboxAnswer_ = keepsCheckbox && checkbox_->isChecked();
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

void showGeneralDialog(AppState &state, QWidget *centreOn, int width, int height, const QString &title,
                       const QString &message, int messageHeight, const QString &kind,
                       const QString &checkboxCaption)
{
    GeneralDialog dialog(width, height, title, message, messageHeight, kind, checkboxCaption, centreOn);
    dialog.centreOn(centreOn);
    dialog.exec();
    state.dialogResult = dialog.answer();
    state.dialogCheckbox = dialog.checkboxAnswer();
}

bool confirmRemoval(AppState &state, QWidget *centreOn, const QString &shownTitle, const QString &thing,
                    qint16 &confirmSetting)
{
    if (confirmSetting != 1)
        return true;
    showGeneralDialog(state, centreOn, 4815, 1785, QStringLiteral("Remove ") + shownTitle + QLatin1Char('?'),
                      QStringLiteral("Are you sure you want to remove this %1?\n"
                                     "Note: You can not undo this operation!")
                          .arg(thing),
                      495, QStringLiteral("YesNo"), QStringLiteral("Do not ask me this question again."));
    if (state.dialogResult != QLatin1String("Yes"))
        return false;
    if (state.dialogCheckbox)
        confirmSetting = 0;
    return true;
}

void showDatabaseFull(AppState &state, QWidget *centreOn, const QString &message)
{
    showGeneralDialog(state, centreOn, 4815, 1605, QStringLiteral("Database is full"), message, 735,
                      QStringLiteral("Ok"), QString());
}
