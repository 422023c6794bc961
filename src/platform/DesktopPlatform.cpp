#include "platform/DesktopPlatform.h"

#include "platform/ClockEvents.h"
#include "platform/SoundPlayer.h"
#include "platform/SystemCredentialStore.h"
#ifdef Q_OS_UNIX
#include "platform/QuitSignals.h"
#endif

#include <QClipboard>
#include <QDesktopServices>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMenu>
#include <QSystemTrayIcon>
#include <QUrl>
#include <QWidget>

#ifdef Q_OS_WIN
#include <QtGui/private/qguiapplication_p.h>
#endif

DesktopPlatform::DesktopPlatform() : sound_(std::make_unique<SoundPlayer>()), credentials_(systemCredentialStore())
{
#ifdef Q_OS_WIN
    // Windows lets only the program in front activate a window; an alert or a
    // note must come forward from the tray as well.
    using Windows = QNativeInterface::Private::QWindowsApplication;
    if (auto *windows = qGuiApp->nativeInterface<Windows>())
        windows->setWindowActivationBehavior(Windows::AlwaysActivateWindow);
#endif
}
DesktopPlatform::~DesktopPlatform() = default;

void DesktopPlatform::watchClock(std::function<void()> changed)
{
    clockEvents_ = std::make_unique<ClockEvents>(std::move(changed));
}

void DesktopPlatform::watchQuitRequests(std::function<void()> quit)
{
#ifdef Q_OS_UNIX
    quitSignals_ = std::make_unique<QuitSignals>(std::move(quit));
#else
    Q_UNUSED(quit) // Windows ends a program by ending the session, which the main window handles
#endif
}

bool DesktopPlatform::isTrayAvailable() const
{
    return QSystemTrayIcon::isSystemTrayAvailable();
}

void DesktopPlatform::addTrayIcon(const QIcon &icon, const QString &tip, QMenu *menu,
                                  std::function<void(TrayClick)> clicked)
{
    tray_ = std::make_unique<QSystemTrayIcon>(icon);
    tray_->setToolTip(tip);
    tray_->setContextMenu(menu);
    QObject::connect(tray_.get(), &QSystemTrayIcon::activated, tray_.get(),
                     [clicked = std::move(clicked)](QSystemTrayIcon::ActivationReason reason) {
                         if (reason == QSystemTrayIcon::Trigger)
                             clicked(TrayClick::Single);
                         else if (reason == QSystemTrayIcon::DoubleClick)
                             clicked(TrayClick::Double);
                         else if (reason != QSystemTrayIcon::Context)
                             clicked(TrayClick::Other);
                     });
    tray_->show();
}

void DesktopPlatform::removeTrayIcon()
{
    tray_.reset();
}

void DesktopPlatform::setTrayToolTip(const QString &tip)
{
    if (tray_)
        tray_->setToolTip(tip);
}

bool DesktopPlatform::openUrl(const QUrl &url)
{
    return QDesktopServices::openUrl(url);
}

QString DesktopPlatform::chooseFile(QWidget *parent, FileChoice choice, const QString &title, const QString &start,
                                    const QString &filters)
{
    if (choice == FileChoice::Save)
        return QFileDialog::getSaveFileName(parent, title, start, filters);
    return QFileDialog::getOpenFileName(parent, title, start, filters);
}

bool DesktopPlatform::isSoundFileAccepted(const QString &wavePath)
{
    const QFileInfo file(wavePath);
    return file.isFile() && file.size() <= MaxSoundBytes;
}

void DesktopPlatform::playSound(const QString &wavePath)
{
    sound_->stop();
    if (isSoundFileAccepted(wavePath))
        sound_->play(wavePath);
}

void DesktopPlatform::stopSound()
{
    sound_->stop();
}

void DesktopPlatform::setClipboardText(const QString &text)
{
    QGuiApplication::clipboard()->setText(text);
}

void DesktopPlatform::bringToFront(QWidget *window)
{
    if (window->isMinimized())
        window->showNormal();
    else
        window->show();
    window->raise();
    window->activateWindow();
}
