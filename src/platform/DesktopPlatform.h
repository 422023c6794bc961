#pragma once

#include "platform/Platform.h"
#include "platform/SystemClock.h"

#include <memory>

class ClockEvents;
class CredentialStore;
class SoundPlayer;
class QSystemTrayIcon;
#ifdef Q_OS_UNIX
class QuitSignals;
#endif

class DesktopPlatform : public Platform {
public:
    // A sound is held whole in memory while it plays; larger files are refused.
    static constexpr qint64 MaxSoundBytes = qint64{50} * 1024 * 1024;

    DesktopPlatform();
    ~DesktopPlatform() override;

    const Clock &clock() const override { return clock_; }
    void watchClock(std::function<void()> changed) override;
    void watchQuitRequests(std::function<void()> quit) override;
    bool isTrayAvailable() const override;
    void addTrayIcon(const QIcon &icon, const QString &tip, QMenu *menu,
                     std::function<void(TrayClick)> clicked) override;
    void removeTrayIcon() override;
    void setTrayToolTip(const QString &tip) override;
    CredentialStore &credentials() override { return *credentials_; }
    bool openUrl(const QUrl &url) override;
    QString chooseFile(QWidget *parent, FileChoice choice, const QString &title, const QString &start,
                       const QString &filters) override;
    void playSound(const QString &wavePath) override;
    void stopSound() override;
    void setClipboardText(const QString &text) override;
    void bringToFront(QWidget *window) override;

    // A regular file of at most MaxSoundBytes.
    static bool isSoundFileAccepted(const QString &wavePath);

private:
    SystemClock clock_;
    std::unique_ptr<ClockEvents> clockEvents_;
#ifdef Q_OS_UNIX
    std::unique_ptr<QuitSignals> quitSignals_;
#endif
    std::unique_ptr<QSystemTrayIcon> tray_;
    std::unique_ptr<SoundPlayer> sound_;
    std::unique_ptr<CredentialStore> credentials_;
};
