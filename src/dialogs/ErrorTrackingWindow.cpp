#include "dialogs/ErrorTrackingWindow.h"

#include "appstate/AppState.h"
#include "datelogic/ErrorTrackingText.h"
#include "widgets/ProgramFont.h"
#include "widgets/Twips.h"
#include "platform/Clock.h"
#include "platform/Platform.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

ErrorTrackingWindow::ErrorTrackingWindow(const AppState &state, Platform &platform, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      platform_(platform)
{
    setObjectName(QStringLiteral("formErrorTracking"));
    setWindowTitle(QStringLiteral("Tarrowby"));
    setFont(programFont());
    setFixedSize(twipsToPixels(4695), twipsToPixels(3255));

    auto *intro = new QLabel(
        QStringLiteral("This window contains information that can be helpful for the development team when "
                       "tracking errors."),
        this);
    intro->setObjectName(QStringLiteral("labelThisWindow"));
    intro->setWordWrap(true);
    intro->setGeometry(twipsRect(120, 120, 4455, 495));

    usefulData_ = new QPlainTextEdit(this);
    usefulData_->setObjectName(QStringLiteral("textUsefulData"));
    usefulData_->setAccessibleName(QStringLiteral("Useful data"));
    usefulData_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    usefulData_->setGeometry(twipsRect(120, 600, 4455, 2055));
    // The box shows lines; the CR LF joints are the form the text is sent in.
    const QString text = errorTrackingText(platform.clock().today(), state.displayedDateInfo, state.lastCheck);
    usefulData_->setPlainText(QString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));

    auto *copy = new QPushButton(QStringLiteral("&Copy to clipboard"), this);
    copy->setObjectName(QStringLiteral("commandCopy"));
    copy->setAutoDefault(false);
    copy->setGeometry(twipsRect(1560, 2760, 1815, 375));
    connect(copy, &QPushButton::clicked, this, [this] {
        platform_.setClipboardText(usefulData_->toPlainText().replace(QLatin1Char('\n'), QStringLiteral("\r\n")));
    });

    auto *ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("commandOK"));
    ok->setDefault(true);
    ok->setGeometry(twipsRect(3480, 2760, 1095, 375));
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}
