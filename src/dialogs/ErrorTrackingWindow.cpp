#include "dialogs/ErrorTrackingWindow.h"

#include "datelogic/ErrorTrackingText.h"
#include "widgets/ControlTable.h"
#include "widgets/ProgramFont.h"
#include "widgets/Twips.h"
#include "platform/Clock.h"
#include "platform/Platform.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

ErrorTrackingWindow::ErrorTrackingWindow(const QString &lastCheck, const QDate &shownDay, Platform &platform,
                                         QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      platform_(platform)
{
    setObjectName(QStringLiteral("formErrorTracking"));
    setWindowTitle(QStringLiteral("Tarrowby"));
    setFont(programFont());
    setFixedSize(twipsToPixels(4695), twipsToPixels(3255));

    using enum ControlKind;
    // clang-format off
    const ControlSet controls(this, {
        {Label, u"labelThisWindow",
         u"This window contains information that can be helpful for the development team when tracking errors.", 120,
         120, 4455, 495},
        {TextBox, u"textUsefulData", {}, 120, 600, 4455, 2055},
        {Button, u"commandCopy", u"&Copy to clipboard", 1560, 2760, 1815, 375},
        {Button, u"commandOK", u"OK", 3480, 2760, 1095, 375},
    });
    // clang-format on
    controls.get<QLabel>(u"labelThisWindow")->setWordWrap(true);
    usefulData_ = controls.get<QPlainTextEdit>(u"textUsefulData");
    usefulData_->setAccessibleName(QStringLiteral("Useful data"));
    usefulData_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // Read, selected and copied, never typed into: Tab moves on and Enter
    // presses OK, as in the rest of the window.
    usefulData_->setReadOnly(true);
    usefulData_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    usefulData_->setTabChangesFocus(true);
    // The box shows lines; the CR LF joints are the form the text is sent in.
    const QString text = errorTrackingText(platform.clock().today(), shownDay, lastCheck);
    usefulData_->setPlainText(QString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    connect(controls.get<QPushButton>(u"commandCopy"), &QPushButton::clicked, this, [this] {
        platform_.setClipboardText(usefulData_->toPlainText().replace(QLatin1Char('\n'), QStringLiteral("\r\n")));
    });

    auto *ok = controls.get<QPushButton>(u"commandOK");
    ok->setDefault(true);
    ok->setFocus();
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}
