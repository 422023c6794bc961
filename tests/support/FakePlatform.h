#pragma once

#include "platform/MemoryCredentialStore.h"
#include "platform/Platform.h"
#include "TestSupport.h"

#include <QUrl>
#include <QWidget>

// Records what the windows ask of the system, with a fixed "today".
class FakePlatform : public Platform {
public:
    explicit FakePlatform(QDate today) : clock_(today) {}

    const Clock &clock() const override { return clock_; }
    void watchClock(std::function<void()>) override {}
    void watchQuitRequests(std::function<void()> quit) override { quitRequested = std::move(quit); }
    bool isTrayAvailable() const override { return true; }
    void addTrayIcon(const QIcon &, const QString &, QMenu *, std::function<void(TrayClick)>) override {}
    void removeTrayIcon() override { ++trayRemovals; }
    void setTrayToolTip(const QString &) override {}
    CredentialStore &credentials() override { return credentialStore; }
    bool openUrl(const QUrl &url) override
    {
        openedUrls.push_back(url);
        return true;
    }
    QString chooseFile(QWidget *, FileChoice choice, const QString &title, const QString &, const QString &) override
    {
        askedFiles.push_back(title);
        return choice == FileChoice::Open ? fileToOpen : QString();
    }
    void playSound(const QString &wavePath) override { playedSounds.push_back(wavePath); }
    void stopSound() override { ++soundStops; }
    void setClipboardText(const QString &text) override { clipboard = text; }
    void bringToFront(QWidget *window) override
    {
        window->show();
        ++broughtToFront;
    }

    FakeClock clock_;
    // Fired by tests: the system's request to end.
    std::function<void()> quitRequested;
    int trayRemovals = 0;
    MemoryCredentialStore credentialStore;
    std::vector<QUrl> openedUrls;
    // The user's answer to the file chooser when asked for a file to open, "" when cancelled; the titles it was asked
    // with. A file to save is never chosen.
    QString fileToOpen;
    std::vector<QString> askedFiles;
    int broughtToFront = 0;
    QString clipboard;
    std::vector<QString> playedSounds;
    int soundStops = 0;
};
