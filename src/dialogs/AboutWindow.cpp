#include "dialogs/AboutWindow.h"

#include "appstate/ProgramInfo.h"
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

QLabel *addLabel(QWidget *parent, const QString &name, const QString &text, const QRect &place)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setGeometry(place);
    return label;
}

} // namespace

AboutWindow::AboutWindow(Platform &platform, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), platform_(platform)
{
    setObjectName(QStringLiteral("formAboutWelcome"));
    setFont(programFont());
    setFixedSize(twipsToPixels(ClientWidth), twipsToPixels(ClientHeight));

    auto *shape = new QFrame(this);
    shape->setObjectName(QStringLiteral("shapeForm"));
    shape->setGeometry(rect());
    shape->setFrameShape(QFrame::Box);
    shape->setAutoFillBackground(true);
    QPalette white = shape->palette();
    white.setColor(QPalette::Window, Qt::white);
    white.setColor(QPalette::WindowText, Qt::black);
    shape->setPalette(white);

    QLabel *caption = addLabel(shape, QStringLiteral("labelCaption"), QStringLiteral("About"),
                               twipsRect(240, 180, 3000, 255));
    QFont bold = caption->font();
    bold.setBold(true);
    caption->setFont(bold);

    QLabel *name = addLabel(shape, QStringLiteral("labelTarrowby"), QStringLiteral("Tarrowby"),
                            twipsRect(240, 480, 5000, 600));
    QFont large = bold;
    large.setPointSizeF(bold.pointSizeF() * 2.4);
    name->setFont(large);

    addLabel(shape, QStringLiteral("labelVersion"), QStringLiteral("Version: ") + ProgramInfo::Version,
             twipsRect(240, 1080, 3000, 255));

    auto *about = new QFrame(shape);
    about->setObjectName(QStringLiteral("frameAbout"));
    about->setGeometry(twipsRect(240, 1440, 5775, 1560));
    addLabel(about, QStringLiteral("Label2"), QStringLiteral("World Wide Web:"), twipsRect(0, 0, 1500, 255));
    addLink(about, QStringLiteral("labelWebSite"), QString(ProgramInfo::WebSite), QUrl(QString(ProgramInfo::WebSite)),
            0);
    addLabel(about, QStringLiteral("Label3"), QStringLiteral("E-mail:"), twipsRect(0, 300, 1500, 255));
    addLink(about, QStringLiteral("labelEmail"), QString(ProgramInfo::SupportMail),
            QUrl(QStringLiteral("mailto:") + ProgramInfo::SupportMail), 300);
    addLabel(about, QStringLiteral("Label4"), QStringLiteral("Fax:"), twipsRect(0, 600, 1500, 255));
    addLabel(about, QStringLiteral("labelFax"), QString(ProgramInfo::Fax), twipsRect(1560, 600, 4200, 255));
    QLabel *notice = addLabel(about, QStringLiteral("Label1"), QString(ProgramInfo::Notice),
                              twipsRect(0, 1020, 5775, 495));
    notice->setWordWrap(true);

    auto *divider = new QFrame(shape);
    divider->setObjectName(QStringLiteral("lineDivider"));
    divider->setFrameShape(QFrame::HLine);
    divider->setFrameShadow(QFrame::Sunken);
    divider->setGeometry(twipsRect(0, 3120, ClientWidth, 30));

    auto *ok = new QPushButton(QStringLiteral("&OK"), shape);
    ok->setObjectName(QStringLiteral("commandOK"));
    ok->setDefault(true);
    ok->setGeometry(twipsRect(4920, 3240, 1095, 375));
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

void AboutWindow::addLink(QWidget *parent, const QString &name, const QString &text, const QUrl &target,
                          int top)
{
    // Our own constant, so the link markup is safe; the label shows it blue
    // with a hand pointer and hands the click to the platform.
    QLabel *link = addLabel(parent, name,
                            QStringLiteral("<a href=\"%1\">%2</a>").arg(target.toString().toHtmlEscaped(),
                                                                       text.toHtmlEscaped()),
                            twipsRect(1560, top, 4200, 255));
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
