#include "dialogs/AboutWindow.h"

#include "programinfo/ProgramInfo.h"
#include "widgets/ControlTable.h"
#include "widgets/ProgramFont.h"
#include "widgets/Twips.h"
#include "platform/Platform.h"

#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QUrl>

namespace {

constexpr int ClientWidth = 6255;
constexpr int ClientHeight = 3705;

} // namespace

AboutWindow::AboutWindow(Platform &platform, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), platform_(platform)
{
    setObjectName(QStringLiteral("formAboutWelcome"));
    setFont(programFont());
    setFixedSize(twipsToPixels(ClientWidth), twipsToPixels(ClientHeight));

    using enum ControlKind;
    // clang-format off
    const ControlSet controls(this, {
        {Frame, u"shapeForm", {}, 0, 0, ClientWidth, ClientHeight},
        {Heading, u"labelCaption", u"About", 240, 180, 3000, 255, {}, 0, u"shapeForm"},
        {Label, u"labelTarrowby", u"Tarrowby", 240, 480, 5000, 600, {}, 0, u"shapeForm"},
        {Label, u"labelVersion", {}, 240, 1080, 3000, 255, {}, 0, u"shapeForm"},
        {Frame, u"frameAbout", {}, 240, 1440, 5775, 1560, {}, 0, u"shapeForm"},
        {Label, u"Label2", u"World Wide Web:", 0, 0, 1500, 255, {}, 0, u"frameAbout"},
        {Label, u"labelWebSite", {}, 1560, 0, 4200, 255, {}, 0, u"frameAbout"},
        {Label, u"Label3", u"E-mail:", 0, 300, 1500, 255, {}, 0, u"frameAbout"},
        {Label, u"labelEmail", {}, 1560, 300, 4200, 255, {}, 0, u"frameAbout"},
        {Label, u"Label4", u"Fax:", 0, 600, 1500, 255, {}, 0, u"frameAbout"},
        {Label, u"labelFax", {}, 1560, 600, 4200, 255, {}, 0, u"frameAbout"},
        {Label, u"Label1", {}, 0, 1020, 5775, 495, {}, 0, u"frameAbout"},
        {Line, u"lineDivider", {}, 0, 3120, ClientWidth, 30, {}, 0, u"shapeForm"},
        {Button, u"commandOK", u"&OK", 4920, 3240, 1095, 375, {}, 0, u"shapeForm"},
    });
    // clang-format on

    auto *shape = controls.get<QFrame>(u"shapeForm");
    shape->setFrameShape(QFrame::Box);
    shape->setAutoFillBackground(true);
    QPalette white = shape->palette();
    white.setColor(QPalette::Window, Qt::white);
    white.setColor(QPalette::WindowText, Qt::black);
    shape->setPalette(white);

    auto *name = controls.get<QLabel>(u"labelTarrowby");
    QFont large = name->font();
    large.setBold(true);
    large.setPointSizeF(large.pointSizeF() * 2.4);
    name->setFont(large);
    controls.get<QLabel>(u"labelVersion")->setText(QStringLiteral("Version: ") + ProgramInfo::Version);
    makeLink(controls.get<QLabel>(u"labelWebSite"), QString(ProgramInfo::WebSite), QUrl(QString(ProgramInfo::WebSite)));
    makeLink(controls.get<QLabel>(u"labelEmail"), QString(ProgramInfo::SupportMail),
             QUrl(QStringLiteral("mailto:") + ProgramInfo::SupportMail));
    controls.get<QLabel>(u"labelFax")->setText(QString(ProgramInfo::Fax));
    auto *notice = controls.get<QLabel>(u"Label1");
    notice->setText(QString(ProgramInfo::Notice));
    notice->setWordWrap(true);

    auto *ok = controls.get<QPushButton>(u"commandOK");
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

void AboutWindow::makeLink(QLabel *link, const QString &text, const QUrl &target)
{
    // Our own constant, so the link markup is safe; the label shows it blue
    // with a hand pointer and hands the click to the platform.
    link->setText(QStringLiteral("<a href=\"%1\">%2</a>").arg(target.toString().toHtmlEscaped(), text.toHtmlEscaped()));
    link->setTextFormat(Qt::RichText);
    link->setTextInteractionFlags(Qt::LinksAccessibleByMouse);
    connect(link, &QLabel::linkActivated, this, [this, target] { platform_.openUrl(target); });
}

void AboutWindow::showEvent(QShowEvent *event)
{
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    QDialog::showEvent(event);
}

// Without a title bar there is no close box; OK or Enter closes the window.
void AboutWindow::reject() {}
