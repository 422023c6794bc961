#include "platform/DesktopPlatform.h"

#include "platform/ClockEvents.h"
#ifdef Q_OS_UNIX
#include "platform/QuitSignals.h"
#endif

#include <QClipboard>
#include <QDesktopServices>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMenu>
#include <QSoundEffect>
#include <QSystemTrayIcon>
#include <QUrl>
#include <QWidget>

DesktopPlatform::DesktopPlatform() = default;
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

bool DesktopPlatform::openUrl(const QUrl &url)
{
    return QDesktopServices::openUrl(url);
}

bool DesktopPlatform::isSoundFileAccepted(const QString &wavePath)
{
    const QFileInfo file(wavePath);
    return file.isFile() && file.size() <= MaxSoundBytes;
}

// The effect holds the whole decoded sound, so it lives only while it plays.
void DesktopPlatform::playSound(const QString &wavePath)
{
    releaseSound();
    if (!isSoundFileAccepted(wavePath))
        return;
    sound_ = std::make_unique<QSoundEffect>();
    QSoundEffect *sound = sound_.get();
    const auto release = [this, sound] {
        if (sound_.get() == sound)
            releaseSound();
    };
    QObject::connect(sound, &QSoundEffect::playingChanged, sound, [sound, release] {
        if (!sound->isPlaying())
            release();
    });
    QObject::connect(sound, &QSoundEffect::statusChanged, sound, [sound, release] {
        if (sound->status() == QSoundEffect::Error)
            release();
    });
    sound->setSource(QUrl::fromLocalFile(QFileInfo(wavePath).absoluteFilePath()));
    sound->setLoopCount(1);
    sound->play();
}

void DesktopPlatform::stopSound()
{
    releaseSound();
}

// Not deleted at once: the effect may be inside one of its own signals.
void DesktopPlatform::releaseSound()
{
    QSoundEffect *sound = sound_.release();
    if (!sound)
        return;
    sound->stop();
    sound->deleteLater();
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
